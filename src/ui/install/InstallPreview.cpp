#include "ui/install/InstallPreview.h"

#include "core/control/RichTextControl.h"
#include "core/install/ForumFolder.h"
#include "core/install/ForumTextFile.h"
#include "core/install/UnifiedDiff.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace Quillwright {

namespace {

enum Role { PathRole = Qt::UserRole, LineRole };

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
    const QString name =
        doc->file().isUntitled() ? doc->caption() : QFileInfo(doc->file().path()).fileName();
    const QString folder =
        doc->file().isUntitled() ? QString() : QFileInfo(doc->file().path()).absolutePath();
    QStringList lines;
    const LineStore store = doc->control().lineSnapshot();
    store.lines().forEach([&lines](const LinePtr& l) { lines << l->text; });
    out.scripts.push_back({name, lines, folder.isEmpty() ? FileTree() : FileTree::folder(folder)});
    out.result = Install::install(out.scripts, forumFolder);
    return out;
}

InstallPreview::InstallPreview(QWidget* parent)
    : QWidget(parent, Qt::Window), m_summary(new QLabel(this)), m_files(new QTreeWidget(this)),
      m_diff(new QPlainTextEdit(this)), m_todo(new QListWidget(this)),
      m_install(new QPushButton(tr("Install into Folder..."), this)), m_again(new QTimer(this))
{
    setObjectName(QStringLiteral("installPreview"));
    setWindowTitle(tr("Preview Installation"));
    resize(960, 640);
    m_summary->setObjectName(QStringLiteral("previewSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_files->setObjectName(QStringLiteral("previewFiles"));
    m_files->setAccessibleName(tr("Files the script changes"));
    m_files->setHeaderLabels({tr("File"), tr("Result")});
    m_files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_diff->setObjectName(QStringLiteral("previewDiff"));
    m_diff->setAccessibleName(tr("Changes to the chosen file"));
    m_diff->setReadOnly(true);
    m_diff->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    m_diff->setFont(fixed);
    m_todo->setObjectName(QStringLiteral("previewToDo"));
    m_todo->setAccessibleName(tr("Left to do by hand"));
    m_install->setObjectName(QStringLiteral("previewInstall"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("previewClose"));

    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(m_files);
    sides->addWidget(m_diff);
    sides->setStretchFactor(1, 3);
    sides->setSizes({320, 640});
    auto* todoLabel = new QLabel(tr("Left to do by hand:"), this);
    todoLabel->setBuddy(m_todo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_install);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(sides, 4);
    layout->addWidget(todoLabel);
    layout->addWidget(m_todo, 1);
    layout->addLayout(buttons);

    connect(m_files, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { itemChosen(item); });
    connect(m_files, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { itemChosen(item); });
    connect(m_todo, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit goToScriptLine(m_doc, item->data(LineRole).toInt());
    });
    connect(m_install, &QPushButton::clicked, this, &InstallPreview::installRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Again at the pause after the script changes, as the checker does.
    m_again->setSingleShot(true);
    m_again->setInterval(DocumentChecks::CheckPause);
    connect(m_again, &QTimer::timeout, this, &InstallPreview::refresh);
}

void InstallPreview::show(DocumentWindow* script, const QString& forumFolder)
{
    if (m_doc != script) {
        if (m_doc)
            disconnect(&m_doc->control(), nullptr, m_again, nullptr);
        m_doc = script;
        if (m_doc)
            connect(&m_doc->control(), &RichTextControl::changed, m_again,
                    qOverload<>(&QTimer::start));
    }
    m_forum = forumFolder;
    refresh();
    QWidget::show();
    raise();
    activateWindow();
}

void InstallPreview::refresh()
{
    m_scripts.clear();
    m_result = {};
    m_files->clear();
    m_diff->clear();
    m_todo->clear();
    if (!m_doc) {
        m_summary->setText(tr("No script is open."));
        m_install->setEnabled(false);
        return;
    }
    ScriptInstallation done = installScript(m_doc, m_forum);
    m_scripts = std::move(done.scripts);
    m_result = std::move(done.result);
    const QString name = m_scripts.front().name;

    for (const QString& path : m_result.opened) {
        const bool failed = Install::failedIn(m_result, path);
        const bool changed =
            std::any_of(m_result.files.begin(), m_result.files.end(),
                        [&](const Install::ChangedFile& f) { return f.path == path; });
        auto* item = new QTreeWidgetItem(m_files, {path, failed    ? tr("failed")
                                                         : changed ? tr("changed")
                                                                   : tr("unchanged")});
        item->setData(0, PathRole, path);
        if (failed) {
            item->setForeground(1, QColor(0xb0, 0, 0));
            for (const Install::Finding& f : m_result.findings) {
                if (f.path != path)
                    continue;
                auto* why = new QTreeWidgetItem(
                    item, {tr("line %1: %2").arg(f.finding.line).arg(f.finding.message)});
                why->setData(0, PathRole, path);
                why->setData(0, LineRole, f.finding.line);
                why->setToolTip(0, f.finding.message);
            }
            item->setExpanded(true);
        }
    }
    for (const Install::ToDo& t : m_result.todo) {
        auto* item = new QListWidgetItem(
            tr("line %1, %2: %3")
                .arg(t.line)
                .arg(t.kind.toUpper(), QString(t.text).replace(u'\n', QStringLiteral(" / "))),
            m_todo);
        item->setData(LineRole, t.line);
    }
    m_summary->setText(
        tr("%1 on the forum in %2: %3 actions applied, %4 failed; %5 files changed, %6 left to do "
           "by hand. Nothing is written until you install into a folder.")
            .arg(name, QDir::toNativeSeparators(m_forum))
            .arg(m_result.applied)
            .arg(m_result.failed)
            .arg(m_result.files.size())
            .arg(m_result.todo.size()));
    m_install->setEnabled(!m_result.files.empty());
    if (m_files->topLevelItemCount() > 0)
        m_files->setCurrentItem(m_files->topLevelItem(0));
}

void InstallPreview::itemChosen(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QVariant line = item->data(0, LineRole);
    if (line.isValid())
        emit goToScriptLine(m_doc, line.toInt());
    showFile(item->data(0, PathRole).toString());
}

void InstallPreview::showFile(const QString& path)
{
    m_diff->clear();
    const auto changed =
        std::find_if(m_result.files.begin(), m_result.files.end(),
                     [&](const Install::ChangedFile& f) { return f.path == path; });
    if (changed == m_result.files.end()) {
        m_diff->setPlainText(tr("No change to %1.").arg(path));
        return;
    }
    if (!changed->text) {
        m_diff->setPlainText(tr("%1 is copied as it is (not text).").arg(path));
        return;
    }
    const std::vector<Install::DiffRow> rows =
        Install::diffRows(textLines(changed->original), textLines(changed->result));
    // Numbers of the forum's file and of the installed one, then the line.
    QStringList text;
    for (const Install::DiffRow& r : rows) {
        const auto number = [](int n) {
            return n > 0 ? QString::number(n).rightJustified(5) : QString(5, u' ');
        };
        switch (r.kind) {
        case Install::DiffRow::Hunk:
            text << tr("@@ from line %1 @@").arg(r.oldLine);
            break;
        case Install::DiffRow::Same:
            text << number(r.oldLine) + u' ' + number(r.newLine) + QStringLiteral("   ") + r.text;
            break;
        case Install::DiffRow::Gone:
            text << number(r.oldLine) + u' ' + number(0) + QStringLiteral(" - ") + r.text;
            break;
        case Install::DiffRow::Added:
            text << number(0) + u' ' + number(r.newLine) + QStringLiteral(" + ") + r.text;
            break;
        }
    }
    m_diff->setPlainText(text.join(u'\n'));
    // Added lines green, removed red, each stretch's head blue: whole lines, as diff tools show
    // them.
    QList<QTextEdit::ExtraSelection> marks;
    QTextBlock block = m_diff->document()->begin();
    for (const Install::DiffRow& r : rows) {
        if (r.kind != Install::DiffRow::Same) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(block);
            mark.format.setProperty(QTextFormat::FullWidthSelection, true);
            mark.format.setBackground(r.kind == Install::DiffRow::Added ? QColor(0xdd, 0xf4, 0xdd)
                                      : r.kind == Install::DiffRow::Gone
                                          ? QColor(0xfb, 0xdd, 0xdd)
                                          : QColor(0xe0, 0xe8, 0xf8));
            marks << mark;
        }
        block = block.next();
    }
    m_diff->setExtraSelections(marks);
}

} // namespace Quillwright
