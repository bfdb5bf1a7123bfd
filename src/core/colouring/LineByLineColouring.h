#pragma once

class LineIndex;
class LineRewriteMemo;
class RichTextControl;

// The keyword rewrite applied where it can change something: the lines
// changed since it last ran, and the lines after them for as long as the
// colours in effect at their start differ from last time. Gives the same
// content as RewriteKeywordRtf over the whole RTF form, whose result for
// a line depends on nothing else (entries 1 and 3 of the colour table
// aside: when they change, every line is looked at again).
// Look only notes what the rewrite would find, for the lines it changed
// itself: the next run then starts from there, so the keystroke after a
// whole-text change costs no more than any other.
enum class RewriteMode { Apply, Look };
void rewriteKeywordLines(RichTextControl& control, LineIndex& index, LineRewriteMemo& memo,
                         RewriteMode mode = RewriteMode::Apply);

// The marker pass with its searches answered from the index.
void colourMarkersIndexed(RichTextControl& control, const LineIndex& index, int savedStart,
                          int savedLength);
