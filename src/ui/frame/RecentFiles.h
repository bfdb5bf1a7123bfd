#pragma once

#include <QObject>
#include <QStringList>
#include <array>

class QAction;

namespace Quillwright {

class SettingsStore;

// The File menu's three recent-file entries: the scripts most recently
// opened or saved, newest first, kept in the settings store. An entry is
// hidden while it has no file.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 3;
    RecentFiles(SettingsStore* settings, std::array<QAction*, Count> entries,
                QObject* parent = nullptr);

    QStringList files() const { return m_files; }
    // The file goes to the top of the list.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void openRequested(const QString& path);

private:
    void save();
    void show();

    SettingsStore* m_settings;
    std::array<QAction*, Count> m_entries;
    QStringList m_files;
};

} // namespace Quillwright
