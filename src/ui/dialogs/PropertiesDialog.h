#pragma once

#include "core/script/HeaderFields.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Quillwright {

class RichTextControl;

// frmproperties: the seven header fields of the active script. Loading
// reads them once; Apply writes and stays, OK writes and closes, Cancel
// (or Esc) closes without writing. Enter presses nothing.
class PropertiesDialog : public QDialog {
    Q_OBJECT
public:
    // `control` is the active script's editor, or null when the active
    // child holds no script: the boxes then stay empty and writing does
    // nothing.
    explicit PropertiesDialog(RichTextControl* control, QWidget* parent = nullptr);

    HeaderValues boxes() const;
    void setBoxes(const HeaderValues& values);
    QLineEdit* mod_author() const { return m_author; }
    // Combo1: the installation-level choice that Command2 ("...") shows in
    // place of the level box; the names are those the program's operations
    // are documented under.
    QComboBox* Combo1() const { return m_combo; }

    // Puts the focus on the first box that still holds one of the script
    // writer's placeholders, its text selected for typing over.
    void selectFirstPlaceholder();

    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Command2_Click();

signals:
    void authorDetailsRequested(QLineEdit* authorField);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ReadHeader();
    void WriteHeader();

    QPointer<RichTextControl> m_control;
    QLineEdit* m_title;
    QLineEdit* m_version;
    QLineEdit* m_author;
    QPlainTextEdit* m_desc;
    QLineEdit* m_level;
    QComboBox* m_combo;
    QLineEdit* m_time;
    QPlainTextEdit* m_notes;
    HeaderValues m_written; // what the boxes held when last read or written
};

} // namespace Quillwright
