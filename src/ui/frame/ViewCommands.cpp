// The View and Tools menus of the main window.
#include "ui/frame/ViewCommands.h"

#include "ui/frame/CommandRoutes.h"

#include "core/script/ModFormat.h"
#include "ui/browser/BrowserWindow.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

namespace Quillwright {

ViewCommands::ViewCommands(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    routeCommands(frame, this,
                  {{Command::ViewToolbar, &ViewCommands::mnuViewToolbar_Click},
                   {Command::ViewStatusBar, &ViewCommands::mnuViewStatusBar_Click},
                   {Command::ViewRefresh, &ViewCommands::mnuViewRefresh_Click},
                   {Command::ViewOptions, &ViewCommands::mnuViewOptions_Click},
                   {Command::ViewWebBrowser, &ViewCommands::mnuViewWebBrowser_Click},
                   {Command::ToolsOptions, &ViewCommands::mnuToolsOptions_Click}});
    for (Command c : {Command::ViewToolbar, Command::ViewStatusBar}) {
        frame.action(c)->setCheckable(true);
        frame.action(c)->setChecked(true);
    }
}

void ViewCommands::mnuViewToolbar_Click()
{
    const bool on = m_frame.action(Command::ViewToolbar)->isChecked();
    emit toolbarShown(on);
}

void ViewCommands::mnuViewStatusBar_Click()
{
    m_frame.widget()->statusBar()->setVisible(m_frame.action(Command::ViewStatusBar)->isChecked());
}

void ViewCommands::mnuViewRefresh_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuViewRefresh_Click"));
}
void ViewCommands::mnuViewOptions_Click()
{
    emit optionsRequested();
}
void ViewCommands::mnuToolsOptions_Click()
{
    emit optionsRequested();
}
void ViewCommands::mnuViewWebBrowser_Click()
{
    auto* browser = new BrowserWindow;
    browser->StartingAddress = m_frame.services().webStartAddress.isEmpty()
                                   ? ModFormat::supportTopicUrl()
                                   : m_frame.services().webStartAddress;
    QMdiSubWindow* sub = m_frame.addChild(browser);
    browser->Form_Load();
    m_frame.mdiArea()->setActiveSubWindow(sub);
}

} // namespace Quillwright
