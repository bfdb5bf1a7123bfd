#pragma once

class QWidget;
class QObject;
class QString;

namespace Quillwright {

// Replaces the string-table ids that a window carries with the texts of the
// user's language. The window's own id is its "tag" property; each control
// (any named child object) is handled by its type name: "Menu", "Label",
// "TabStrip", "Toolbar", "ListView" or any other. Every step that fails
// (no such property, not a number, an id not in the table) is skipped.
void LoadCaptions(QWidget* form);

// The type name the caption loader uses for a control.
QString controlTypeName(const QObject* control);

} // namespace Quillwright
