#include "ui/frame/Frame.h"

#include "core/script/ModFormat.h"
#include "ui/platform/DialogService.h"

#include <QCoreApplication>
#include <QMainWindow>

namespace Quillwright {

void showUnfinished(const Frame& frame, const QString& handler)
{
    frame.services().dialogs->message(
        frame.widget(), ModFormat::programTitle(),
        QCoreApplication::translate("Frame", "Add '%1' code.").arg(handler));
}

} // namespace Quillwright
