#include "ui/frame/Frame.h"

#include "core/script/ModFormat.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/ModEditor.h"
#include "ui/platform/DialogService.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace Quillwright {

void showUnfinished(const Frame& frame, const QString& handler)
{
    frame.services().dialogs->message(
        frame.widget(), ModFormat::programTitle(),
        QCoreApplication::translate("Frame", "Add '%1' code.").arg(handler));
}

void focusScript(const Frame& frame, DocumentWindow* doc)
{
    if (!doc)
        return;
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
        if (sub->widget() == doc && frame.mdiArea()->activeSubWindow() != sub)
            frame.mdiArea()->setActiveSubWindow(sub);
    // Nothing is taken from a window of the program the user went on to
    // (a message, the builder): only a frame left without an active window
    // (or with one that has just closed, the file dialog) is made active.
    QWidget* active = QApplication::activeWindow();
    if (!active || !active->isVisible() || active == frame.widget())
        frame.widget()->activateWindow();
    doc->mod_fly()->setFocus(Qt::OtherFocusReason);
}

} // namespace Quillwright
