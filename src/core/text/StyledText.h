#pragma once

#include "core/text/TextColor.h"

#include <QString>
#include <memory>
#include <vector>

namespace Quillwright {

// Coloured plain text and what the controls and the RTF form do with its colour runs.

// A run of characters sharing one colour.
struct ColorRun {
    int start = 0;
    int length = 0;
    TextColor color;
    friend bool operator==(const ColorRun&, const ColorRun&) = default;
};

// Plain text with CR LF line breaks plus its explicit colour runs, sorted and
// non-overlapping; characters outside every run have the default colour.
// This is what travels between the controls and the RTF reader and writer.
struct StyledText {
    QString text;
    std::vector<ColorRun> runs;

    TextColor colorAt(int index) const;
    // One colour per character, line breaks included (they carry the default).
    std::vector<TextColor> perCharacter() const;
    static std::vector<ColorRun> runsFromColors(const std::vector<TextColor>& colors);
};

// A line held where others can share it and never changed in place.
using LinePtr = std::shared_ptr<const StyledText>;

// Turns LF alone, CR alone and CR LF into CR LF.
QString normalizeLineEnds(const QString& text);

// The same content with CR LF line breaks that carry no colour.
StyledText normalizedStyledText(StyledText content);

// Colour rule for inserted text: that of the character before the insertion
// point on the same line, the default at the start of a line.
TextColor insertionColor(const QString& text, const std::vector<TextColor>& colors, int pos);

// The ranges of [0, length) whose colour differs between two run lists,
// each with the colour it has in `want`.
std::vector<ColorRun> colorDifferences(const std::vector<ColorRun>& have,
                                       const std::vector<ColorRun>& want, int length);

// The content with [start, start + removed) replaced by `insert`; runs of one
// colour that meet are joined.
StyledText splicedStyledText(const StyledText& base, int start, int removed,
                             const StyledText& insert);

// Appends in place, joining the runs of one colour that meet.
void appendStyledText(StyledText& to, const StyledText& more);

// The part [start, start + length) with its runs, positions from 0.
StyledText slicedStyledText(const StyledText& base, int start, int length);
// The colour of [start, start + length): one colour, or TextColor::mixed();
// line breaks are not counted. An empty range answers the insertion colour.
TextColor rangeColor(const StyledText& content, int start, int length);

// Sorted runs with the empty and default-coloured ones dropped and the
// touching runs of one colour joined.
std::vector<ColorRun> canonicalRuns(const std::vector<ColorRun>& runs);

// The text in one colour; its line breaks keep the default colour.
StyledText uniformlyColoured(const QString& text, TextColor color);

} // namespace Quillwright
