#pragma once

#include "core/text/LineStore.h"

#include <QBrush>
#include <QTextCharFormat>
#include <QTextCursor>
#include <vector>

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
// `breakFirst`, else after each but the last unless `breakLast`. Plain text
// goes in a stretch at a time: a script is mostly uncoloured.
template <typename Lines>
void insertLines(QTextCursor& cursor, const Lines& lines, int first, int count, bool breakFirst,
                 bool breakLast)
{
    QString plain;
    const auto flush = [&] {
        if (!plain.isEmpty())
            cursor.insertText(plain, QTextCharFormat());
        plain.clear();
    };
    for (int i = first; i < first + count; ++i) {
        if (breakFirst)
            plain += u'\n';
        const StyledText& line = *lines[i];
        int pos = 0;
        for (const ColorRun& r : line.runs) {
            plain += QStringView(line.text).sliced(pos, r.start - pos);
            flush();
            cursor.insertText(line.text.mid(r.start, r.length), formatFor(r.color));
            pos = r.start + r.length;
        }
        plain += QStringView(line.text).sliced(pos);
        if (!breakFirst && (i + 1 < first + count || breakLast))
            plain += u'\n';
    }
    flush();
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
