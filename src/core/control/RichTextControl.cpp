#include "core/control/RichTextControl.h"
#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <algorithm>
#include <utility>

namespace Quillwright {

RichTextControl::~RichTextControl() = default;

QString RichTextControl::rtf() const
{
    return Rtf::write(styledText(), m_fontName);
}

void RichTextControl::setRtf(const QString& rtf)
{
    setStyledText(Rtf::readRichOrPlain(rtf));
}

void RichTextControl::setFontName(const QString& name)
{
    m_fontName = name;
    fontChanged();
}

void RichTextControl::setSelRtf(const QString& rtf)
{
    if (!Rtf::looksLikeRtf(rtf)) {
        setSelText(rtf);
        return;
    }
    const StyledText content = normalizedStyledText(Rtf::read(rtf));
    if (acceptsReplacement(selStart(), selLength(), content.text))
        replaceSelectionStyled(content);
}

ChangeBatch::~ChangeBatch()
{
    m_control.unblockNotifications();
    if (!m_control.notificationsBlocked() && m_control.revision() != m_revision)
        emit m_control.changed();
}

namespace {
// Beyond this many unread splices a listener learns only that everything
// changed. Colouring a whole script lists a splice for each coloured line.
constexpr size_t MaxListedSplices = 1 << 22;
} // namespace

int RichTextControl::lineCount() const
{
    return int(text().count(u'\n')) + 1;
}

int RichTextControl::lineStart(int line) const
{
    const QString t = text();
    int pos = 0;
    for (int i = 0; i < line; ++i) {
        const qsizetype lf = t.indexOf(u'\n', pos);
        if (lf < 0)
            return int(t.size());
        pos = int(lf) + 1;
    }
    return pos;
}

int RichTextControl::lineAt(int pos) const
{
    const QString t = text();
    return int(QStringView(t).first(std::clamp(pos, 0, int(t.size()))).count(u'\n'));
}

LinePtr RichTextControl::line(int line) const
{
    const StyledText all = styledText();
    const int start = lineStart(line);
    qsizetype end = all.text.indexOf(u'\r', start);
    if (end < 0)
        end = all.text.size();
    return std::make_shared<const StyledText>(slicedStyledText(all, start, int(end) - start));
}

void RichTextControl::setLine(int line, const StyledText& content)
{
    const int start = lineStart(line);
    const int length = int(this->line(line)->text.size());
    const int savedStart = selStart();
    const int savedLength = selLength();
    setSelStart(start);
    setSelLength(length);
    setSelRtf(Rtf::write(content, fontName()));
    setSelStart(savedStart);
    setSelLength(savedLength);
}

LineStore RichTextControl::lineSnapshot() const
{
    LineStore lines;
    lines.assign(styledText());
    return lines;
}

void RichTextControl::setLines(const LineStore& lines)
{
    setStyledText(lines.content());
}

LineChanges RichTextControl::takeLineChanges()
{
    return std::exchange(m_lineChanges, LineChanges{});
}

bool RichTextControl::acceptsEdits()
{
    if (m_readOnly.isEmpty())
        return true;
    emit editRefused(m_readOnly);
    return false;
}

bool RichTextControl::acceptsReplacement(int start, int length, const QString& insert)
{
    // A rewrite of the selection's colours keeps its text: that is no edit.
    if (isReadOnly() && !(start == selStart() && length == selLength() &&
                          (length == 0 ? insert.isEmpty() : selText() == insert)))
        return acceptsEdits();
    if (m_rules.lineLimit <= 0)
        return true;
    const int first = lineAt(start);
    const int last = lineAt(start + length);
    const QString firstLine = line(first)->text;
    const QString lastLine = last == first ? firstLine : line(last)->text;
    const int head = std::clamp(start - lineStart(first), 0, int(firstLine.size()));
    const int tail = std::clamp(start + length - lineStart(last), 0, int(lastLine.size()));
    // The longest line the replaced ones had: an edit may shorten an overlong line.
    int before = 0;
    for (int i = first; i <= last; ++i)
        before = std::max(before, m_rules.settledLength(line(i)->text));
    const QStringView text(insert);
    qsizetype from = 0;
    for (int piece = 0;; ++piece) {
        const qsizetype crlf = text.indexOf(u"\r\n", from);
        const bool lastPiece = crlf < 0;
        QString made =
            QStringView(text).sliced(from, (lastPiece ? text.size() : crlf) - from).toString();
        if (piece == 0)
            made.prepend(QStringView(firstLine).first(head));
        if (lastPiece)
            made.append(QStringView(lastLine).sliced(tail));
        const int settled = m_rules.settledLength(made);
        if (settled > m_rules.lineLimit && settled > before) {
            emit editRefused(m_rules.overlongEdit(first + piece + 1, settled));
            return false;
        }
        if (lastPiece)
            return true;
        from = crlf + 2;
    }
}

bool RichTextControl::acceptsLines(const LineStore& lines)
{
    if (!acceptsEdits())
        return false;
    if (m_rules.lineLimit <= 0)
        return true;
    const int count = lines.lineCount();
    for (int i = 0; i < count; ++i) {
        const QString& made = lines.line(i).text;
        // A line shorter than the limit by a quarter cannot settle past it.
        if (made.size() <= m_rules.lineLimit * 3 / 4)
            continue;
        const int settled = m_rules.settledLength(made);
        const int before = i < lineCount() ? m_rules.settledLength(line(i)->text) : 0;
        if (settled > m_rules.lineLimit && settled > before) {
            emit editRefused(m_rules.overlongEdit(i + 1, settled));
            return false;
        }
    }
    return true;
}

void RichTextControl::recordLineSplice(int line, int removed, int added)
{
    if (m_lineChanges.everything)
        return;
    if (m_lineChanges.splices.size() >= MaxListedSplices) {
        recordEverythingChanged();
        return;
    }
    // Recolouring touches many lines one after another: one splice holds them.
    auto& list = m_lineChanges.splices;
    if (!list.empty() && removed == added && list.back().removed == list.back().added &&
        line >= list.back().line && line <= list.back().line + list.back().added) {
        const int end = std::max(list.back().line + list.back().added, line + added);
        list.back().removed = list.back().added = end - list.back().line;
        return;
    }
    list.push_back({line, removed, added});
}

void RichTextControl::recordEverythingChanged()
{
    m_lineChanges.splices.clear();
    m_lineChanges.everything = true;
}

int RichTextControl::snapPosition(const QString& text, int pos)
{
    if (pos > 0 && pos < text.size() && text[pos] == u'\n' && text[pos - 1] == u'\r')
        return pos - 1;
    return pos;
}

bool RichTextControl::loadFile(const QString& path, QString* error)
{
    StyledText content;
    QString why;
    if (!m_rules.read || !m_rules.read(path, content, why)) {
        if (error)
            *error = why;
        return false;
    }
    setStyledText(content);
    return true;
}

bool RichTextControl::saveFile(const QString& path, QString* error) const
{
    QString why;
    const bool ok = m_rules.write && m_rules.write(path, text(), why);
    if (!ok && error)
        *error = why;
    return ok;
}

} // namespace Quillwright
