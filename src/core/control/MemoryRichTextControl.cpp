#include "core/control/MemoryRichTextControl.h"
#include "core/rtf/Rtf.h"

#include <QStringMatcher>
#include <algorithm>

namespace Quillwright {

MemoryRichTextControl::MemoryRichTextControl(QObject* parent) : RichTextControl(parent) {}

StyledText MemoryRichTextControl::styledText() const
{
    return StyledText{m_text, StyledText::runsFromColors(m_colors)};
}

void MemoryRichTextControl::setStyledText(const StyledText& content)
{
    const StyledText clean = normalizedStyledText(content);
    recordLineSplice(0, lineCount(), int(clean.text.count(u'\n')) + 1);
    m_text = clean.text;
    m_colors = clean.perCharacter();
    m_selStart = 0;
    m_selLength = 0;
    notifyChanged();
}

void MemoryRichTextControl::setSelStart(int start)
{
    m_selStart = snapPosition(m_text, std::clamp(start, 0, textLength()));
    m_selLength = 0;
}

void MemoryRichTextControl::setSelLength(int length)
{
    const int end = snapPosition(
        m_text, std::clamp(m_selStart + std::max(length, 0), m_selStart, textLength()));
    m_selLength = std::max(end - m_selStart, 0);
}

QString MemoryRichTextControl::selText() const
{
    return m_text.mid(m_selStart, m_selLength);
}

void MemoryRichTextControl::replaceSelection(const StyledText& insert)
{
    const std::vector<TextColor> inserted = insert.perCharacter();
    recordLineSplice(lineAt(m_selStart), int(selText().count(u'\n')) + 1,
                     int(insert.text.count(u'\n')) + 1);
    m_text.replace(m_selStart, m_selLength, insert.text);
    m_colors.erase(m_colors.begin() + m_selStart, m_colors.begin() + m_selStart + m_selLength);
    m_colors.insert(m_colors.begin() + m_selStart, inserted.begin(), inserted.end());
    m_selStart += int(insert.text.size());
    m_selLength = 0;
    notifyChanged();
}

void MemoryRichTextControl::setSelText(const QString& text)
{
    const QString clean = normalizeLineEnds(text);
    if (!acceptsReplacement(m_selStart, m_selLength, clean))
        return;
    replaceSelection(uniformlyColoured(clean, insertionColor(m_text, m_colors, m_selStart)));
}

QString MemoryRichTextControl::selRtf() const
{
    StyledText part{selText(), {}};
    std::vector<TextColor> colors(m_colors.begin() + m_selStart,
                                  m_colors.begin() + m_selStart + m_selLength);
    part.runs = StyledText::runsFromColors(colors);
    return Rtf::write(part, fontName());
}

void MemoryRichTextControl::replaceSelectionStyled(const StyledText& content)
{
    replaceSelection(content);
}

TextColor MemoryRichTextControl::selColor() const
{
    if (m_selLength == 0)
        return insertionColor(m_text, m_colors, m_selStart);
    std::optional<TextColor> seen;
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i) {
        if (m_text[i] == u'\r' || m_text[i] == u'\n')
            continue;
        if (!seen)
            seen = m_colors[size_t(i)];
        else if (*seen != m_colors[size_t(i)])
            return TextColor::mixed();
    }
    return seen.value_or(TextColor());
}

void MemoryRichTextControl::setSelColor(TextColor color)
{
    if (m_selLength == 0 || color.isMixed())
        return;
    for (int i = m_selStart; i < m_selStart + m_selLength; ++i)
        if (m_text[i] != u'\r' && m_text[i] != u'\n')
            m_colors[size_t(i)] = color;
    const int lines = int(selText().count(u'\n')) + 1;
    recordLineSplice(lineAt(m_selStart), lines, lines);
    notifyChanged();
}

int MemoryRichTextControl::find(const QString& needle, std::optional<int> start)
{
    if (needle.isEmpty())
        return -1;
    int from = 0;
    int end = textLength();
    if (start) {
        from = std::max(*start, 0);
    } else if (m_selLength > 0) {
        from = m_selStart;
        end = m_selStart + m_selLength;
    }
    if (from > end)
        return -1;
    const int found = int(
        QStringMatcher(needle, Qt::CaseInsensitive).indexIn(QStringView(m_text).first(end), from));
    if (found < 0)
        return -1;
    m_selStart = found;
    m_selLength = int(needle.size());
    return found;
}

int MemoryRichTextControl::lineStart(int line) const
{
    qsizetype pos = 0;
    for (int i = 0; i < line; ++i) {
        const qsizetype lf = m_text.indexOf(u'\n', pos);
        if (lf < 0)
            return textLength();
        pos = lf + 1;
    }
    return int(pos);
}

LinePtr MemoryRichTextControl::line(int line) const
{
    const int start = lineStart(line);
    qsizetype end = m_text.indexOf(u'\r', start);
    if (end < 0)
        end = m_text.size();
    const std::vector<TextColor> colors(m_colors.begin() + start, m_colors.begin() + end);
    return std::make_shared<const StyledText>(
        StyledText{m_text.sliced(start, end - start), StyledText::runsFromColors(colors)});
}

} // namespace Quillwright
