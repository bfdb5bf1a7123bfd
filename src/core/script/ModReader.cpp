#include "core/script/ModReader.h"

#include "core/script/ModFormat.h"

#include <QHash>

namespace Quillwright {

namespace ModReader {

Kind kindOf(const QString& normalized)
{
    if (normalized == u"OPEN")
        return Kind::Open;
    if (normalized == u"FIND")
        return Kind::Find;
    if (normalized == u"IN-LINE FIND")
        return Kind::InlineFind;
    if (normalized == u"AFTER ADD" || normalized == u"BEFORE ADD")
        return Kind::Add;
    if (normalized == u"REPLACE WITH" || normalized == u"REPLACE")
        return Kind::Replace;
    if (normalized == u"INCREMENT")
        return Kind::Increment;
    if (normalized.startsWith(u"IN-LINE "))
        return Kind::Inline;
    if (normalized == u"COPY")
        return Kind::Copy;
    if (normalized == u"SAVE/CLOSE ALL FILES")
        return Kind::Save;
    return Kind::Other;
}

QString normalizedKeyword(QStringView keyword)
{
    QString out;
    out.reserve(keyword.size());
    bool blank = false;
    for (QChar c : keyword.trimmed()) {
        if (c == u',')
            c = u' ';
        if (c.isSpace()) {
            blank = true;
            continue;
        }
        if (blank && !out.isEmpty())
            out += u' ';
        blank = false;
        out += c.toUpper();
    }
    return out;
}

// The builder's and the outline's keywords, and those of the MOD template
// that real scripts use beside them (COPY, DIY INSTRUCTIONS, INCREMENT and
// their IN-LINE forms).
const QStringList& templateKeywords()
{
    static const QStringList spelled = [] {
        QStringList k = ModFormat::builderKeywords() + ModFormat::outlineOnlyKeywords();
        for (const char* w : {"COPY", "DIY INSTRUCTIONS", "INCREMENT", "IN-LINE INCREMENT",
                              "IN-LINE BEFORE, ADD", "IN-LINE REPLACE", "IN-LINE REPLACE WITH",
                              "REPLACE", "SQL", "OPEN", "FIND", "SAVE/CLOSE ALL FILES"})
            if (!k.contains(QLatin1String(w)))
                k << QString::fromLatin1(w);
        return k;
    }();
    return spelled;
}

const QSet<QString>& knownKeywords()
{
    static const QSet<QString> known = [] {
        QSet<QString> k;
        for (const QString& w : templateKeywords())
            k.insert(normalizedKeyword(w));
        return k;
    }();
    return known;
}

std::optional<BannerView> scanBanner(QStringView line)
{
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && line[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i >= n || line[i] != u'#')
        return std::nullopt;
    while (i < n && line[i] == u'#')
        ++i;
    while (i < n && line[i].isSpace())
        ++i;
    // Dashes, two or more: "##   - [Fix] ..." in a MOD's history is a list, not a banner.
    const qsizetype dashes = i;
    while (i < n && line[i] == u'-')
        ++i;
    if (i - dashes < 2)
        return std::nullopt;
    while (i < n && line[i].isSpace())
        ++i;
    if (i >= n || line[i] != u'[')
        return std::nullopt;
    const qsizetype open = i;
    const qsizetype close = line.indexOf(u']', open + 1);
    if (close < 0)
        return std::nullopt;
    const QStringView inside = line.sliced(open + 1, close - open - 1);
    qsizetype a = 0;
    qsizetype b = inside.size();
    while (a < b && inside[a].isSpace())
        ++a;
    while (b > a && inside[b - 1].isSpace())
        --b;
    BannerView v;
    v.keyword = inside.sliced(a, b - a);
    v.column = int(open + 1 + a) + 1;
    // As the template writes it: nothing before, one blank each side, dashes after.
    bool dashesAfter = true;
    for (qsizetype k = close + 1; k < n; ++k)
        if (line[k] != u'-') {
            dashesAfter = line.sliced(k).trimmed().isEmpty();
            break;
        }
    static const QString opening = ModFormat::bannerOpening();
    v.standard = start == 0 && a == 1 && b + 1 == inside.size() && !v.keyword.isEmpty() &&
                 line.startsWith(opening) && dashesAfter;
    return v;
}

// "## Label: value": the label lower-cased without a leading "mod ".
std::optional<std::pair<QString, QStringView>> headerLabel(QStringView line)
{
    const std::optional<QStringView> comment = ModFormat::afterCommentMark(line);
    if (!comment)
        return std::nullopt;
    const QStringView rest = comment->trimmed();
    const qsizetype colon = rest.indexOf(u':');
    if (colon <= 0)
        return std::nullopt;
    QString label = rest.first(colon).trimmed().toString().toLower();
    for (QChar c : label)
        if (!c.isLetter() && c != u' ' && c != u',')
            return std::nullopt;
    return std::pair{ModFormat::withoutModPrefix(label), rest.sliced(colon + 1).trimmed()};
}

QStringList readLines(const QByteArray& bytes, TextEncoding* encoding, QString* refusal)
{
    // The one decoder of the program: UTF-8 (its mark dropped), a legacy
    // code page it recognises, else Windows-1252; bytes that are not text
    // (UTF-16, a NUL) give no lines.
    const DecodedText decoded = decodeText(bytes);
    if (encoding)
        *encoding =
            decoded.encoding == TextEncoding::Utf8WithBom ? TextEncoding::Utf8 : decoded.encoding;
    if (refusal)
        *refusal = decoded.refusal;
    QString text = decoded.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the break that ends the last line
    return lines;
}

std::optional<Banner> readBanner(QStringView line)
{
    const std::optional<BannerView> v = scanBanner(line);
    if (!v)
        return std::nullopt;
    return Banner{v->keyword.toString(), normalizedKeyword(v->keyword), v->column, v->standard};
}

bool isNote(QStringView line)
{
    const QStringView t = line.trimmed();
    return t.isEmpty() || t.startsWith(u'#');
}

QString scriptPath(QStringView path)
{
    QString p = path.trimmed().toString();
    p.replace(u'\\', u'/');
    if (p.startsWith(QStringLiteral("./")))
        p.remove(0, 2);
    else if (p.startsWith(u'/'))
        p.remove(0, 1);
    return p;
}

bool isEndMarker(QStringView line)
{
    // Most lines are told apart by their first character that is not a blank.
    qsizetype i = 0;
    while (i < line.size() && line[i].isSpace())
        ++i;
    if (i == line.size() || line[i] != u'#')
        return false;
    const QStringView t = line.trimmed();
    if (!t.startsWith(u'#'))
        return false;
    return t.sliced(1).trimmed().compare(QStringLiteral("EoM"), Qt::CaseInsensitive) == 0;
}

bool isOptionalInstall(const QString& path)
{
    const QString p = path.toLower();
    return (p.startsWith(QStringLiteral("language/")) &&
            !p.startsWith(QStringLiteral("language/lang_english/"))) ||
           (p.startsWith(QStringLiteral("templates/")) &&
            !p.startsWith(QStringLiteral("templates/subsilver/")));
}

QString withoutWhitespace(QStringView line)
{
    QString out;
    out.reserve(line.size());
    for (QChar c : line)
        if (!c.isSpace())
            out += c;
    return out;
}

namespace {

// "{%:1}" in a FIND or IN-LINE FIND stands for a number INCREMENT changes.
const QRegularExpression& placeholder()
{
    static const QRegularExpression re(QStringLiteral("\\{%:(\\d+)\\}"));
    return re;
}

} // namespace

QRegularExpression fragmentPattern(QStringView fragment, std::vector<int>* ids)
{
    QString re;
    const QString stripped = withoutWhitespace(fragment);
    qsizetype i = 0;
    auto it = placeholder().globalMatch(stripped);
    while (i < stripped.size()) {
        QRegularExpressionMatch m;
        if (it.hasNext() && it.peekNext().capturedStart() == i)
            m = it.next();
        if (!re.isEmpty())
            re += QStringLiteral("\\s*");
        if (m.hasMatch()) {
            re += QStringLiteral("(\\d+)");
            if (ids)
                ids->push_back(m.captured(1).toInt());
            i = m.capturedEnd();
        } else {
            re += QRegularExpression::escape(stripped.sliced(i, 1));
            ++i;
        }
    }
    return QRegularExpression(re);
}

FindText::FindText(const std::vector<QStringView>& lines)
{
    for (const QStringView line : lines) {
        Line l{line.toString(), withoutWhitespace(line), std::nullopt, {}};
        if (l.stripped.isEmpty())
            continue;
        if (l.stripped.contains(placeholder()))
            l.pattern = fragmentPattern(line, &l.ids);
        m_lines.push_back(std::move(l));
    }
}

FindText::FindText(const QStringList& lines)
    : FindText(std::vector<QStringView>(lines.begin(), lines.end()))
{}

bool FindText::standsIn(int j, const QString& strippedLine) const
{
    const Line& l = m_lines[size_t(j)];
    return l.pattern ? l.pattern->match(strippedLine).hasMatch()
                     : strippedLine.contains(l.stripped);
}

std::vector<FindText::Number> FindText::numbers(int j, const QString& fileLine) const
{
    const Line& l = m_lines[size_t(j)];
    std::vector<Number> out;
    if (!l.pattern)
        return out;
    const QRegularExpressionMatch m = l.pattern->match(withoutWhitespace(fileLine));
    // The group's place in the blank-free line, mapped back to the line.
    std::vector<qsizetype> toLine;
    for (qsizetype i = 0; i < fileLine.size(); ++i)
        if (!fileLine[i].isSpace())
            toLine.push_back(i);
    for (size_t g = 0; g < l.ids.size(); ++g) {
        const qsizetype s = m.capturedStart(int(g) + 1);
        const qsizetype e = m.capturedEnd(int(g) + 1);
        if (s < 0 || e <= s)
            continue;
        out.push_back({l.ids[g], toLine[size_t(s)], toLine[size_t(e - 1)] + 1 - toLine[size_t(s)]});
    }
    return out;
}

std::vector<int> findLines(const std::vector<QString>& strippedFile, const FindText& find, int from,
                           int startBefore)
{
    std::vector<int> matched;
    const int findCount = find.size();
    const int lineCount = int(strippedFile.size());
    if (findCount <= 0)
        return matched;
    const auto isBlank = [&](int line) { return strippedFile[size_t(line)].isEmpty(); };
    for (int start = std::max(from, 0); start < lineCount && start < startBefore; ++start) {
        if (isBlank(start))
            continue;
        matched.clear();
        int line = start;
        bool ranOut = false;
        for (int j = 0; j < findCount; ++j) {
            while (line < lineCount && isBlank(line))
                ++line;
            ranOut = line >= lineCount;
            if (ranOut || !find.standsIn(j, strippedFile[size_t(line)]))
                break;
            matched.push_back(line++);
        }
        if (int(matched.size()) == findCount)
            return matched;
        if (ranOut) // a later start has fewer lines still
            break;
    }
    matched.clear();
    return matched;
}

Script read(const std::vector<QStringView>& lines)
{
    Script s;
    const int count = int(lines.size());
    // A script repeats a few keywords: each is read once.
    struct Keyword {
        bool known;
        Kind kind;
        QString normalized;
    };
    QHash<QStringView, Keyword> keywords;
    for (int i = 0; i < count; ++i) {
        const QStringView line = lines[size_t(i)];
        if (s.end < 0 && isEndMarker(line))
            s.end = i;
        if (const auto b = scanBanner(line)) {
            auto known = keywords.constFind(b->keyword);
            if (known == keywords.constEnd()) {
                QString n = normalizedKeyword(b->keyword);
                const bool isKnown = knownKeywords().contains(n);
                const Kind kind = kindOf(n);
                known = keywords.insert(b->keyword, {isKnown, kind, std::move(n)});
            }
            s.actions.push_back({i, *b, known->known, known->kind, known->normalized, 0, 0});
        } else if (s.actions.empty()) {
            if (const auto label = headerLabel(line))
                s.header.push_back({i, label->first, label->second});
        }
    }
    for (size_t k = 0; k < s.actions.size(); ++k) {
        Action& a = s.actions[k];
        int last = k + 1 < s.actions.size() ? s.actions[k + 1].bannerLine : count;
        if (s.end > a.bannerLine && s.end < last)
            last = s.end;
        int first = a.bannerLine + 1;
        while (first < last && isNote(lines[size_t(first)]))
            ++first;
        while (last > first && isNote(lines[size_t(last - 1)]))
            --last;
        a.first = first;
        a.last = last;
    }
    return s;
}

int firstContentLine(const Action& action, const std::vector<QStringView>& lines)
{
    for (int i = action.first; i < action.last; ++i)
        if (!lines[size_t(i)].trimmed().isEmpty())
            return i;
    return -1;
}

std::optional<QStringView> inlineText(const Action& action, const std::vector<QStringView>& lines)
{
    if (action.first < action.last)
        return lines[size_t(action.first)];
    for (int i = action.bannerLine + 1; i < int(lines.size()); ++i) {
        const QStringView l = lines[size_t(i)];
        if (scanBanner(l) || isEndMarker(l))
            break;
        if (!l.isEmpty() && !l.trimmed().startsWith(u'#'))
            return l;
    }
    return std::nullopt;
}

std::vector<Action> Script::installed() const
{
    std::vector<Action> out;
    for (const Action& a : actions)
        if (end < 0 || a.bannerLine < end)
            out.push_back(a);
    return out;
}

} // namespace ModReader

} // namespace Quillwright
