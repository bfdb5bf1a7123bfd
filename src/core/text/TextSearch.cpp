#include "core/text/TextSearch.h"

#include <algorithm>

namespace Quillwright {

namespace {
bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c.isMark();
}

// Where line `i` starts in the text, and the columns [first, last] of it that
// lie in [from, end); the line lies outside when first passes last.
struct LinePart {
    int lineStart;
    int first;
    int last;
};
LinePart partOf(const LineStore& lines, int i, int from, int end)
{
    const int lineStart = lines.lineStart(i);
    const int length = int(lines.line(i).text.size());
    return {lineStart, std::max(from - lineStart, 0), std::min(length, end - lineStart)};
}
// The engine's messages that Qt's own French leaves out: named here so that
// they are translated with the program's texts.
[[maybe_unused]] constexpr const char* EngineMessages[] = {
    QT_TRANSLATE_NOOP("QRegularExpression", "missing closing parenthesis"),
    QT_TRANSLATE_NOOP("QRegularExpression", "unmatched closing parenthesis"),
    QT_TRANSLATE_NOOP("QRegularExpression", "quantifier does not follow a repeatable item"),
    QT_TRANSLATE_NOOP("QRegularExpression",
                      "syntax error in subpattern name (missing terminator?)"),
    QT_TRANSLATE_NOOP("QRegularExpression",
                      "two named subpatterns have the same name (PCRE2_DUPNAMES not set)"),
    QT_TRANSLATE_NOOP("QRegularExpression", "unknown property after \\P or \\p"),
};
} // namespace

