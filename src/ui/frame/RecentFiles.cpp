#include "ui/frame/RecentFiles.h"

#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace Quillwright {

namespace {
const QString Section = QStringLiteral("Recent Files");
QString keyOf(int i)
{
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

RecentFiles::RecentFiles(SettingsStore* settings, std::array<QAction*, Count> entries,
                         QObject* parent)
    : QObject(parent), m_settings(settings), m_entries(entries)
{
    for (int i = 0; i < Count; ++i) {
        connect(m_entries[size_t(i)], &QAction::triggered, this, [this, i] {
            if (i < m_files.size())
                emit openRequested(m_files[i]);
        });
        if (m_settings) {
            const QString path =
                m_settings->value(ModFormat::programTitle(), Section, keyOf(i), QString());
            if (!path.isEmpty() && !m_files.contains(path))
                m_files << path;
        }
    }
    show();
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (m_files.value(0) == absolute)
        return; // saved again: the list is as it was
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > Count)
        m_files.removeLast();
    save();
    show();
}

void RecentFiles::remove(const QString& path)
{
    m_files.removeAll(path);
    save();
    show();
}

void RecentFiles::save()
{
    if (!m_settings)
        return;
    for (int i = 0; i < Count; ++i)
        m_settings->setValue(ModFormat::programTitle(), Section, keyOf(i), m_files.value(i));
}

void RecentFiles::show()
{
    for (int i = 0; i < Count; ++i) {
        QAction* entry = m_entries[size_t(i)];
        const bool used = i < m_files.size();
        entry->setVisible(used);
        entry->setEnabled(used);
        if (!used)
            continue;
        const QString path = QDir::toNativeSeparators(m_files[i]);
        // "&1 name": an ampersand of the name is not an accelerator. Files
        // of the same name (every MOD has an install.txt) say their folder.
        const QFileInfo file(m_files[i]);
        QString name = file.fileName();
        const bool shared =
            std::count_if(m_files.begin(), m_files.end(), [&](const QString& other) {
                return QFileInfo(other).fileName() == file.fileName();
            }) > 1;
        if (shared)
            name = tr("%1 in %2").arg(name, QDir::toNativeSeparators(file.path()));
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setStatusTip(path);
        entry->setToolTip(path);
    }
}

} // namespace Quillwright
