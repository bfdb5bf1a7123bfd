#pragma once

#include "RichTextControl.h"
#include "StyledText.h"

#include <memory>
#include <vector>

// Lines are shared and never changed in place: an edit puts new ones in, so
// whoever kept the old ones (the widget's picture of what it shows) shares
// the unchanged ones and tells changed ones apart by address.
using LinePtr = std::shared_ptr<const StyledText>;

// Coloured text held line by line, so that an edit costs the lines it
// touches however long the text. Positions are those of the whole text
// with CR LF line breaks; line starts come from a Fenwick tree of the line
// lengths. Lines hold no line breaks; their runs are canonical.
class LineStore {
public:
    LineStore();

    void assign(const StyledText& content); // CR LF breaks that carry no colour
    StyledText content() const;

    int lineCount() const { return int(m_lines.size()); }
    int length() const { return m_length; }
    int lineStart(int line) const;
    // The line holding a position; the CR and the LF belong to the line
    // they end, the end of the text to the last line.
    int lineAt(int pos) const;
    const StyledText& line(int line) const { return *m_lines[size_t(line)]; }
    const std::vector<LinePtr>& lines() const { return m_lines; }

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
    void rebuildTree() const;
    void addToTree(int line, int delta) const;

    std::vector<LinePtr> m_lines;
    int m_length = 0;
    // Fenwick tree over line lengths plus two, built when first needed
    // after lines came or went.
    mutable std::vector<int> m_tree;
    mutable bool m_treeValid = false;
};

bool sameLine(const StyledText& a, const StyledText& b);
bool sameLine(const LinePtr& a, const LinePtr& b);

// Splices, top to bottom, that turn lines [0, from.size()) into `to`,
// matching equal lines where they stay in order (a line inserted or removed
// among equal ones costs a splice of that line alone).
std::vector<LineSplice> alignLines(const std::vector<LinePtr>& from, int fromFirst, int fromCount,
                                   const std::vector<LinePtr>& to, int toFirst, int toCount);

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
