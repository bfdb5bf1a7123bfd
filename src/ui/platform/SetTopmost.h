#pragma once

class QWidget;

namespace Quillwright {

// Keeps a window above all others (on) or lets it go back among them
// (off), without moving or resizing it. Returns non-zero when the window
// was placed on top, 0 when the topmost state was removed.
int SetTopmost(QWidget* window, bool topmost);

} // namespace Quillwright
