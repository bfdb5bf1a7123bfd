#pragma once

#include <QTextEdit>

namespace Quillwright {

class FindBar;
class ModEditor;
class QtRichTextControl;

// What a document window paints over its script: the checker's underlines
// and, while the find bar is open, every match in view. Both are the
// editor's extra selections, which each would otherwise take from the other.
class EditorMarks {
public:
    explicit EditorMarks(ModEditor& editor) : m_editor(editor) {}

    void setCheckMarks(QList<QTextEdit::ExtraSelection> marks);
    void setFindMarks(QList<QTextEdit::ExtraSelection> marks);
    // While the bar is open, every match in view.
    void showFindMatches(FindBar& bar, const QtRichTextControl& control);

private:
    ModEditor& m_editor;
    QList<QTextEdit::ExtraSelection> m_checkMarks;
    QList<QTextEdit::ExtraSelection> m_findMarks;
};

} // namespace Quillwright
