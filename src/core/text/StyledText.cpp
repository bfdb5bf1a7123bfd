#include "core/text/StyledText.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace Quillwright {

TextColor StyledText::colorAt(int index) const
{
    auto it = std::upper_bound(runs.begin(), runs.end(), index,
                               [](int i, const ColorRun& r) { return i < r.start; });
    if (it == runs.begin())
        return {};
    --it;
    return index < it->start + it->length ? it->color : TextColor();
}

std::vector<TextColor> StyledText::perCharacter() const
{
    std::vector<TextColor> colors(size_t(text.size()));
    for (const ColorRun& r : runs)
        std::fill_n(colors.begin() + r.start, r.length, r.color);
    return colors;
}

std::vector<ColorRun> StyledText::runsFromColors(const std::vector<TextColor>& colors)
{
    std::vector<ColorRun> runs;
    const int n = int(colors.size());
    int i = 0;
    while (i < n) {
        const TextColor c = colors[size_t(i)];
        int j = i + 1;
        while (j < n && colors[size_t(j)] == c)
            ++j;
        if (!c.isDefault())
            runs.push_back({i, j - i, c});
        i = j;
    }
    return runs;
}

QString normalizeLineEnds(const QString& text)
{
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    bool clean = true;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'\n' || (p[i] == u'\r' && (i + 1 >= n || p[i + 1] != u'\n'))) {
            clean = false;
            break;
        }
        if (p[i] == u'\r')
            ++i;
    }
    if (clean)
        return text;
    QString out;
    out.reserve(n + n / 16);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = p[i];
        if (c == u'\r') {
            out += u"\r\n";
            if (i + 1 < n && p[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            out += u"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

StyledText normalizedStyledText(StyledText content)
{
    const QString& t = content.text;
    bool clean = true;
    for (qsizetype i = 0; i < t.size() && clean; ++i) {
        if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
            ++i;
        else if (t[i] == u'\r' || t[i] == u'\n')
            clean = false;
    }
    if (clean) {
        bool runsOnBreaks = false;
        for (const ColorRun& r : content.runs)
            for (int i = r.start; i < r.start + r.length && !runsOnBreaks; ++i)
                runsOnBreaks = t[i] == u'\r' || t[i] == u'\n';
        if (!runsOnBreaks)
            return content;
    }
    const std::vector<TextColor> colors = content.perCharacter();
    StyledText out;
    std::vector<TextColor> outColors;
    out.text.reserve(t.size() + 16);
    outColors.reserve(size_t(t.size()) + 16);
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'\r' || c == u'\n') {
            out.text += u"\r\n";
            outColors.push_back({});
            outColors.push_back({});
            if (c == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
                ++i;
        } else {
            out.text += c;
            outColors.push_back(colors[size_t(i)]);
        }
    }
    out.runs = StyledText::runsFromColors(outColors);
    return out;
}

TextColor insertionColor(const QString& text, const std::vector<TextColor>& colors, int pos)
{
    if (pos <= 0 || pos > text.size())
        return {};
    const QChar before = text[pos - 1];
    if (before == u'\r' || before == u'\n')
        return {};
    return colors[size_t(pos - 1)];
}

std::vector<ColorRun> colorDifferences(const std::vector<ColorRun>& have,
                                       const std::vector<ColorRun>& want, int length)
{
    // Both lists are sorted and without overlap, so their boundaries merge
    // in one pass.
    auto boundaries = [length](const std::vector<ColorRun>& runs) {
        std::vector<int> b;
        b.reserve(runs.size() * 2);
        for (const ColorRun& r : runs) {
            b.push_back(std::clamp(r.start, 0, length));
            b.push_back(std::clamp(r.start + r.length, 0, length));
        }
        return b;
    };
    const std::vector<int> h = boundaries(have);
    const std::vector<int> w = boundaries(want);
    std::vector<int> cuts;
    cuts.reserve(h.size() + w.size() + 2);
    cuts.push_back(0);
    std::merge(h.begin(), h.end(), w.begin(), w.end(), std::back_inserter(cuts));
    cuts.push_back(length);
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());

    auto colorWalker = [](const std::vector<ColorRun>& runs) {
        return [&runs, i = size_t(0)](int pos) mutable {
            while (i < runs.size() && runs[i].start + runs[i].length <= pos)
                ++i;
            return i < runs.size() && runs[i].start <= pos ? runs[i].color : TextColor();
        };
    };
    auto haveAt = colorWalker(have);
    auto wantAt = colorWalker(want);
    std::vector<ColorRun> out;
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
        const int a = cuts[k];
        const int b = cuts[k + 1];
        if (a >= b)
            continue;
        const TextColor hc = haveAt(a);
        const TextColor wc = wantAt(a);
        if (hc == wc)
            continue;
        if (!out.empty() && out.back().color == wc && out.back().start + out.back().length == a)
            out.back().length += b - a;
        else
            out.push_back({a, b - a, wc});
    }
    return out;
}

