#include "ui/editor/QtRichTextControl.h"

#include "core/rtf/Rtf.h"
#include "ui/editor/LineAlignment.h"
#include "ui/editor/QtTextFormats.h"

#include <QStringMatcher>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <tuple>

namespace Quillwright {

namespace {
// A position between CR and LF is put on the CR.
int snapped(const LineStore& store, int pos)
{
    pos = std::clamp(pos, 0, store.length());
    const int line = store.lineAt(pos);
    if (pos - store.lineStart(line) > store.line(line).text.size())
        return pos - 1;
    return pos;
}
} // namespace

QtRichTextControl::QtRichTextControl(QPlainTextEdit* editor, QObject* parent)
    : RichTextControl(parent), m_editor(editor),
      m_mirror(std::make_unique<EditorMirror>(*editor, m_store))
{
    if (auto* mod = qobject_cast<ModEditor*>(editor))
        mod->setControl(this);
    m_editor->setUndoRedoEnabled(false);
    // The plain-text layout wraps at the width of the view, which the
    // document window keeps a few pixels wider than the right margin asks.
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    fontChanged();
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            [this](int pos, int, int added) { takeWidgetEdit(pos, added); });
    const auto selectionMoved = [this] {
        if (m_mirror->isShowing() || m_depth > 0)
            return;
        std::tie(m_selStart, m_selLength) = m_mirror->widgetSelection();
    };
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, selectionMoved);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this, selectionMoved);
}

QtRichTextControl::~QtRichTextControl()
{
    // The editor outlives its control: its keys and drops go nowhere after.
    if (auto* mod = qobject_cast<ModEditor*>(m_editor))
        mod->setControl(nullptr);
}

QtRichTextControl::Operation::~Operation()
{
    if (--m_c.m_depth > 0)
        return;
    if (!m_c.m_unshown.empty()) {
        m_c.m_mirror->showLines(m_c.m_unshown);
        m_c.m_selectionUnshown = true; // the widget's cursor moved with the edits
    }
    if (m_c.m_selectionUnshown) {
        m_c.m_selectionUnshown = false;
        m_c.m_mirror->showSelection(m_c.m_selStart, m_c.m_selLength);
    }
}

void QtRichTextControl::takeWidgetEdit(int pos, int added)
{
    if (m_mirror->isShowing())
        return; // the control's own showing
    // The widget edited on its own (a cut, a drop, an input method): the
    // blocks it changed are read back into the store.
    EditorMirror::ReadBack read = m_mirror->readBack(pos, added);
    const int addedLines = int(read.lines.size());
    Operation op(*this);
    m_store.replaceLines(read.line, read.removed, std::move(read.lines));
    m_text.reset();
    recordLineSplice(read.line, read.removed, addedLines);
    std::tie(m_selStart, m_selLength) = m_mirror->widgetSelection();
    notifyChanged();
}

void QtRichTextControl::changed(const LineSplice& splice)
{
    m_text.reset();
    m_unshown.add(splice);
    recordLineSplice(splice.line, splice.removed, splice.added);
}

QString QtRichTextControl::text() const
{
    if (!m_text) {
        m_text = m_store.content().text;
        // Kept for the rest of the work at hand, which often asks again;
        // not at rest, where it would double what a big script costs.
        QTimer::singleShot(0, this, [this] { m_text.reset(); });
    }
    return *m_text;
}

void QtRichTextControl::setStyledText(const StyledText& content)
{
    Operation op(*this);
    StyledText want = normalizedStyledText(content);
    want.runs = canonicalRuns(want.runs);
    std::vector<LinePtr> lines = LineStore::share(LineStore::splitLines(want));
    // Only the lines that differ count as changed, so a text set again with
    // a few lines altered costs those lines.
    const std::vector<LineSplice> splices =
        alignLines(m_store.lines(), 0, m_store.lineCount(), lines, 0, int(lines.size()));
    m_store.replaceLines(0, m_store.lineCount(), std::move(lines));
    for (const LineSplice& s : splices)
        changed(s);
    m_text.reset();
    m_selStart = 0;
    m_selLength = 0;
    m_selectionUnshown = true;
    notifyChanged();
}

void QtRichTextControl::setLines(const LineStore& lines)
{
    Operation op(*this);
    // Lines both share are kept; only the stretches that differ are put in,
    // from the last up, so the lines above each keep their numbers.
    const auto differences = m_store.lines().differences(
        lines.lines(), [](const LinePtr& a, const LinePtr& b) { return sameLine(a, b); });
    const int before = m_store.lineCount();
    if (differences.size() == 1 && differences.front().removed == before &&
        differences.front().added == lines.lineCount()) {
        // Nothing kept (a script opened): the store shares the other's
        // chunks, their lines and weights, rather than visit every line.
        m_store = lines;
        changed({0, before, lines.lineCount()});
    } else {
        for (auto d = differences.rbegin(); d != differences.rend(); ++d) {
            std::vector<LinePtr> put;
            put.reserve(size_t(d->added));
            for (int i = d->otherAt; i < d->otherAt + d->added; ++i)
                put.push_back(lines.lines()[i]);
            m_store.replaceLines(d->at, d->removed, std::move(put));
            changed({d->at, d->removed, d->added});
        }
    }
    m_selStart = 0;
    m_selLength = 0;
    m_selectionUnshown = true;
    notifyChanged();
}

