#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>

// Window layouts are given in twips (1/1440 inch); the screen's logical
// DPI turns them into pixels.
inline int twipsToPx(const QWidget* w, double twips)
{
    const QScreen* s = w->screen();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return int(twips * dpi / 1440.0 + 0.5);
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
