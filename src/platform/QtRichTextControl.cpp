#include "QtRichTextControl.h"

#include "document/ClipboardMime.h"
#include "document/Rtf.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScrollBar>
#include <QStringMatcher>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

namespace {

QString toDocText(const QString& crlfText)
{
    QString t = crlfText;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

TextColor colorOf(const QTextCharFormat& f)
{
    if (!f.hasProperty(QTextFormat::ForegroundBrush))
        return {};
    return TextColor::fromRgb(f.foreground().color().rgb() & 0x00ffffffu);
}

QTextCharFormat formatFor(TextColor c)
{
    QTextCharFormat f;
    if (c.isExplicit())
        f.setForeground(QColor(c.red(), c.green(), c.blue()));
    return f;
}

class ProgrammaticEdit {
public:
    explicit ProgrammaticEdit(int& counter) : m_counter(counter) { ++m_counter; }
    ~ProgrammaticEdit() { --m_counter; }

private:
    int& m_counter;
};

} // namespace

ModEditor::ModEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
}

bool ModEditor::event(QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->matches(QKeySequence::Undo) || ke->matches(QKeySequence::Redo) ||
            ke->matches(QKeySequence::Paste)) {
            e->ignore(); // let the program's Undo and Paste commands have it
            return false;
        }
    }
    return QPlainTextEdit::event(e);
}

bool ModEditor::deleteKey(QKeyEvent* e)
{
    const bool back = e->key() == Qt::Key_Backspace;
    if ((!back && e->key() != Qt::Key_Delete) || e->modifiers() != Qt::NoModifier)
        return false;
    RichTextControl& c = *m_control;
    if (c.selLength() == 0) {
        // One character, a surrogate pair, or a whole CR LF; only the
        // caret's line is read, however long the text.
        const int p = c.selStart();
        const int line = c.lineAt(p);
        const int start = c.lineStart(line);
        const QString text = c.line(line).text;
        const int offset = p - start;
        int from = p;
        int to = p;
        if (back && offset > 0) {
            from = p - 1;
            if (offset > 1 && text[offset - 1].isLowSurrogate())
                --from;
        } else if (back && line > 0) {
            from = p - 2;
        } else if (!back && offset < text.size()) {
            to = p + 1;
            if (offset + 1 < text.size() && text[offset].isHighSurrogate())
                ++to;
        } else if (!back && line + 1 < c.lineCount()) {
            to = p + 2;
        }
        if (from == to)
            return true;
        c.setSelStart(from);
        c.setSelLength(to - from);
    }
    c.setSelText(QString());
    ensureCursorVisible();
    return true;
}

