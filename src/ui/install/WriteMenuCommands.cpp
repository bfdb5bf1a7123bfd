#include "ui/install/WriteMenuCommands.h"

#include "core/script/ModFormat.h"

#include "core/script/ModReader.h"
#include "core/settings/SettingsStore.h"
#include "core/writer/ScriptWriter.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace Quillwright {

namespace {
const QString Section = QStringLiteral("Script Writer");
}

WriteMenuCommands::WriteMenuCommands(Frame& frame, QMenu& toolsMenu)
    : QObject(frame.widget()), m_frame(frame)
{
    QAction* create = toolsMenu.addAction(tr("&New Script from Changes..."));
    create->setObjectName(QStringLiteral("mnuToolsNewScriptFromChanges"));
    m_rewrite = toolsMenu.addAction(tr("&Rewrite Actions from Changes..."));
    m_rewrite->setObjectName(QStringLiteral("mnuToolsRewriteActions"));
    connect(create, &QAction::triggered, this, &WriteMenuCommands::newScriptFromChanges);
    connect(m_rewrite, &QAction::triggered, this, &WriteMenuCommands::rewriteActionsFromChanges);
}

void WriteMenuCommands::update()
{
    m_rewrite->setEnabled(m_frame.activeDocument() != nullptr);
}

bool WriteMenuCommands::askFolders(QString& original, QString& changed)
{
    DialogService& dialogs = *m_frame.services().dialogs;
    SettingsStore* settings = m_frame.services().settings;
    const auto remembered = [settings](const char* key) {
        return settings ? settings->value(ModFormat::programTitle(), Section,
                                          QString::fromLatin1(key), QString())
                        : QString();
    };
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
    if (settings) {
        settings->setValue(ModFormat::programTitle(), Section, QStringLiteral("Original"),
                           original);
        settings->setValue(ModFormat::programTitle(), Section, QStringLiteral("Changed"), changed);
    }
    return true;
}

std::optional<Writer::Written> WriteMenuCommands::writeFrom(const QString& original,
                                                            const QString& changed,
                                                            const QStringList& header)
{
    BusyProgress busy(
        m_frame.widget(),
        tr("Writing the script of the changes in %1...").arg(QDir::toNativeSeparators(changed)));
    Writer::Options options;
    options.title = QFileInfo(changed).fileName();
    options.header = header;
    return busy.run<Writer::Written>([original, changed, options] {
        return Writer::write(Writer::readTree(original), Writer::readTree(changed), options);
    });
}

void WriteMenuCommands::say(const Writer::Written& w)
{
    QString text =
        w.exact() ? tr("Installs back exactly: %1 files, %2 actions.").arg(w.files).arg(w.actions)
                  : tr("Not said in actions, copied whole: %1.")
                        .arg(w.copiedWhole.join(QStringLiteral(", ")));
    if (!w.failed.isEmpty())
        text += u' ' +
                tr("Does not install back exactly: %1.").arg(w.failed.join(QStringLiteral(", ")));
    if (!w.leftAlone.isEmpty())
        text += u' ' + tr("Only line ends or blanks at line ends differ, left alone: %1.")
                           .arg(w.leftAlone.join(QStringLiteral(", ")));
    m_frame.showStatus(text);
}

void WriteMenuCommands::newScriptFromChanges()
{
    QString original;
    QString changed;
    if (!askFolders(original, changed))
        return;
    const std::optional<Writer::Written> w = writeFrom(original, changed, {});
    if (!w)
        return;
    DocumentWindow* doc = m_frame.NewDocument();
    if (!doc)
        return;
    doc->model().setUpdateBrowserTF(true);
    doc->control().setText(w->script);
    doc->model().restartHistory();
    doc->model().markUnsaved();
    say(*w);
    // The rest of the header is the author's to write.
    m_frame.action(Command::FileProperties)->trigger();
}

void WriteMenuCommands::rewriteActionsFromChanges()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    QString original;
    QString changed;
    if (!askFolders(original, changed))
        return;
    // The author's header: every line before the first action's "#" frame.
    const QStringList lines = doc->control().text().split(QStringLiteral("\r\n"));
    std::vector<QStringView> views(lines.begin(), lines.end());
    const ModReader::Script read = ModReader::read(views);
    int headerEnd = read.actions.empty() ? int(lines.size()) : read.actions.front().bannerLine;
    while (headerEnd > 0 && lines[headerEnd - 1].trimmed() == u"#")
        --headerEnd;
    const std::optional<Writer::Written> w = writeFrom(original, changed, lines.mid(0, headerEnd));
    if (!w)
        return;
    // One undo step takes the rewrite back.
    doc->model().takeSnapshot();
    doc->model().setUpdateBrowserTF(true);
    doc->control().setText(w->script);
    doc->model().takeSnapshot();
    say(*w);
}

} // namespace Quillwright
