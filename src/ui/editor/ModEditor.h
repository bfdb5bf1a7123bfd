#pragma once

#include <QPlainTextEdit>
#include <optional>

class QAction;
class QMenu;
class QMimeData;

namespace Quillwright {

class QtRichTextControl;

// The editor that shows a script (mod_fly): a QPlainTextEdit, whose layout
// touches only the lines that change, holding coloured text. Typed text
// goes through the control so that its colour follows the same rule as
// every other insertion, and the widget's own undo stack is off: Ctrl+Z
// reaches the program's Undo. Drops and input methods go through the
// control too, so that each is one change of the script.
class ModEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ModEditor(QWidget* parent = nullptr);
    void setControl(QtRichTextControl* control) { m_control = control; }

    // The format that marks a drag as this editor's own, with the stretch it
    // carries; public for tests that drop what a drag would carry.
    static QString ownDragFormat();

    // The gutter at the left that numbers the lines, as text editors show
    // them, the caret's line number emphasised.
    QWidget* lineNumbers() const { return m_lineNumbers; }
    int lineNumberWidth() const;
    void paintLineNumbers(QPaintEvent* event);
    // The gutter is made wide enough for `lines` until the next call: its
    // width is taken from the width every line is laid out at, so it is
    // settled before a big text is shown, not once the text is in place.
    void reserveLineNumbers(int lines);
    // The first and the last line (from 0) that the viewport shows.
    std::pair<int, int> visibleLines() const;
    // The context menu's Undo, Redo and Paste are the program's (the
    // widget's own undo is off, and its paste would be another road), with
    // the keys the Edit menu shows.
    void setProgramActions(QAction* undo, QAction* redo, QAction* paste);

signals:
    // The context menu is about to show, for the place at `viewportPos` (the
    // caret's when a key asked for it): others may add their entries.
    void contextMenuShowing(QMenu* menu, const QPoint& viewportPos);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool deleteKey(QKeyEvent* e);
    void inputMethodEvent(QInputMethodEvent* e) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    struct Stretch {
        int start = 0;
        int length = 0;
    };
    // The stretch a drag from this editor carries, while the text is still
    // the one it was taken from.
    std::optional<Stretch> ownDrag(const QMimeData* mime) const;

    void makeLineNumbers();
    int lineNumberDigits(int blocks) const;
    void placeLineNumbers(int digits);

    QtRichTextControl* m_control = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_paste = nullptr;
    QWidget* m_lineNumbers = nullptr;
    int m_lineNumberDigits = 0;
    int m_reservedLines = 0;
};

} // namespace Quillwright
