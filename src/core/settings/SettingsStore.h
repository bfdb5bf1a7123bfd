#pragma once

#include <QString>

namespace Quillwright {

// The per-user settings store: one INI file per application name, one INI
// group per section, values kept as text. Tests give it a folder of their
// own so that they never touch the user's settings.
class SettingsStore {
public:
    // An empty folder means the user's configuration folder.
    explicit SettingsStore(const QString& folder = QString());

    QString value(const QString& application, const QString& section, const QString& key,
                  const QString& defaultValue) const;
    void setValue(const QString& application, const QString& section, const QString& key,
                  const QString& value);

    // A stored value read as a number; text that is not one gives the default.
    double number(const QString& application, const QString& section, const QString& key,
                  double defaultValue) const;

    QString filePath(const QString& application) const;
    QString folder() const { return m_folder; }

    // The executable's name without folder and extension: the tips
    // setting is kept under it.
    static QString executableName();

private:
    QString m_folder;
};

} // namespace Quillwright
