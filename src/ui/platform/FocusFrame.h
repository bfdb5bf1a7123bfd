#pragma once

class QColor;
class QPalette;

namespace Quillwright {

// Where the keys act, visible: the stock style draws the focus as a pale
// blend of the selection colour (a list's current item 1.75:1 against the
// list, a check box's frame 1.71:1, a tab's tint 1.18:1) and a default
// button the same focused or not. Here the current item of a list has a
// solid frame in the list's text colour; a button, a check box or a tab
// that has the focus from the keyboard a solid two-pixel frame in the
// focus colour, inside a button's own outline, so that the default button
// shows it too. The selection colour is dark enough for white text (the
// stock blue gives 3.69:1), and the focus colour is it.
namespace FocusFrame {
void install(); // once for the application; later calls do nothing
// The selection and focus colour: 5.3:1 under white text, 4.6:1 on the
// window's grey, 3.9:1 against the text colour that frames a current item.
QColor selectionColour();
} // namespace FocusFrame

} // namespace Quillwright
