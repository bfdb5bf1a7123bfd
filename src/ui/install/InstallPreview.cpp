#include "ui/install/InstallPreview.h"

#include "core/control/RichTextControl.h"
#include "core/install/ForumFolder.h"
#include "core/install/ForumTextFile.h"
#include "core/install/InstallReport.h"
#include "core/install/UnifiedDiff.h"
#include "core/package/ScriptPackage.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/install/PreviewDiff.h"
#include "ui/platform/Accessibility.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Quillwright {

namespace {

enum Role { PathRole = Qt::UserRole, LineRole, TextRole };

QStringList textLines(const std::optional<QByteArray>& bytes)
{
    QStringList out;
    if (!bytes)
        return out;
    if (const std::optional<ForumTextFile> f = ForumTextFile::decode(*bytes))
        for (const ForumTextFile::Line& l : f->lines)
            out << l.text;
    return out;
}

} // namespace

ScriptInstallation installScript(DocumentWindow* doc, const QString& forumFolder)
{
    ScriptInstallation out;
    const QString file = doc->file().scriptName();
    QStringList lines;
    const LineStore store = doc->control().lineSnapshot();
    store.lines().forEach([&lines](const LinePtr& l) { lines << l->text; });
    // COPY reads the script's package: on disk, or the archive it was opened from.
    const ScriptPackage package = doc->file().package();
    out.scripts.push_back(
        {file.isEmpty() ? doc->caption() : file, lines, package.files, package.folder});
    out.result = Install::install(out.scripts, forumFolder);
    return out;
}

