#include "ui/platform/SetTopmost.h"

#include <QWidget>

namespace Quillwright {

int SetTopmost(QWidget* window, bool topmost)
{
    if (!window)
        return 0;
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    // Changing a window flag hides the window; it comes back where it was.
    window->setGeometry(geometry);
    if (visible)
        window->show();
    return topmost ? 1 : 0;
}

} // namespace Quillwright
