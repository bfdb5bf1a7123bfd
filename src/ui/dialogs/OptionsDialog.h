#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QGroupBox;
class QTabBar;

namespace Quillwright {

class RichTextControl;
class SettingsStore;

// frmOptions: the editor font, applied to the active script and stored for
// documents made later.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `control` is the active script's editor, or null when there is none:
    // Apply and OK then only store the setting.
    OptionsDialog(SettingsStore* settings, RichTextControl* control, QWidget* parent = nullptr);

    QTabBar* tbsOptions() const { return m_tabs; }
    // Combo1: the font choice, under its documented name.
    QComboBox* Combo1() const { return m_fonts; }
    QWidget* page(int index) const { return m_pages[index]; }

    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void Form_KeyDown(int keyCode, int shiftState);
    void tbsOptions_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingsStore* m_settings;
    QPointer<RichTextControl> m_control;
    QTabBar* m_tabs;
    QComboBox* m_fonts;
    QWidget* m_pages[4];
};

} // namespace Quillwright
