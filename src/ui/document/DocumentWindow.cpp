#include "ui/document/DocumentWindow.h"
#include "ui/document/OutlineModel.h"

#include "core/frame/DocumentLayout.h"
#include "core/recovery/JournalStore.h"
#include "core/script/ModFormat.h"
#include "core/script/ModReader.h"
#include "core/script/StampGenerator.h"
#include "core/settings/SettingsStore.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DiskChangeBar.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/EditorMarks.h"
#include "ui/document/SaveScript.h"
#include "ui/document/ScriptDescription.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/find/FindBar.h"
#include "ui/find/GoToLineBar.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FileFilters.h"
#include "ui/platform/Icons.h"
#include "ui/platform/PlainToolTip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QTextCursor>
#include <QTimer>
#include <QTreeView>

namespace Quillwright {

OutlineRoute outlineRoute(const QString& nodeKey, const QString& parentKey)
{
    if (nodeKey == u"author")
        return OutlineRoute::AuthorDialog;
    if (parentKey == u"header")
        return OutlineRoute::HeaderDialog;
    return OutlineRoute::Nothing;
}

DocumentWindow::DocumentWindow(const DocumentServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_modFly(new ModEditor(this)),
      m_actionlist(new QTreeView(this)), m_outline(new OutlineModel(this))
{
    setObjectName(QStringLiteral("frmDocument"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Icons::byName(QStringLiteral("new")));
    m_modFly->setObjectName(QStringLiteral("mod_fly"));
    m_actionlist->setObjectName(QStringLiteral("Actionlist"));
    m_modFly->setAccessibleName(tr("Script"));
    m_actionlist->setAccessibleName(tr("Outline of the script"));
    m_actionlist->setHeaderHidden(true);
    m_actionlist->setUniformRowHeights(true); // one line each: thousands lay out at once
    m_actionlist->setModel(m_outline);
    m_control = std::make_unique<QtRichTextControl>(m_modFly);
    m_model = std::make_unique<DocumentModel>(*m_control);
    m_findBar = new FindBar(*m_control, this);
    m_lineBar = new GoToLineBar(*m_control, this);
    m_marks = std::make_unique<EditorMarks>(*m_modFly);
    m_file = new DocumentFile(*this, *m_control, *m_model, m_services.dialogs);
    connect(m_file, &DocumentFile::pathChanged, this, &DocumentWindow::setCaption);
    connect(m_file, &DocumentFile::diskMessageChanged, this, &DocumentWindow::statusMessageChanged);
    connect(m_file->changeBar(), &DiskChangeBar::visibilityChanged, this,
            &DocumentWindow::Form_Resize);
    m_checks = new DocumentChecks(
        *m_control, *m_modFly, *m_marks, [this] { return m_file->encoding(); }, this);
    connect(m_checks, &DocumentChecks::caretFindingChanged, this,
            &DocumentWindow::statusMessageChanged);
    new ScriptDescription(*m_modFly, *m_control, *m_checks);
    m_findBar->setHistoryStore(m_services.settings);
    connect(m_findBar, &FindBar::matchesChanged, this,
            [this] { m_marks->showFindMatches(*m_findBar, *m_control); });
    for (auto signal : {&FindBar::aboutToReplace, &FindBar::replaced})
        connect(m_findBar, signal, m_model.get(), &DocumentModel::takeSnapshot);
    for (QWidget* bar : std::initializer_list<QWidget*>{m_findBar, m_lineBar})
        bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(m_findBar, &FindBar::visibilityChanged, this, [this] {
        if (!m_findBar->isHidden())
            m_lineBar->hide();
        Form_Resize();
    });
    connect(m_lineBar, &GoToLineBar::visibilityChanged, this, [this] {
        if (!m_lineBar->isHidden())
            m_findBar->hide();
        Form_Resize();
    });
    // The keys of the common text editors, for this document only.
    const auto key = [this](QKeySequence sequence, auto slot) {
        auto* s = new QShortcut(sequence, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    key(QKeySequence::Find, [this] { m_findBar->open(FindBar::Mode::Find); });
    key(QKeySequence(Qt::CTRL | Qt::Key_H), [this] { m_findBar->open(FindBar::Mode::Replace); });
    key(QKeySequence(Qt::Key_F3), [this] {
        if (m_findBar->findField()->text().isEmpty())
            m_findBar->open(FindBar::Mode::Find);
        else
            m_findBar->findNext();
    });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { m_findBar->findPrevious(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_G), [this] { m_lineBar->open(); });
    key(QKeySequence(Qt::Key_F8), [this] { m_checks->goToFinding(1); });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { m_checks->goToFinding(-1); });
    // "FIND in viewtopic.php, line 120": the file an action works on (the
    // last OPEN's) and its banner's line, as the outline's tooltips say it.
    m_outline->setActionDescriber([this](int row, const QString& keyword) {
        const int line = m_model->bannerLine(row);
        if (line < 0)
            return QString();
        using ModReader::Kind;
        const Kind kind = ModReader::kindOf(ModReader::normalizedKeyword(keyword));
        QString file;
        if (kind == Kind::Open)
            file = m_model->openedFile(line);
        else if (kind != Kind::Copy && kind != Kind::Save && kind != Kind::Other)
            for (int r = row - 1; r >= 0 && file.isEmpty(); --r)
                if (const QModelIndex open = m_outline->index(r, 0, outlineNode("actions"));
                    open.isValid() && ModReader::kindOf(ModReader::normalizedKeyword(
                                          open.data().toString().trimmed())) == Kind::Open) {
                    file = m_model->openedFile(m_model->bannerLine(r));
                    break;
                }
        if (file.isEmpty())
            return tr("%1, line %2").arg(keyword).arg(line + 1);
        if (kind == Kind::Open)
            return tr("%1 %2, line %3").arg(keyword, file).arg(line + 1);
        return tr("%1 in %2, line %3").arg(keyword, file).arg(line + 1);
    });
    connect(m_actionlist, &QTreeView::clicked, this, &DocumentWindow::showActionNode);
    // Return or Space on a header node opens its dialog, as a double-click does.
    connect(m_actionlist, &QTreeView::activated, this, [this](const QModelIndex& node) {
        if (m_outline->isAction(node))
            showActionNode(node);
        else
            Actionlist_DblClick();
    });
    m_actionlist->viewport()->installEventFilter(this);
    connect(m_model.get(), &DocumentModel::outlineRebuilt, this,
            &DocumentWindow::rebuildActionNodes);
    connect(m_actionlist, &QTreeView::doubleClicked, this, &DocumentWindow::Actionlist_DblClick);
    // Near the end of the actions the view has, it is given more (End, Page
    // Down, the wheel and the scroll bar all end up here).
    connect(m_actionlist->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        const QScrollBar* bar = m_actionlist->verticalScrollBar();
        if (m_outline->hasMoreActions() && value >= bar->maximum() - bar->pageStep() &&
            m_actionlist->isExpanded(outlineNode(QStringLiteral("actions"))))
            m_outline->showMoreActions();
    });
    m_journalTimer = new QTimer(this);
    m_journalTimer->setSingleShot(true);
    m_journalTimer->setInterval(JournalDelay);
    // A throttle, not a pause: a restart on every key would put the journal
    // off for as long as someone types, and a crash then loses all of it.
    connect(m_control.get(), &RichTextControl::changed, m_journalTimer, [this] {
        if (!m_journalTimer->isActive())
            m_journalTimer->start();
    });
    connect(m_journalTimer, &QTimer::timeout, this, &DocumentWindow::writeJournal);
    connect(m_modFly->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_marks->showFindMatches(*m_findBar, *m_control); });
    connect(m_control.get(), &RichTextControl::editRefused, this, [this](const QString& reason) {
        // Keys pressed in a script that is only shown: told in the status bar
        // at each, not in a box to close at each.
        if (m_control->isReadOnly()) {
            QApplication::beep();
            m_shownOnly = reason;
            emit statusMessageChanged();
            return;
        }
        if (m_services.dialogs)
            m_services.dialogs->message(this, ModFormat::programTitle(),
                                        tr("This change was not made.\n\n") + reason,
                                        DialogService::Icon::Warning);
    });
    connect(m_modFly, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!m_shownOnly.isEmpty()) {
            m_shownOnly.clear();
            emit statusMessageChanged();
        }
    });
    connect(m_model.get(), &DocumentModel::markedUnchanged, this, [this] {
        // Saved or read again: nothing unsaved for the journal to keep.
        m_journalTimer->stop();
        if (m_services.journal)
            m_services.journal->remove(m_services.number);
    });
}

