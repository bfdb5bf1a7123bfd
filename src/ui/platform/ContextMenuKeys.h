#pragma once

namespace Quillwright {

// Shift+F10 opens the focused control's context menu, as the Menu key does
// (Qt answers that one itself on X11), at the same place: the current item
// of a list, the caret of a text.
namespace ContextMenuKeys {
void install(); // once for the application; later calls do nothing
}

} // namespace Quillwright
