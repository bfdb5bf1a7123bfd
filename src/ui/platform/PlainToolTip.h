#pragma once

class QHelpEvent;
class QString;
class QWidget;

namespace Quillwright {

// Shows `tip` as it is, never read as markup (a file name, a message quoting
// the script), or hides the tooltip when there is none.
void showPlainToolTip(const QHelpEvent* help, const QString& tip, QWidget* over);

} // namespace Quillwright
