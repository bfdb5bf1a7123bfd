// The View and Tools menus of the main window.
#include "ui/frame/ViewCommands.h"

#include "ui/frame/CommandRoutes.h"

#include "core/script/ModFormat.h"
#include "ui/browser/BrowserWindow.h"
#include "ui/frame/DialogCommands.h"
#include "ui/frame/FileCommands.h"
#include "ui/frame/MainToolBar.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WindowCommands.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

namespace Quillwright {

ViewCommands::ViewCommands(MainWindow& window) : QObject(&window), m_window(window)
{
    routeCommands(window, this,
                  {{Command::ViewToolbar, &ViewCommands::mnuViewToolbar_Click},
                   {Command::ViewStatusBar, &ViewCommands::mnuViewStatusBar_Click},
                   {Command::ViewRefresh, &ViewCommands::mnuViewRefresh_Click},
                   {Command::ViewOptions, &ViewCommands::mnuViewOptions_Click},
                   {Command::ViewWebBrowser, &ViewCommands::mnuViewWebBrowser_Click},
                   {Command::ToolsOptions, &ViewCommands::mnuToolsOptions_Click}});
    for (Command c : {Command::ViewToolbar, Command::ViewStatusBar}) {
        window.action(c)->setCheckable(true);
        window.action(c)->setChecked(true);
    }
}

void ViewCommands::mnuViewToolbar_Click()
{
    const bool on = m_window.action(Command::ViewToolbar)->isChecked();
    m_window.toolbar().setVisible(on);
}

void ViewCommands::mnuViewStatusBar_Click()
{
    m_window.statusBar()->setVisible(m_window.action(Command::ViewStatusBar)->isChecked());
}

void ViewCommands::mnuViewRefresh_Click()
{
    m_window.files().showUnfinished(QStringLiteral("mnuViewRefresh_Click"));
}
void ViewCommands::mnuViewOptions_Click()
{
    m_window.dialogs().showOptions();
}
void ViewCommands::mnuToolsOptions_Click()
{
    m_window.dialogs().showOptions();
}
void ViewCommands::mnuViewWebBrowser_Click()
{
    auto* browser = new BrowserWindow;
    browser->StartingAddress = m_window.services().webStartAddress.isEmpty()
                                   ? ModFormat::supportTopicUrl()
                                   : m_window.services().webStartAddress;
    QMdiSubWindow* sub = m_window.mdiArea()->addSubWindow(browser);
    sub->setWindowIcon(browser->windowIcon());
    sub->resize(sub->sizeHint());
    WindowCommands::fitIntoArea(*m_window.mdiArea(), sub);
    browser->Form_Load();
    m_window.mdiArea()->setActiveSubWindow(sub);
}

} // namespace Quillwright
