#include "ui/platform/FocusFrame.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace Quillwright {

namespace {

class FocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect || !qobject_cast<const QAbstractItemView*>(widget)) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setPen(QPen(option->palette.color(QPalette::Text), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
};

} // namespace

namespace FocusFrame {

void install()
{
    static bool installed = false;
    if (installed || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    installed = true;
    // The application takes ownership of the style.
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

} // namespace FocusFrame

} // namespace Quillwright