void ModEditor::keyPressEvent(QKeyEvent* e)
{
    if (m_control && !isReadOnly()) {
        if (deleteKey(e)) {
            e->accept();
            return;
        }
        const auto mods = e->modifiers();
        const bool commandKey = (mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
                                !(mods & Qt::AltModifier); // Ctrl+Alt is AltGr on many layouts
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (!commandKey) {
                m_control->setSelText(QStringLiteral("\r\n"));
                ensureCursorVisible();
                e->accept();
                return;
            }
        } else if (!commandKey && !e->text().isEmpty() &&
                   (e->text() == QLatin1String("\t") || e->text().at(0).isPrint())) {
            m_control->setSelText(e->text());
            ensureCursorVisible();
            e->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void ModEditor::inputMethodEvent(QInputMethodEvent* e)
{
    if (m_control && !e->commitString().isEmpty() && e->preeditString().isEmpty() &&
        e->replacementLength() == 0) {
        m_control->setSelText(e->commitString());
        e->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(e);
}

QMimeData* ModEditor::createMimeDataFromSelection() const
{
    if (m_control)
        return ClipboardMime::fromSelection(*m_control);
    return QPlainTextEdit::createMimeDataFromSelection();
}

bool ModEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return ClipboardMime::canPaste(source);
}

void ModEditor::insertFromMimeData(const QMimeData* source)
{
    if (m_control)
        ClipboardMime::paste(*m_control, source);
    else
        QPlainTextEdit::insertFromMimeData(source);
}

QtRichTextControl::QtRichTextControl(QPlainTextEdit* editor, QObject* parent)
    : RichTextControl(parent), m_editor(editor)
{
    if (auto* mod = qobject_cast<ModEditor*>(editor))
        mod->setControl(this);
    m_editor->setUndoRedoEnabled(false);
    setFontName(m_fontName);
    m_blockCount = m_editor->document()->blockCount();
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            &QtRichTextControl::onContentsChange);
}

void QtRichTextControl::onContentsChange(int pos, int, int added)
{
    const QTextDocument* doc = m_editor->document();
    const int blocks = doc->blockCount();
    m_cache.reset();
    if (blocks != m_blockCount)
        m_lastBlock = QTextBlock();
    if (m_programmatic > 0) {
        // The control's own edits list their lines themselves and notify
        // once they are complete.
        m_blockCount = blocks;
        return;
    }
    const int last = doc->characterCount() - 1;
    const int first = doc->findBlock(std::clamp(pos, 0, last)).blockNumber();
    const int addedLines =
        doc->findBlock(std::clamp(pos + added, 0, last)).blockNumber() - first + 1;
    recordLineSplice(first, addedLines + m_blockCount - blocks, addedLines);
    m_blockCount = blocks;
    notifyChanged();
}

QString QtRichTextControl::text() const
{
    return cachedContent().text;
}

int QtRichTextControl::textLength() const
{
    const QTextDocument* doc = m_editor->document();
    return doc->characterCount() + doc->blockCount() - 2;
}

int QtRichTextControl::toDocPosition(int pos) const
{
    const QTextDocument* doc = m_editor->document();
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = doc->findBlockByNumber(lo);
    const int offset = std::max(pos - (b.position() + lo), 0);
    return b.position() + std::min(offset, b.length() - 1);
}

int QtRichTextControl::fromDocPosition(int docPos) const
{
    return docPos + m_editor->document()->findBlock(docPos).blockNumber();
}

StyledText QtRichTextControl::styledRange(int start, int end) const
{
    StyledText out;
    std::vector<TextColor> colors;
    const QTextDocument* doc = m_editor->document();
    const int docStart = toDocPosition(start);
    const int docEnd = toDocPosition(end);
    for (QTextBlock b = doc->findBlock(docStart); b.isValid() && b.position() <= docEnd;
         b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const int a = std::max(f.position(), docStart);
            const int z = std::min(f.position() + f.length(), docEnd);
            if (a >= z)
                continue;
            const QString piece = f.text().mid(a - f.position(), z - a);
            const TextColor c = colorOf(f.charFormat());
            if (!c.isDefault())
                out.runs.push_back({int(out.text.size()), int(piece.size()), c});
            out.text += piece;
        }
        const int separator = b.position() + b.length() - 1;
        if (b.next().isValid() && separator >= docStart && separator < docEnd)
            out.text += u"\r\n";
    }
    out.runs = canonicalRuns(std::move(out.runs)); // fragments of one colour join
    return out;
}

StyledText QtRichTextControl::documentContent() const
{
    return styledRange(0, textLength());
}

const StyledText& QtRichTextControl::cachedContent() const
{
    if (!m_cache)
        m_cache = documentContent();
    return *m_cache;
}

StyledText QtRichTextControl::styledText() const
{
    return cachedContent();
}

QString QtRichTextControl::rtf() const
{
    return Rtf::write(cachedContent(), m_fontName);
}

void QtRichTextControl::setText(const QString& text)
{
    setStyledText(StyledText{text, {}});
}

void QtRichTextControl::setRtf(const QString& rtf)
{
    setStyledText(Rtf::readRichOrPlain(rtf));
}

void QtRichTextControl::setStyledText(const StyledText& content)
{
    StyledText want = normalizedStyledText(content);
    want.runs = canonicalRuns(std::move(want.runs));
    const StyledText& old = cachedContent();
    const QString& now = want.text;
    const int oldLen = int(old.text.size());
    const int newLen = int(now.size());
    int prefix = 0;
    const int maxPrefix = std::min(oldLen, newLen);
    while (prefix < maxPrefix && old.text[prefix] == now[prefix])
        ++prefix;
    int suffix = 0;
    const int maxSuffix = std::min(oldLen, newLen) - prefix;
    while (suffix < maxSuffix && old.text[oldLen - 1 - suffix] == now[newLen - 1 - suffix])
        ++suffix;
    if (suffix > 0 && old.text[oldLen - suffix] == u'\n')
        --suffix; // never split a line break
    const int removed = oldLen - suffix - prefix;
    const int added = newLen - suffix - prefix;
    // Only the changed middle of the text and the changed colour runs touch
    // the document, so the view neither jumps nor lays out everything again.
    const StyledText afterText =
        splicedStyledText(old, prefix, removed, StyledText{now.mid(prefix, added), {}});
    const std::vector<ColorRun> diffs = colorDifferences(afterText.runs, want.runs, newLen);
    if (removed > 0 || added > 0) {
        const int line = int(QStringView(old.text).first(prefix).count(u'\n'));
        recordLineSplice(line, int(QStringView(old.text).sliced(prefix, removed).count(u'\n')) + 1,
                         int(QStringView(now).sliced(prefix, added).count(u'\n')) + 1);
    }
    int line = 0;
    int counted = 0;
    const auto lineOf = [&](int pos) {
        line += int(QStringView(now).sliced(counted, pos - counted).count(u'\n'));
        counted = pos;
        return line;
    };
    // Document positions count one character per line break where ours
    // count two; no colour change falls between a CR and its LF.
    std::vector<std::pair<int, int>> docRanges;
    docRanges.reserve(diffs.size());
    for (const ColorRun& d : diffs) {
        const int first = lineOf(d.start);
        const int last = lineOf(d.start + d.length);
        recordLineSplice(first, last - first + 1, last - first + 1);
        docRanges.emplace_back(d.start - first, d.start + d.length - last);
    }
    m_lastBlock = QTextBlock();
    {
        ProgrammaticEdit guard(m_programmatic);
        if (removed > 0 || added > 0 || !diffs.empty()) {
            QTextCursor cursor(m_editor->document());
            cursor.beginEditBlock();
            if (removed > 0 || added > 0) {
                cursor.setPosition(toDocPosition(prefix));
                cursor.setPosition(toDocPosition(prefix + removed), QTextCursor::KeepAnchor);
                cursor.insertText(toDocText(now.mid(prefix, added)), QTextCharFormat());
            }
            for (size_t i = 0; i < diffs.size(); ++i) {
                cursor.setPosition(docRanges[i].first);
                cursor.setPosition(docRanges[i].second, QTextCursor::KeepAnchor);
                cursor.setCharFormat(formatFor(diffs[i].color));
            }
            cursor.endEditBlock();
        }
        m_cache = std::move(want);
        select(0, 0);
    }
    notifyChanged();
}

QTextCursor QtRichTextControl::cursor() const
{
    return m_heldCursor ? *m_heldCursor : m_editor->textCursor();
}

int QtRichTextControl::selStart() const
{
    const QTextCursor c = cursor();
    return fromDocPosition(c.selectionStart());
}

int QtRichTextControl::selLength() const
{
    const QTextCursor c = cursor();
    return fromDocPosition(c.selectionEnd()) - fromDocPosition(c.selectionStart());
}

void QtRichTextControl::select(int start, int end)
{
    QTextCursor c(m_editor->document());
    c.setPosition(toDocPosition(start));
    if (end > start)
        c.setPosition(toDocPosition(end), QTextCursor::KeepAnchor);
    if (notificationsBlocked())
        m_heldCursor = c; // the widget learns the final selection once, at the end
    else
        m_editor->setTextCursor(c);
}

void QtRichTextControl::setSelStart(int start)
{
    const int s = std::clamp(start, 0, textLength());
    select(s, s);
}

void QtRichTextControl::setSelLength(int length)
{
    const int s = selStart();
    select(s, std::clamp(s + std::max(length, 0), s, textLength()));
}

QString QtRichTextControl::selText() const
{
    const int start = selStart();
    return styledRange(start, start + selLength()).text;
}

void QtRichTextControl::insertStyled(QTextCursor& cursor, const StyledText& content)
{
    int pos = 0;
    const int n = int(content.text.size());
    for (const ColorRun& r : content.runs) {
        if (r.start > pos)
            cursor.insertText(toDocText(content.text.mid(pos, r.start - pos)), QTextCharFormat());
        cursor.insertText(toDocText(content.text.mid(r.start, r.length)), formatFor(r.color));
        pos = r.start + r.length;
    }
    if (pos < n)
        cursor.insertText(toDocText(content.text.mid(pos)), QTextCharFormat());
}

void QtRichTextControl::replaceRange(int start, int length, const StyledText& content)
{
    const int line = lineAt(start);
    recordLineSplice(line, lineAt(start + length) - line + 1, int(content.text.count(u'\n')) + 1);
    m_lastBlock = QTextBlock();
    {
        ProgrammaticEdit guard(m_programmatic);
        QTextCursor c(m_editor->document());
        c.beginEditBlock();
        c.setPosition(toDocPosition(start));
        c.setPosition(toDocPosition(start + length), QTextCursor::KeepAnchor);
        c.removeSelectedText();
        insertStyled(c, content);
        c.endEditBlock();
        select(start + int(content.text.size()), start + int(content.text.size()));
    }
    notifyChanged();
}

void QtRichTextControl::replaceSelectionWith(const StyledText& content)
{
    replaceRange(selStart(), selLength(), content);
}

void QtRichTextControl::setSelText(const QString& text)
{
    const QString clean = normalizeLineEnds(text);
    replaceSelectionWith(uniformlyColoured(clean, insertionColorAt(selStart())));
}

QString QtRichTextControl::selRtf() const
{
    const int start = selStart();
    return Rtf::write(styledRange(start, start + selLength()), m_fontName);
}

void QtRichTextControl::setSelRtf(const QString& rtf)
{
    if (!Rtf::looksLikeRtf(rtf)) {
        setSelText(rtf);
        return;
    }
    replaceSelectionWith(normalizedStyledText(Rtf::read(rtf)));
}

TextColor QtRichTextControl::selColor() const
{
    const int start = selStart();
    const int length = selLength();
    if (length == 0)
        return insertionColorAt(start);
    return rangeColor(styledRange(start, start + length), 0, length);
}

TextColor QtRichTextControl::insertionColorAt(int pos) const
{
    const int docPos = toDocPosition(pos);
    const QTextBlock block = m_editor->document()->findBlock(docPos);
    if (docPos <= block.position())
        return {}; // the default at a line start
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (f.position() < docPos && docPos <= f.position() + f.length())
            return colorOf(f.charFormat());
    }
    return {};
}

