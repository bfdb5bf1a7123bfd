#include "core/colouring/KeywordColouring.h"

#include "core/control/RichTextControl.h"
#include "core/rtf/Rtf.h"
#include "core/script/ModFormat.h"

#include <QStringMatcher>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace Quillwright {

namespace {

using Rule = std::pair<const char16_t*, const char16_t*>;

constexpr std::array<Rule, 21> Rules = {{
    {u"IN-LINE FIND", u"\\cf1 IN-LINE FIND\\cf0 "},
    {u"IN-LINE AFTER, ADD", u"\\cf1 IN-LINE AFTER, ADD\\cf0 "},
    {u"IN-LINE REPLACE WITH", u"\\cf1 IN-LINE REPLACE WITH\\cf0 "},
    {u" OPEN ", u" \\cf1 OPEN\\cf0  "},
    {u" FIND ", u" \\cf1 FIND\\cf0  "},
    {u" AFTER, ADD ", u" \\cf1 AFTER, ADD\\cf0  "},
    {u" BEFORE, ADD ", u" \\cf1 BEFORE, ADD\\cf0  "},
    {u" REPLACE WITH ", u" \\cf1 REPLACE WITH\\cf0  "},
    {u" OR ", u" \\cf1 OR\\cf0  "},
    {u"SAVE/CLOSE ALL FILES", u"\\cf1 SAVE/CLOSE ALL FILES\\cf0 "},
    {u"# EoM", u"\\cf3 # EoM\\cf0 "},
    {u"#EoM", u"\\cf3 # EoM\\cf0 "},
    {u"## MOD Author: ", u"## \\cf1 MOD Author:\\cf0  "},
    {u"## MOD Description: ", u"## \\cf1 MOD Description:\\cf0  "},
    {u"## MOD Version: ", u"## \\cf1 MOD Version:\\cf0  "},
    {u"## Installation Level: ", u"## \\cf1 Installation Level:\\cf0  "},
    {u"## Installation Time: ", u"## \\cf1 Installation Time:\\cf0  "},
    {u"## Files To Edit: ", u"## \\cf1 Files To Edit:\\cf0  "},
    {u"## Included Files: ", u"## \\cf1 Included Files:\\cf0  "},
    {u"## Generator: ", u"## \\cf1 Generator:\\cf0  "},
    {u"## Author Notes: ", u"## \\cf1 Author Notes:\\cf0  "},
}};

// A line that holds none of "OPEN ", "OR ", "FIND ", "ADD ", "REPLACE WITH ",
// "IN-LINE", "SAVE/CLOSE ALL FILES", "EoM" and "## " cannot match a rule: a
// match is one of the search texts standing in one colour in the visible text.
bool mayMatch(const QString& t)
{
    static constexpr QStringView triggers[] = {
        u"OPEN ", u"OR ", u"FIND ", u"ADD ", u"REPLACE WITH ", u"IN-LINE", u"SAVE/CLOSE ALL FILES",
        u"EoM",   u"## "};
    // Most characters start no trigger: one look in a table passes them.
    static const auto starts = [] {
        std::array<bool, 128> s{};
        for (QStringView trigger : triggers)
            s[trigger[0].unicode()] = true;
        return s;
    }();
    const QStringView text(t);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 128 || !starts[c])
            continue;
        for (QStringView trigger : triggers)
            if (c == trigger[0] && text.sliced(i).startsWith(trigger))
                return true;
    }
    return false;
}

int localIndex(std::vector<TextColor>& table, TextColor c)
{
    if (c.isDefault())
        return 0;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == c)
            return int(i) + 1;
    table.push_back(c);
    return int(table.size());
}

