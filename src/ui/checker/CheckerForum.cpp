#include "ui/checker/CheckerForum.h"

#include "core/script/ModFormat.h"

#include "core/settings/SettingsStore.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"

#include <QFileInfo>

namespace Quillwright {

namespace {
const QString App = ModFormat::programTitle();
const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("ForumFolder");
const QString ChosenForKey = QStringLiteral("ForumChosenFor");
} // namespace

CheckerForum::CheckerForum(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    if (SettingsStore* s = frame.services().settings) {
        m_folder = s->value(App, Section, Key, QString());
        m_chosenFor = s->value(App, Section, ChosenForKey, QString());
    }
}

void CheckerForum::setFolder(const QString& folder)
{
    const bool changed = folder != m_folder;
    m_folder = folder;
    for (DocumentWindow* doc : m_frame.documents())
        doc->checks().setForumFolder(folder);
    if (changed)
        emit folderChanged(folder);
}

void CheckerForum::forget()
{
    remember(QString(), QString());
    setFolder(QString());
}

void CheckerForum::choose()
{
    const DocumentWindow* doc = m_frame.activeDocument();
    ask(m_frame.widget(), tr("Check against forum files"),
        doc ? doc->file().packagePlace() : QString());
}

bool CheckerForum::ask(QWidget* parent, const QString& title, const QString& scriptFolder)
{
    const QString chosen = m_frame.services().dialogs->folderName(parent, title, m_folder);
    if (chosen.isEmpty())
        return false;
    remember(chosen, scriptFolder);
    setFolder(chosen);
    return true;
}

void CheckerForum::remember(const QString& folder, const QString& scriptFolder)
{
    m_chosenFor = scriptFolder;
    if (SettingsStore* s = m_frame.services().settings) {
        s->setValue(App, Section, Key, folder);
        s->setValue(App, Section, ChosenForKey, scriptFolder);
    }
}

} // namespace Quillwright
