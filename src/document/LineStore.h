#pragma once

#include "ChunkedVector.h"
#include "RichTextControl.h"
#include "StyledText.h"

#include <memory>
#include <vector>

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

    void assign(const StyledText& content); // CR LF breaks that carry no colour
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

    // The content split at its CR LFs.
    static std::vector<StyledText> splitLines(const StyledText& content);
    static std::vector<LinePtr> share(std::vector<StyledText> lines);

private:
    // Each line weighs its length and a line break.
    ChunkedVector<LinePtr> m_lines{[](const LinePtr& l) { return int(l->text.size()) + 2; }};
    int m_length = 0;
};

bool sameLine(const StyledText& a, const StyledText& b);
bool sameLine(const LinePtr& a, const LinePtr& b);

// Splices, top to bottom, that turn lines [0, from.size()) into `to`,
// matching equal lines where they stay in order (a line inserted or removed
// among equal ones costs a splice of that line alone).
template <typename From, typename To>
std::vector<LineSplice> alignLines(const From& from, int fromFirst, int fromCount, const To& to,
                                   int toFirst, int toCount)
{
    constexpr int Lookahead = 8;
    std::vector<LineSplice> out;
    const auto add = [&out](int at, int removed, int added) {
        if (!out.empty() && out.back().removed == out.back().added && removed == added &&
            out.back().line + out.back().added == at) {
            out.back().removed += removed;
            out.back().added += added;
        } else {
            out.push_back({at, removed, added});
        }
    };
    const auto same = [&](int i, int j) { return sameLine(from[i], to[j]); };
    int i = fromFirst;
    int j = toFirst;
    const int iEnd = fromFirst + fromCount;
    const int jEnd = toFirst + toCount;
    while (i < iEnd || j < jEnd) {
        if (i < iEnd && j < jEnd && same(i, j)) {
            ++i, ++j;
            continue;
        }
        if (i == iEnd) {
            add(j, 0, jEnd - j);
            break;
        }
        if (j == jEnd) {
            add(j, iEnd - i, 0);
            break;
        }
        if (iEnd - i != jEnd - j) {
            int d = 1;
            for (; d <= Lookahead; ++d) {
                if (j + d < jEnd && same(i, j + d)) {
                    add(j, 0, d);
                    j += d;
                    break;
                }
                if (i + d < iEnd && same(i + d, j)) {
                    add(j, d, 0);
                    i += d;
                    break;
                }
            }
            if (d <= Lookahead)
                continue;
        }
        add(j, 1, 1);
        ++i, ++j;
    }
    return out;
}

// Which lines changed since a copy was last brought up to date: stretches
// of the current lines, each with the number of lines it replaced in the
// copy. Sorted and apart.
class ChangedLines {
public:
    struct Stretch {
        int start = 0;    // in the current numbering
        int length = 0;   // lines now
        int replaced = 0; // lines of the copy it stands for
    };
    void add(const LineSplice& splice);
    void clear() { m_stretches.clear(); }
    bool empty() const { return m_stretches.empty(); }
    const std::vector<Stretch>& stretches() const { return m_stretches; }

private:
    std::vector<Stretch> m_stretches;
};
