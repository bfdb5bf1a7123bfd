#include "core/writer/FileActions.h"

#include "core/install/ModInstaller.h"
#include "core/install/UnifiedDiff.h"
#include "core/script/ModReader.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <climits>

namespace Quillwright {

namespace Writer {
namespace {

// Changes whose unchanged lines between them hold no more than this many
// lines that are not blank are said as one action.
constexpr int JoinGap = 2;
// How far a change that opens a block looks for the change that closes it.
constexpr int BalanceReach = 60;
// How many unchanged lines a change takes in to say whole blocks.
constexpr int FitReach = 3;
// How far up a change of several lines that closes blocks it did not open
// looks for the lines that open them.
constexpr int OpenerReach = 12;
// The most lines of context a FIND takes below the lines it replaces.
constexpr int ContextBelow = 40;

// A line the reader takes as content at the edge of a block: not blank and
// not beginning with "#", which it would read as the author's note.
bool isAnchor(const QString& line)
{
    return !ModReader::isNote(line);
}

// Lines that say little: a FIND of them alone would match almost anywhere.
bool saysLittle(const QString& line)
{
    const QString t = line.trimmed();
    // The end of PHP code says where it is: a file has one, at its end.
    if (t == u"?>")
        return false;
    return t.size() <= 2 || t.startsWith(QStringLiteral("//")) ||
           t.startsWith(QStringLiteral("/*")) || t.startsWith(u'*');
}

// A line that begins by closing a block: "}", ")", "</tr>", "<!-- END".
bool closesFirst(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(u'}') || t.startsWith(u')') || t.startsWith(QStringLiteral("</")) ||
           t.startsWith(QStringLiteral("<!-- END"));
}

// Per kind of bracket (braces, parentheses, template blocks and tables,
// comments): the lowest depth reached from the text's start and the depth
// at its end.
struct Shape {
    std::array<int, 4> low{};
    std::array<int, 4> net{};
    bool operator==(const Shape&) const = default;
};

// A template's blocks, as its engine reads them (upper case only), and the
// tags of the tables that hold most of a template's lines.
const QRegularExpression& templateBlock()
{
    static const QRegularExpression re(QStringLiteral("<!--\\s*(BEGIN|END)\\s+\\S+\\s*-->"));
    return re;
}

const QRegularExpression& tableTag()
{
    static const QRegularExpression re(
        QStringLiteral("<(/?)(table|tr|td|th|tbody|thead|form|div|select|script|ul|ol)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

Shape shapeOf(const QStringList& lines, bool markup)
{
    Shape s;
    const auto step = [&s](int kind, int by) {
        s.net[size_t(kind)] += by;
        s.low[size_t(kind)] = std::min(s.low[size_t(kind)], s.net[size_t(kind)]);
    };
    bool comment = false; // inside /* */
    for (const QString& line : lines) {
        if (markup) {
            for (auto it = templateBlock().globalMatch(line); it.hasNext();)
                step(2, it.next().captured(1) == u"END" ? -1 : 1);
            for (auto it = tableTag().globalMatch(line); it.hasNext();)
                step(2, it.next().captured(1) == u"/" ? -1 : 1);
        }
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            const QChar next = i + 1 < line.size() ? line[i + 1] : QChar();
            if (comment) {
                if (c == u'*' && next == u'/') {
                    comment = false;
                    step(3, -1);
                    ++i;
                }
                continue;
            }
            if (!markup) {
                // A comment is a block too: "/*" added here and "*/" there
                // comment out the lines between as one change.
                if (c == u'/' && next == u'*') {
                    comment = true;
                    step(3, 1);
                    ++i;
                    continue;
                }
                if (c == u'*' && next == u'/') {
                    step(3, -1);
                    ++i;
                    continue;
                }
                if ((c == u'/' && next == u'/') || c == u'#')
                    break;
                if (c == u'\'' || c == u'"') {
                    // A string ends on its line here: one left open by a
                    // fragment of a longer one must not hide the lines after.
                    for (++i; i < line.size() && line[i] != c; ++i)
                        if (line[i] == u'\\')
                            ++i;
                    continue;
                }
            }
            if (c == u'{' || c == u'}')
                step(0, c == u'{' ? 1 : -1);
            else if (c == u'(' || c == u')')
                step(1, c == u'(' ? 1 : -1);
        }
    }
    return s;
}

// A change: old lines [a, b) became new lines [s, e).
struct Edit {
    int a = 0;
    int b = 0;
    int s = 0;
    int e = 0;
    // The opening half of added lines that close one block and open the
    // next (an END and a BEGIN): it goes with the lines after it.
    bool opening = false;
};

class Finder {
public:
    Finder(const QStringList& original, const QStringList& changed, bool markup)
        : m_old(original), m_new(changed), m_markup(markup)
    {
        for (const QString& l : m_old)
            m_stripped.push_back(ModReader::withoutWhitespace(l));
    }
    std::vector<Block> run();

private:
    int count() const { return int(m_old.size()); }
    QStringList oldLines(int from, int to) const { return m_old.mid(from, to - from); }
    QStringList newLines(int from, int to) const { return m_new.mid(from, to - from); }
    // Whether a region says whole blocks: what it puts in opens and closes
    // as what it takes out.
    bool fits(const Edit& r) const
    {
        return shapeOf(newLines(r.s, r.e), m_markup) == shapeOf(oldLines(r.a, r.b), m_markup);
    }
    void slide(std::vector<Edit>& edits, size_t i) const;
    Edit fitted(const Edit& r, int low, int high) const;
    Edit opened(const Edit& r, int low) const;
    std::vector<Edit> regions(const std::vector<Edit>& edits) const;

    // Whether the FIND [first, last] is the first match from the cursor and
    // matches exactly those lines.
    bool findsExactly(int first, int last) const;
    // The fewest lines ending at `last` and starting at or above
    // `highestFirst` (context above, down to the cursor) that the installer
    // finds exactly there; -1 when none do.
    int findEndingAt(int last, int highestFirst) const;
    // The fewest lines starting at `first` (context below it, up to
    // `highest`) that the installer finds exactly there; -1 when none do.
    int findStartingAt(int first, int highest) const;
    // The FIND around [a, b): the fewest lines of context above or below
    // (up to `highest`) that make it found exactly there.
    std::optional<std::pair<int, int>> findAround(int a, int b, int highest) const;

    enum class Outcome { Said, NeedsEarlier, NeedsNext };
    Outcome say(Edit r, int highest, bool last);
    bool inlineChange(int line, const QString& now);

    QStringList m_old;
    QStringList m_new;
    std::vector<QString> m_stripped; // the original lines without their blanks
    bool m_markup = false;
    int m_cursor = 0;
    std::vector<Block> m_out;
};

bool Finder::findsExactly(int first, int last) const
{
    // The installer's own test, placeholders and all: what it will find.
    const ModReader::FindText find(m_old.mid(first, last - first + 1));
    if (find.isEmpty())
        return false;
    const std::vector<int> hit = ModReader::findLines(m_stripped, find, m_cursor);
    return !hit.empty() && hit.front() == first && hit.back() == last;
}

int Finder::findEndingAt(int last, int highestFirst) const
{
    if (last < m_cursor || last >= count() || !isAnchor(m_old[last]))
        return -1;
    int meaningful = 0;
    for (int first = last; first >= m_cursor; --first) {
        if (!isAnchor(m_old[first]))
            continue;
        // A lone brace or a comment is context, never the whole FIND.
        meaningful += saysLittle(m_old[first]) ? 0 : 1;
        if (first <= highestFirst && meaningful > 0 && findsExactly(first, last))
            return first;
    }
    return -1;
}

int Finder::findStartingAt(int first, int highest) const
{
    if (first < m_cursor || first >= count() || !isAnchor(m_old[first]))
        return -1;
    int meaningful = 0;
    for (int last = first; last <= std::min(highest, count() - 1); ++last) {
        if (!isAnchor(m_old[last]))
            continue;
        meaningful += saysLittle(m_old[last]) ? 0 : 1;
        if (meaningful > 0 && findsExactly(first, last))
            return last;
    }
    return -1;
}

std::optional<std::pair<int, int>> Finder::findAround(int a, int b, int highest) const
{
    // Context above first, as authors give it; below only when that is shorter.
    const int above = findEndingAt(b - 1, a);
    const int aboveCost = above < 0 ? INT_MAX : a - above;
    for (int below = 1; below <= ContextBelow && below < aboveCost; ++below) {
        const int to = b - 1 + below;
        if (to > highest || to >= count())
            break;
        if (!isAnchor(m_old[to]))
            continue;
        // Within the cost, any start at or above a.
        for (int up = 0; up + below < aboveCost && up <= ContextBelow && a - up >= m_cursor; ++up) {
            const int from = a - up;
            if (!isAnchor(m_old[from]))
                continue;
            bool meaningful = false;
            for (int i = from; i <= to && !meaningful; ++i)
                meaningful = isAnchor(m_old[i]) && !saysLittle(m_old[i]);
            if (meaningful && findsExactly(from, to))
                return std::pair{from, to};
        }
    }
    if (above >= 0)
        return std::pair{above, b - 1};
    return std::nullopt;
}

// Lines added or removed between lines like their own can stand a line or
// more higher or lower ("}" and blank lines repeat): the place where the
// text has anchors at both edges and opens and closes whole blocks is
// taken, else the diff's own.
void Finder::slide(std::vector<Edit>& edits, size_t i) const
{
    Edit& x = edits[i];
    const bool insertion = x.a == x.b;
    if (!insertion && x.s != x.e)
        return;
    const int lowOld = i > 0 ? edits[i - 1].b : 0;
    const int lowNew = i > 0 ? edits[i - 1].e : 0;
    const int highOld = i + 1 < edits.size() ? edits[i + 1].a : count();
    const int highNew = i + 1 < edits.size() ? edits[i + 1].s : int(m_new.size());
    // The lines that move: the added ones (new) or the removed ones (old).
    const QStringList& lines = insertion ? m_new : m_old;
    const int first = insertion ? x.s : x.a;
    const int end = insertion ? x.e : x.b;
    int up = 0;
    while (x.a - up - 1 >= lowOld && x.s - up - 1 >= lowNew && first - up - 1 >= 0 &&
           lines[end - up - 1] == lines[first - up - 1])
        ++up;
    int down = 0;
    while (x.b + down < highOld && x.e + down < highNew && end + down < lines.size() &&
           lines[first + down] == lines[end + down])
        ++down;
    if (up == 0 && down == 0)
        return;
    const auto score = [&](int d) {
        const QStringList text = lines.mid(first + d, end - first);
        // Whole blocks first: lines around them can anchor their edges
        // (a REPLACE), but none can close a block the text leaves open.
        int s = 0;
        if (shapeOf(text, m_markup) == Shape{})
            s += 4;
        if (!text.isEmpty() && isAnchor(text.front()) && isAnchor(text.back()))
            s += 2;
        // Ending before a blank line, as a paragraph of code does, and
        // beginning with a line of its own rather than the end of a block
        // above it.
        if (end + d < lines.size() && lines[end + d].trimmed().isEmpty())
            s += 1;
        if (!text.isEmpty() && !closesFirst(text.front()))
            s += 1;
        return s;
    };
    int best = 0;
    int bestScore = score(0);
    for (int d = 1; d <= std::max(up, down); ++d)
        for (const int candidate : {-d, d})
            if (candidate >= -up && candidate <= down && score(candidate) > bestScore) {
                best = candidate;
                bestScore = score(candidate);
            }
    x.a += best;
    x.b += best;
    x.s += best;
    x.e += best;
}

// A region that does not say whole blocks, with the fewest unchanged
// lines around it (no further than `low` and `high`) that make it do so:
// "}" and "{" lines close by often complete it.
Edit Finder::fitted(const Edit& r, int low, int high) const
{
    for (int grow = 1; grow <= FitReach; ++grow)
        for (int up = 0; up <= grow; ++up) {
            const Edit g{r.a - up, r.b + grow - up, r.s - up, r.e + grow - up};
            if (g.a >= low && g.b <= high && fits(g))
                return g;
        }
    return r;
}

// A region of several lines whose text closes blocks opened above it (the
// end of an if and a for rewritten) begins, when they are close, with the
// lines that open them, so that it says the blocks whole.
Edit Finder::opened(const Edit& r, int low) const
{
    const auto closesOutside = [this](const QStringList& lines) {
        const Shape shape = shapeOf(lines, m_markup);
        return std::any_of(shape.low.begin(), shape.low.end(), [](int l) { return l < 0; });
    };
    if ((r.b - r.a <= 1 && r.e - r.s <= 1) ||
        (!closesOutside(oldLines(r.a, r.b)) && !closesOutside(newLines(r.s, r.e))))
        return r;
    for (int up = 1; up <= OpenerReach && r.a - up >= low; ++up) {
        const Edit g{r.a - up, r.b, r.s - up, r.e, r.opening};
        if (!closesOutside(oldLines(g.a, g.b)) && !closesOutside(newLines(g.s, g.e)))
            return g;
    }
    return r;
}

std::vector<Edit> Finder::regions(const std::vector<Edit>& diff) const
{
    // Added lines that close a block and open another, as when each of
    // several stretches is wrapped in a block of its own, are cut in two:
    // the closing half goes with the block before, the opening half with
    // the one after.
    std::vector<Edit> edits;
    for (const Edit& x : diff) {
        int cut = 0;
        if (x.a == x.b && !fits(x))
            for (int m = x.s + 1; m < x.e && cut == 0; ++m) {
                const Shape head = shapeOf(newLines(x.s, m), m_markup);
                const Shape tail = shapeOf(newLines(m, x.e), m_markup);
                if (head.net == head.low && tail.low == Shape{}.low && !(head == Shape{}) &&
                    !(tail == Shape{}))
                    cut = m;
            }
        if (cut == 0) {
            edits.push_back(x);
            continue;
        }
        edits.push_back({x.a, x.a, x.s, cut});
        edits.push_back({x.a, x.a, cut, x.e, true});
    }
    const auto joined = [](const Edit& r, const Edit& x) {
        return Edit{r.a, x.b, r.s, x.e, r.opening};
    };
    const auto closeBy = [this](const Edit& r, const Edit& x) {
        int said = 0;
        for (int i = r.b; i < x.a; ++i)
            said += m_old[i].trimmed().isEmpty() ? 0 : 1;
        return said <= JoinGap && !x.opening;
    };
    std::vector<Edit> out;
    for (size_t i = 0; i < edits.size();) {
        Edit r = edits[i++];
        for (;;) {
            if (i < edits.size() && closeBy(r, edits[i])) {
                r = joined(r, edits[i++]);
                continue;
            }
            // A change that opens a block another closes: both in one.
            if (fits(r))
                break;
            size_t k = i;
            while (k < edits.size() && edits[k].a - r.b <= BalanceReach &&
                   !fits(joined(r, edits[k])))
                ++k;
            if (k == edits.size() || edits[k].a - r.b > BalanceReach)
                break;
            r = joined(r, edits[k]);
            i = k + 1;
        }
        const int low = out.empty() ? 0 : out.back().b;
        if (!fits(r))
            r = fitted(r, low, i < edits.size() ? edits[i].a : count());
        if (fits(r))
            r = opened(r, low);
        out.push_back(r);
    }
    // A cut that did not give two whole regions is undone.
    for (size_t j = 0; j + 1 < out.size();) {
        if (out[j + 1].opening && out[j].b == out[j + 1].a && out[j].e == out[j + 1].s &&
            !(fits(out[j]) && fits(out[j + 1]))) {
            out[j] = joined(out[j], out[j + 1]);
            out.erase(out.begin() + qsizetype(j) + 1);
            if (!fits(out[j]))
                out[j] = fitted(out[j], j > 0 ? out[j - 1].b : 0,
                                j + 1 < out.size() ? out[j + 1].a : count());
        } else {
            ++j;
        }
    }
    return out;
}

// A change inside one long line as IN-LINE actions, when that is shorter:
// a fragment around the change that the installer finds first in the
// FIND's lines, then what goes after it or in its place.
bool Finder::inlineChange(int line, const QString& now)
{
    const QString& was = m_old[line];
    if (was.size() < 60 || !isAnchor(was))
        return false;
    qsizetype head = 0;
    while (head < was.size() && head < now.size() && was[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < was.size() - head && tail < now.size() - head &&
           was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QString gone = was.mid(head, was.size() - head - tail);
    QString added = now.mid(head, now.size() - head - tail);
    if (gone.size() + added.size() > was.size() / 2)
        return false;
    const int first = findEndingAt(line, line);
    if (first < 0)
        return false;
    // The fragment: from `from` to `to` in the old line, its ends not blank.
    qsizetype to = head + gone.size();
    qsizetype from = head;
    if (gone.isEmpty()) {
        // An insertion goes after the fragment, which must end right before
        // it on a character that is not blank: "a  || b" to "a && c || b"
        // adds " && c" after the "a".
        while (head > 0 && was[head - 1].isSpace() && added.endsWith(was[head - 1])) {
            added = was[head - 1] + added.chopped(1);
            --head;
        }
        if (head == 0 || was[head - 1].isSpace())
            return false;
        from = head - 1;
        to = head;
    } else {
        while (from > 0 && was[from].isSpace())
            --from;
        while (to < was.size() && was[to - 1].isSpace())
            ++to;
        if (was[from].isSpace() || was[to - 1].isSpace())
            return false;
    }
    for (; from >= 0; --from) {
        if (was[from].isSpace())
            continue;
        const QString fragment = was.mid(from, to - from);
        const QRegularExpression pattern = ModReader::fragmentPattern(fragment);
        // The installer takes the first of the FIND's lines that holds it, leftmost.
        int at = -1;
        qsizetype start = -1;
        qsizetype end = -1;
        for (int l = first; l <= line && at < 0; ++l) {
            const QRegularExpressionMatch m = pattern.match(m_old[l]);
            if (m.hasMatch()) {
                at = l;
                start = m.capturedStart();
                end = m.capturedEnd();
            }
        }
        if (at != line || start != from || end != to)
            continue;
        const QString text = gone.isEmpty()
                                 ? added
                                 : was.mid(from, head - from) + added +
                                       was.mid(head + gone.size(), to - head - gone.size());
        // An IN-LINE text is read as it stands, but a blank one or one that
        // begins with "#" reads as a note: REPLACE WITH says it instead.
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(u'#'))
            return false;
        m_out.push_back({QStringLiteral("FIND"), oldLines(first, line + 1)});
        m_out.push_back({QStringLiteral("IN-LINE FIND"), {fragment}});
        m_out.push_back({gone.isEmpty() ? QStringLiteral("IN-LINE AFTER, ADD")
                                        : QStringLiteral("IN-LINE REPLACE WITH"),
                         {text}});
        m_cursor = line + 1;
        return true;
    }
    return false;
}

Finder::Outcome Finder::say(Edit r, int highest, bool last)
{
    // Lines added: after the line above or before the line below,
    // whichever the installer finds with fewer lines; a lone brace or a
    // comment makes a poor anchor.
    if (r.a == r.b) {
        const QStringList added = newLines(r.s, r.e);
        if (!added.isEmpty() && isAnchor(added.front()) && isAnchor(added.back())) {
            const int p = r.a;
            const int first = p > 0 ? findEndingAt(p - 1, p - 1) : -1;
            const int end = p < count() ? findStartingAt(p, highest) : -1;
            const int aboveCost =
                first < 0 ? INT_MAX : p - first + (saysLittle(m_old[p - 1]) ? 1 : 0);
            const int belowCost = end < 0 ? INT_MAX : end + 1 - p + (saysLittle(m_old[p]) ? 1 : 0);
            if (first >= 0 && aboveCost <= belowCost) {
                m_out.push_back({QStringLiteral("FIND"), oldLines(first, p)});
                m_out.push_back({QStringLiteral("AFTER, ADD"), added});
                m_cursor = p;
                return Outcome::Said;
            }
            if (end >= 0) {
                m_out.push_back({QStringLiteral("FIND"), oldLines(p, end + 1)});
                m_out.push_back({QStringLiteral("BEFORE, ADD"), added});
                m_cursor = end + 1;
                return Outcome::Said;
            }
        }
    }
    if (r.b == r.a + 1 && r.e == r.s + 1 && inlineChange(r.a, m_new[r.s]))
        return Outcome::Said;
    // Otherwise the lines are replaced, from an anchor line to an anchor
    // line, so that the reader takes every one of them as it is.
    for (;;) {
        const bool empty = r.a == r.b || r.s == r.e;
        const bool top = !empty && isAnchor(m_old[r.a]) && isAnchor(m_new[r.s]);
        const bool bottom = !empty && isAnchor(m_old[r.b - 1]) && isAnchor(m_new[r.e - 1]);
        if (top && bottom)
            break;
        if (!top && r.a > m_cursor) {
            --r.a;
            --r.s;
            continue;
        }
        if (!top && !empty)
            return Outcome::NeedsEarlier;
        // The bottom, or an empty side at the cursor: a line below comes in.
        if (r.b > highest)
            return last ? Outcome::NeedsEarlier : Outcome::NeedsNext;
        ++r.b;
        ++r.e;
    }
    const auto find = findAround(r.a, r.b, highest);
    if (!find)
        return Outcome::NeedsEarlier;
    const auto [from, to] = *find;
    m_out.push_back({QStringLiteral("FIND"), oldLines(from, to + 1)});
    m_out.push_back({QStringLiteral("REPLACE WITH"),
                     oldLines(from, r.a) + newLines(r.s, r.e) + oldLines(r.b, to + 1)});
    m_cursor = to + 1;
    return Outcome::Said;
}

std::vector<Block> Finder::run()
{
    std::vector<Edit> edits;
    for (const Install::LineChange& c : Install::lineChanges(m_old, m_new))
        edits.push_back({c.oldStart, c.oldStart + c.oldCount, c.newStart, c.newStart + c.newCount});
    for (size_t i = 0; i < edits.size(); ++i)
        slide(edits, i);
    std::vector<Edit> todo = regions(edits);
    // What each region before the i-th said: where its actions begin and the
    // cursor before them.
    struct Said {
        size_t actions;
        int cursor;
    };
    std::vector<Said> said;
    for (size_t i = 0; i < todo.size();) {
        const bool last = i + 1 == todo.size();
        const int highest = last ? count() - 1 : todo[i + 1].a - 1;
        const size_t mark = m_out.size();
        const int cursor = m_cursor;
        const Outcome o = say(todo[i], highest, last);
        if (o == Outcome::Said) {
            said.push_back({mark, cursor});
            ++i;
            continue;
        }
        m_out.resize(mark);
        m_cursor = cursor;
        if (o == Outcome::NeedsNext) {
            todo[i] = {todo[i].a, todo[i + 1].b, todo[i].s, todo[i + 1].e};
            todo.erase(todo.begin() + qsizetype(i) + 1);
            continue;
        }
        if (i == 0) {
            // Nothing says it: the proof finds the file wrong and copies it whole.
            said.push_back({mark, cursor});
            ++i;
            continue;
        }
        // The region before takes this one in, and both are said again.
        --i;
        m_out.resize(said.back().actions);
        m_cursor = said.back().cursor;
        said.pop_back();
        todo[i] = {todo[i].a, todo[i + 1].b, todo[i].s, todo[i + 1].e};
        todo.erase(todo.begin() + qsizetype(i) + 1);
    }
    return std::move(m_out);
}

} // namespace

std::vector<Block> fileActions(const QStringList& original, const QStringList& changed, bool markup)
{
    return Finder(original, changed, markup).run();
}

bool sameShape(const QStringList& lines, const QStringList& like, bool markup)
{
    return shapeOf(lines, markup) == shapeOf(like, markup);
}

} // namespace Writer

} // namespace Quillwright
