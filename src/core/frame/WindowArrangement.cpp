#include "core/frame/WindowArrangement.h"

namespace Quillwright {

namespace WindowArrangement {

std::vector<QRect> place(Mode mode, const QRect& area, const std::vector<bool>& minimised,
                         const QSize& iconSize)
{
    std::vector<QRect> out(minimised.size());
    if (mode == Mode::ArrangeIcons) {
        int x = area.left();
        int y = area.bottom() - iconSize.height() + 1;
        for (size_t i = 0; i < minimised.size(); ++i) {
            if (!minimised[i])
                continue;
            if (x + iconSize.width() > area.right() + 1 && x > area.left()) {
                x = area.left();
                y -= iconSize.height();
            }
            out[i] = QRect(QPoint(x, y), iconSize);
            x += iconSize.width();
        }
        return out;
    }
    if (mode == Mode::Cascade)
        return out;
    int count = 0;
    for (bool m : minimised)
        count += m ? 0 : 1;
    if (count == 0)
        return out;
    int k = 0;
    for (size_t i = 0; i < minimised.size(); ++i) {
        if (minimised[i])
            continue;
        if (mode == Mode::TileVertical) {
            const int x0 = area.left() + area.width() * k / count;
            const int x1 = area.left() + area.width() * (k + 1) / count;
            out[i] = QRect(x0, area.top(), x1 - x0, area.height());
        } else {
            const int y0 = area.top() + area.height() * k / count;
            const int y1 = area.top() + area.height() * (k + 1) / count;
            out[i] = QRect(area.left(), y0, area.width(), y1 - y0);
        }
        ++k;
    }
    return out;
}

} // namespace WindowArrangement

} // namespace Quillwright
