#include "ui/checker/ProblemsPanel.h"

#include "core/script/ModFormat.h"

#include "core/checker/Finding.h"
#include "core/settings/SettingsStore.h"
#include "ui/checker/CheckerForum.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Quillwright {

namespace {
const QString App = ModFormat::programTitle();
const QString Section = QStringLiteral("Checker");
const QString IgnoredKey = QStringLiteral("Ignored");
const QString PlaceKey = QStringLiteral("ProblemsPlace"); // shown, side, floating, x, y, w, h
enum Role { LineRole = Qt::UserRole, ColumnRole };
} // namespace

ProblemsPanel::ProblemsPanel(Frame& frame, QMenu& toolsMenu)
    : QDockWidget(tr("Problems"), frame.widget()), m_frame(frame), m_forum(new QLabel(this)),
      m_forget(new QPushButton(tr("Forget This Forum"), this)), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("problemsDock"));
    auto* bar = toolsMenu.addSeparator();
    bar->setObjectName(QStringLiteral("mnuToolsBar0"));
    m_toggle = toggleViewAction();
    m_toggle->setObjectName(QStringLiteral("mnuToolsProblems"));
    m_toggle->setText(tr("Pro&blems"));
    toolsMenu.addAction(m_toggle);
    m_forum->setObjectName(QStringLiteral("problemsForum"));
    m_forum->setTextFormat(Qt::PlainText);
    m_forum->setWordWrap(true);
    m_forget->setObjectName(QStringLiteral("problemsForgetForum"));
    m_list->setObjectName(QStringLiteral("problemsList"));
    m_list->setAccessibleName(tr("Problems of the script"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Line"), tr("Problem"), tr("Rule")});
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* body = new QWidget(this);
    auto* forumRow = new QHBoxLayout;
    forumRow->addWidget(m_forum, 1);
    forumRow->addWidget(m_forget);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(forumRow);
    layout->addWidget(m_list);
    setWidget(body);
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        goTo(item->data(0, LineRole).toInt(), item->data(0, ColumnRole).toInt());
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        const QTreeWidgetItem* item = m_list->itemAt(at);
        addRuleActions(menu, item ? item->text(2) : QString());
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
    connect(m_forget, &QPushButton::clicked, this, [this] {
        m_frame.forum().forget();
        refresh();
    });
    // After the dock's own answer to the action, which shows it.
    connect(m_toggle, &QAction::triggered, this, [this](bool shown) {
        if (shown)
            refresh();
    });
    if (SettingsStore* s = m_frame.services().settings)
        m_ignored = s->value(App, Section, IgnoredKey, QString()).split(u',', Qt::SkipEmptyParts);
    hide();
    m_toggle->setChecked(false); // a window never shown sends no hide event to say so
}

void ProblemsPanel::savePlace() const
{
    SettingsStore* s = m_frame.services().settings;
    if (!s)
        return;
    const QRect r = isFloating() ? geometry() : QRect(QPoint(), size());
    const QList<int> place = {
        int(isVisible()),
        int(m_frame.widget()->dockWidgetArea(const_cast<ProblemsPanel*>(this))),
        int(isFloating()),
        r.x(),
        r.y(),
        r.width(),
        r.height()};
    QStringList words;
    for (int n : place)
        words << QString::number(n);
    s->setValue(App, Section, PlaceKey, words.join(u','));
}

void ProblemsPanel::restorePlace(QMainWindow& window)
{
    SettingsStore* s = m_frame.services().settings;
    if (!s)
        return;
    const QStringList words = s->value(App, Section, PlaceKey, QString()).split(u',');
    QList<int> place;
    for (const QString& w : words) {
        bool ok = false;
        place << w.toInt(&ok);
        if (!ok)
            return; // nothing kept, or not by this program: the list stays as made
    }
    if (place.size() != 7 || place[5] <= 0 || place[6] <= 0)
        return;
    const auto side = Qt::DockWidgetArea(place[1]);
    if (side == Qt::LeftDockWidgetArea || side == Qt::RightDockWidgetArea ||
        side == Qt::TopDockWidgetArea || side == Qt::BottomDockWidgetArea)
        window.addDockWidget(side, this);
    const QRect r(place[3], place[4], place[5], place[6]);
    setFloating(place[2] != 0);
    if (isFloating())
        setGeometry(r);
    setVisible(place[0] != 0);
    if (!isFloating()) {
        const bool across = side == Qt::TopDockWidgetArea || side == Qt::BottomDockWidgetArea;
        window.resizeDocks({this}, {across ? r.height() : r.width()},
                           across ? Qt::Vertical : Qt::Horizontal);
    }
}

void ProblemsPanel::saveIgnored()
{
    if (SettingsStore* s = m_frame.services().settings)
        s->setValue(App, Section, IgnoredKey, m_ignored.join(u','));
    for (DocumentWindow* doc : m_frame.documents())
        doc->checks().setIgnoredRules(m_ignored);
    refresh();
}

void ProblemsPanel::ignoreRule(const QString& rule)
{
    if (rule.isEmpty() || m_ignored.contains(rule))
        return;
    m_ignored << rule;
    saveIgnored();
}

void ProblemsPanel::reportRuleAgain(const QString& rule)
{
    if (m_ignored.removeAll(rule) > 0)
        saveIgnored();
}

void ProblemsPanel::addRuleActions(QMenu& menu, const QString& ruleAtCaret)
{
    if (!ruleAtCaret.isEmpty()) {
        QAction* a = menu.addAction(tr("Don't Report This Kind of Problem (%1)").arg(ruleAtCaret));
        a->setObjectName(QStringLiteral("ignoreRule"));
        connect(a, &QAction::triggered, this, [this, ruleAtCaret] { ignoreRule(ruleAtCaret); });
    }
    if (m_ignored.isEmpty())
        return;
    QMenu* again = menu.addMenu(tr("Report Again"));
    again->setObjectName(QStringLiteral("reportAgain"));
    for (const QString& rule : m_ignored) {
        QAction* a = again->addAction(rule);
        connect(a, &QAction::triggered, this, [this, rule] { reportRuleAgain(rule); });
    }
}

void ProblemsPanel::goTo(int line, int column)
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc || line < 1)
        return;
    RichTextControl& c = doc->control();
    const int l = std::min(line - 1, c.lineCount() - 1);
    c.setSelStart(c.lineStart(l) + std::min(column - 1, int(c.line(l)->text.size())));
    doc->mod_fly()->ensureCursorVisible();
    doc->mod_fly()->setFocus(Qt::OtherFocusReason);
}

