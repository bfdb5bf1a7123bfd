#include "ui/editor/QtRichTextControl.h"

#include "core/rtf/Rtf.h"
#include "ui/editor/QtTextFormats.h"

#include <QFontInfo>
#include <QPrinter>
#include <QStringMatcher>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

QtRichTextControl::QtRichTextControl(QPlainTextEdit* editor, QObject* parent)
    : RichTextControl(parent), m_editor(editor)
{
    if (auto* mod = qobject_cast<ModEditor*>(editor))
        mod->setControl(this);
    m_editor->setUndoRedoEnabled(false);
    setFontName(m_fontName);
    // Whatever the widget holds already becomes the first content.
    m_store.assign(normalizedStyledText(documentContent()));
    m_shown = m_store.lines();
    m_blockCount = m_editor->document()->blockCount();
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            &QtRichTextControl::onContentsChange);
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
            &QtRichTextControl::onCursorMoved);
    connect(m_editor, &QPlainTextEdit::selectionChanged, this, &QtRichTextControl::onCursorMoved);
}

QtRichTextControl::Operation::~Operation()
{
    if (--m_c.m_depth == 0)
        m_c.show();
}

void QtRichTextControl::changed(const LineSplice& splice)
{
    m_text.reset();
    m_unshown.add(splice);
    recordLineSplice(splice.line, splice.removed, splice.added);
}

int QtRichTextControl::snapped(int pos) const
{
    pos = std::clamp(pos, 0, m_store.length());
    const int line = m_store.lineAt(pos);
    if (pos - m_store.lineStart(line) > m_store.line(line).text.size())
        return pos - 1; // between CR and LF: on the CR
    return pos;
}

QString QtRichTextControl::text() const
{
    if (!m_text)
        m_text = m_store.content().text;
    return *m_text;
}

void QtRichTextControl::setText(const QString& text)
{
    setStyledText(StyledText{text, {}});
}

QString QtRichTextControl::rtf() const
{
    return Rtf::write(m_store.content(), m_fontName);
}

void QtRichTextControl::setRtf(const QString& rtf)
{
    setStyledText(Rtf::readRichOrPlain(rtf));
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
    m_selStart = snapped(start);
    m_selLength = 0;
    m_selectionUnshown = true;
}

void QtRichTextControl::setSelLength(int length)
{
    Operation op(*this);
    const int end =
        snapped(std::clamp(m_selStart + std::max(length, 0), m_selStart, m_store.length()));
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
    return Rtf::write(m_store.slice(m_selStart, m_selLength), m_fontName);
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
    StyledText clean{content.text, canonicalRuns(content.runs)};
    m_store.setLine(line, std::move(clean));
    changed({line, 1, 1});
    // The selection keeps its numbers when a line changes under it (the
    // change handler puts it back anyway), within the text and off the
    // middle of a CR LF.
    const int length = m_selLength;
    m_selStart = snapped(m_selStart);
    m_selLength =
        snapped(std::clamp(m_selStart + length, m_selStart, m_store.length())) - m_selStart;
    m_selectionUnshown = true;
    notifyChanged();
}

void QtRichTextControl::setFontName(const QString& name)
{
    m_fontName = name;
    QFont font(name);
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch() && QFontInfo(font).family() != name)
        font.setFamilies({name, QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    ProgrammaticEdit guard(m_programmatic);
    m_editor->document()->setDefaultFont(font);
}

void QtRichTextControl::setRightMargin(int twips)
{
    // The plain-text layout wraps at the width of the view, which the
    // document window keeps a few pixels wider than the margin asks.
    m_rightMargin = twips;
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void QtRichTextControl::printSelection(QPrinter* printer) const
{
    QTextDocument doc;
    doc.setDefaultFont(m_editor->document()->defaultFont());
    const QTextCursor c = m_editor->textCursor();
    QTextCursor target(&doc);
    if (c.hasSelection())
        target.insertFragment(c.selection());
    else
        target.insertFragment(QTextDocumentFragment(m_editor->document()));
    doc.print(printer);
}
