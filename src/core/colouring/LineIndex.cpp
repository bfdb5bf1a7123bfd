#include "core/colouring/LineIndex.h"

#include "core/script/ModFormat.h"

#include <QString>
#include <algorithm>

namespace Quillwright {

namespace {

// The same for a list in any order, dropping what lay in [from, from - delta).
void shiftList(std::vector<int>& list, int from, int delta)
{
    std::erase_if(list, [&](int v) { return delta < 0 && v >= from && v < from - delta; });
    for (int& v : list)
        if (v >= from)
            v += delta;
}

} // namespace

LineIndex::LineIndex(const QStringList& markers) : m_markers(markers)
{
    Q_ASSERT(FirstMarker << markers.size() <= Settled); // a flag bit each
    for (const QString& m : markers) {
        m_matchers.emplace_back(m, Qt::CaseInsensitive);
        // A character that no case folding produces or removes: a line
        // without it cannot hold the marker, and looking costs little.
        QChar sign;
        for (QChar ch : m)
            if (ch.unicode() < 0x80 && !ch.isLetter() && ch != u' ') {
                sign = ch;
                break;
            }
        m_signs.push_back(sign);
    }
    m_markerLines.resize(size_t(markers.size()));
}

void LineIndex::update(RichTextControl& c)
{
    const LineChanges changes = c.takeLineChanges();
    bool anew = !m_started || changes.everything;
    if (!anew) {
        for (const LineSplice& s : changes.splices)
            applySplice(s);
        anew = lineCount() != c.lineCount(); // a change the control could not describe
    }
    if (anew) {
        // Read anew; the banners count as changed only if they did.
        const auto bannersBefore = std::make_pair(m_bannerLines, bannerKeywords(nullptr));
        const quint64 generation = m_bannerGeneration;
        LineChanges bannerChanges = m_bannerChanges;
        const bool started = m_started;
        rebuild(c);
        m_started = true;
        for (int line : std::exchange(m_unread, {}))
            readLine(c, line);
        if (started && std::make_pair(m_bannerLines, bannerKeywords(nullptr)) == bannersBefore) {
            m_bannerGeneration = generation;
            m_bannerChanges = std::move(bannerChanges);
        }
        return;
    }
    for (int line : std::exchange(m_unread, {}))
        readLine(c, line);
}

void LineIndex::rebuild(const RichTextControl& c)
{
    m_lines.assign(std::vector<Line>(size_t(c.lineCount())));
    m_colours.resize(1);
    m_coloursPlaces = {{Colours{}, 0}};
    m_lastColours = 0;
    for (auto& lines : m_markerLines)
        lines.clear();
    m_unread.clear();
    m_unrewritten.clear();
    m_banners = 0;
    m_bannerLines.clear();
    m_keywordPool.clear();
    m_freeKeywords.clear();
    m_readOnLines.clear();
    m_bannerChanges = {{}, true};
    ++m_bannerGeneration;
    for (int i = 0; i < lineCount(); ++i)
        markChanged(i);
}

void LineIndex::markChanged(int line)
{
    Line& l = m_lines.mutableAt(line);
    if (!(l.flags & Unread))
        m_unread.push_back(line);
    l.flags |= Unread;
    markUnrewritten(line);
}

void LineIndex::applySplice(LineSplice s)
{
    const int n = lineCount();
    const int at = std::clamp(s.line, 0, n);
    const int removed = std::clamp(s.removed, 0, n - at);
    const int added = std::max(s.added, 0);
    const int kept = std::min(removed, added);
    // Lines that stay are read again below; those that go are cleared first.
    if (removed > kept)
        clearLines(at + kept, at + removed);
    if (removed > added)
        eraseLines(at + kept, removed - added);
    else if (added > removed)
        insertLines(at + kept, added - removed);
    for (int i = at; i < at + added; ++i)
        markChanged(i);
    // Lines that only lost neighbours above still meet new colour codes.
    if (added == 0 && at < lineCount())
        markChanged(at);
}

int LineIndex::bannerPair(int first) const
{
    if (first < 0 || first + 1 >= lineCount())
        return 0;
    return (m_lines[first].flags & EndsWithHash) && (m_lines[first + 1].flags & StartsBanner) ? 1
                                                                                              : 0;
}

void LineIndex::setBannerPair(int first, bool pair)
{
    // The pair (first, first + 1) makes line first + 1 a banner line.
    int banner = 0;
    if (pair) {
        banner = m_bannerLines.insert(first + 1);
        ++m_banners;
        recordBannerChange(banner, 0, 1);
    } else {
        banner = m_bannerLines.lowerBound(first + 1);
        m_bannerLines.erase(first + 1);
        --m_banners;
        recordBannerChange(banner, 1, 0);
    }
    ++m_bannerGeneration;
}

void LineIndex::recordBannerChange(int banner, int removed, int added)
{
    if (m_bannerChanges.everything)
        return;
    if (m_bannerChanges.splices.size() >= (1u << 16)) {
        m_bannerChanges = {{}, true};
        return;
    }
    m_bannerChanges.splices.push_back({banner, removed, added});
}

LineChanges LineIndex::takeBannerChanges()
{
    return std::exchange(m_bannerChanges, LineChanges{});
}

QString LineIndex::bannerKeyword(int banner, bool* readsOn) const
{
    const quint32 slot = m_lines[m_bannerLines[banner]].keyword;
    const bool known = slot && !m_keywordPool[slot - 1].readsOn;
    if (readsOn)
        *readsOn = !known;
    return known ? m_keywordPool[slot - 1].text : QString();
}

void LineIndex::setBannerFlags(int line, quint16 flags)
{
    const int before[2] = {bannerPair(line - 1), bannerPair(line)};
    quint16& f = m_lines.mutableAt(line).flags;
    f = quint16((f & ~(EndsWithHash | StartsBanner)) | flags);
    for (int k = 0; k < 2; ++k)
        if (const int now = bannerPair(line - 1 + k); now != before[k])
            setBannerPair(line - 1 + k, now != 0);
}

void LineIndex::clearLines(int from, int to)
{
    // A stretch at a time: deleting everything is one pass, not a pass a line.
    // The banners the stretch begins, and the one after it that loses its "#" line.
    const int firstBanner = m_bannerLines.lowerBound(from);
    const int banners = m_bannerLines.eraseRange(from, to + 1);
    if (banners > 0)
        recordBannerChange(firstBanner, banners, 0);
    m_banners -= banners;
    for (SortedLines& lines : m_markerLines)
        lines.eraseRange(from, to);
    if (banners > 0)
        ++m_bannerGeneration;
    for (int i = from; i < to; ++i) {
        if (m_lines[i].keyword)
            setKeyword(i, std::nullopt);
        quint16& f = m_lines.mutableAt(i).flags;
        f &= quint16(Unread | Unrewritten | Settled);
    }
}

void LineIndex::setMarkerFlags(int line, quint16 markers)
{
    quint16& f = m_lines.mutableAt(line).flags;
    for (int m = 0; m < int(m_markerLines.size()); ++m) {
        const quint16 bit = quint16(FirstMarker << m);
        if ((f & bit) && !(markers & bit))
            m_markerLines[size_t(m)].erase(line);
        else if (!(f & bit) && (markers & bit))
            m_markerLines[size_t(m)].insert(line);
    }
    f = quint16((f & (Unread | Unrewritten | Settled | EndsWithHash | StartsBanner)) | markers);
}

void LineIndex::setKeyword(int line, std::optional<BannerKeyword> keyword)
{
    quint32& slot = m_lines.mutableAt(line).keyword;
    if (slot && keyword && m_keywordPool[slot - 1] == *keyword)
        return;
    if (!slot && !keyword)
        return;
    if (slot) {
        if (m_keywordPool[slot - 1].readsOn)
            m_readOnLines.erase(line);
        m_keywordPool[slot - 1] = BannerKeyword{};
        m_freeKeywords.push_back(slot);
        slot = 0;
    }
    if (m_bannerLines.contains(line))
        recordBannerChange(m_bannerLines.lowerBound(line), 1, 1); // reads otherwise now
    if (keyword) {
        if (keyword->readsOn)
            m_readOnLines.insert(line);
        if (m_freeKeywords.empty()) {
            m_keywordPool.push_back(std::move(*keyword));
            slot = quint32(m_keywordPool.size());
        } else {
            slot = m_freeKeywords.back();
            m_freeKeywords.pop_back();
            m_keywordPool[slot - 1] = std::move(*keyword);
        }
    }
    ++m_bannerGeneration; // a banner line reads otherwise now
}

QStringList LineIndex::bannerKeywords(bool* readOn) const
{
    QStringList out;
    out.reserve(m_bannerLines.size());
    bool read = false;
    for (int line : m_bannerLines) {
        const quint32 slot = m_lines[line].keyword;
        const bool known = slot && !m_keywordPool[slot - 1].readsOn;
        out << (known ? m_keywordPool[slot - 1].text : QString());
        read = read || !known;
    }
    if (readOn)
        *readOn = read;
    return out;
}

void LineIndex::eraseLines(int at, int count)
{
    // The lines are cleared, so no banner pair involves them; the lines
    // either side become neighbours.
    for (int i = at; i < at + count; ++i)
        m_lines.mutableAt(i).flags &= quint16(~(Unread | Unrewritten));
    m_lines.replace(at, count, {});
    for (SortedLines& lines : m_markerLines)
        lines.shift(at + count, -count);
    shiftList(m_unread, at, -count);
    shiftList(m_unrewritten, at, -count);
    m_bannerLines.shift(at + count, -count);
    m_readOnLines.shift(at + count, -count);
    if (bannerPair(at - 1))
        setBannerPair(at - 1, true);
}

void LineIndex::insertLines(int at, int count)
{
    if (bannerPair(at - 1))
        setBannerPair(at - 1, false);
    m_lines.replace(at, 0, std::vector<Line>(size_t(count)));
    for (SortedLines& lines : m_markerLines)
        lines.shift(at, count);
    shiftList(m_unread, at, count);
    shiftList(m_unrewritten, at, count);
    m_bannerLines.shift(at, count);
    m_readOnLines.shift(at, count);
}

std::vector<int> LineIndex::bannersReadingOn() const
{
    std::vector<int> banners;
    for (int line : m_readOnLines)
        if (m_bannerLines.contains(line))
            banners.push_back(m_bannerLines.lowerBound(line));
    return banners;
}

void LineIndex::readLine(const RichTextControl& c, int line)
{
    if (line >= lineCount())
        return;
    const LinePtr shared = c.line(line);
    const QString& t = shared->text;
    quint16 banner = 0;
    if (t.endsWith(u'#'))
        banner |= EndsWithHash;
    std::optional<BannerKeyword> keyword;
    if (const auto literal = ModFormat::literalBanner(t)) {
        banner |= StartsBanner;
        keyword = literal->closed ? BannerKeyword{keywordText(literal->keyword), false}
                                  : BannerKeyword{QString(), true};
    }
    setKeyword(line, keyword);
    setBannerFlags(line, banner);
    quint16 markers = 0;
    for (int m = 0; m < int(m_matchers.size()); ++m) {
        const QChar sign = m_signs[size_t(m)];
        if ((sign.isNull() || t.contains(sign)) && m_matchers[size_t(m)].indexIn(t) >= 0)
            markers |= quint16(FirstMarker << m);
    }
    setMarkerFlags(line, markers);
    m_lines.mutableAt(line).flags &= quint16(~Unread);
}

int LineIndex::findMarker(const RichTextControl& c, int m, int from) const
{
    from = std::max(from, 0);
    if (from > c.textLength())
        return -1;
    const int first = c.lineAt(from);
    const SortedLines& lines = m_markerLines[size_t(m)];
    for (int place = lines.lowerBound(first); place < lines.size(); ++place) {
        const int line = lines[place];
        const int start = c.lineStart(line);
        const LinePtr l = c.line(line);
        const QString& t = l->text;
        const int offset = line == first ? from - start : 0;
        if (offset > t.size())
            continue;
        const qsizetype found = m_matchers[size_t(m)].indexIn(t, offset);
        if (found >= 0)
            return start + int(found);
    }
    return -1;
}

void LineIndex::setRewriteState(int line, const RewriteState& state)
{
    const quint32 place = coloursPlace({state.writerBefore, state.readerBefore, state.readerAfter});
    Line& l = m_lines.mutableAt(line);
    l.colours = place;
    l.flags = state.settled ? quint16(l.flags | Settled) : quint16(l.flags & ~Settled);
}

quint32 LineIndex::coloursPlace(const Colours& colours)
{
    // Lines are rewritten one after another, mostly under the colours of
    // the line before.
    if (m_colours[m_lastColours] == colours)
        return m_lastColours;
    auto [it, fresh] = m_coloursPlaces.try_emplace(colours, quint32(m_colours.size()));
    if (fresh)
        m_colours.push_back(colours);
    return m_lastColours = it->second;
}

QString LineIndex::keywordText(QStringView keyword)
{
    // A script's banners read one of a few keywords: each text is held once.
    for (const QString& known : m_keywordTexts)
        if (known == keyword)
            return known;
    QString made = keyword.toString();
    if (m_keywordTexts.size() < 64)
        m_keywordTexts.push_back(made);
    return made;
}

std::vector<int> LineIndex::takeUnrewrittenLines()
{
    std::vector<int> lines = std::exchange(m_unrewritten, {});
    for (int line : lines)
        m_lines.mutableAt(line).flags &= quint16(~Unrewritten);
    std::sort(lines.begin(), lines.end());
    return lines;
}

void LineIndex::markUnrewritten(int line)
{
    Line& l = m_lines.mutableAt(line);
    l.flags &= quint16(~Settled);
    if (!(l.flags & Unrewritten)) {
        l.flags |= Unrewritten;
        m_unrewritten.push_back(line);
    }
}

} // namespace Quillwright
