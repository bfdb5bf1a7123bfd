#include "ui/platform/ContextMenuKeys.h"

#include "ui/platform/ApplicationFilter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace Quillwright {

namespace {

class ShiftF10 : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)
            return false;
        auto* target = static_cast<QWidget*>(watched); // the focus widget, keys go there
        if (!target->isEnabled())
            return false;
        const QRect caret = target->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QPoint at = caret.isValid() && target->rect().contains(caret.center())
                              ? caret.center()
                              : target->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &menu);
        return true;
    }
};

} // namespace

namespace ContextMenuKeys {

void install()
{
    installApplicationFilter<ShiftF10>();
}

} // namespace ContextMenuKeys

} // namespace Quillwright
