#include "core/colouring/LineByLineColouring.h"

#include "core/colouring/KeywordColouring.h"
#include "core/colouring/LineIndex.h"
#include "core/control/RichTextControl.h"

namespace Quillwright {

namespace {

// The writer's colour where line `line` begins: that of the last character
// before it.
TextColor writerColorBefore(const RichTextControl& c, int line)
{
    for (int i = line - 1; i >= 0; --i) {
        const LinePtr content = c.line(i);
        if (!content->text.isEmpty())
            return colorAfterLine(*content, TextColor());
    }
    return {};
}

} // namespace

std::vector<GrownLine> rewriteKeywordLines(RichTextControl& c, LineIndex& index,
                                           LineRewriteMemo& memo, RewriteMode mode)
{
    std::vector<GrownLine> grown;
    // The whole-text rewrite writes the text as it was before any of it is
    // rewritten, so the lines rewritten here are put back only at the end:
    // where a later stretch begins, the writer's colour is that of the text
    // as it was, not of a line above it that this pass already rewrote.
    std::vector<std::pair<int, StyledText>> rewritten;
    const std::vector<int> changed = index.takeUnrewrittenLines();
    const int lines = index.lineCount();
    size_t next = 0;
    while (next < changed.size()) {
        int line = changed[next];
        TextColor writer = writerColorBefore(c, line);
        TextColor reader = line == 0 ? TextColor() : index.rewriteState(line - 1).readerAfter;
        for (; line < lines; ++line) {
            while (next < changed.size() && changed[next] <= line)
                ++next;
            const bool wasChanged = next > 0 && changed[next - 1] == line;
            const LineIndex::RewriteState& known = index.rewriteState(line);
            if (!wasChanged && known.settled && known.writerBefore == writer &&
                known.readerBefore == reader)
                break; // from here on every line is as the last run left it
            const LinePtr shared = c.line(line);
            const StyledText& content = *shared;
            const RewrittenLine r = memo.rewrite(content, {line == 0, writer, reader});
            index.setRewriteState(line, {writer, reader, r.readerColor, !r.changed});
            if (r.changed && mode == RewriteMode::Apply) {
                if (r.line.text.size() != content.text.size())
                    grown.push_back({line, content.text, r.line.text});
                rewritten.emplace_back(line, r.line);
            } else if (r.changed) {
                index.markUnrewritten(line);
            }
            writer = colorAfterLine(content, writer);
            reader = r.readerColor;
        }
    }
    for (const auto& [line, content] : rewritten)
        c.setLine(line, content);
    return grown;
}

void colourMarkersIndexed(RichTextControl& c, const LineIndex& index, int savedStart,
                          int savedLength)
{
    ColourMarkers(c, savedStart, savedLength, [&](int step, const QString& needle, int from) {
        const int found = index.findMarker(c, step, from);
        if (found >= 0) {
            c.setSelStart(found);
            c.setSelLength(int(needle.size()));
        }
        return found;
    });
}

} // namespace Quillwright
