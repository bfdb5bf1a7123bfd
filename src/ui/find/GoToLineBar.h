#pragma once

#include <QWidget>

class QLabel;
class QSpinBox;

namespace Quillwright {

class QtRichTextControl;

// Ctrl+G: a line number asked for below the script; Return puts the caret
// at the start of that line, scrolled into view, Esc gives up.
class GoToLineBar : public QWidget {
    Q_OBJECT
public:
    explicit GoToLineBar(QtRichTextControl& control, QWidget* parent = nullptr);

    void open();
    void close();
    // 1-based; numbers beyond the script go to its last line.
    void goToLine(int number);
    QSpinBox* field() const { return m_field; }

signals:
    void visibilityChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtRichTextControl& m_control;
    QSpinBox* m_field;
    QLabel* m_of;
};

} // namespace Quillwright