void QtRichTextControl::setSelColor(TextColor color)
{
    if (selLength() == 0 || color.isMixed())
        return;
    const int first = lineAt(selStart());
    const int lines = lineAt(selStart() + selLength()) - first + 1;
    recordLineSplice(first, lines, lines);
    {
        ProgrammaticEdit guard(m_programmatic);
        QTextCursor c = cursor();
        c.setCharFormat(formatFor(color));
    }
    notifyChanged();
}

int QtRichTextControl::find(const QString& needle, std::optional<int> start)
{
    if (needle.isEmpty())
        return -1;
    const QString t = text();
    int from = 0;
    int end = int(t.size());
    const int len = selLength();
    if (start) {
        from = std::max(*start, 0);
    } else if (len > 0) {
        from = selStart();
        end = from + len;
    }
    if (from > end)
        return -1;
    const int found =
        int(QStringMatcher(needle, Qt::CaseInsensitive).indexIn(QStringView(t).first(end), from));
    if (found < 0)
        return -1;
    select(found, found + int(needle.size()));
    return found;
}

int QtRichTextControl::lineCount() const
{
    return m_editor->document()->blockCount();
}

int QtRichTextControl::lineStart(int line) const
{
    const QTextDocument* doc = m_editor->document();
    const int n = std::clamp(line, 0, doc->blockCount() - 1);
    return doc->findBlockByNumber(n).position() + n;
}

