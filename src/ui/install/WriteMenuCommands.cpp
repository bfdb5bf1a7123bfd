#include "ui/install/WriteMenuCommands.h"

#include "core/script/ModFormat.h"

#include "core/settings/SettingsStore.h"
#include "core/writer/PackageFolder.h"
#include "core/writer/ScriptWriter.h"
#include "core/writer/UpgradeWriter.h"
#include "ui/checker/CheckerForum.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FileFilters.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace Quillwright {

namespace {
const QString Section = QStringLiteral("Script Writer");

// What the work on the worker thread gives back.
struct Outcome {
    Writer::Written written;
    QString error;        // the package was not written
    QStringList problems; // an upgrade's installations: what failed, what is left to do
};
} // namespace

WriteMenuCommands::WriteMenuCommands(Frame& frame, QMenu& toolsMenu)
    : QObject(frame.widget()), m_frame(frame)
{
    QAction* create = toolsMenu.addAction(tr("&New Script from Changes..."));
    create->setObjectName(QStringLiteral("mnuToolsNewScriptFromChanges"));
    m_rewrite = toolsMenu.addAction(tr("&Rewrite Actions from Changes..."));
    m_rewrite->setObjectName(QStringLiteral("mnuToolsRewriteActions"));
    QAction* upgrade = toolsMenu.addAction(tr("New &Upgrade Script..."));
    upgrade->setObjectName(QStringLiteral("mnuToolsNewUpgradeScript"));
    connect(create, &QAction::triggered, this, &WriteMenuCommands::newScriptFromChanges);
    connect(m_rewrite, &QAction::triggered, this, &WriteMenuCommands::rewriteActionsFromChanges);
    connect(upgrade, &QAction::triggered, this, &WriteMenuCommands::newUpgradeScript);
}

void WriteMenuCommands::update()
{
    m_rewrite->setEnabled(m_frame.activeDocument() != nullptr);
}

QString WriteMenuCommands::remembered(const char* key) const
{
    SettingsStore* settings = m_frame.services().settings;
    return settings ? settings->value(ModFormat::programTitle(), Section, QString::fromLatin1(key),
                                      QString())
                    : QString();
}

void WriteMenuCommands::remember(const char* key, const QString& value)
{
    if (SettingsStore* settings = m_frame.services().settings)
        settings->setValue(ModFormat::programTitle(), Section, QString::fromLatin1(key), value);
}

bool WriteMenuCommands::askFolders(QString& original, QString& changed)
{
    DialogService& dialogs = *m_frame.services().dialogs;
    original =
        dialogs.folderName(m_frame.widget(), tr("The original forum"), remembered("Original"));
    if (original.isEmpty())
        return false;
    changed = dialogs.folderName(m_frame.widget(), tr("The forum with your changes"),
                                 remembered("Changed"));
    if (changed.isEmpty())
        return false;
    if (QFileInfo(original).canonicalFilePath() == QFileInfo(changed).canonicalFilePath()) {
        dialogs.message(m_frame.widget(), ModFormat::programTitle(),
                        tr("The original and the changed forum are the same folder."),
                        DialogService::Icon::Warning);
        return false;
    }
    remember("Original", original);
    remember("Changed", changed);
    return true;
}

QString WriteMenuCommands::askPackageFolder(const QStringList& forums, bool& replacing)
{
    DialogService& dialogs = *m_frame.services().dialogs;
    const QString folder = dialogs.folderName(
        m_frame.widget(), tr("A folder for the MOD's package (the script and root/)"),
        remembered("Package"));
    if (folder.isEmpty())
        return QString();
    replacing = false;
    QString unfit = Writer::unfitPackageFolder(folder, forums, false);
    if (!unfit.isEmpty() && Writer::unfitPackageFolder(folder, forums, true).isEmpty()) {
        // A folder with files already: most often the package written last time.
        if (dialogs.ask(m_frame.widget(), ModFormat::programTitle(),
                        tr("%1 holds files already. Write the package into it? Its %2 and root/ "
                           "folder are replaced; its other files stay.")
                            .arg(QDir::toNativeSeparators(folder), Writer::defaultScriptName()),
                        DialogService::Buttons::YesNo, DialogService::Icon::Question,
                        DialogService::Button::No) != DialogService::Button::Yes)
            return QString();
        replacing = true;
        unfit.clear();
    }
    if (!unfit.isEmpty()) {
        dialogs.message(m_frame.widget(), ModFormat::programTitle(), unfit,
                        DialogService::Icon::Warning);
        return QString();
    }
    remember("Package", folder);
    return folder;
}

void WriteMenuCommands::openScript(const QString& path)
{
    // A window that held the last package's script shows the new one.
    m_frame.openScript(path);
}

void WriteMenuCommands::say(const Writer::Written& w)
{
    QString text =
        w.exact() ? tr("Installs back exactly: %1 files, %2 actions.").arg(w.files).arg(w.actions)
        : !w.copiedWhole.isEmpty() ? tr("Not said in actions, copied whole: %1.")
                                         .arg(w.copiedWhole.join(QStringLiteral(", ")))
                                   : QString();
    if (!w.notCarried.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) +
                tr("Copied from root/ beside the script, which it does not carry: %1.")
                    .arg(w.notCarried.join(QStringLiteral(", ")));
    if (!w.failed.isEmpty())
        text += u' ' +
                tr("Does not install back exactly: %1.").arg(w.failed.join(QStringLiteral(", ")));
    if (!w.leftAlone.isEmpty())
        text += u' ' + tr("Only line ends differ, left alone: %1.")
                           .arg(w.leftAlone.join(QStringLiteral(", ")));
    m_frame.showStatus(text.trimmed());
}

