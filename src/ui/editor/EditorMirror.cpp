#include "ui/editor/EditorMirror.h"

#include "ui/editor/LineAlignment.h"
#include "ui/editor/ModEditor.h"
#include "ui/editor/QtTextFormats.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

namespace Quillwright {

namespace {

// The text of `now` put into a block that holds `old`: only the changed
// middle of the text is replaced, then only the colours that differ.
void updateBlock(QTextCursor& c, const QTextBlock& block, const StyledText& old,
                 const StyledText& now)
{
    const int start = block.position();
    const int oldLen = int(old.text.size());
    const int newLen = int(now.text.size());
    int prefix = 0;
    while (prefix < std::min(oldLen, newLen) && old.text[prefix] == now.text[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < std::min(oldLen, newLen) - prefix &&
           old.text[oldLen - 1 - suffix] == now.text[newLen - 1 - suffix])
        ++suffix;
    StyledText have = old;
    if (prefix + suffix < std::max(oldLen, newLen)) {
        const QString middle = now.text.mid(prefix, newLen - prefix - suffix);
        c.setPosition(start + prefix);
        c.setPosition(start + oldLen - suffix, QTextCursor::KeepAnchor);
        c.insertText(middle, QTextCharFormat());
        have = splicedStyledText(old, prefix, oldLen - prefix - suffix, StyledText{middle, {}});
    }
    for (const ColorRun& d : colorDifferences(have.runs, now.runs, newLen)) {
        c.setPosition(start + d.start);
        c.setPosition(start + d.start + d.length, QTextCursor::KeepAnchor);
        c.setCharFormat(formatFor(d.color));
    }
}

StyledText blockContent(const QTextBlock& block)
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
    out.runs = canonicalRuns(out.runs);
    return out;
}

} // namespace

QTextBlock EditorMirror::blockNumber(int line) const
{
    // Lines are mostly asked for one after another: the next block is one
    // step away where finding it by number walks the document's tree.
    if (m_lastBlock.isValid() && m_lastBlockNumber == line)
        return m_lastBlock;
    if (m_lastBlock.isValid() && m_lastBlockNumber + 1 == line)
        m_lastBlock = m_lastBlock.next();
    else
        m_lastBlock = m_editor.document()->findBlockByNumber(line);
    m_lastBlockNumber = line;
    return m_lastBlock;
}

StyledText EditorMirror::documentContent() const
{
    StyledText out;
    for (QTextBlock b = m_editor.document()->begin(); b.isValid(); b = b.next()) {
        if (b != m_editor.document()->begin())
            out.text += u"\r\n";
        appendStyledText(out, blockContent(b));
    }
    return out;
}

int EditorMirror::toDocPosition(int pos) const
{
    const int line = m_store.lineAt(pos);
    const int offset =
        std::clamp(pos - m_store.lineStart(line), 0, int(m_store.line(line).text.size()));
    return blockNumber(line).position() + offset;
}

int EditorMirror::fromDocPosition(int docPos) const
{
    return docPos + m_editor.document()->findBlock(docPos).blockNumber();
}

void EditorMirror::showLines(ChangedLines& changed)
{
    ProgrammaticEdit guard(m_programmatic);
    auto* modEditor = qobject_cast<ModEditor*>(&m_editor);
    if (modEditor)
        modEditor->reserveLineNumbers(m_store.lineCount());
    QTextDocument* doc = m_editor.document();
    const ChunkedVector<LinePtr>& lines = m_store.lines();
    QTextCursor c(doc);
    // Once the widget shows what the store holds, its picture may share the
    // store's chunks of lines, where a list of its own would hold a pointer
    // a line again (3 MB for a script of 5 MB). Sharing costs a pointer a
    // chunk of the whole script: worth it when many lines changed, not for
    // a key.
    int changedLines = 0;
    for (const ChangedLines::Stretch& s : changed.stretches())
        changedLines += s.length;
    const bool share = changedLines >= ChunkedVector<LinePtr>::ChunkSize;
    // Top down, so that above each stretch the document is numbered as
    // the store already. An edit block a stretch: the widget lays out again
    // what an edit block spans, and two stretches may lie far apart.
    for (const ChangedLines::Stretch& s : changed.stretches()) {
        c.beginEditBlock();
        const std::vector<LineSplice> splices =
            alignLines(m_shown, s.start, s.replaced, lines, s.start, s.length);
        for (const LineSplice& sp : splices) {
            if (sp.removed == sp.added) {
                for (int i = sp.line; i < sp.line + sp.added; ++i) {
                    updateBlock(c, blockNumber(i), *m_shown[i], *lines[i]);
                    m_shown.set(i, lines[i]);
                }
                continue;
            }
            m_lastBlock = QTextBlock();
            const int blocks = doc->blockCount();
            if (sp.removed > 0) {
                // Whole blocks go, with the line break that ends each, or
                // the one before them at the end of the text.
                const QTextBlock first = doc->findBlockByNumber(sp.line);
                const int end = sp.line + sp.removed;
                if (end < blocks) {
                    c.setPosition(first.position());
                    c.setPosition(doc->findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
                } else {
                    c.setPosition(first.position() - (sp.line > 0 ? 1 : 0));
                    c.setPosition(doc->characterCount() - 1, QTextCursor::KeepAnchor);
                }
                c.removeSelectedText();
            }
            if (sp.added > 0) {
                const bool atEnd = sp.line >= doc->blockCount() ||
                                   (sp.removed > 0 && sp.line + sp.removed >= blocks);
                const bool breakFirst = atEnd && sp.line > 0;
                c.setPosition(breakFirst ? doc->characterCount() - 1
                                         : doc->findBlockByNumber(sp.line).position());
                // A slice at a time when someone is waiting to hear, each
                // its own edit block so the widget lays out what it has.
                const int slice = m_showProgress ? ShowSlice : sp.added;
                for (int done = 0; done < sp.added;) {
                    const int n = std::min(slice, sp.added - done);
                    const bool last = done + n == sp.added;
                    insertLines(c, lines, sp.line + done, n, breakFirst,
                                !breakFirst && (!last || !atEnd));
                    done += n;
                    if (!last) {
                        c.endEditBlock();
                        m_showProgress(done, sp.added);
                        c.beginEditBlock();
                    }
                }
            }
            // When the picture becomes the store's below, the last needs no listing.
            if (!share || &s != &changed.stretches().back() || &sp != &splices.back()) {
                std::vector<LinePtr> now;
                for (int i = sp.line; i < sp.line + sp.added; ++i)
                    now.push_back(lines[i]);
                m_shown.replace(sp.line, sp.removed, std::move(now));
            }
            m_lastBlock = QTextBlock();
        }
        c.endEditBlock();
    }
    if (share)
        m_shown = lines;
    changed.clear();
    m_lastBlock = QTextBlock();
    m_blockCount = doc->blockCount();
    if (modEditor)
        modEditor->reserveLineNumbers(0);
}

void EditorMirror::showSelection(int start, int length)
{
    const int anchor = toDocPosition(start);
    const int position = toDocPosition(start + length);
    const QTextCursor now = m_editor.textCursor();
    if (now.anchor() == anchor && now.position() == position)
        return;
    QTextCursor c(m_editor.document());
    c.setPosition(anchor);
    c.setPosition(position, QTextCursor::KeepAnchor);
    ProgrammaticEdit guard(m_programmatic);
    m_editor.setTextCursor(c);
}

std::pair<int, int> EditorMirror::widgetSelection() const
{
    const QTextCursor c = m_editor.textCursor();
    const int start = fromDocPosition(c.selectionStart());
    return {start, fromDocPosition(c.selectionEnd()) - start};
}

EditorMirror::ReadBack EditorMirror::readBack(int pos, int added)
{
    const QTextDocument* doc = m_editor.document();
    const int blocks = doc->blockCount();
    const int last = doc->characterCount() - 1;
    const int first = doc->findBlock(std::clamp(pos, 0, last)).blockNumber();
    const int addedLines =
        doc->findBlock(std::clamp(pos + added, 0, last)).blockNumber() - first + 1;
    const int removedLines = addedLines + m_blockCount - blocks;
    m_blockCount = blocks;
    m_lastBlock = QTextBlock();
    std::vector<StyledText> read;
    for (int i = first; i < first + addedLines; ++i)
        read.push_back(blockContent(doc->findBlockByNumber(i)));
    ReadBack out{first, removedLines, LineStore::share(std::move(read))};
    m_shown.replace(first, removedLines, out.lines);
    return out;
}

EditorMirror::EditorMirror(QPlainTextEdit& editor, LineStore& store)
    : m_editor(editor), m_store(store)
{
    store.assign(normalizedStyledText(documentContent()));
    m_shown = store.lines();
    m_blockCount = editor.document()->blockCount();
}

void EditorMirror::setFont(const QString& name)
{
    QFont font(name);
    font.setPointSizeF(9.75);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch() && QFontInfo(font).family() != name)
        font.setFamilies({name, QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
    ProgrammaticEdit guard(m_programmatic);
    m_editor.document()->setDefaultFont(font);
}

void EditorMirror::printSelection(QPrinter* printer) const
{
    QTextDocument doc;
    doc.setDefaultFont(m_editor.document()->defaultFont());
    const QTextCursor c = m_editor.textCursor();
    QTextCursor target(&doc);
    if (c.hasSelection())
        target.insertFragment(c.selection());
    else
        target.insertFragment(QTextDocumentFragment(m_editor.document()));
    doc.print(printer);
}

} // namespace Quillwright
