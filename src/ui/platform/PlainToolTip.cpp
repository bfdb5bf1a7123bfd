#include "ui/platform/PlainToolTip.h"

#include <QHelpEvent>
#include <QToolTip>

namespace Quillwright {

void showPlainToolTip(const QHelpEvent* help, const QString& tip, QWidget* over)
{
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(
            help->globalPos(),
            QStringLiteral("<p style='white-space:pre'>%1</p>").arg(tip.toHtmlEscaped()), over);
}

} // namespace Quillwright