void ProblemsPanel::refresh()
{
    const QString forum = m_frame.forum().folder();
    m_forum->setText(forum.isEmpty()
                         ? tr("Each FIND is tried against a forum's files once you choose one "
                              "(Check against forum files... in the status bar's menu).")
                         : tr("Each FIND is tried against the files of the forum in %1.")
                               .arg(QDir::toNativeSeparators(forum)));
    m_forget->setVisible(!forum.isEmpty());
    if (isHidden())
        return;
    m_list->clear();
    const DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    const QStyle* style = QApplication::style();
    for (const Checker::Finding& f : doc->checks().findings()) {
        auto* item = new QTreeWidgetItem(m_list, {QString::number(f.line), f.message, f.rule});
        item->setData(0, LineRole, f.line);
        item->setData(0, ColumnRole, f.column);
        item->setIcon(0, style->standardIcon(f.severity == Checker::Severity::Error
                                                 ? QStyle::SP_MessageBoxCritical
                                             : f.severity == Checker::Severity::Warning
                                                 ? QStyle::SP_MessageBoxWarning
                                                 : QStyle::SP_MessageBoxInformation));
        // The severity in words too, for screen readers and for the eye.
        item->setToolTip(0, Checker::severityName(f.severity));
        item->setData(0, Qt::AccessibleTextRole,
                      Checker::severityName(f.severity) + u' ' + QString::number(f.line));
    }
}

} // namespace Quillwright