void QtRichTextControl::setSelStart(int start)
{
    Operation op(*this);
    m_selStart = snapped(m_store, start);
    m_selLength = 0;
    m_selectionUnshown = true;
}

void QtRichTextControl::setSelLength(int length)
{
    Operation op(*this);
    const int end = snapped(
        m_store, std::clamp(m_selStart + std::max(length, 0), m_selStart, m_store.length()));
    m_selLength = std::max(end - m_selStart, 0);
    m_selectionUnshown = true;
}

QString QtRichTextControl::selText() const
{
    return m_store.slice(m_selStart, m_selLength).text;
}

void QtRichTextControl::replaceRange(int start, int length, const StyledText& content)
{
    Operation op(*this);
    changed(m_store.replace(start, length, content));
    m_selStart = start + int(content.text.size());
    m_selLength = 0;
    m_selectionUnshown = true;
    notifyChanged();
}

void QtRichTextControl::setSelText(const QString& text)
{
    const QString clean = normalizeLineEnds(text);
    if (!acceptsReplacement(m_selStart, m_selLength, clean))
        return;
    replaceRange(m_selStart, m_selLength,
                 uniformlyColoured(clean, m_store.rangeColor(m_selStart, 0)));
}

QString QtRichTextControl::selRtf() const
{
    return Rtf::write(m_store.slice(m_selStart, m_selLength), fontName());
}

void QtRichTextControl::replaceSelectionStyled(const StyledText& content)
{
    replaceRange(m_selStart, m_selLength, content);
}

TextColor QtRichTextControl::selColor() const
{
    return m_store.rangeColor(m_selStart, m_selLength);
}

void QtRichTextControl::setSelColor(TextColor color)
{
    if (m_selLength == 0 || color.isMixed())
        return;
    Operation op(*this);
    const QString part = m_store.slice(m_selStart, m_selLength).text;
    changed(m_store.replace(m_selStart, m_selLength, uniformlyColoured(part, color)));
    notifyChanged();
}

int QtRichTextControl::find(const QString& needle, std::optional<int> start)
{
    if (needle.isEmpty())
        return -1;
    int from = 0;
    int end = m_store.length();
    if (start) {
        from = std::max(*start, 0);
    } else if (m_selLength > 0) {
        from = m_selStart;
        end = std::min(from + m_selLength, end);
    }
    if (from > end)
        return -1;
    const QStringMatcher matcher(needle, Qt::CaseInsensitive);
    int found = -1;
    if (m_text) {
        found = int(matcher.indexIn(QStringView(*m_text).first(end), from));
    } else {
        // Window by window, each overlapping the last by the needle less a
        // character: what is looked for usually stands near where the
        // search starts (the header), and the whole text need not be made.
        const int window = std::max(1 << 16, 4 * int(needle.size()));
        for (int at = from; found < 0 && at + needle.size() <= end;
             at += window - int(needle.size()) + 1) {
            const int length = std::min(window, end - at);
            const int in = int(matcher.indexIn(m_store.slice(at, length).text));
            if (in >= 0)
                found = at + in;
        }
    }
    if (found < 0)
        return -1;
    Operation op(*this);
    m_selStart = found;
    m_selLength = int(needle.size());
    m_selectionUnshown = true;
    return found;
}

LinePtr QtRichTextControl::line(int line) const
{
    return m_store.lines()[std::clamp(line, 0, m_store.lineCount() - 1)];
}

void QtRichTextControl::setLine(int line, const StyledText& content)
{
    if (line < 0 || line >= m_store.lineCount())
        return;
    Operation op(*this);
    m_store.replaceLines(line, 1,
                         {m_recentLines.share({content.text, canonicalRuns(content.runs)})});
    changed({line, 1, 1});
    // The selection keeps its numbers when a line changes under it (the
    // change handler puts it back anyway), within the text and off the
    // middle of a CR LF.
    const int length = m_selLength;
    m_selStart = snapped(m_store, m_selStart);
    m_selLength = snapped(m_store, std::clamp(m_selStart + length, m_selStart, m_store.length())) -
                  m_selStart;
    m_selectionUnshown = true;
    notifyChanged();
}

void QtRichTextControl::fontChanged()
{
    m_mirror->setFont(fontName());
}

LinePtr QtRichTextControl::RecentLines::share(StyledText content)
{
    for (const LinePtr& l : lines)
        if (l && sameLine(*l, content))
            return l;
    LinePtr made = std::make_shared<const StyledText>(std::move(content));
    lines[next++ % lines.size()] = made;
    return made;
}

} // namespace Quillwright
