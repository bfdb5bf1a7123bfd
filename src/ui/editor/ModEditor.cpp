#include "ui/editor/ModEditor.h"

#include "core/text/ClipboardMime.h"
#include "core/text/RichTextControl.h"

#include <QKeyEvent>

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