StyledText splicedStyledText(const StyledText& base, int start, int removed,
                             const StyledText& insert)
{
    StyledText out;
    const int end = start + removed;
    const int delta = int(insert.text.size()) - removed;
    out.text.reserve(base.text.size() + delta);
    out.text.append(QStringView(base.text).first(start));
    out.text.append(insert.text);
    out.text.append(QStringView(base.text).sliced(end));
    out.runs.reserve(base.runs.size() + insert.runs.size() + 1);
    auto push = [&out](ColorRun r) {
        if (r.length <= 0)
            return;
        if (!out.runs.empty() && out.runs.back().color == r.color &&
            out.runs.back().start + out.runs.back().length == r.start)
            out.runs.back().length += r.length;
        else
            out.runs.push_back(r);
    };
    size_t i = 0;
    for (; i < base.runs.size() && base.runs[i].start < start; ++i) {
        ColorRun r = base.runs[i];
        r.length = std::min(r.start + r.length, start) - r.start;
        push(r);
    }
    for (ColorRun r : insert.runs) {
        r.start += start;
        push(r);
    }
    for (i = 0; i < base.runs.size(); ++i) {
        const ColorRun& b = base.runs[i];
        if (b.start + b.length <= end)
            continue;
        const int from = std::max(b.start, end);
        push({from + delta, b.start + b.length - from, b.color});
    }
    return out;
}

void appendStyledText(StyledText& to, const StyledText& more)
{
    const int shift = int(to.text.size());
    to.text += more.text;
    for (const ColorRun& r : more.runs) {
        const ColorRun moved{r.start + shift, r.length, r.color};
        if (!to.runs.empty() && to.runs.back().color == r.color &&
            to.runs.back().start + to.runs.back().length == moved.start)
            to.runs.back().length += r.length;
        else
            to.runs.push_back(moved);
    }
}

StyledText slicedStyledText(const StyledText& base, int start, int length)
{
    StyledText out;
    out.text = base.text.mid(start, length);
    const int end = start + length;
    auto it = std::upper_bound(base.runs.begin(), base.runs.end(), start,
                               [](int i, const ColorRun& r) { return i < r.start; });
    if (it != base.runs.begin())
        --it;
    for (; it != base.runs.end() && it->start < end; ++it) {
        const int a = std::max(it->start, start);
        const int b = std::min(it->start + it->length, end);
        if (a < b)
            out.runs.push_back({a - start, b - a, it->color});
    }
    return out;
}

TextColor rangeColor(const StyledText& content, int start, int length)
{
    const QString& t = content.text;
    if (length <= 0) {
        if (start <= 0 || start > t.size() || t[start - 1] == u'\r' || t[start - 1] == u'\n')
            return {};
        return content.colorAt(start - 1);
    }
    const StyledText part = slicedStyledText(content, start, length);
    std::optional<TextColor> seen;
    int pos = 0;
    // Each stretch has one colour; its first visible character decides it.
    auto visit = [&](int from, int to, TextColor c) {
        for (int i = from; i < to; ++i) {
            if (part.text[i] == u'\r' || part.text[i] == u'\n')
                continue;
            if (!seen)
                seen = c;
            return *seen == c;
        }
        return true;
    };
    for (const ColorRun& r : part.runs) {
        if (!visit(pos, r.start, TextColor()) || !visit(r.start, r.start + r.length, r.color))
            return TextColor::mixed();
        pos = r.start + r.length;
    }
    if (!visit(pos, int(part.text.size()), TextColor()))
        return TextColor::mixed();
    return seen.value_or(TextColor());
}

std::vector<ColorRun> canonicalRuns(const std::vector<ColorRun>& runs)
{
    std::vector<ColorRun> out;
    out.reserve(runs.size());
    for (const ColorRun& r : runs) {
        if (r.length <= 0 || r.color.isDefault())
            continue;
        if (!out.empty() && out.back().color == r.color &&
            out.back().start + out.back().length == r.start)
            out.back().length += r.length;
        else
            out.push_back(r);
    }
    return out;
}

StyledText uniformlyColoured(const QString& text, TextColor color)
{
    StyledText out{text, {}};
    if (color.isDefault())
        return out;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i <= n; ++i) {
        if (i == n || text[i] == u'\r' || text[i] == u'\n') {
            if (i > start)
                out.runs.push_back({start, i - start, color});
            start = i + 1;
        }
    }
    return out;
}

} // namespace Quillwright
