#pragma once

#include <QPlainTextEdit>

class RichTextControl;
class QMimeData;

// The editor that shows a script: a QPlainTextEdit, whose layout touches
// only the lines that change, holding coloured text. Typed text goes
// through the control so that its colour follows the same rule as every
// other insertion, and the widget's own undo stack is off: Ctrl+Z reaches
// the program's Undo.
class ModEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ModEditor(QWidget* parent = nullptr);
    void setControl(RichTextControl* control) { m_control = control; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool deleteKey(QKeyEvent* e);
    void inputMethodEvent(QInputMethodEvent* e) override;
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    RichTextControl* m_control = nullptr;
};