void WriteMenuCommands::newScriptFromChanges()
{
    QString original;
    QString changed;
    if (!askFolders(original, changed))
        return;
    bool replacing = false;
    const QString folder = askPackageFolder({original, changed}, replacing);
    if (folder.isEmpty())
        return;
    BusyProgress busy(
        m_frame.widget(),
        tr("Writing the package of the changes in %1...").arg(QDir::toNativeSeparators(changed)));
    const std::optional<Outcome> o = busy.run<Outcome>([=] {
        const Writer::Tree after = Writer::readTree(changed);
        Outcome out{Writer::write(Writer::readTree(original), after), {}, {}};
        out.error = Writer::writePackage(folder, Writer::defaultScriptName(), out.written, after,
                                         replacing);
        return out;
    });
    if (!o)
        return;
    if (!o->error.isEmpty()) {
        m_frame.services().dialogs->message(m_frame.widget(), ModFormat::programTitle(), o->error,
                                            DialogService::Icon::Warning);
        return;
    }
    openScript(QDir(folder).filePath(Writer::defaultScriptName()));
    say(o->written);
    // The rest of the header is the author's to write, beginning with what
    // still holds a placeholder.
    emit headerToFinish();
}

void WriteMenuCommands::rewriteActionsFromChanges()
{
    DocumentWindow* doc = m_frame.activeDocument();
    // A script that is only shown (a package's) says so before anything is asked.
    if (!doc || !doc->control().acceptsEdits())
        return;
    QString original;
    QString changed;
    if (!askFolders(original, changed))
        return;
    Writer::Options options;
    options.header = Writer::headerOf(doc->control().text().split(QStringLiteral("\r\n")));
    options.package = false;
    BusyProgress busy(
        m_frame.widget(),
        tr("Writing the script of the changes in %1...").arg(QDir::toNativeSeparators(changed)));
    const std::optional<Writer::Written> w = busy.run<Writer::Written>([=] {
        return Writer::write(Writer::readTree(original), Writer::readTree(changed), options);
    });
    if (!w)
        return;
    if (!w->refused.isEmpty()) {
        m_frame.services().dialogs->message(m_frame.widget(), ModFormat::programTitle(), w->refused,
                                            DialogService::Icon::Warning);
        return;
    }
    // One undo step takes the rewrite back.
    doc->model().takeSnapshot();
    doc->model().setUpdateBrowserTF(true);
    doc->control().setText(w->script);
    doc->model().takeSnapshot();
    say(*w);
}

void WriteMenuCommands::newUpgradeScript()
{
    DialogService& dialogs = *m_frame.services().dialogs;
    const QString filter = qtFileFilter(FileFilters::open());
    const QString from =
        dialogs.openFileName(m_frame.widget(), tr("The script of the version installed"), filter,
                             remembered("Upgrade From"));
    if (from.isEmpty())
        return;
    const QString to = dialogs.openFileName(m_frame.widget(), tr("The script of the new version"),
                                            filter, remembered("Upgrade To"));
    if (to.isEmpty())
        return;
    remember("Upgrade From", from);
    remember("Upgrade To", to);
    if (m_frame.forum().folder().isEmpty())
        m_frame.forum().choose();
    const QString forum = m_frame.forum().folder();
    if (forum.isEmpty())
        return;
    bool replacing = false;
    const QString folder = askPackageFolder({forum}, replacing);
    if (folder.isEmpty())
        return;
    BusyProgress busy(m_frame.widget(),
                      tr("Writing the upgrade to %1...").arg(QFileInfo(to).fileName()));
    const std::optional<Outcome> o = busy.run<Outcome>([=] {
        Outcome out;
        const auto first = Writer::readVersion(from, out.error);
        const auto second = first ? Writer::readVersion(to, out.error) : std::nullopt;
        if (!second)
            return out;
        const Writer::Upgrade u = Writer::prepareUpgrade(*first, *second, Writer::readTree(forum));
        out.written = Writer::write(u.from, u.to, u.options);
        out.problems = u.problems + u.toDo;
        out.error =
            Writer::writePackage(folder, Writer::defaultScriptName(), out.written, u.to, replacing);
        return out;
    });
    if (!o)
        return;
    if (!o->error.isEmpty()) {
        dialogs.message(m_frame.widget(), ModFormat::programTitle(), o->error,
                        DialogService::Icon::Warning);
        return;
    }
    openScript(QDir(folder).filePath(Writer::defaultScriptName()));
    say(o->written);
    if (!o->problems.isEmpty())
        dialogs.message(m_frame.widget(), ModFormat::programTitle(),
                        tr("The upgrade is written from the two installations as they went; "
                           "check these, and add by hand what the new version leaves to do:") +
                            u'\n' + o->problems.mid(0, 12).join(u'\n'),
                        DialogService::Icon::Information);
}

} // namespace Quillwright
