#pragma once

#include "StyledText.h"

#include <QString>
#include <QStringView>

// The flat RTF form that the keyword colouring rewrites. Its exact shape
// matters: the rewrite matches literal text in it, so the writer produces
// the form a classic rich-edit control produces and nothing fancier.
namespace Rtf {

QString write(const StyledText& content, const QString& fontName);

// Reads any RTF, not only ours. Hostile input is bounded: nesting depth,
// numeric parameters and \bin lengths are capped, and the parse is one pass.
StyledText read(QStringView rtf);

bool looksLikeRtf(QStringView text);

// RTF when it looks like RTF, else plain text with its line ends made CR LF.
StyledText readRichOrPlain(const QString& text);

inline constexpr int MaxGroupDepth = 512;

} // namespace Rtf
