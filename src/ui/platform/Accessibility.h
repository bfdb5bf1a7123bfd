#pragma once

// What assistive technology is told of the program's widgets beyond Qt's
// own answers. On Linux Qt names a combo box by its current text (a screen
// reader then says "Lucida Console" for the font box); a combo box given an
// accessible name is named by it here, its text staying its value. The
// action builder, a tool window, is told as the dialog it is.
namespace Accessibility {
void install(); // once; later calls do nothing
}
