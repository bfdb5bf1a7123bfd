#include "ui/document/EditorMarks.h"

#include "ui/editor/ModEditor.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/find/FindBar.h"

#include <QTextCursor>

namespace Quillwright {

void EditorMarks::setCheckMarks(QList<QTextEdit::ExtraSelection> marks)
{
    m_checkMarks = std::move(marks);
    m_editor.setExtraSelections(m_findMarks + m_checkMarks);
}

void EditorMarks::setFindMarks(QList<QTextEdit::ExtraSelection> marks)
{
    m_findMarks = std::move(marks);
    m_editor.setExtraSelections(m_findMarks + m_checkMarks);
}

void EditorMarks::showFindMatches(FindBar& bar, const QtRichTextControl& control)
{
    QList<QTextEdit::ExtraSelection> marks;
    if (!bar.isHidden()) {
        const auto [first, last] = m_editor.visibleLines();
        const int lines = control.lineCount();
        const int from = control.lineStart(std::clamp(first, 0, lines - 1));
        const int to = last + 1 < lines ? control.lineStart(last + 1) : control.textLength();
        QTextCharFormat found;
        found.setBackground(QColor(0xff, 0xe8, 0x6e));
        for (const TextMatch& m : bar.matchesIn(from, to)) {
            if (m.length == 0)
                continue; // a place, not a stretch: nothing to paint
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_editor.document());
            mark.cursor.setPosition(control.mirror().toDocPosition(m.start));
            mark.cursor.setPosition(control.mirror().toDocPosition(m.start + m.length),
                                    QTextCursor::KeepAnchor);
            mark.format = found;
            marks << mark;
        }
    }
    if (marks.isEmpty() && m_findMarks.isEmpty())
        return;
    setFindMarks(std::move(marks));
}

} // namespace Quillwright
