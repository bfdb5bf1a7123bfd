#pragma once

#include "core/frame/Twips.h"

#include <QFontMetricsF>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Quillwright {

// Window layouts are given in twips (1/1440 inch); the screen's logical
// DPI turns them into pixels. They were drawn for an 8-point system font of
// about 6 pixels a character at 96 DPI: a wider font scales the layout up
// with it, so that no caption is cut off.
inline double layoutScale(const QWidget* w, double dpi)
{
    // The average width of the letters, as dialog units are measured.
    static const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double average = QFontMetricsF(w->font()).horizontalAdvance(letters) / letters.size();
    return std::max(1.0, average / (6.0 * dpi / 96.0));
}

inline int twipsToPx(const QWidget* w, double twips)
{
    const QScreen* s = w->screen();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return int(std::lround(twipsToPixelsF(twips, dpi) * layoutScale(w, dpi)));
}

inline QRect twipsRect(const QWidget* w, double left, double top, double width, double height)
{
    return QRect(twipsToPx(w, left), twipsToPx(w, top), twipsToPx(w, width), twipsToPx(w, height));
}

inline void centreOnScreen(QWidget* w)
{
    if (const QScreen* s = w->screen()) {
        const QRect area = s->availableGeometry();
        w->move(area.left() + (area.width() - w->width()) / 2,
                area.top() + (area.height() - w->height()) / 2);
    }
}

} // namespace Quillwright
