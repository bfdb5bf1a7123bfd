#pragma once

#include "core/text/LineStore.h"

#include <QBrush>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <vector>

namespace Quillwright {

// Colours as the widget's character formats carry them.
inline TextColor colorOf(const QTextCharFormat& f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush))
        return {};
    return TextColor::fromRgb(f.foreground().color().rgb() & 0x00ffffffu);
}

inline QTextCharFormat formatFor(TextColor c)
{
    QTextCharFormat f;
    if (c.isExplicit())
        f.setForeground(QColor(c.red(), c.green(), c.blue()));
    return f;
}

// Inserts lines [first, first + count), with a line break before each when
// `breakFirst`, else after each but the last unless `breakLast`, leaving the
// cursor after them. The text goes in at once and is coloured afterwards:
// the document takes one long insertion far faster than many short ones
// (each banner's keyword is coloured: two insertions a banner otherwise).
template <typename Lines>
void insertLines(QTextCursor& cursor, const Lines& lines, int first, int count, bool breakFirst,
                 bool breakLast)
{
    struct Run {
        int start; // in `plain`
        int length;
        TextColor color;
    };
    QString plain;
    std::vector<Run> runs;
    for (int i = first; i < first + count; ++i) {
        if (breakFirst)
            plain += u'\n';
        const StyledText& line = *lines[i];
        for (const ColorRun& r : line.runs)
            runs.push_back({int(plain.size()) + r.start, r.length, r.color});
        plain += line.text;
        if (!breakFirst && (i + 1 < first + count || breakLast))
            plain += u'\n';
    }
    const int start = cursor.position();
    cursor.insertText(plain, QTextCharFormat());
    const int end = cursor.position();
    // A script has a few colours: each format is made once.
    std::vector<std::pair<TextColor, QTextCharFormat>> formats;
    for (const Run& r : runs) {
        auto f = std::find_if(formats.begin(), formats.end(),
                              [&](const auto& made) { return made.first == r.color; });
        if (f == formats.end())
            f = formats.insert(formats.end(), {r.color, formatFor(r.color)});
        cursor.setPosition(start + r.start);
        cursor.setPosition(start + r.start + r.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(f->second);
    }
    cursor.setPosition(end);
}

class ProgrammaticEdit {
public:
    explicit ProgrammaticEdit(int& counter) : m_counter(counter) { ++m_counter; }
    ~ProgrammaticEdit() { --m_counter; }
    ProgrammaticEdit(const ProgrammaticEdit&) = delete;
    ProgrammaticEdit& operator=(const ProgrammaticEdit&) = delete;

private:
    int& m_counter;
};

} // namespace Quillwright
