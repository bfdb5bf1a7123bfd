#pragma once

#include "core/text/ChunkedVector.h"
#include "core/text/LineSplice.h"
#include "core/text/StyledText.h"

#include <memory>
#include <vector>

namespace Quillwright {

// The editor's text held line by line, each line shared until an edit replaces it.

// Lines are shared and never changed in place (LinePtr): an edit puts new
// ones in, so whoever kept the old ones (the widget's picture of what it
// shows) shares the unchanged ones and tells changed ones apart by address.

// Coloured text held line by line, so that an edit costs the lines it
// touches however long the text. Positions are those of the whole text
// with CR LF line breaks; line starts come from the line lengths summed by
// chunk. Lines hold no line breaks; their runs are canonical.
class LineStore {
public:
    LineStore();

    void assign(const StyledText& content);       // CR LF breaks that carry no colour
    void assignLines(std::vector<LinePtr> lines); // at least one
    StyledText content() const;

    int lineCount() const { return m_lines.size(); }
    int length() const { return m_length; }
    int lineStart(int line) const;
    // The line holding a position; the CR and the LF belong to the line
    // they end, the end of the text to the last line.
    int lineAt(int pos) const;
    const StyledText& line(int line) const { return *m_lines[line]; }
    const ChunkedVector<LinePtr>& lines() const { return m_lines; }

    StyledText slice(int start, int length) const;
    // As rangeColor() on the whole content.
    TextColor rangeColor(int start, int length) const;

    // Replaces [start, start + length) by `insert` (CR LF breaks that carry
    // no colour) and says which lines that was.
    LineSplice replace(int start, int length, const StyledText& insert);
    // Replaces lines [first, first + count) by `lines`.
    void replaceLines(int first, int count, std::vector<LinePtr> lines);
    void setLine(int line, StyledText content);

    // The same text, colours aside: lines shared with the other store are
    // passed over a chunk at a time.
    bool sameText(const LineStore& other) const;

    // The content split at its CR LFs.
    static std::vector<StyledText> splitLines(const StyledText& content);
    static std::vector<LinePtr> share(std::vector<StyledText> lines);
    // The lines of a text with CR LF breaks and no colours, those that read
    // alike sharing one line.
    static std::vector<LinePtr> plainLines(QStringView text);

private:
    void measure(); // the length from the lines' summed weights

    // Each line weighs its length and a line break.
    ChunkedVector<LinePtr> m_lines{[](const LinePtr& l) { return int(l->text.size()) + 2; }};
    int m_length = 0;
};

bool sameLine(const StyledText& a, const StyledText& b);
bool sameLine(const LinePtr& a, const LinePtr& b);

} // namespace Quillwright
