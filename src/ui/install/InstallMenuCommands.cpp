#include "ui/install/InstallMenuCommands.h"

#include "core/control/RichTextControl.h"
#include "core/install/ForumFolder.h"
#include "core/install/InstallReport.h"
#include "core/script/ModFormat.h"
#include "ui/checker/CheckerForum.h"
#include "ui/document/DocumentFile.h"
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

namespace {

// What tells one package from another: the script's folder, on disk or in its archive.
QString scriptFolder(const DocumentWindow* doc)
{
    return doc ? doc->file().packagePlace() : QString();
}

// Scripts in one folder, or one inside the other (a package's contrib/ or
// translations/), are of one package.
bool samePackage(const QString& a, const QString& b)
{
    const QString x = QDir::cleanPath(a) + u'/';
    const QString y = QDir::cleanPath(b) + u'/';
    return x.startsWith(y) || y.startsWith(x);
}

} // namespace

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
    connect(&frame.forum(), &CheckerForum::folderChanged, this, [this](const QString& folder) {
        if (m_preview)
            m_preview->setForum(folder, forumNote(m_preview->script()));
    });
}

InstallPreview* InstallMenuCommands::preview() const
{
    return m_preview;
}

void InstallMenuCommands::update()
{
    DocumentWindow* active = m_frame.activeDocument();
    m_previewAction->setEnabled(active != nullptr);
    m_installAction->setEnabled(active != nullptr);
    // The preview shows the script the user is in; a child window that is
    // not a script leaves it on the last one.
    if (m_preview && m_preview->isVisible() && active && active != m_preview->script()) {
        m_preview->setForum(m_frame.forum().folder(), forumNote(active));
        m_preview->follow(active);
    }
}

QString InstallMenuCommands::forum(QWidget* over, DocumentWindow* doc)
{
    if (m_frame.forum().folder().isEmpty())
        m_frame.forum().ask(over, tr("The forum to install into"), scriptFolder(doc));
    return m_frame.forum().folder();
}

QString InstallMenuCommands::forumNote(DocumentWindow* doc) const
{
    const QString chosenFor = m_frame.forum().chosenFor();
    const QString mine = scriptFolder(doc);
    if (chosenFor.isEmpty() || mine.isEmpty() || samePackage(chosenFor, mine))
        return QString();
    return tr("It was chosen for the script in %1: change it if this script is for another forum.")
        .arg(QDir::toNativeSeparators(chosenFor));
}

void InstallMenuCommands::changeForum()
{
    if (!m_preview)
        return;
    DocumentWindow* doc = m_preview->script();
    if (m_frame.forum().ask(m_preview, tr("The forum to install into"), scriptFolder(doc)))
        m_preview->setForum(m_frame.forum().folder(), forumNote(doc));
    if (m_preview) {
        m_preview->raise();
        m_preview->activateWindow();
    }
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
    const QString folder = forum(m_frame.widget(), doc);
    if (folder.isEmpty())
        return;
    if (!m_preview) {
        // The main window's own: it stays above it, and goes with it.
        m_preview = new InstallPreview(m_frame.widget());
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preview, &InstallPreview::goToScriptLine, this,
                &InstallMenuCommands::goToScriptLine);
        connect(m_preview, &InstallPreview::installRequested, this,
                [this] { install(m_preview, m_preview->script()); });
        connect(m_preview, &InstallPreview::changeForumRequested, this,
                &InstallMenuCommands::changeForum);
    }
    const QString note = forumNote(doc);
    m_preview->setForum(folder, note);
    m_preview->show(doc);
    if (!note.isEmpty())
        m_frame.showStatus(tr("The preview installs into the forum in %1. %2")
                               .arg(QDir::toNativeSeparators(folder), note));
}

void InstallMenuCommands::installIntoFolder()
{
    install(m_frame.widget(), m_frame.activeDocument());
}

void InstallMenuCommands::install(QWidget* over, DocumentWindow* doc)
{
    if (!doc)
        return;
    // The dialogs are the preview's when it asked: the focus goes back there
    // after them, not to the script.
    QPointer<QWidget> owner(over);
    const auto giveBack = [this, owner] {
        if (owner && owner == m_preview) {
            owner->raise();
            owner->activateWindow();
        }
    };
    DialogService& dialogs = *m_frame.services().dialogs;
    const QString folder = forum(over, doc);
    if (folder.isEmpty())
        return giveBack();
    const QString target =
        dialogs.newFolderName(over, tr("Install into Folder"), QFileInfo(folder).path());
    if (target.isEmpty())
        return giveBack();
    if (const QString unfit = Install::unfitTarget(folder, target); !unfit.isEmpty()) {
        dialogs.message(over, ModFormat::programTitle(), unfit, DialogService::Icon::Warning);
        return giveBack();
    }
    // The installation of the script as it is now.
    const ScriptInstallation done = installScript(doc, folder);
    const Install::Result& result = done.result;
    const std::vector<Install::Script>& scripts = done.scripts;
    const QString name = doc->caption(); // as the main window names it

    auto cancelled = std::make_shared<std::atomic_bool>(false);
    std::optional<Install::WriteOutcome> written;
    {
        BusyProgress busy(
            over, tr("Writing the forum's copy into %1...").arg(QDir::toNativeSeparators(target)));
        written = busy.run<Install::WriteOutcome>([folder, target, result, cancelled] {
            return Install::writeForumCopy(folder, target, result,
                                           [cancelled](int, int) { return !*cancelled; });
        });
    }
    // The preview may have been closed meanwhile.
    QWidget* const parent = owner ? owner.data() : m_frame.widget();
    if (!written) {
        *cancelled = true; // the copy stops at its next file and leaves nothing behind
        return giveBack();
    }
    if (!written->ok) {
        dialogs.message(parent, ModFormat::programTitle(),
                        tr("The forum's copy was not written.\n\n%1").arg(written->error),
                        DialogService::Icon::Critical);
        return giveBack();
    }
    // The report beside the copy, in the form editors read, whole on disk
    // before the message names it.
    const QString reportPath = QDir::cleanPath(target) + QStringLiteral(".report.txt");
    QStringList lines = Install::reportLines(scripts, result);
    if (lines.isEmpty())
        lines << tr("Every action applied; nothing is left to do by hand.");
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    QFile report(reportPath);
    const bool reported =
        report.open(QIODevice::WriteOnly) && report.write(bytes) == bytes.size() && report.flush();
    const QString reportError = report.errorString();
    report.close();
    const QString counts = Install::summary(result);
    const QString said =
        tr("%1 is installed into %2: %3.").arg(name, QDir::toNativeSeparators(target), counts);
    m_frame.showStatus(said);
    if (owner && owner == m_preview)
        m_preview->announce(said);
    const QString where = reported
                              ? tr("The report is in %1.").arg(QDir::toNativeSeparators(reportPath))
                              : tr("The report could not be written to %1: %2")
                                    .arg(QDir::toNativeSeparators(reportPath), reportError);
    dialogs.message(parent, ModFormat::programTitle(),
                    tr("The forum with %1 installed is in %2: %3.\n\n%4")
                        .arg(name, QDir::toNativeSeparators(target), counts, where),
                    reported ? DialogService::Icon::Information : DialogService::Icon::Warning);
    giveBack();
}

} // namespace Quillwright
