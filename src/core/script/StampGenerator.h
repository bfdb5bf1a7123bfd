#pragma once

namespace Quillwright {

class RichTextControl;

// Keeps the header's Generator line at the running version. In the forum
// project's layout an older Generator line directly above the security
// notice is replaced in place. Where the notice separator is missing, at
// the very start of the text, or stands before the old label, the text is
// left as it is. The caret ends at the start of the text.
void StampGenerator(RichTextControl& control);

} // namespace Quillwright