InstallPreview::InstallPreview(QWidget* parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_forumLabel(new QLabel(this)),
      m_changeForum(new QPushButton(tr("Change &Forum..."), this)), m_files(new QTreeWidget(this)),
      m_failure(new QPlainTextEdit(this)), m_diff(new PreviewDiff(this)),
      m_todo(new QListWidget(this)), m_status(new QLabel(this)),
      m_install(new QPushButton(tr("Install into Folder..."), this)), m_again(new QTimer(this))
{
    setObjectName(QStringLiteral("installPreview"));
    setWindowTitle(tr("Preview Installation"));
    // Not modal, and the user's to size and maximise; as the main window's
    // own window it stays above it.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);
    for (QLabel* label : {m_summary, m_forumLabel, m_status}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    m_summary->setObjectName(QStringLiteral("previewSummary"));
    Accessibility::makeAnnouncer(m_summary);
    m_forumLabel->setObjectName(QStringLiteral("previewForum"));
    m_forumLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_changeForum->setObjectName(QStringLiteral("previewChangeForum"));
    m_status->setObjectName(QStringLiteral("previewStatus"));
    Accessibility::makeAnnouncer(m_status);

    m_files->setObjectName(QStringLiteral("previewFiles"));
    m_files->setAccessibleName(tr("Files the script changes"));
    m_files->setHeaderLabels({tr("File"), tr("Result")});
    // The paths take the width; a path too long for it loses its middle, and
    // its tooltip has it whole.
    m_files->header()->setStretchLastSection(false);
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_files->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_files->setTextElideMode(Qt::ElideMiddle);
    m_failure->setObjectName(QStringLiteral("previewFailure"));
    m_failure->setAccessibleName(tr("Why it failed"));
    m_failure->setReadOnly(true);
    m_failure->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_failure->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_failure->hide();
    m_diff->setObjectName(QStringLiteral("previewDiff"));
    m_diff->setAccessibleName(tr("Changes to the chosen file"));
    m_todo->setObjectName(QStringLiteral("previewToDo"));
    m_todo->setAccessibleName(tr("Left to do by hand"));
    m_todo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* copy = new QAction(tr("&Copy"), m_todo);
    copy->setObjectName(QStringLiteral("previewCopyToDo"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_todo->addAction(copy);
    m_todo->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &InstallPreview::copyToDo);
    m_install->setObjectName(QStringLiteral("previewInstall"));
    // Return installs, but on a failure or a to-do goes to its line in the script.
    m_install->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("previewClose"));

    auto* forumRow = new QHBoxLayout;
    forumRow->addWidget(m_forumLabel, 1);
    forumRow->addWidget(m_changeForum);
    auto* left = new QSplitter(Qt::Vertical, this);
    left->addWidget(m_files);
    left->addWidget(m_failure);
    left->setStretchFactor(0, 3);
    left->setStretchFactor(1, 1);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(left);
    sides->addWidget(m_diff);
    // Both sides grow with the window, so that a maximised preview shows
    // longer paths as well as longer lines.
    sides->setStretchFactor(0, 2);
    sides->setStretchFactor(1, 3);
    sides->setSizes({380, 580});
    auto* todoLabel = new QLabel(tr("Left to do by hand:"), this);
    todoLabel->setBuddy(m_todo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_install);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addLayout(forumRow);
    layout->addWidget(sides, 4);
    layout->addWidget(todoLabel);
    layout->addWidget(m_todo, 1);
    layout->addLayout(buttons);
    setTabOrder(m_files, m_failure);
    setTabOrder(m_failure, m_diff);
    setTabOrder(m_diff, m_todo);
    setTabOrder(m_todo, m_changeForum);
    setTabOrder(m_changeForum, m_install);
    setTabOrder(m_install, close);

    connect(m_files, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { itemChosen(item); });
    connect(m_files, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { itemChosen(item); });
    connect(m_todo, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit goToScriptLine(m_doc, item->data(LineRole).toInt());
    });
    m_files->installEventFilter(this);
    m_todo->installEventFilter(this);
    connect(m_install, &QPushButton::clicked, this, &InstallPreview::installRequested);
    connect(m_changeForum, &QPushButton::clicked, this, &InstallPreview::changeForumRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Again at the pause after the script changes, as the checker does.
    m_again->setSingleShot(true);
    m_again->setInterval(DocumentChecks::CheckPause);
    connect(m_again, &QTimer::timeout, this, [this] {
        if (isVisible())
            refresh();
    });
}

QPlainTextEdit* InstallPreview::diff() const
{
    return m_diff;
}

void InstallPreview::watch(DocumentWindow* script)
{
    if (m_doc == script)
        return;
    if (m_doc)
        disconnect(&m_doc->control(), nullptr, m_again, nullptr);
    m_doc = script;
    if (m_doc)
        connect(&m_doc->control(), &RichTextControl::changed, m_again, qOverload<>(&QTimer::start));
}

void InstallPreview::show(DocumentWindow* script)
{
    watch(script);
    refresh();
    const bool first = !m_placed;
    if (first) {
        placeInsideScreen();
        m_placed = true;
    }
    QDialog::show();
    raise();
    activateWindow();
    if (first)
        m_files->setFocus();
}

void InstallPreview::follow(DocumentWindow* script)
{
    if (!script || script == m_doc)
        return;
    watch(script);
    m_status->clear();
    refresh();
    // The focus stays in the script: the change is told, not shown by moving it.
    const QString now = m_summary->text();
    m_summary->clear();
    Accessibility::announce(m_summary, now);
}

void InstallPreview::setForum(const QString& forumFolder, const QString& note)
{
    const bool again = forumFolder != m_forum && isVisible();
    m_forum = forumFolder;
    QString text = tr("Forum: %1").arg(QDir::toNativeSeparators(m_forum));
    if (!note.isEmpty())
        text += u'\n' + note;
    m_forumLabel->setText(text);
    m_forumLabel->setToolTip(QDir::toNativeSeparators(m_forum));
    if (again)
        refresh();
}

void InstallPreview::announce(const QString& text)
{
    Accessibility::announce(m_status, text);
}

void InstallPreview::placeInsideScreen()
{
    // Over the main window, as much of it as the screen has room for: a
    // preview partly off the screen hides its buttons.
    const QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = QSize(960, 640).boundedTo(area.size() * 9 / 10);
    resize(size);
    QRect place(QPoint(), size);
    place.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    place.moveLeft(std::clamp(place.left(), area.left(), area.right() + 1 - place.width()));
    place.moveTop(std::clamp(place.top(), area.top(), area.bottom() + 1 - place.height()));
    move(place.topLeft());
}

void InstallPreview::refresh()
{
    m_scripts.clear();
    m_result = {};
    if (!m_doc || m_forum.isEmpty()) {
        setWindowTitle(tr("Preview Installation"));
        m_summary->setText(m_doc ? tr("No forum is chosen: Change Forum chooses one.")
                                 : tr("No script is open."));
        m_install->setEnabled(false);
        showFiles();
        showToDo();
        return;
    }
    ScriptInstallation done = installScript(m_doc, m_forum);
    m_scripts = std::move(done.scripts);
    m_result = std::move(done.result);
    // Named as the main window names it: packages all call theirs install.mod.
    setWindowTitle(tr("Preview Installation - %1").arg(m_doc->caption()));
    m_summary->setText(tr("%1. Nothing is written until you install into a folder.")
                           .arg(Install::summary(m_result)));
    m_install->setEnabled(true);
    showFiles();
    showToDo();
}

void InstallPreview::showFiles()
{
    // A re-run is not the user choosing: the chosen file stays chosen, and
    // the script's caret stays where it is.
    QTreeWidgetItem* was = m_files->currentItem();
    const QString chosen = was ? was->data(0, PathRole).toString() : QString();
    const QSignalBlocker quiet(m_files);
    bool same = m_files->topLevelItemCount() == int(m_result.opened.size());
    for (int i = 0; same && i < m_files->topLevelItemCount(); ++i)
        same = m_files->topLevelItem(i)->data(0, PathRole).toString() == m_result.opened[i];
    if (!same) {
        m_files->clear();
        for (const QString& path : m_result.opened) {
            auto* item = new QTreeWidgetItem(m_files, {path});
            item->setData(0, PathRole, path);
            item->setToolTip(0, QDir::toNativeSeparators(QDir(m_forum).filePath(path)));
        }
    }
    for (int i = 0; i < m_files->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_files->topLevelItem(i);
        const QString path = item->data(0, PathRole).toString();
        const bool failed = Install::failedIn(m_result, path);
        const bool changed =
            std::any_of(m_result.files.begin(), m_result.files.end(),
                        [&](const Install::ChangedFile& f) { return f.path == path; });
        item->setText(1, failed ? tr("failed") : changed ? tr("changed") : tr("unchanged"));
        item->setForeground(1, failed ? QBrush(QColor(0xb0, 0, 0)) : QBrush());
        std::vector<const Install::Finding*> why;
        for (const Install::Finding& f : m_result.findings)
            if (f.path == path)
                why.push_back(&f);
        while (item->childCount() > int(why.size()))
            delete item->child(item->childCount() - 1);
        for (size_t j = 0; j < why.size(); ++j) {
            QTreeWidgetItem* row =
                int(j) < item->childCount() ? item->child(int(j)) : new QTreeWidgetItem(item);
            const Checker::Finding& f = why[j]->finding;
            // A row says the first line; the box below the list says it all.
            row->setText(0, tr("line %1: %2").arg(f.line).arg(f.message.section(u'\n', 0, 0)));
            row->setToolTip(0, failureText(*why[j]));
            row->setData(0, PathRole, path);
            row->setData(0, LineRole, f.line);
        }
        item->setExpanded(failed);
    }
    if (!same || !m_files->currentItem()) {
        QTreeWidgetItem* now =
            m_files->topLevelItemCount() > 0 ? m_files->topLevelItem(0) : nullptr;
        for (int i = 0; i < m_files->topLevelItemCount(); ++i)
            if (m_files->topLevelItem(i)->data(0, PathRole).toString() == chosen)
                now = m_files->topLevelItem(i);
        m_files->setCurrentItem(now);
    }
    showChosen(m_files->currentItem());
}

void InstallPreview::showToDo()
{
    struct Row {
        QString shown;
        QString text;
        int line;
    };
    std::vector<Row> rows;
    for (const Install::ToDo& t : m_result.todo) {
        // The lines as the script wrote them, so that a CREATE TABLE can be
        // copied and run as it is.
        const QString text = t.text;
        const QString shown =
            text.contains(u'\n')
                ? tr("line %1, %2:").arg(t.line).arg(t.kind.toUpper()) + u'\n' + text
                : tr("line %1, %2: %3").arg(t.line).arg(t.kind.toUpper(), text);
        rows.push_back({shown, text, t.line});
    }
    bool same = m_todo->count() == int(rows.size());
    for (int i = 0; same && i < m_todo->count(); ++i)
        same = m_todo->item(i)->text() == rows[size_t(i)].shown;
    if (same)
        return;
    const int current = m_todo->currentRow();
    const QSignalBlocker quiet(m_todo);
    m_todo->clear();
    for (const Row& r : rows) {
        auto* item = new QListWidgetItem(r.shown, m_todo);
        item->setData(LineRole, r.line);
        item->setData(TextRole, r.text);
    }
    if (current >= 0 && m_todo->count() > 0)
        m_todo->setCurrentRow(std::min(current, m_todo->count() - 1));
}

void InstallPreview::copyToDo()
{
    QStringList texts;
    for (int i = 0; i < m_todo->count(); ++i)
        if (m_todo->item(i)->isSelected())
            texts << m_todo->item(i)->data(TextRole).toString();
    if (texts.isEmpty() && m_todo->currentItem())
        texts << m_todo->currentItem()->data(TextRole).toString();
    if (!texts.isEmpty())
        QApplication::clipboard()->setText(texts.join(u'\n'));
}

bool InstallPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Return on a failure or a to-do goes to its line in the script, not to
    // the default button; on a file, whose changes already show, it installs.
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       key->modifiers() == Qt::NoModifier;
    if (watched == m_files && enter && m_files->currentItem() && m_files->currentItem()->parent()) {
        itemChosen(m_files->currentItem());
        return true;
    }
    if (watched == m_todo && enter && m_todo->currentItem()) {
        emit goToScriptLine(m_doc, m_todo->currentItem()->data(LineRole).toInt());
        return true;
    }
    if (watched == m_todo && key->matches(QKeySequence::Copy)) {
        copyToDo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void InstallPreview::itemChosen(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QVariant line = item->data(0, LineRole);
    if (line.isValid())
        emit goToScriptLine(m_doc, line.toInt());
    showChosen(item);
}

QString InstallPreview::failureText(const Install::Finding& f) const
{
    // The finding, then what explains it (the FIND's first line, what was
    // skipped with it, where the file holds lines close to it), a line each.
    QStringList lines{tr("line %1: %2").arg(f.finding.line).arg(f.finding.message)};
    for (const Install::Note& n : f.notes) {
        const QString where = n.line <= 0        ? QString()
                              : n.file.isEmpty() ? tr("line %1: ").arg(n.line)
                                                 : tr("%1, line %2: ").arg(n.file).arg(n.line);
        lines << QStringLiteral("    ") + where + n.message;
    }
    return lines.join(u'\n');
}

void InstallPreview::showChosen(QTreeWidgetItem* item)
{
    const QString path = item ? item->data(0, PathRole).toString() : QString();
    QStringList why;
    if (item)
        for (const Install::Finding& f : m_result.findings)
            if (f.path == path)
                why << failureText(f);
    const QString text = why.join(QStringLiteral("\n\n"));
    if (m_failure->toPlainText() != text)
        m_failure->setPlainText(text);
    m_failure->setVisible(!why.isEmpty());
    if (!item) {
        m_diff->showNote(QString(), QString());
        return;
    }
    showFile(path);
}

void InstallPreview::showFile(const QString& path)
{
    const auto changed =
        std::find_if(m_result.files.begin(), m_result.files.end(),
                     [&](const Install::ChangedFile& f) { return f.path == path; });
    if (changed == m_result.files.end()) {
        m_diff->showNote(path, tr("No change to %1.").arg(path));
        return;
    }
    if (!changed->text) {
        m_diff->showNote(path, tr("%1 is copied as it is (not text).").arg(path));
        return;
    }
    m_diff->showRows(path,
                     Install::diffRows(textLines(changed->original), textLines(changed->result)));
}

} // namespace Quillwright