TextSearch::TextSearch(const QString& pattern, SearchOptions options)
    : m_pattern(pattern), m_options(options)
{
    if (pattern.isEmpty())
        return;
    if (options.regularExpression) {
        QRegularExpression::PatternOptions o = QRegularExpression::UseUnicodePropertiesOption;
        if (!options.matchCase)
            o |= QRegularExpression::CaseInsensitiveOption;
        m_regex = QRegularExpression(pattern, o);
        if (!m_regex.isValid()) {
            m_error = m_regex.errorString();
            return;
        }
        m_regex.optimize();
    } else {
        m_matcher =
            QStringMatcher(pattern, options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    }
    m_valid = true;
}

bool TextSearch::wholeWordAt(const QString& line, int start, int length) const
{
    if (!m_options.wholeWords)
        return true;
    const bool before = start > 0 && isWordCharacter(line[start - 1]);
    const bool after = start + length < line.size() && isWordCharacter(line[start + length]);
    return !before && !after;
}

template <typename Each>
void TextSearch::inLine(const QString& line, int from, int to, Each each) const
{
    if (m_options.regularExpression) {
        int at = from;
        int lastEnd = -1; // where the last match ended: an empty match there is not another
        while (at <= to) {
            const QRegularExpressionMatch m = m_regex.match(line, at);
            if (!m.isValid()) { // the engine gave up (its backtracking limit)
                m_gaveUp = true;
                return;
            }
            if (!m.hasMatch())
                return;
            const int start = int(m.capturedStart());
            const int length = int(m.capturedLength());
            if (start + length > to)
                return;
            // An empty match ("^", "$", "\b", "a*" where there is no a) is a
            // place, as in the editors users know; not right after a match.
            const bool empty = length == 0;
            if ((!empty || start != lastEnd) && (empty || wholeWordAt(line, start, length))) {
                if (!each(start, length, m))
                    return;
                lastEnd = start + length;
                at = empty ? start + 1 : start + length;
            } else {
                at = start + 1;
            }
        }
        return;
    }
    const int length = int(m_pattern.size());
    int at = from;
    while (at + length <= to) {
        const int start = int(m_matcher.indexIn(QStringView(line).first(to), at));
        if (start < 0)
            return;
        if (wholeWordAt(line, start, length)) {
            if (!each(start, length, QRegularExpressionMatch()))
                return;
            at = start + length;
        } else {
            at = start + 1;
        }
    }
}

TextMatch TextSearch::next(const LineStore& lines, int from, TextRange range) const
{
    if (!m_valid)
        return {};
    from = std::max(from, range.start);
    if (from > range.end) // at the end there may still be an empty match ("$")
        return {};
    const int lastLine = lines.lineAt(range.end);
    for (int i = lines.lineAt(from); i <= lastLine; ++i) {
        const LinePart part = partOf(lines, i, from, range.end);
        const int lineStart = part.lineStart, a = part.first, b = part.last;
        if (a > b)
            continue;
        const QString& text = lines.line(i).text;
        TextMatch found;
        inLine(text, a, b, [&](int start, int length, const QRegularExpressionMatch&) {
            found = {lineStart + start, length};
            return false;
        });
        if (found.found())
            return found;
    }
    return {};
}

TextMatch TextSearch::previous(const LineStore& lines, int before, TextRange range) const
{
    if (!m_valid)
        return {};
    before = std::min(before, range.end);
    if (before <= range.start)
        return {};
    const int firstLine = lines.lineAt(range.start);
    for (int i = lines.lineAt(before); i >= firstLine; --i) {
        const LinePart part = partOf(lines, i, range.start, range.end);
        const int lineStart = part.lineStart, a = part.first, b = part.last;
        if (a > b)
            continue;
        const QString& text = lines.line(i).text;
        TextMatch found;
        inLine(text, a, b, [&](int start, int length, const QRegularExpressionMatch&) {
            if (lineStart + start >= before)
                return false;
            found = {lineStart + start, length};
            return true;
        });
        if (found.found())
            return found;
    }
    return {};
}

std::vector<TextMatch> TextSearch::all(const LineStore& lines, TextRange range, int limit) const
{
    std::vector<TextMatch> out;
    if (!m_valid || range.start >= range.end)
        return out;
    const int lastLine = lines.lineAt(range.end);
    for (int i = lines.lineAt(range.start); i <= lastLine && int(out.size()) < limit; ++i) {
        const LinePart part = partOf(lines, i, range.start, range.end);
        const int lineStart = part.lineStart, a = part.first, b = part.last;
        if (a > b)
            continue;
        const QString& text = lines.line(i).text;
        inLine(text, a, b, [&](int start, int length, const QRegularExpressionMatch&) {
            out.push_back({lineStart + start, length});
            return int(out.size()) < limit;
        });
    }
    return out;
}

QString TextSearch::expanded(const QRegularExpressionMatch& m, const QString& with) const
{
    QString out;
    out.reserve(with.size());
    for (qsizetype i = 0; i < with.size(); ++i) {
        const QChar c = with[i];
        if (c != u'\\' || i + 1 == with.size()) {
            out += c;
            continue;
        }
        const QChar n = with[++i];
        if (n.isDigit())
            out += m.captured(n.digitValue());
        else if (n == u'n')
            out += QStringLiteral("\r\n");
        else if (n == u't')
            out += u'\t';
        else
            out += n; // "\\" and any other escaped character stand for themselves
    }
    return out;
}

QString TextSearch::replacement(const LineStore& lines, TextMatch match, const QString& with) const
{
    if (!m_options.regularExpression || !match.found())
        return with;
    const int line = lines.lineAt(match.start);
    const QString& text = lines.line(line).text;
    const int offset = match.start - lines.lineStart(line);
    const QRegularExpressionMatch m = m_regex.match(text, offset);
    return m.hasMatch() && m.capturedStart() == offset ? expanded(m, with) : with;
}

TextSearch::Replaced TextSearch::replaceAll(const LineStore& lines, TextRange range,
                                            const QString& with) const
{
    Replaced out{lines, 0, {}};
    if (!m_valid || range.start >= range.end)
        return out;
    struct LineEdit {
        int line;
        StyledText content;
        int lastEnd; // where the last replacement ends in the new line
    };
    std::vector<LineEdit> edits;
    const int lastLine = lines.lineAt(range.end);
    for (int i = lines.lineAt(range.start); i <= lastLine; ++i) {
        const LinePart part = partOf(lines, i, range.start, range.end);
        const int a = part.first, b = part.last;
        if (a > b)
            continue;
        const StyledText& line = lines.line(i);
        struct Piece {
            int start;
            int length;
            QString with;
        };
        std::vector<Piece> pieces;
        inLine(line.text, a, b, [&](int start, int length, const QRegularExpressionMatch& m) {
            pieces.push_back(
                {start, length, m_options.regularExpression ? expanded(m, with) : with});
            return true;
        });
        if (pieces.empty())
            continue;
        // From the last match back, so the offsets of the ones before hold;
        // the rest of the line keeps its colours.
        StyledText made = line;
        for (auto p = pieces.rbegin(); p != pieces.rend(); ++p)
            made = splicedStyledText(made, p->start, p->length, StyledText{p->with, {}});
        int grown = 0;
        for (const Piece& p : pieces)
            grown += int(p.with.size()) - p.length;
        const Piece& last = pieces.back();
        edits.push_back({i, std::move(made), last.start + last.length + grown});
        out.count += int(pieces.size());
    }
    // From the bottom up, so the lines above each keep their numbers.
    int added = 0;
    for (auto e = edits.rbegin(); e != edits.rend(); ++e) {
        std::vector<StyledText> split = LineStore::splitLines(e->content);
        added += int(split.size()) - 1;
        out.lines.replaceLines(e->line, 1, LineStore::share(std::move(split)));
    }
    if (!edits.empty()) {
        // Where the last replacement ends: its line moved down by the line
        // breaks the replacements above it made.
        const LineEdit& last = edits.back();
        const QStringView head = QStringView(last.content.text).first(last.lastEnd);
        const int breaks = int(head.count(u'\n'));
        const int lineNow = last.line + added - int(last.content.text.count(u'\n')) + breaks;
        const qsizetype breakAt = head.lastIndexOf(u'\n');
        const int column = int(last.lastEnd - (breakAt < 0 ? 0 : breakAt + 1));
        out.last = {out.lines.lineStart(lineNow) + column, 0};
    }
    return out;
}

} // namespace Quillwright
