#include "core/outline/ActionOutline.h"

#include "core/control/RichTextControl.h"
#include "core/script/ModFormat.h"

#include <algorithm>
#include <utility>

namespace Quillwright {

namespace ActionOutline {
namespace {
// A banner as the whole text shows it: a line of "#" and the literal opening.
const QString Pattern = QStringLiteral("#\r\n") + ModFormat::bannerOpening();
const QString Closing = ModFormat::bannerKeywordEnd();
} // namespace

int countBanners(const QString& text)
{
    return int(text.count(Pattern));
}

QStringList scanKeywords(const QString& text)
{
    QStringList keywords;
    // The sentinel makes every search succeed: an unclosed last banner runs
    // to the end of the text.
    const QString t = text + Pattern + Closing;
    const qsizetype limit = text.size();
    qsizetype pos = t.indexOf(Pattern);
    while (pos >= 0 && pos < limit) {
        const qsizetype start = pos + Pattern.size();
        const qsizetype end = t.indexOf(Closing, start);
        keywords << t.mid(start, end - start);
        pos = t.indexOf(Pattern, start);
    }
    return keywords;
}

QStringList keywordsOnLines(const RichTextControl& control, const std::vector<int>& bannerLines,
                            bool* readOn)
{
    QStringList keywords;
    keywords.reserve(qsizetype(bannerLines.size()));
    bool read = false;
    for (int line : bannerLines) {
        const QString text = control.line(line)->text;
        const auto literal = ModFormat::literalBanner(text);
        if (!literal) { // the index gives banner lines only
            keywords << QString();
            continue;
        }
        if (literal->closed) {
            keywords << literal->keyword.toString();
            continue;
        }
        // Not closed on its own line: as the whole text reads, the lines
        // after joined by their breaks up to the first closing (which holds
        // no break, so it lies within one line), or to the end and the
        // pattern after it. Read a line at a time, never the whole text.
        read = true;
        QString keyword = literal->keyword.toString();
        bool closed = false;
        for (int next = line + 1; next < control.lineCount() && !closed; ++next) {
            const LinePtr after = control.line(next);
            const qsizetype at = after->text.indexOf(Closing);
            closed = at >= 0;
            keyword += QLatin1String("\r\n");
            keyword += closed ? QStringView(after->text).left(at) : QStringView(after->text);
        }
        keywords << (closed ? keyword : keyword + Pattern);
    }
    if (readOn)
        *readOn = read;
    return keywords;
}

int keywordPicture(const QString& keyword)
{
    if (keyword == u"OPEN" || keyword == u"SAVE/CLOSE ALL FILES")
        return 14;
    if (keyword == u"FIND" || keyword == u"IN-LINE FIND")
        return 15;
    if (keyword == u"AFTER, ADD" || keyword == u"IN-LINE AFTER, ADD")
        return 16;
    if (keyword == u"BEFORE, ADD" || keyword == u"IN-LINE BEFORE, ADD")
        return 17;
    if (keyword == u"REPLACE")
        return 18;
    return 0;
}

bool Model::refresh(const QString& text, bool force)
{
    return refresh(
        countBanners(text), [&text] { return scanKeywords(text); }, force);
}

bool Model::refresh(int bannerCount, const std::function<QStringList()>& keywords, bool force)
{
    if (!force && m_nodes.size() == bannerCount)
        return false;
    const QStringList now = keywords();
    const int before = m_nodes.size();
    const int after = int(now.size());
    // Only the nodes between those that stay alike are made again.
    int head = 0;
    while (head < std::min(before, after) && m_nodes[head].text == now[head])
        ++head;
    int tail = 0;
    while (tail < std::min(before, after) - head &&
           m_nodes[before - 1 - tail].text == now[after - 1 - tail])
        ++tail;
    if (head + tail == before && before == after)
        return false;
    std::vector<Node> middle;
    middle.reserve(size_t(after - head - tail));
    for (int i = head; i < after - tail; ++i)
        middle.push_back({now[i], keywordPicture(now[i])});
    m_nodes.replace(head, before - tail - head, std::move(middle));
    m_changes = {{head, before - head - tail, after - head - tail}};
    return true;
}

bool Model::refresh(int bannerCount, const std::vector<NodeChange>& since, bool everything,
                    const std::function<QString(int)>& keywordAt, bool force)
{
    m_pendingEverything = m_pendingEverything || everything;
    if (m_pendingEverything)
        m_pending.clear();
    else
        for (const NodeChange& c : since)
            m_pending.add(c);
    if (!force && m_nodes.size() == bannerCount)
        return false;
    if (m_pendingEverything) {
        m_pendingEverything = false;
        return refresh(
            bannerCount,
            [&] {
                QStringList all;
                all.reserve(bannerCount);
                for (int i = 0; i < bannerCount; ++i)
                    all << keywordAt(i);
                return all;
            },
            true);
    }
    // Each stretch that changed, top down: the nodes above it already
    // number as the keywords do now.
    std::vector<NodeChange> applied;
    bool changed = false;
    for (const ChangedLines::Stretch& s : m_pending.stretches()) {
        std::vector<Node> made;
        made.reserve(size_t(s.length));
        for (int i = s.start; i < s.start + s.length; ++i) {
            const QString keyword = keywordAt(i);
            made.push_back({keyword, keywordPicture(keyword)});
        }
        changed = changed || s.replaced != s.length;
        for (int i = 0; !changed && i < s.length; ++i)
            changed = !(made[size_t(i)] == m_nodes[s.start + i]);
        m_nodes.replace(s.start, s.replaced, std::move(made));
        applied.push_back({s.start, s.replaced, s.length});
    }
    m_pending.clear();
    m_changes = std::move(applied);
    return changed;
}

QString nodeKey(int index)
{
    return QStringLiteral("action%1").arg(index + 1);
}

} // namespace ActionOutline

} // namespace Quillwright
