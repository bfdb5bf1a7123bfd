#pragma once

#include <cmath>

namespace Quillwright {

// Window places and sizes are stored and laid out in twips, 1/1440 of an
// inch; the screen's dots per inch turn them into pixels and back.
inline constexpr double TwipsPerInch = 1440.0;

inline double twipsToPixelsF(double twips, double dpi)
{
    return twips * dpi / TwipsPerInch;
}
inline int twipsToPixels(double twips, double dpi)
{
    return int(std::lround(twipsToPixelsF(twips, dpi)));
}
inline double pixelsToTwips(double pixels, double dpi)
{
    return pixels * TwipsPerInch / dpi;
}

} // namespace Quillwright
