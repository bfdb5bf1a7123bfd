#pragma once

class QComboBox;
class QLabel;
class QString;
class QTabBar;

namespace Quillwright {

// What assistive technology is told of the program's widgets beyond Qt's
// own answers. On Linux Qt names a combo box by its current text (a screen
// reader then says "Lucida Console" for the font box); a combo box given an
// accessible name is named by it here, its text staying its value. The
// action builder, a tool window, is told as the dialog it is.
// A label whose changes matter while the focus is elsewhere (the find
// bar's "Not found", the finding under the caret) is an announcer: it is
// told as an alert, and each new text is raised as the alert showing again,
// which screen readers speak (a plain name change is spoken only for the
// focused object). Qt 6.4 has no announcement event of its own; this is
// what stands in for it. A label is marked before its first text: once a
// screen reader has heard of it as a plain label, it stays one.
// A quiet label (the status bar's clock) is read when asked and never
// tells of its changes: a clock that spoke every second would drown the
// messages that matter.
namespace Accessibility {
void install(); // once; later calls do nothing
void makeAnnouncer(QLabel* label);
void makeQuiet(QLabel* label, const QString& name);
// An editable combo box and its edit part, which Qt leaves unnamed, both
// named `name`.
void nameComboBox(QComboBox* box, const QString& name);
// A tab list named for what it chooses; Qt would name it after the page
// shown, which is its selected page's name.
void nameTabBar(QTabBar* bar, const QString& name);
// Sets the text and, when it says something new, raises it.
void announce(QLabel* label, const QString& text);
} // namespace Accessibility

} // namespace Quillwright
