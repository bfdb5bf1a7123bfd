#include "ui/install/InstallMenuCommands.h"

#include "core/control/RichTextControl.h"
#include "core/install/ForumFolder.h"
#include "core/script/ModFormat.h"
#include "ui/checker/CheckerForum.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/install/InstallPreview.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <atomic>
#include <memory>

namespace Quillwright {

InstallMenuCommands::InstallMenuCommands(Frame& frame, QMenu& toolsMenu)
    : QObject(frame.widget()), m_frame(frame)
{
    m_previewAction = toolsMenu.addAction(tr("&Preview Installation..."));
    m_previewAction->setObjectName(QStringLiteral("mnuToolsPreviewInstallation"));
    m_previewAction->setShortcut(QKeySequence(Qt::Key_F9));
    m_installAction = toolsMenu.addAction(tr("&Install into Folder..."));
    m_installAction->setObjectName(QStringLiteral("mnuToolsInstallIntoFolder"));
    connect(m_previewAction, &QAction::triggered, this, &InstallMenuCommands::previewInstallation);
    connect(m_installAction, &QAction::triggered, this, &InstallMenuCommands::installIntoFolder);
}

InstallPreview* InstallMenuCommands::preview() const
{
    return m_preview;
}

void InstallMenuCommands::update()
{
    const bool script = m_frame.activeDocument() != nullptr;
    m_previewAction->setEnabled(script);
    m_installAction->setEnabled(script);
}

QString InstallMenuCommands::forum()
{
    if (m_frame.forum().folder().isEmpty())
        m_frame.forum().choose();
    return m_frame.forum().folder();
}

void InstallMenuCommands::goToScriptLine(DocumentWindow* script, int line)
{
    if (!script)
        return;
    for (QMdiSubWindow* sub : m_frame.mdiArea()->subWindowList())
        if (sub->widget() == script)
            m_frame.mdiArea()->setActiveSubWindow(sub);
    RichTextControl& c = script->control();
    c.setSelStart(c.lineStart(std::clamp(line - 1, 0, c.lineCount() - 1)));
    script->mod_fly()->ensureCursorVisible();
}

void InstallMenuCommands::previewInstallation()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    const QString folder = forum();
    if (folder.isEmpty())
        return;
    if (!m_preview) {
        m_preview = new InstallPreview(m_frame.widget());
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preview, &InstallPreview::goToScriptLine, this,
                &InstallMenuCommands::goToScriptLine);
        connect(m_preview, &InstallPreview::installRequested, this,
                &InstallMenuCommands::installIntoFolder);
    }
    m_preview->show(doc, folder);
}

void InstallMenuCommands::installIntoFolder()
{
    DialogService& dialogs = *m_frame.services().dialogs;
    DocumentWindow* doc = m_preview && m_preview->isVisible() && m_preview->script()
                              ? m_preview->script()
                              : m_frame.activeDocument();
    if (!doc)
        return;
    const QString folder = forum();
    if (folder.isEmpty())
        return;
    const QString target =
        dialogs.folderName(m_frame.widget(), tr("Install into Folder"), QFileInfo(folder).path());
    if (target.isEmpty())
        return;
    if (const QString unfit = Install::unfitTarget(folder, target); !unfit.isEmpty()) {
        dialogs.message(m_frame.widget(), ModFormat::programTitle(), unfit,
                        DialogService::Icon::Warning);
        return;
    }
    // The installation of the script as it is now.
    const ScriptInstallation done = installScript(doc, folder);
    const Install::Result& result = done.result;
    const std::vector<Install::Script>& scripts = done.scripts;

    auto cancelled = std::make_shared<std::atomic_bool>(false);
    BusyProgress busy(
        m_frame.widget(),
        tr("Writing the forum's copy into %1...").arg(QDir::toNativeSeparators(target)));
    std::optional<Install::WriteOutcome> written =
        busy.run<Install::WriteOutcome>([folder, target, result, cancelled] {
            return Install::writeForumCopy(folder, target, result,
                                           [cancelled](int, int) { return !*cancelled; });
        });
    if (!written) {
        *cancelled = true; // the copy stops at its next file and leaves nothing behind
        return;
    }
    if (!written->ok) {
        dialogs.message(m_frame.widget(), ModFormat::programTitle(),
                        tr("The forum's copy was not written.\n\n%1").arg(written->error),
                        DialogService::Icon::Critical);
        return;
    }
    // The report beside the copy, in the form editors read.
    const QString reportPath = QDir::cleanPath(target) + QStringLiteral(".report.txt");
    QFile report(reportPath);
    QStringList lines = Install::reportLines(scripts, result);
    if (lines.isEmpty())
        lines << tr("Every action applied; nothing is left to do by hand.");
    if (report.open(QIODevice::WriteOnly))
        report.write((lines.join(u'\n') + u'\n').toUtf8());
    dialogs.message(m_frame.widget(), ModFormat::programTitle(),
                    tr("The forum with the script installed is in %1: %2 files changed, %3 "
                       "actions failed, %4 things left to do by hand.\n\nThe report is in %5.")
                        .arg(QDir::toNativeSeparators(target))
                        .arg(result.files.size())
                        .arg(result.failed)
                        .arg(result.todo.size())
                        .arg(QDir::toNativeSeparators(reportPath)),
                    DialogService::Icon::Information);
}

} // namespace Quillwright
