#include "ui/platform/FocusFrame.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace Quillwright {

namespace {

constexpr int FocusWidth = 2;

class FocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameFocusRect) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        painter->save();
        painter->setBrush(Qt::NoBrush);
        if (qobject_cast<const QAbstractItemView*>(widget)) {
            painter->setPen(QPen(option->palette.color(QPalette::Text), 1));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        } else if (option->state & State_KeyboardFocusChange) {
            frame(painter, option->rect);
        }
        painter->restore();
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (!(option->state & State_HasFocus) || !(option->state & State_KeyboardFocusChange))
            return;
        // A button's own outline is its focus in the stock style, and the
        // default button has it always: the frame goes inside the outline.
        // A tab's focus is a tint of the selection: the frame goes round it.
        const int inset = element == CE_PushButton ? 3 : element == CE_TabBarTab ? 2 : -1;
        if (inset < 0)
            return;
        painter->save();
        frame(painter, option->rect.adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }

private:
    static void frame(QPainter* painter, const QRect& around)
    {
        QPen pen(FocusFrame::selectionColour(), FocusWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->drawRect(QRectF(around).adjusted(FocusWidth / 2.0, FocusWidth / 2.0,
                                                  -FocusWidth / 2.0, -FocusWidth / 2.0));
    }
};

} // namespace

namespace FocusFrame {

QColor selectionColour()
{
    return QColor(32, 110, 180);
}

void install()
{
    static bool installed = false;
    if (installed || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    installed = true;
    // The application takes ownership of the style.
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
    QPalette palette = QApplication::palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, selectionColour());
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    QApplication::setPalette(palette);
}

} // namespace FocusFrame

} // namespace Quillwright
