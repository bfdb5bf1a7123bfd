// The Window menu's arrangements.
#include "ui/frame/WindowCommands.h"

#include "ui/frame/CommandRoutes.h"

#include "core/frame/WindowArrangement.h"
#include "ui/frame/Frame.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace Quillwright {

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

void WindowCommands::mnuWindowCascade_Click()
{
    arrange(m_frame.mdiArea(), WindowArrangement::Mode::Cascade);
}
void WindowCommands::mnuWindowTileHorizontal_Click()
{
    arrange(m_frame.mdiArea(), WindowArrangement::Mode::TileHorizontal);
}
void WindowCommands::mnuWindowTileVertical_Click()
{
    arrange(m_frame.mdiArea(), WindowArrangement::Mode::TileVertical);
}
void WindowCommands::mnuWindowArrangeIcons_Click()
{
    arrange(m_frame.mdiArea(), WindowArrangement::Mode::ArrangeIcons);
}

WindowCommands::WindowCommands(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    routeCommands(frame, this,
                  {{Command::WindowCascade, &WindowCommands::mnuWindowCascade_Click},
                   {Command::WindowTileHorizontal, &WindowCommands::mnuWindowTileHorizontal_Click},
                   {Command::WindowTileVertical, &WindowCommands::mnuWindowTileVertical_Click},
                   {Command::WindowArrangeIcons, &WindowCommands::mnuWindowArrangeIcons_Click}});
}

void WindowCommands::fitIntoArea(const QMdiArea& mdi, QMdiSubWindow* sub)
{
    const QSize area = mdi.viewport()->size();
    if (!mdi.isVisible() || area.width() < 200 || area.height() < 150)
        return;
    sub->resize(sub->size().boundedTo(area));
    if (!QRect(QPoint(0, 0), area).contains(sub->geometry()))
        sub->move(0, 0);
}

} // namespace Quillwright
