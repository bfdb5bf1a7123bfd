#pragma once

#include "core/text/StyledText.h"

#include <QString>
#include <functional>
#include <unordered_map>
#include <vector>

namespace Quillwright {

class RichTextControl;

// The keyword rewrite: 21 case-sensitive replace-alls over the RTF form,
// in order, each wrapping a MOD keyword or header label in colour codes
// (\cf1 the keyword colour, \cf3 the end-marker colour, \cf0 back to the
// default). Only "#EoM" changes visible text: it becomes "# EoM".
QString RewriteKeywordRtf(const QString& rtf);

// The colour table the change handler writes the RTF form with before the
// rewrite: entries 1 to 3 are always blue, dark red and green, so \cf1
// means the keyword colour and \cf3 the end marker's whatever colours the
// script uses first; the script's other colours follow.
const std::vector<TextColor>& rewriteColorTable();

// A position in `before` moved to where it stands in `after`, when `after`
// is `before` with characters inserted (as the rewrite inserts the blank of
// "# EoM"): insertions before the position move it, one at it does not.
int positionAfterInsertions(QStringView before, QStringView after, int pos);

// The rewrite of one line, for colouring line by line. No rule matches
// across a \par, so what the rewrite of the whole RTF form does to a line
// depends only on the line and on the colours in effect where the writer
// and the reader of the whole form reach it.
struct LineContext {
    bool firstLine = false; // preceded by the body start, not by \par
    TextColor writerColor;  // of the last character before the line
    TextColor readerColor;  // in effect when the rewritten form reaches the line
};
struct RewrittenLine {
    StyledText line;
    TextColor readerColor; // in effect after the line in the rewritten form
    bool changed = false;
};
RewrittenLine rewriteKeywordLine(const StyledText& line, const LineContext& context);

// Remembers the lines it rewrote. A script recoloured after an edit that
// took all its colours away asks for the same lines again (File, Open sets
// off three such rounds, an undo of a whole-text change one); the answers
// are those of rewriteKeywordLine. What it holds is bounded in bytes, in
// two generations: when the newer one passes the budget it becomes the
// older and the oldest answers go, so typing, whose lines are never asked
// again, does not make it grow for as long as the session lasts.
class LineRewriteMemo {
public:
    RewrittenLine rewrite(const StyledText& line, const LineContext& context);
    // About as many bytes as each generation may hold; a script's worth
    // keeps the rounds of a whole-text change answered.
    void setBudget(qsizetype bytes) { m_budget = bytes; }
    qsizetype bytesHeld() const { return m_bytes + m_olderBytes; }

private:
    struct Key {
        StyledText line;
        LineContext context;
        friend bool operator==(const Key& a, const Key& b)
        {
            return a.line.text == b.line.text && a.line.runs == b.line.runs &&
                   a.context.firstLine == b.context.firstLine &&
                   a.context.writerColor == b.context.writerColor &&
                   a.context.readerColor == b.context.readerColor;
        }
    };
    struct KeyHash {
        size_t operator()(const Key& k) const;
    };
    using Answers = std::unordered_map<Key, RewrittenLine, KeyHash>;
    void remember(Key key, const RewrittenLine& result);

    Answers m_known;
    Answers m_older;
    qsizetype m_bytes = 0;
    qsizetype m_olderBytes = 0;
    qsizetype m_budget = qsizetype(1) << 18;
};

// The colour that \cfN selects in a table listed without its default
// entry 0; the default for 0 and for entries the table does not have.
TextColor colorTableEntry(const std::vector<TextColor>& table, int index);

// The colour of the last character of a line, or `before` for an empty one:
// the writer's colour after the line.
TextColor colorAfterLine(const StyledText& line, TextColor before);

// The marker pass: colours the title label blue, the backup notice dark red
// and "# EoM" green, each searched from the end of the selection that the
// previous step left. Colouring these first makes them entries 1 to 3 of
// the RTF colour table, which the rewrite's \cf1 and \cf3 then select.
// `find` searches as the control's find with a start does; by default it is
// that find.
using MarkerFind = std::function<int(int step, const QString& needle, int from)>;
void ColourMarkers(RichTextControl& control, int savedStart, int savedLength,
                   const MarkerFind& find = {});

// The three marker texts in the order the pass searches them.
const QString& markerText(int step);
inline constexpr int MarkerCount = 3;

} // namespace Quillwright
