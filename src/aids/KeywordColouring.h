#pragma once

#include <QString>

class RichTextControl;

// The keyword rewrite: 21 case-sensitive replace-alls over the RTF form,
// in order, each wrapping a MOD keyword or header label in colour codes
// (\cf1 the keyword colour, \cf3 the end-marker colour, \cf0 back to the
// default). Only "#EoM" changes visible text: it becomes "# EoM".
QString RewriteKeywordRtf(const QString& rtf);

// The marker pass: colours the title label blue, the backup notice dark red
// and "# EoM" green, each searched from the end of the selection that the
// previous step left. Colouring these first makes them entries 1 to 3 of
// the RTF colour table, which the rewrite's \cf1 and \cf3 then select.
void ColourMarkers(RichTextControl& control, int savedStart, int savedLength);
