#pragma once

#include "core/control/RichTextControl.h"
#include "core/text/ChunkedVector.h"
#include "core/text/SortedLines.h"
#include "core/text/TextColor.h"

#include <QStringList>
#include <QStringMatcher>
#include <optional>
#include <unordered_map>
#include <vector>

namespace Quillwright {

// What the change handler keeps about every line, so that a keystroke
// costs about the same in a script of any size: which lines hold the
// marker texts, which lines take part in a banner, and what the keyword
// rewrite last made of each line. It follows the control through the line
// splices the control lists.
class LineIndex {
public:
    // Texts searched without regard to case, none holding a line break.
    explicit LineIndex(const QStringList& markers);

    // Takes in the control's changes since the last call.
    void update(RichTextControl& c);

    int lineCount() const { return m_lines.size(); }

    // Occurrences of "#" CR LF "#-----[ " in the whole text.
    int bannerCount() const { return m_banners; }
    // The lines those banners begin ("#-----[ ..."), ascending, and a number
    // that changes whenever one of them comes, goes or is read again.
    std::vector<int> bannerLines() const { return m_bannerLines.values(); }
    int bannerLine(int banner) const { return m_bannerLines[banner]; }
    quint64 bannerGeneration() const { return m_bannerGeneration; }
    // How the list of banners changed since the last call, as splices of
    // that list (a banner that came, went or reads otherwise), or everything.
    LineChanges takeBannerChanges();
    // The keyword of each banner line, as read when the line was; a keyword
    // whose closing is not on its line is empty here and `readOn` says so
    // (it reads on into the lines after: ask the text).
    QStringList bannerKeywords(bool* readOn) const;
    // The keyword of the banner at a place of the list; `readsOn` when it
    // reads on past its line (ask the text).
    QString bannerKeyword(int banner, bool* readsOn) const;
    // Whether any line starting "#-----[ " has no closing on it.
    bool anyKeywordReadsOn() const { return !m_readOnLines.empty(); }
    // The places in the list of the banners whose keyword reads on, ascending:
    // a change anywhere after one may change it.
    std::vector<int> bannersReadingOn() const;

    // Where the control's find with a start would find marker `m`, or -1.
    int findMarker(const RichTextControl& c, int m, int from) const;

    // What the rewrite found when it last looked at a line: the colours in
    // effect before it for the writer and the reader of the whole RTF form,
    // and the reader's colour after it. `settled` means the rewrite left
    // the line as it is under those colours.
    struct RewriteState {
        TextColor writerBefore;
        TextColor readerBefore;
        TextColor readerAfter;
        bool settled = false;
    };
    RewriteState rewriteState(int line) const
    {
        const Line& l = m_lines[line];
        const Colours& c = m_colours[l.colours];
        return {c.writerBefore, c.readerBefore, c.readerAfter, (l.flags & Settled) != 0};
    }
    void setRewriteState(int line, const RewriteState& state);
    // Lines changed since the rewrite last looked at them, ascending; taking
    // them clears the list.
    std::vector<int> takeUnrewrittenLines();
    void markUnrewritten(int line);

private:
    enum Flag : quint16 {
        Unrewritten = 1,
        Unread = 2,
        EndsWithHash = 4,
        StartsBanner = 8,
        Settled = 0x8000, // the rewrite left the line as it is (RewriteState::settled)
        FirstMarker = 16, // then one bit per marker
    };
    // The colours of a rewrite state. A script holds few of them, and a
    // copy for each of a hundred thousand lines would take twelve bytes a
    // line: each line holds the place of its colours in a list of those met
    // since the index was last read anew.
    struct Colours {
        TextColor writerBefore;
        TextColor readerBefore;
        TextColor readerAfter;
        friend bool operator==(const Colours&, const Colours&) = default;
    };
    struct ColoursHash {
        size_t operator()(const Colours& c) const
        {
            return (size_t(c.writerBefore.raw()) * 0x9e3779b1u) ^
                   (size_t(c.readerBefore.raw()) << 7) ^ (size_t(c.readerAfter.raw()) * 31);
        }
    };
    struct Line {
        quint16 flags = 0;
        quint32 keyword = 0; // 1 + its place in m_keywordPool; 0: no banner keyword
        quint32 colours = 0; // its rewrite state's place in m_colours; 0: the default colours
    };
    quint32 coloursPlace(const Colours& colours);
    // The keyword's text, shared with the banners that read alike.
    QString keywordText(QStringView keyword);

    void rebuild(const RichTextControl& c);
    void applySplice(LineSplice s);
    void clearLines(int from, int to); // before they are erased
    void readLine(const RichTextControl& c, int line);
    void eraseLines(int at, int count);
    void insertLines(int at, int count);
    void markChanged(int line);
    int bannerPair(int first) const; // 1 when lines first and first + 1 form a banner
    void setBannerFlags(int line, quint16 flags);
    void setBannerPair(int first, bool pair);
    struct BannerKeyword {
        QString text;
        bool readsOn = false;
        friend bool operator==(const BannerKeyword&, const BannerKeyword&) = default;
    };
    void setKeyword(int line, std::optional<BannerKeyword> keyword);
    void setMarkerFlags(int line, quint16 markers);

    QStringList m_markers;
    std::vector<QStringMatcher> m_matchers;
    std::vector<Colours> m_colours{Colours{}};
    std::unordered_map<Colours, quint32, ColoursHash> m_coloursPlaces{{Colours{}, 0}};
    quint32 m_lastColours = 0;
    std::vector<QString> m_keywordTexts; // the first few keywords met
    std::vector<QChar> m_signs;
    ChunkedVector<Line> m_lines;
    std::vector<SortedLines> m_markerLines; // per marker
    std::vector<int> m_unread;              // lines to read again
    std::vector<int> m_unrewritten;         // lines the rewrite must see
    int m_banners = 0;
    SortedLines m_bannerLines;
    // The keyword of every line that starts "#-----[ ", held apart from the
    // lines (most have none), with the free places to use again.
    std::vector<BannerKeyword> m_keywordPool;
    std::vector<quint32> m_freeKeywords;
    quint64 m_bannerGeneration = 0;
    LineChanges m_bannerChanges;
    SortedLines m_readOnLines; // lines starting "#-----[ " with no closing
    void recordBannerChange(int banner, int removed, int added);
    bool m_started = false;
};

} // namespace Quillwright
