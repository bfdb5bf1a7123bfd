#include "core/settings/SettingsStore.h"

#include "core/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace Quillwright {

SettingsStore::SettingsStore(const QString& folder) : m_folder(folder)
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/Quillwright");
}

QString SettingsStore::filePath(const QString& application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".ini"));
}

QString SettingsStore::value(const QString& application, const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    QSettings s(filePath(application), QSettings::IniFormat);
    s.beginGroup(section);
    const QVariant v = s.value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

void SettingsStore::setValue(const QString& application, const QString& section, const QString& key,
                             const QString& value)
{
    QDir().mkpath(m_folder);
    QSettings s(filePath(application), QSettings::IniFormat);
    s.beginGroup(section);
    // Writing the file again syncs it to the disk: a value it holds already
    // (the recent files after every save of the same script) costs nothing.
    if (s.contains(key) && s.value(key).toString() == value)
        return;
    s.setValue(key, value);
    s.endGroup();
    s.sync();
}

double SettingsStore::number(const QString& application, const QString& section, const QString& key,
                             double defaultValue) const
{
    bool ok = false;
    const double v = value(application, section, key, QString()).trimmed().toDouble(&ok);
    return ok && qIsFinite(v) ? v : defaultValue;
}

QString SettingsStore::executableName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QString::fromLatin1(Version::ProgramTitle)
                          : QFileInfo(path).completeBaseName();
}

} // namespace Quillwright
