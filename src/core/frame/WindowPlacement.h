#pragma once

#include <QList>
#include <QRect>

namespace Quillwright {

// Where the main window opens, from the four stored values in twips
// (MainLeft, MainTop, MainWidth, MainHeight). A value that is not finite or
// overflows, a window smaller than usable, or one whose title bar would lie
// off every screen falls back to the default placement of 1000, 1000,
// 6500 and 6500 twips, so a damaged settings file never hides the window.
namespace WindowPlacement {

inline constexpr double DefaultLeft = 1000;
inline constexpr double DefaultTop = 1000;
inline constexpr double DefaultWidth = 6500;
inline constexpr double DefaultHeight = 6500;
inline constexpr int MinimumWidth = 240; // pixels
inline constexpr int MinimumHeight = 160;

struct Twips {
    double left = DefaultLeft;
    double top = DefaultTop;
    double width = DefaultWidth;
    double height = DefaultHeight;
};

// `screens` are the screens' available areas in pixels; with none known,
// only the values themselves are checked.
QRect place(const Twips& stored, double dpi, const QList<QRect>& screens);

} // namespace WindowPlacement

} // namespace Quillwright
