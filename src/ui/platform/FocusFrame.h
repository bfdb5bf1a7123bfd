#pragma once

namespace Quillwright {

// The frame around the current item of a list or of the outline, the only
// sign of where the keys act. The stock style draws it as a pale blend of
// the highlight (1.75:1 against the list); here it is a solid line in the
// list's text colour, which reads as well as the items' own text.
namespace FocusFrame {
void install(); // once for the application; later calls do nothing
}

} // namespace Quillwright