DocumentWindow::~DocumentWindow()
{
    // Qt takes the child widgets apart after this body, and a widget still
    // sends events and signals while it goes. So whatever hears them and
    // reads them goes first, each before what it hears: the checker (the
    // editor's viewport, scroll bar and caret), this window's own slots (the
    // editor, the outline, the bars), the model (the control), then the
    // control (the editor and its document).
    delete m_checks;
    m_checks = nullptr;
    for (QObject* part : findChildren<QObject*>())
        part->disconnect(this);
    m_model.reset();
    m_marks.reset();
    m_control.reset();
}

void DocumentWindow::Form_Load()
{
    Form_Resize();
    buildSkeleton();
    const QString font =
        m_services.settings
            ? m_services.settings->value(ModFormat::programTitle(), QStringLiteral("Settings"),
                                         QStringLiteral("font"), QStringLiteral("Lucida Console"))
            : QStringLiteral("Lucida Console");
    const QString defaultTxt = m_services.programFolder.isEmpty()
                                   ? QString()
                                   : QDir(m_services.programFolder).filePath("default.txt");
    m_model->initialise(defaultTxt, font);
}

void DocumentWindow::buildSkeleton()
{
    m_outline->setActions(ActionOutline::Nodes(), {});
    m_actionlist->collapse(outlineNode(QStringLiteral("actions")));
    m_actionlist->expand(outlineNode(QStringLiteral("mod")));
}

