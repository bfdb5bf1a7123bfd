#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QCheckBox;
class QLabel;

namespace Quillwright {

class SettingsStore;

// frmTip: a random line of TIPOFDAY.TXT, shown at start-up unless the
// user switched it off.
class TipWindow : public QDialog {
    Q_OBJECT
public:
    // `random` gives draws in [0, 1); by default a generator seeded from the clock.
    TipWindow(SettingsStore* settings, const QString& programFolder,
              std::function<double()> random = {}, QWidget* parent = nullptr);

    // Load: returns false when the stored setting is 0 and the window closed itself.
    bool Form_Load();
    bool LoadTips(const QString& fileName);
    void PickNextTip();
    void DisplayCurrentTip();
    void chkLoadTipsAtStartup_Click();

    QLabel* lblTipText() const { return m_tip; }
    QCheckBox* chkLoadTipsAtStartup() const { return m_check; }
    int currentTip() const { return m_current; }

private:
    SettingsStore* m_settings;
    QString m_folder;
    std::function<double()> m_random;
    QStringList m_tips;
    int m_current = 0;
    QLabel* m_tip;
    QCheckBox* m_check;
};

} // namespace Quillwright