// Whether the blank at `at` ends a control word ("\cf0 ", "\tab "): it is
// part of the markup, not a blank of the text, so a keyword after it does
// not stand after a blank.
bool endsControlWord(QStringView rtf, qsizetype at)
{
    qsizetype i = at - 1;
    while (i >= 0 && rtf[i].isDigit())
        --i;
    if (i >= 0 && rtf[i] == u'-')
        --i;
    const qsizetype letters = i;
    while (i >= 0 && rtf[i].unicode() < 128 && rtf[i].isLetter())
        --i;
    if (i == letters || i < 0 || rtf[i] != u'\\')
        return false;
    // "\\" is a backslash of the text: the word is markup only after an odd run.
    qsizetype backslashes = 0;
    for (qsizetype j = i; j >= 0 && rtf[j] == u'\\'; --j)
        ++backslashes;
    return backslashes % 2 == 1;
}

} // namespace

QString RewriteKeywordRtf(const QString& rtf)
{
    struct Compiled {
        QStringMatcher search;
        QString replacement;
    };
    static const std::vector<Compiled> rules = [] {
        std::vector<Compiled> r;
        r.reserve(Rules.size());
        for (const auto& [search, replacement] : Rules)
            r.push_back({QStringMatcher(QStringView(search)), QString::fromUtf16(replacement)});
        return r;
    }();
    // Each rule replaces every occurrence, left to right, in the result of
    // the rule before it; a rule that finds nothing costs one search. A rule
    // whose text begins with a blank wants a blank of the text there, never
    // the one that ends a control word.
    QString out = rtf;
    for (const Compiled& rule : rules) {
        const bool afterBlank = rule.search.pattern().startsWith(u' ');
        const auto nextMatch = [&](qsizetype from) {
            qsizetype at = rule.search.indexIn(out, from);
            while (afterBlank && at >= 0 && endsControlWord(out, at))
                at = rule.search.indexIn(out, at + 1);
            return at;
        };
        qsizetype found = nextMatch(0);
        if (found < 0)
            continue;
        const qsizetype searchLength = rule.search.pattern().size();
        QString next;
        next.reserve(out.size() + 4 * rule.replacement.size());
        qsizetype copied = 0;
        while (found >= 0) {
            next.append(QStringView(out).sliced(copied, found - copied));
            next.append(rule.replacement);
            copied = found + searchLength;
            found = nextMatch(copied);
        }
        next.append(QStringView(out).sliced(copied));
        out = std::move(next);
    }
    return out;
}
const std::vector<TextColor>& rewriteColorTable()
{
    static const std::vector<TextColor> table = {MarkerColors::Blue, MarkerColors::DarkRed,
                                                 MarkerColors::Green};
    return table;
}

int positionAfterInsertions(QStringView before, QStringView after, int pos)
{
    pos = std::clamp(pos, 0, int(before.size()));
    int i = 0;
    int j = 0;
    // Inserted characters differ from the one they stand before ("# EoM":
    // a blank before the "E"), so the first mismatch is an insertion.
    while (i < pos && j < after.size()) {
        if (before[i] == after[j])
            ++i;
        ++j;
    }
    return j + (pos - i);
}

TextColor colorAfterLine(const StyledText& line, TextColor before)
{
    const int n = int(line.text.size());
    if (n == 0)
        return before;
    if (!line.runs.empty() && line.runs.back().start + line.runs.back().length == n)
        return line.runs.back().color;
    return {};
}

RewrittenLine rewriteKeywordLine(const StyledText& line, const LineContext& context)
{
    if (context.readerColor == context.writerColor && !mayMatch(line.text))
        return {line, colorAfterLine(line, context.writerColor), false};
    // A table whose entries 1 to 3 are those of the whole form; the line's
    // other colours follow. Index digits never take part in a match.
    std::vector<TextColor> table = rewriteColorTable();
    for (const ColorRun& r : line.runs)
        localIndex(table, r.color);
    int writerIndex = localIndex(table, context.writerColor);
    int readerIndex = localIndex(table, context.readerColor);
    // What stands before the line in the whole form: the body start, which
    // ends in a control word, or the line feed after \par.
    const QString before = context.firstLine ? Rtf::BodyStart.toString() : QStringLiteral("\n");
    QString body = before;
    body += Rtf::writeBody(line, table, writerIndex);
    const QString rewritten = RewriteKeywordRtf(body);
    if (rewritten == body && context.readerColor == context.writerColor)
        return {line, colorTableEntry(table, writerIndex), false};
    StyledText out =
        Rtf::readBody(QStringView(rewritten).sliced(before.size()), table, readerIndex);
    out.runs = canonicalRuns(out.runs);
    const bool changed = out.text != line.text || out.runs != line.runs;
    if (!changed)
        return {line, colorTableEntry(table, readerIndex), false};
    return {std::move(out), colorTableEntry(table, readerIndex), true};
}

