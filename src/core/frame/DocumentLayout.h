#pragma once

#include "core/frame/Twips.h"

namespace Quillwright {

// The two panes of a document window, in twips: the text takes four fifths
// of the width less 700 twips, the outline the rest, with no gap.
struct DocumentLayout {
    double textLeft = 0, textTop = 0, textWidth = 0, textHeight = 0;
    double rightMargin = 0; // where the text wraps
    double outlineLeft = 0, outlineTop = 0, outlineWidth = 0, outlineHeight = 0;

    static DocumentLayout forSize(double width, double height)
    {
        DocumentLayout l;
        l.textWidth = width - width / 5 - 700;
        l.textHeight = height;
        l.rightMargin = l.textWidth - 400;
        l.outlineLeft = l.textWidth;
        l.outlineWidth = width / 5 + 700;
        l.outlineHeight = height;
        return l;
    }
};

} // namespace Quillwright
