#include "ui/checker/CheckerForum.h"

#include "core/settings/SettingsStore.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/frame/MainWindow.h"
#include "ui/platform/DialogService.h"

namespace Quillwright {

namespace {
const QString App = QStringLiteral("Quillwright");
const QString Section = QStringLiteral("Settings");
const QString Key = QStringLiteral("ForumFolder");
} // namespace

CheckerForum::CheckerForum(MainWindow& window) : QObject(&window), m_window(window)
{
    if (SettingsStore* s = window.services().settings)
        m_folder = s->value(App, Section, Key, QString());
}

void CheckerForum::setFolder(const QString& folder)
{
    m_folder = folder;
    for (DocumentWindow* doc : m_window.documents())
        doc->checks().setForumFolder(folder);
}

void CheckerForum::forget()
{
    remember(QString());
    setFolder(QString());
}

void CheckerForum::choose()
{
    const QString chosen = m_window.services().dialogs->folderName(
        &m_window, tr("Check against forum files"), m_folder);
    if (chosen.isEmpty())
        return;
    remember(chosen);
    setFolder(chosen);
}

void CheckerForum::remember(const QString& folder)
{
    if (SettingsStore* s = m_window.services().settings)
        s->setValue(App, Section, Key, folder);
}

} // namespace Quillwright
