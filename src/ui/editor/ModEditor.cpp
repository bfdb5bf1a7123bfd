#include "ui/editor/ModEditor.h"

#include "core/control/ClipboardMime.h"
#include "core/control/RichTextControl.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/CommandKeys.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

namespace Quillwright {

ModEditor::ModEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    makeLineNumbers();
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
    if (!c.acceptsEdits())
        return true; // the selection stays as it was
    if (c.selLength() == 0) {
        // One character, a surrogate pair, or a whole CR LF; only the
        // caret's line is read, however long the text.
        const int p = c.selStart();
        const int line = c.lineAt(p);
        const int start = c.lineStart(line);
        const QString text = c.line(line)->text;
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
    if (isUnboundAltKey(e)) {
        e->ignore();
        return;
    }
    // A read-only script's control refuses these keys, and says why.
    if (m_control) {
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
    if (!m_control || e->commitString().isEmpty() || e->replacementLength() != 0) {
        QPlainTextEdit::inputMethodEvent(e); // a composition shown by the widget alone
        return;
    }
    // The composition the widget shows in the line's layout ends with the
    // result: the widget takes it away before the control inserts the
    // result, or the layout keeps text the line does not have. A new
    // composition that comes with the result is shown after it.
    if (!textCursor().block().layout()->preeditAreaText().isEmpty()) {
        QInputMethodEvent end;
        QPlainTextEdit::inputMethodEvent(&end);
    }
    m_control->setSelText(e->commitString());
    if (!e->preeditString().isEmpty()) {
        QInputMethodEvent next(e->preeditString(), e->attributes());
        QPlainTextEdit::inputMethodEvent(&next);
    }
    e->accept();
}

void ModEditor::setProgramActions(QAction* undo, QAction* redo, QAction* paste)
{
    m_undo = undo;
    m_redo = redo;
    m_paste = paste;
}

void ModEditor::contextMenuEvent(QContextMenuEvent* e)
{
    // A key's menu belongs to the caret; a click's to where it was (the
    // viewport passes it on in its own coordinates).
    const QPoint at = e->reason() == QContextMenuEvent::Keyboard ? cursorRect().center() : e->pos();
    std::unique_ptr<QMenu> menu(createStandardContextMenu(at));
    const std::pair<const char*, QAction*> own[] = {
        {"edit-undo", m_undo}, {"edit-redo", m_redo}, {"edit-paste", m_paste}};
    for (const auto& [name, program] : own) {
        QAction* widgets = menu->findChild<QAction*>(QString::fromLatin1(name));
        if (!widgets || !program)
            continue;
        menu->insertAction(widgets, program);
        menu->removeAction(widgets);
    }
    emit contextMenuShowing(menu.get(), at);
    menu->exec(e->reason() == QContextMenuEvent::Keyboard ? viewport()->mapToGlobal(at)
                                                          : e->globalPos());
}

QString ModEditor::ownDragFormat()
{
    return QStringLiteral("application/x-quillwright-drag");
}

QMimeData* ModEditor::createMimeDataFromSelection() const
{
    if (!m_control)
        return QPlainTextEdit::createMimeDataFromSelection();
    QMimeData* mime = ClipboardMime::fromSelection(*m_control);
    mime->setData(ownDragFormat(), QStringLiteral("%1 %2 %3 %4")
                                       .arg(quintptr(this))
                                       .arg(m_control->revision())
                                       .arg(m_control->selStart())
                                       .arg(m_control->selLength())
                                       .toLatin1());
    return mime;
}

std::optional<ModEditor::Stretch> ModEditor::ownDrag(const QMimeData* mime) const
{
    if (!m_control || !mime || !mime->hasFormat(ownDragFormat()))
        return std::nullopt;
    const QList<QByteArray> parts = mime->data(ownDragFormat()).split(' ');
    if (parts.size() != 4 || parts[0].toULongLong() != quintptr(this) ||
        parts[1].toULongLong() != m_control->revision())
        return std::nullopt;
    const Stretch s{parts[2].toInt(), parts[3].toInt()};
    if (s.start < 0 || s.length <= 0 || s.start + s.length > m_control->textLength())
        return std::nullopt;
    return s;
}

void ModEditor::dropEvent(QDropEvent* e)
{
    if (!m_control || isReadOnly() || !canInsertFromMimeData(e->mimeData())) {
        QPlainTextEdit::dropEvent(e);
        return;
    }
    int to =
        m_control->mirror().fromDocPosition(cursorForPosition(e->position().toPoint()).position());
    const std::optional<Stretch> own = ownDrag(e->mimeData());
    const bool move = own && e->dropAction() == Qt::MoveAction;
    // The text lands where it was dropped, in one change of the script:
    // a move takes it away from where it was in the same change.
    ChangeBatch batch(*m_control);
    if (move) {
        if (to >= own->start && to <= own->start + own->length) {
            e->acceptProposedAction(); // dropped onto itself
            return;
        }
        m_control->setSelStart(own->start);
        m_control->setSelLength(own->length);
        const QString moved = m_control->selRtf();
        m_control->setSelText(QString());
        if (to > own->start)
            to -= own->length;
        m_control->setSelStart(to);
        m_control->setSelRtf(moved);
    } else {
        m_control->setSelStart(to);
        if (!ClipboardMime::paste(*m_control, e->mimeData()).pasted) {
            e->ignore();
            return;
        }
    }
    e->setDropAction(move ? Qt::MoveAction : Qt::CopyAction);
    e->accept();
    setFocus();
    ensureCursorVisible();
}

bool ModEditor::canInsertFromMimeData(const QMimeData* source) const
{
    // Files dropped here go on to the main window, which opens them.
    return ClipboardMime::droppedFiles(source).isEmpty() && ClipboardMime::canPaste(source);
}

void ModEditor::insertFromMimeData(const QMimeData* source)
{
    if (!m_control) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // The widget may have moved its cursor without telling (a drop does):
    // the text goes where the widget's cursor is.
    const QTextCursor c = textCursor();
    const int start = m_control->mirror().fromDocPosition(c.selectionStart());
    m_control->setSelStart(start);
    m_control->setSelLength(m_control->mirror().fromDocPosition(c.selectionEnd()) - start);
    ClipboardMime::paste(*m_control, source);
}

} // namespace Quillwright