QModelIndex DocumentWindow::outlineNode(const QString& key) const
{
    return m_outline->node(key);
}

void DocumentWindow::rebuildActionNodes()
{
    const QModelIndex actions = outlineNode(QStringLiteral("actions"));
    // Actions stays as the user left it: collapsed, as the skeleton made it,
    // until the user opens it.
    const bool expanded = m_actionlist->isExpanded(actions);
    // Only the stretches of nodes that changed are made again: a big script
    // has thousands of actions, and a paste brings a few.
    m_outline->setActions(m_model->outline().nodes(), m_model->outline().lastChanges());
    m_actionlist->setExpanded(actions, expanded);
}

void DocumentWindow::Actionlist_DblClick()
{
    const QModelIndex node = m_actionlist->currentIndex();
    if (!node.isValid())
        return;
    const QString key = node.data(Qt::UserRole).toString();
    const QString parentKey = node.parent().data(Qt::UserRole).toString();
    const OutlineRoute route = outlineRoute(key, parentKey);
    if (route != OutlineRoute::Nothing)
        emit outlineRouteRequested(route);
}

void DocumentWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Selections made before the first layout may have scrolled the view.
    m_modFly->horizontalScrollBar()->setValue(0);
    m_modFly->ensureCursorVisible();
}

void DocumentWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
    // A taller window shows lines that may lie beyond the underlined ones.
    m_checks->underlineFindingsInView();
}

