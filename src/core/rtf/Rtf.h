#pragma once

#include "core/text/StyledText.h"

#include <QString>
#include <QStringView>
#include <vector>

namespace Quillwright {

// The flat RTF form that the keyword colouring rewrites. Its exact shape
// matters: the rewrite matches literal text in it, so the writer keeps to
// one flat form (no groups in the body, a \cfN before each change of
// colour, \par and CR LF for each line break) and nothing fancier.
namespace Rtf {

QString write(const StyledText& content, const QString& fontName);
// The same with a colour table that begins with `leading`, used or not; the
// other colours follow in order of first occurrence.
QString write(const StyledText& content, const QString& fontName,
              const std::vector<TextColor>& leading);

// Reads any RTF, not only ours. Hostile input is bounded: nesting depth,
// numeric parameters and \bin lengths are capped, and the parse is one pass.
StyledText read(QStringView rtf);

bool looksLikeRtf(QStringView text);

// What the writer puts between the header and the first character; its
// closing blank is the character before the text in the RTF form.
inline constexpr QStringView BodyStart = u"\\viewkind4\\uc1\\pard\\f0\\fs20 ";

// A length that write() never goes below for a text of this length and
// number of lines, whatever its colours and characters.
qsizetype writtenLengthAtLeast(qsizetype textLength, int lineCount, const QString& fontName);

// A stretch of the body alone, as write() produces it, for colouring one
// line at a time. `table` is the colour table without its default entry 0;
// colours missing from it are written as the default. `current` is the
// colour index in effect before the stretch and, on return, after it.
QString writeBody(const StyledText& content, const std::vector<TextColor>& table, int& current);
// Reads such a stretch back with the same table and starting index.
StyledText readBody(QStringView body, const std::vector<TextColor>& table, int& current);

// RTF when it looks like RTF, else plain text with its line ends made CR LF.
StyledText readRichOrPlain(const QString& text);

inline constexpr int MaxGroupDepth = 512;

} // namespace Rtf

} // namespace Quillwright
