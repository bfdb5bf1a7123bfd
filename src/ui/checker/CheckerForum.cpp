#include "ui/checker/CheckerForum.h"

#include "core/script/ModFormat.h"

#include "core/settings/SettingsStore.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"

namespace Quillwright {

namespace {
const QString App = ModFormat::programTitle();
const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("ForumFolder");
} // namespace

CheckerForum::CheckerForum(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    if (SettingsStore* s = frame.services().settings)
        m_folder = s->value(App, Section, Key, QString());
}

void CheckerForum::setFolder(const QString& folder)
{
    m_folder = folder;
    for (DocumentWindow* doc : m_frame.documents())
        doc->checks().setForumFolder(folder);
}

void CheckerForum::forget()
{
    remember(QString());
    setFolder(QString());
}

void CheckerForum::choose()
{
    const QString chosen = m_frame.services().dialogs->folderName(
        m_frame.widget(), tr("Check against forum files"), m_folder);
    if (chosen.isEmpty())
        return;
    remember(chosen);
    setFolder(chosen);
}

void CheckerForum::remember(const QString& folder)
{
    if (SettingsStore* s = m_frame.services().settings)
        s->setValue(App, Section, Key, folder);
}

} // namespace Quillwright