int QtRichTextControl::lineAt(int pos) const
{
    return m_editor->document()->findBlock(toDocPosition(pos)).blockNumber();
}

StyledText QtRichTextControl::blockContent(const QTextBlock& block) const
{
    StyledText out{block.text(), {}};
    int offset = 0; // a fragment's position costs a walk of the document's tree
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const TextColor c = colorOf(f.charFormat());
        if (!c.isDefault())
            out.runs.push_back({offset, f.length(), c});
        offset += f.length();
    }
    out.runs = canonicalRuns(std::move(out.runs));
    return out;
}

QTextBlock QtRichTextControl::blockNumber(int line) const
{
    // Lines are mostly asked for one after another: the next block is one
    // step away where finding it by number walks the document's tree.
    if (m_lastBlock.isValid() && m_lastBlockNumber == line)
        return m_lastBlock;
    if (m_lastBlock.isValid() && m_lastBlockNumber + 1 == line)
        m_lastBlock = m_lastBlock.next();
    else
        m_lastBlock = m_editor->document()->findBlockByNumber(line);
    m_lastBlockNumber = line;
    return m_lastBlock;
}

StyledText QtRichTextControl::line(int line) const
{
    return blockContent(blockNumber(line));
}

void QtRichTextControl::setLine(int line, const StyledText& content)
{
    const QTextBlock block = blockNumber(line);
    if (!block.isValid())
        return;
    const StyledText old = blockContent(block);
    const int start = block.position();
    recordLineSplice(line, 1, 1);
    {
        ProgrammaticEdit guard(m_programmatic);
        QTextCursor c(m_editor->document());
        c.beginEditBlock();
        if (old.text == content.text) {
            // Only colours differ, as almost always: touch just those.
            const int n = int(content.text.size());
            for (const ColorRun& d : colorDifferences(old.runs, content.runs, n)) {
                c.setPosition(start + d.start);
                c.setPosition(start + d.start + d.length, QTextCursor::KeepAnchor);
                c.setCharFormat(formatFor(d.color));
            }
        } else {
            c.setPosition(start);
            c.setPosition(start + block.length() - 1, QTextCursor::KeepAnchor);
            c.removeSelectedText();
            insertStyled(c, content);
        }
        c.endEditBlock();
    }
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

void QtRichTextControl::batchBegan()
{
    m_heldCursor = m_editor->textCursor();
    // One edit block for the whole batch: the layout learns of the changed
    // lines once, and lays out far-apart ones only when they are shown.
    m_batchEdit = QTextCursor(m_editor->document());
    m_batchEdit.beginEditBlock();
}

void QtRichTextControl::batchEnded()
{
    {
        ProgrammaticEdit guard(m_programmatic);
        m_batchEdit.endEditBlock();
        m_batchEdit = QTextCursor();
    }
    const QTextCursor held = *std::exchange(m_heldCursor, std::nullopt);
    const QTextCursor shown = m_editor->textCursor();
    if (held.anchor() == shown.anchor() && held.position() == shown.position())
        return;
    // The selection moved; the view stays where it was.
    const int h = m_editor->horizontalScrollBar()->value();
    const int v = m_editor->verticalScrollBar()->value();
    m_editor->setTextCursor(held);
    m_editor->horizontalScrollBar()->setValue(h);
    m_editor->verticalScrollBar()->setValue(v);
    m_editor->ensureCursorVisible();
}
