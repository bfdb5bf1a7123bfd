#include "core/script/ForumPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <memory>

namespace Quillwright {

namespace ForumPaths {

bool inside(const QString& root, const QString& path)
{
    return path == root || path.startsWith(root + u'/');
}

// The real folder of a path, links resolved; the path itself when it does not exist.
QString resolved(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

bool isConfined(const QString& path)
{
    QString p = path.trimmed();
    p.replace(u'\\', u'/');
    if (p.isEmpty() || p.startsWith(u'/') || p.startsWith(u'~') || (p.size() >= 2 && p[1] == u':'))
        return false;
    if (p.startsWith(QStringLiteral("./")))
        p.remove(0, 2);
    const QStringList parts = p.split(u'/');
    return std::none_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.isEmpty() || part == u".." || part == u".";
    });
}

bool leavesFolder(const QString& root, const QString& path)
{
    if (!isConfined(path))
        return true;
    const QString base = resolved(root);
    // The deepest part of the path that exists decides where it leads.
    QString probe = QDir(root).filePath(path);
    while (!QFileInfo::exists(probe) && !QFileInfo(probe).isSymLink()) {
        const QString up = QFileInfo(probe).path();
        if (up == probe)
            break;
        probe = up;
    }
    return !inside(base, resolved(probe));
}

Files folderFiles(const QString& root)
{
    auto cache = std::make_shared<QHash<QString, std::optional<QByteArray>>>();
    return [root, cache](const QString& path) -> std::optional<QByteArray> {
        if (const auto it = cache->constFind(path); it != cache->constEnd())
            return *it;
        std::optional<QByteArray> bytes;
        const QString full = QDir(root).filePath(path);
        if (!leavesFolder(root, path) && QFileInfo(full).isFile()) {
            QFile f(full);
            if (f.open(QIODevice::ReadOnly))
                bytes = f.readAll();
        }
        cache->insert(path, bytes);
        return bytes;
    };
}

} // namespace ForumPaths

} // namespace Quillwright
