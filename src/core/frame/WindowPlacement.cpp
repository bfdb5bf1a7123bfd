#include "core/frame/WindowPlacement.h"

#include "core/frame/Twips.h"

#include <cmath>
#include <optional>

namespace Quillwright {

namespace WindowPlacement {
namespace {

// Far beyond any screen, yet safe to add and to round into an int.
constexpr double LargestPixels = 1 << 24;

std::optional<int> pixels(double twips, double dpi)
{
    const double px = twipsToPixelsF(twips, dpi);
    if (!std::isfinite(px) || std::abs(px) > LargestPixels)
        return std::nullopt;
    return int(std::lround(px));
}

std::optional<QRect> rect(const Twips& t, double dpi)
{
    const auto left = pixels(t.left, dpi);
    const auto top = pixels(t.top, dpi);
    const auto width = pixels(t.width, dpi);
    const auto height = pixels(t.height, dpi);
    if (!left || !top || !width || !height)
        return std::nullopt;
    return QRect(*left, *top, *width, *height);
}

bool usable(const QRect& r, const QList<QRect>& screens)
{
    if (r.width() < MinimumWidth || r.height() < MinimumHeight)
        return false;
    if (screens.isEmpty())
        return true;
    // Enough of the title bar to take hold of must lie on a screen.
    const QRect titleBar(r.left(), r.top(), r.width(), 24);
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(titleBar);
        if (seen.width() >= 48 && seen.height() >= 8)
            return true;
    }
    return false;
}

} // namespace

QRect place(const Twips& stored, double dpi, const QList<QRect>& screens)
{
    if (const std::optional<QRect> r = rect(stored, dpi); r && usable(*r, screens))
        return *r;
    return *rect(Twips{}, dpi);
}

} // namespace WindowPlacement

} // namespace Quillwright
