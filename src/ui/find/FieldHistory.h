#pragma once

#include <QStringList>
#include <functional>

class QLineEdit;

namespace Quillwright {

class SettingsStore;

// The last entries of a search field, kept in the settings (shared by every
// document's find bar) and offered by Down in the field.
class FieldHistory {
public:
    static constexpr int Length = 10;
    explicit FieldHistory(QString name) : m_name(std::move(name)) {}

    void setStore(SettingsStore* settings) { m_settings = settings; }
    QStringList entries() const;
    // The text goes to the top of the remembered entries.
    void remember(const QString& text);
    // The entries as a popup under `field`; `chosen` runs after one is taken.
    void offer(QLineEdit* field, std::function<void()> chosen) const;

private:
    QString key(int i) const { return m_name + QString::number(i + 1); }

    QString m_name; // "Find", "Replace"
    SettingsStore* m_settings = nullptr;
};

} // namespace Quillwright