void DocumentWindow::Form_Resize()
{
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const DocumentLayout l =
        DocumentLayout::forSize(pixelsToTwips(width(), dpiX), pixelsToTwips(height(), dpiY));
    const int textWidth = std::max(twipsToPixels(l.textWidth, dpiX), 0);
    // The disk-change bar sits above the script; a bar asked for below it,
    // each as wide as the script.
    // A bar whose contents wrap is as high as they need at this width.
    const auto heightOf = [&](QWidget* bar) {
        const int wanted = bar->hasHeightForWidth() ? bar->heightForWidth(textWidth) : -1;
        return std::min(wanted > 0 ? wanted : bar->sizeHint().height(), height());
    };
    QWidget* diskBar = m_file->changeBar();
    const int top = diskBar->isHidden() ? 0 : heightOf(diskBar);
    if (top > 0)
        diskBar->setGeometry(0, 0, textWidth, top);
    int textHeight = height();
    for (QWidget* bar : std::initializer_list<QWidget*>{m_findBar, m_lineBar}) {
        if (bar->isHidden())
            continue;
        const int barHeight = heightOf(bar);
        textHeight -= barHeight;
        bar->setGeometry(0, textHeight, textWidth, barHeight);
    }
    m_modFly->setGeometry(0, top, textWidth, std::max(textHeight - top, 0));
    if (l.rightMargin > 0)
        m_control->setRightMargin(int(l.rightMargin));
    m_actionlist->setGeometry(textWidth, 0, std::max(width() - textWidth, 0), height());
}

void DocumentWindow::writeJournal()
{
    if (m_control->mirror().isShowing()) { // a script being opened is not yet the user's work
        m_journalTimer->start();
        return;
    }
    m_journalTimer->stop();
    if (!m_services.journal)
        return;
    if (m_model->hasUnsavedChanges())
        m_services.journal->write(m_services.number, m_file->path(), caption(), m_file->encoding(),
                                  m_control->lineSnapshot());
    else
        m_services.journal->remove(m_services.number);
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    if (m_endingSession) {
        event->accept(); // the journal keeps the work for the next start
        return;
    }
    if (!saveChangesPrompt()) {
        event->ignore();
        return;
    }
    event->accept();
    // Saved, or closed without saving by the user's choice.
    m_journalTimer->stop();
    if (m_services.journal)
        m_services.journal->remove(m_services.number);
}

bool DocumentWindow::saveChangesPrompt()
{
    if (!m_model->hasUnsavedChanges() || !m_services.dialogs)
        return true;
    DialogService& dialogs = *m_services.dialogs;
    // The document's name on a second line: at Exit several may ask in turn.
    const QString question =
        tr("Would you like to Save any changes") + QStringLiteral("\n\n") +
        (m_file->isUntitled() ? caption() : QDir::toNativeSeparators(m_file->path()));
    switch (dialogs.ask(this, tr("Save changes"), question, DialogService::Buttons::YesNoCancel,
                        DialogService::Icon::None)) {
    case DialogService::Button::Cancel:
        return false;
    case DialogService::Button::No:
        return true;
    default:
        break;
    }
    StampGenerator(*m_control);
    QString path = m_file->path();
    if (m_file->isUntitled()) {
        path = dialogs.saveFileName(this, tr("Save"), qtFileFilter(FileFilters::save()), QString());
        // Cancelling the file dialog after asking to save keeps the work.
        if (path.isEmpty() || !SaveScript::confirmReplace(this, dialogs, path, QString()))
            return false;
    }
    return m_file->saveTo(path);
}

void DocumentWindow::showActionNode(const QModelIndex& node)
{
    if (!m_outline->isAction(node))
        return;
    const int line = m_model->bannerLine(node.row());
    if (line < 0)
        return;
    m_control->setSelStart(m_control->lineStart(line));
    m_modFly->centerCursor();
}

bool DocumentWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_actionlist->viewport() && event->type() == QEvent::ToolTip) {
        // Worked out when asked: the line after a banner can change without
        // the node being made again.
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex node = m_actionlist->indexAt(help->pos());
        QString tip;
        if (m_outline->isAction(node) &&
            node.data().toString().trimmed() == QStringLiteral("OPEN")) {
            const int line = m_model->bannerLine(node.row());
            if (line >= 0)
                tip = m_model->openedFile(line);
        }
        showPlainToolTip(help, tip, m_actionlist->viewport());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString DocumentWindow::statusMessage() const
{
    QString disk = m_file->diskMessage();
    if (!disk.isEmpty())
        return disk;
    if (!m_shownOnly.isEmpty())
        return m_shownOnly;
    // The checker goes first when the window does.
    return m_checks ? m_checks->caretFinding() : QString();
}

} // namespace Quillwright
