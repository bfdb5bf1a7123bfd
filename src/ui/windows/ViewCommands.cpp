// The View, Tools, Window and Help menus of the main window.
#include "ui/windows/MainWindow.h"

#include "core/frame/WindowArrangement.h"
#include "core/script/ModFormat.h"
#include "ui/platform/DialogService.h"
#include "ui/windows/BrowserWindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

void MainWindow::mnuViewToolbar_Click()
{
    const bool on = action(Command::ViewToolbar)->isChecked();
    m_toolBar->setVisible(on);
    m_coolBar->setVisible(on);
}

void MainWindow::mnuViewStatusBar_Click()
{
    statusBar()->setVisible(action(Command::ViewStatusBar)->isChecked());
}

void MainWindow::mnuViewRefresh_Click()
{
    showUnfinished(QStringLiteral("mnuViewRefresh_Click"));
}
void MainWindow::mnuViewOptions_Click()
{
    showOptions();
}
void MainWindow::mnuToolsOptions_Click()
{
    showOptions();
}
void MainWindow::mnuViewWebBrowser_Click()
{
    auto* browser = new BrowserWindow;
    browser->StartingAddress = m_services.webStartAddress.isEmpty() ? ModFormat::supportTopicUrl()
                                                                    : m_services.webStartAddress;
    QMdiSubWindow* sub = m_mdi->addSubWindow(browser);
    sub->setWindowIcon(browser->windowIcon());
    sub->resize(sub->sizeHint());
    fitIntoArea(sub);
    browser->Form_Load();
    m_mdi->setActiveSubWindow(sub);
}

namespace {
void arrange(QMdiArea* area, WindowArrangement::Mode mode)
{
    const QList<QMdiSubWindow*> subs = area->subWindowList(QMdiArea::CreationOrder);
    if (mode == WindowArrangement::Mode::Cascade) {
        area->cascadeSubWindows();
        return;
    }
    std::vector<bool> minimised;
    for (QMdiSubWindow* s : subs)
        minimised.push_back(s->isMinimized());
    const QSize iconSize = subs.isEmpty() ? QSize(160, 28) : subs.first()->minimumSizeHint();
    const std::vector<QRect> places = WindowArrangement::place(
        mode, area->viewport()->rect(), minimised,
        QSize(std::max(iconSize.width(), 160), std::max(iconSize.height(), 24)));
    for (int i = 0; i < subs.size(); ++i) {
        if (places[size_t(i)].isNull())
            continue;
        if (mode != WindowArrangement::Mode::ArrangeIcons && subs[i]->isMaximized())
            subs[i]->showNormal();
        subs[i]->setGeometry(places[size_t(i)]);
    }
}
} // namespace

void MainWindow::mnuWindowCascade_Click()
{
    arrange(m_mdi, WindowArrangement::Mode::Cascade);
}
void MainWindow::mnuWindowTileHorizontal_Click()
{
    arrange(m_mdi, WindowArrangement::Mode::TileHorizontal);
}
void MainWindow::mnuWindowTileVertical_Click()
{
    arrange(m_mdi, WindowArrangement::Mode::TileVertical);
}
void MainWindow::mnuWindowArrangeIcons_Click()
{
    arrange(m_mdi, WindowArrangement::Mode::ArrangeIcons);
}

void MainWindow::mnuHelpContents_Click()
{
    m_services.dialogs->message(this, windowTitle(),
                                tr("Unable to display Help Contents. There is no Help "
                                   "associated with this project."),
                                DialogService::Icon::Information);
}

void MainWindow::mnuHelpSearchForHelpOn_Click()
{
    mnuHelpContents_Click();
}

void MainWindow::mnuHelpAbout_Click()
{
    m_services.dialogs->message(this, ModFormat::programTitle(), ModFormat::versionLine());
}
