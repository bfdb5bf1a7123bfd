#include "ui/platform/ActiveWindow.h"

#include "ui/platform/ApplicationFilter.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace Quillwright {

namespace {

void repair()
{
    const QWindow* focused = QGuiApplication::focusWindow();
    if (!focused || QApplication::activeWindow() || QApplication::activePopupWidget())
        return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == focused && w->isVisible()) {
            QApplication::setActiveWindow(w);
            return;
        }
}

class PopupWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->windowType() == Qt::Popup)
            QTimer::singleShot(0, this, &repair);
        return false;
    }
};

} // namespace

namespace ActiveWindow {

void install()
{
    installApplicationFilter<PopupWatch>();
}

} // namespace ActiveWindow

} // namespace Quillwright
