#include "core/text/LineStore.h"

#include <QHashFunctions>
#include <algorithm>
#include <unordered_map>

namespace Quillwright {

LineStore::LineStore()
{
    m_lines.assign({std::make_shared<const StyledText>()});
}

std::vector<LinePtr> LineStore::share(std::vector<StyledText> lines)
{
    std::vector<LinePtr> out;
    out.reserve(lines.size());
    for (StyledText& l : lines)
        out.push_back(std::make_shared<const StyledText>(std::move(l)));
    return out;
}

std::vector<LinePtr> LineStore::plainLines(QStringView text)
{
    // A script repeats many of its lines: "#", blanks, the banners, the
    // lines its actions quote again. Lines never change in place, so those
    // that read alike can be one line: in scripts as authors write them
    // about half the lines are repeats, and each line held costs a hundred
    // bytes beside its characters.
    struct Hash {
        size_t operator()(QStringView v) const { return qHash(v); }
    };
    std::unordered_map<QStringView, LinePtr, Hash> made; // keys point into `text`
    std::vector<LinePtr> lines;
    qsizetype start = 0;
    while (true) {
        qsizetype end = text.indexOf(u'\r', start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        const QStringView line = text.sliced(start, end - start);
        auto [it, fresh] = made.try_emplace(line);
        if (fresh)
            it->second = std::make_shared<const StyledText>(StyledText{line.toString(), {}});
        lines.push_back(it->second);
        if (last)
            return lines;
        start = end + 2;
    }
}

std::vector<StyledText> LineStore::splitLines(const StyledText& content)
{
    std::vector<StyledText> lines;
    const QString& t = content.text;
    size_t run = 0;
    qsizetype start = 0;
    while (true) {
        qsizetype end = t.indexOf(u'\r', start);
        const bool last = end < 0;
        if (last)
            end = t.size();
        StyledText line{t.sliced(start, end - start), {}};
        while (run < content.runs.size() && content.runs[run].start < end) {
            const ColorRun& r = content.runs[run];
            const int a = std::max(r.start, int(start));
            const int b = std::min(r.start + r.length, int(end));
            if (a < b)
                line.runs.push_back({a - int(start), b - a, r.color});
            if (r.start + r.length > end)
                break; // the rest of the run belongs to later lines
            ++run;
        }
        lines.push_back(std::move(line));
        if (last)
            return lines;
        start = end + 2;
    }
}

void LineStore::assign(const StyledText& content)
{
    m_lines.assign(share(splitLines(content)));
    m_length = int(content.text.size());
}

void LineStore::assignLines(std::vector<LinePtr> lines)
{
    m_lines.assign(std::move(lines));
    measure();
}

void LineStore::measure()
{
    // The chunks sum their lines' weights already; reading each line again
    // waits on memory for every one of them.
    m_length = std::max(m_lines.weightBefore(m_lines.size()) - 2, 0);
}

StyledText LineStore::content() const
{
    StyledText out;
    out.text.reserve(m_length);
    bool first = true;
    m_lines.forEach([&](const LinePtr& l) {
        if (!first)
            out.text += u"\r\n";
        first = false;
        appendStyledText(out, *l);
    });
    return out;
}

int LineStore::lineStart(int line) const
{
    return m_lines.weightBefore(std::clamp(line, 0, lineCount()));
}

int LineStore::lineAt(int pos) const
{
    return std::clamp(m_lines.indexAtWeight(pos), 0, lineCount() - 1);
}

StyledText LineStore::slice(int start, int length) const
{
    StyledText out;
    const int end = std::min(start + std::max(length, 0), m_length);
    start = std::clamp(start, 0, m_length);
    int line = lineAt(start);
    int lineBegin = lineStart(line);
    while (line < lineCount() && lineBegin < end) {
        const StyledText& l = *m_lines[line];
        const int textEnd = lineBegin + int(l.text.size());
        const int a = std::max(start, lineBegin);
        const int b = std::min(end, textEnd);
        if (a < b)
            appendStyledText(out, slicedStyledText(l, a - lineBegin, b - a));
        if (line + 1 < lineCount()) {
            // The CR at textEnd, the LF after it.
            if (start <= textEnd && textEnd < end)
                out.text += u'\r';
            if (start <= textEnd + 1 && textEnd + 1 < end)
                out.text += u'\n';
        }
        lineBegin = textEnd + 2;
        ++line;
    }
    return out;
}

TextColor LineStore::rangeColor(int start, int length) const
{
    if (length <= 0) {
        const int line = lineAt(start);
        const int offset = start - lineStart(line);
        const StyledText& l = *m_lines[line];
        if (offset <= 0 || offset > l.text.size())
            return {};
        return l.colorAt(offset - 1);
    }
    return Quillwright::rangeColor(slice(start, length), 0, length);
}

LineSplice LineStore::replace(int start, int length, const StyledText& insert)
{
    start = std::clamp(start, 0, m_length);
    const int end = std::clamp(start + std::max(length, 0), start, m_length);
    const int first = lineAt(start);
    const int last = lineAt(end);
    const StyledText& a = *m_lines[first];
    const StyledText& b = *m_lines[last];
    const int offA = std::min(start - lineStart(first), int(a.text.size()));
    const int offB = std::min(end - lineStart(last), int(b.text.size()));
    std::vector<StyledText> pieces = splitLines(insert);
    StyledText head = slicedStyledText(a, 0, offA);
    appendStyledText(head, pieces.front());
    pieces.front() = std::move(head);
    appendStyledText(pieces.back(), slicedStyledText(b, offB, int(b.text.size()) - offB));
    const LineSplice splice{first, last - first + 1, int(pieces.size())};
    replaceLines(first, splice.removed, share(std::move(pieces)));
    return splice;
}

void LineStore::replaceLines(int first, int count, std::vector<LinePtr> lines)
{
    if (count == 1 && lines.size() == 1)
        m_lines.set(first, std::move(lines.front()));
    else
        m_lines.replace(first, count, std::move(lines));
    measure();
}

bool LineStore::sameText(const LineStore& other) const
{
    if (m_length != other.m_length || lineCount() != other.lineCount())
        return false;
    return m_lines
        .differences(other.m_lines, [](const LinePtr& a,
                                       const LinePtr& b) { return a == b || a->text == b->text; })
        .empty();
}

void LineStore::setLine(int line, StyledText content)
{
    replaceLines(line, 1, {std::make_shared<const StyledText>(std::move(content))});
}

bool sameLine(const StyledText& a, const StyledText& b)
{
    return a.text.size() == b.text.size() && a.runs == b.runs && a.text == b.text;
}

bool sameLine(const LinePtr& a, const LinePtr& b)
{
    return a == b || sameLine(*a, *b);
}

} // namespace Quillwright
