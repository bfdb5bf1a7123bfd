// What a document window paints over its script: the checker's underlines
// and, while the find bar is open, every match in view.
#include "ui/editor/ModEditor.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/FindBar.h"

#include <QTextCursor>

void DocumentWindow::showMarks()
{
    m_modFly->setExtraSelections(m_findMarks + m_checkMarks);
}

void DocumentWindow::markFindMatchesInView()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (!m_findBar->isHidden()) {
        const auto [first, last] = m_modFly->visibleLines();
        const int lines = m_control->lineCount();
        const int from = m_control->lineStart(std::clamp(first, 0, lines - 1));
        const int to = last + 1 < lines ? m_control->lineStart(last + 1) : m_control->textLength();
        QTextCharFormat found;
        found.setBackground(QColor(0xff, 0xe8, 0x6e));
        for (const TextMatch& m : m_findBar->matchesIn(from, to)) {
            if (m.length == 0)
                continue; // a place, not a stretch: nothing to paint
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_modFly->document());
            mark.cursor.setPosition(m_control->toDocPosition(m.start));
            mark.cursor.setPosition(m_control->toDocPosition(m.start + m.length),
                                    QTextCursor::KeepAnchor);
            mark.format = found;
            marks << mark;
        }
    }
    if (marks.isEmpty() && m_findMarks.isEmpty())
        return;
    m_findMarks = std::move(marks);
    showMarks();
}
