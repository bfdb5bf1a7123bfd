#pragma once

namespace Quillwright {

// The window the window manager made active is the one the keys go to. Qt
// ignores an activation that arrives while a popup is still open (the file
// dialog's completion list as the dialog closes on Return): the frame is
// then active on the screen but takes no keys. Once the last popup has
// gone, such a window is made Qt's active window too.
namespace ActiveWindow {
void install(); // once for the application; later calls do nothing
}

} // namespace Quillwright
