#pragma once

class LineIndex;
class RichTextControl;

// The keyword rewrite applied where it can change something: the lines
// changed since it last ran, and the lines after them for as long as the
// colours in effect at their start differ from last time. Gives the same
// content as RewriteKeywordRtf over the whole RTF form, whose result for
// a line depends on nothing else (entries 1 and 3 of the colour table
// aside: when they change, every line is looked at again).
void RewriteKeywordLines(RichTextControl& control, LineIndex& index);

// The marker pass with its searches answered from the index.
void ColourMarkersIndexed(RichTextControl& control, const LineIndex& index, int savedStart,
                          int savedLength);