size_t LineRewriteMemo::KeyHash::operator()(const Key& k) const
{
    size_t h = qHash(k.line.text);
    const auto mix = [&h](size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    for (const ColorRun& r : k.line.runs)
        mix(size_t(r.start) * 31 + size_t(r.length) * 7 + r.color.raw());
    mix(k.context.writerColor.raw());
    mix(size_t(k.context.readerColor.raw()) * 3);
    mix(k.context.firstLine ? 1 : 2);
    return h;
}

RewrittenLine LineRewriteMemo::rewrite(const StyledText& line, const LineContext& context)
{
    // Lines no rule can touch cost less than a look-up.
    if (context.readerColor == context.writerColor && !mayMatch(line.text))
        return {line, colorAfterLine(line, context.writerColor), false};
    Key key{line, context};
    if (const auto it = m_known.find(key); it != m_known.end())
        return it->second;
    if (const auto it = m_older.find(key); it != m_older.end()) {
        const RewrittenLine result = it->second;
        remember(std::move(key), result); // asked again: kept a generation longer
        return result;
    }
    RewrittenLine result = rewriteKeywordLine(line, context);
    remember(std::move(key), result);
    return result;
}

void LineRewriteMemo::remember(Key key, const RewrittenLine& result)
{
    // The text of the line and of its answer, their colour runs and the
    // hash node around them.
    const qsizetype bytes =
        (key.line.text.size() + result.line.text.size()) * qsizetype(sizeof(QChar)) +
        qsizetype(key.line.runs.size() + result.line.runs.size()) * qsizetype(sizeof(ColorRun)) +
        160;
    if (m_bytes + bytes > m_budget && !m_known.empty()) {
        m_older = std::move(m_known);
        m_olderBytes = m_bytes;
        m_known = Answers();
        m_bytes = 0;
    }
    m_bytes += bytes;
    m_known.emplace(std::move(key), result);
}

TextColor colorTableEntry(const std::vector<TextColor>& table, int index)
{
    if (index <= 0 || size_t(index) > table.size())
        return {};
    return table[size_t(index) - 1];
}

const QString& markerText(int step)
{
    static const QString texts[MarkerCount] = {QStringLiteral("Mod Title:"),
                                               ModFormat::backupNotice(), ModFormat::endOfMod()};
    return texts[step];
}

void ColourMarkers(RichTextControl& c, int savedStart, int savedLength, const MarkerFind& find)
{
    static constexpr TextColor colors[MarkerCount] = {MarkerColors::Blue, MarkerColors::DarkRed,
                                                      MarkerColors::Green};
    for (int step = 0; step < MarkerCount; ++step) {
        const int from = c.selStart() + c.selLength();
        if (find)
            find(step, markerText(step), from);
        else
            c.find(markerText(step), from);
        bool set = false;
        if (c.selLength() > 0) {
            const TextColor now = c.selColor();
            // A mixed selection counts as coloured already.
            if (!now.isMixed() && now != colors[step]) {
                c.setSelColor(colors[step]);
                set = true;
            }
        }
        if (step < 2) {
            c.setSelLength(0);
        } else if (set) {
            c.setSelStart(savedStart);
            c.setSelLength(savedLength);
        }
    }
}

} // namespace Quillwright
