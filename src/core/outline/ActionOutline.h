#pragma once

#include "core/text/ChangedLines.h"
#include "core/text/ChunkedVector.h"
#include "core/text/LineSplice.h"
#include <QString>
#include <QStringList>
#include <functional>

#include <vector>

namespace Quillwright {

class RichTextControl;

// The action nodes under "Actions": one per banner that stands directly
// after a line holding "#" alone.
namespace ActionOutline {

// The keyword of every banner, in order: the text between "#-----[ " and
// the first " ]---" after it, not trimmed.
QStringList scanKeywords(const QString& text);
int countBanners(const QString& text);
// The same read from the banner lines alone (as a line index lists them),
// a line at a time; a banner whose closing is not on its own line reads on
// as scanKeywords does, and `readOn` says so.
QStringList keywordsOnLines(const RichTextControl& control, const std::vector<int>& bannerLines,
                            bool* readOn = nullptr);

// Outline picture for a keyword (exact case), or 0 for none.
int keywordPicture(const QString& keyword);

inline constexpr int PictureRoot = 12;
inline constexpr int PictureHeader = 11;
inline constexpr int PictureField = 13;
inline constexpr int PictureActions = 9;

struct Node {
    QString text; // the keyword
    int picture = 0;
    friend bool operator==(const Node&, const Node&) = default;
};
// A hundred thousand of them in a big script: a stretch replaced in the
// middle costs the chunks it touches, not the nodes after it.
using Nodes = ChunkedVector<Node>;

// The key of the node at `index`: "action1", "action2", ...
QString nodeKey(int index);

// The nodes [line, line + removed) became [line, line + added); a list of
// them applies in order, each in the numbering the ones before it left.
using NodeChange = LineSplice;

// Keeps the action nodes; rebuilds them only when the number of banners
// changed, so edited keywords keep their old nodes until then, or when
// `force` says the whole text was replaced.
class Model {
public:
    // Returns true when the nodes changed.
    bool refresh(const QString& text, bool force = false);
    // The same when the number of banners is known already; the keywords
    // are asked for only when the nodes are rebuilt.
    bool refresh(int bannerCount, const std::function<QStringList()>& keywords, bool force = false);
    // The same from what changed since the nodes were last brought up to
    // date: the banners that came, went or read otherwise, as changes of
    // the list of keywords (applied in order; everything: read them all),
    // and the keyword at a place of the list as it is now. The changes
    // build up while the nodes stay as they were.
    bool refresh(int bannerCount, const std::vector<NodeChange>& since, bool everything,
                 const std::function<QString(int)>& keywordAt, bool force);
    const Nodes& nodes() const { return m_nodes; }
    // What the last refresh that returned true changed, top down, apart.
    const std::vector<NodeChange>& lastChanges() const { return m_changes; }

private:
    Nodes m_nodes;
    std::vector<NodeChange> m_changes;
    ChangedLines m_pending; // what changed that the nodes do not show yet
    bool m_pendingEverything = false;
};

} // namespace ActionOutline

} // namespace Quillwright
