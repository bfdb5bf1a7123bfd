#pragma once

#include <QString>
#include <vector>

namespace Quillwright {

class LineIndex;
class LineRewriteMemo;
class RichTextControl;

// The keyword rewrite applied where it can change something: the lines
// changed since it last ran, and the lines after them for as long as the
// colours in effect at their start differ from last time. Gives the same
// content as RewriteKeywordRtf over the whole RTF form written with
// rewriteColorTable(), whose result for a line depends on nothing else.
// Look only notes what the rewrite would find, for the lines it changed
// itself: the next run then starts from there, so the keystroke after a
// whole-text change costs no more than any other.
enum class RewriteMode { Apply, Look };
// A line whose text the rewrite lengthened ("#EoM" became "# EoM").
struct GrownLine {
    int line = 0;
    QString before;
    QString after;
};
std::vector<GrownLine> rewriteKeywordLines(RichTextControl& control, LineIndex& index,
                                           LineRewriteMemo& memo,
                                           RewriteMode mode = RewriteMode::Apply);

// The marker pass with its searches answered from the index.
void colourMarkersIndexed(RichTextControl& control, const LineIndex& index, int savedStart,
                          int savedLength);

} // namespace Quillwright
