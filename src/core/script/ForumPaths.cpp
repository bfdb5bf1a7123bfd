#include "core/script/ForumPaths.h"

#include "core/script/ModReader.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace Quillwright {

namespace ForumPaths {

bool inside(const QString& root, const QString& path)
{
    return path == root || path.startsWith(root + u'/');
}

// The real place of a path, links resolved; for a path that is not there,
// its deepest folder that is, and the rest. A link that leads nowhere still
// says where it would lead: a file written through it would land there.
QString resolved(const QString& path)
{
    QString p = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(p);
        if (info.exists())
            return info.canonicalFilePath();
        if (!info.isSymLink()) {
            const QString up = info.path();
            return up == p ? p : QDir::cleanPath(resolved(up) + u'/' + info.fileName());
        }
        p = QDir::cleanPath(info.symLinkTarget());
    }
    return p;
}

bool isConfined(const QString& path)
{
    QString p = path.trimmed();
    p.replace(u'\\', u'/');
    if (p.startsWith(QStringLiteral("//")) || p.startsWith(u'~') || (p.size() >= 2 && p[1] == u':'))
        return false;
    if (p.startsWith(QStringLiteral("./")))
        p.remove(0, 2);
    else if (p.startsWith(u'/'))
        p.remove(0, 1);
    if (p.endsWith(u'/'))
        p.chop(1);
    if (p.isEmpty())
        return false;
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
    QString probe = QDir(root).filePath(ModReader::scriptPath(path));
    while (!QFileInfo::exists(probe) && !QFileInfo(probe).isSymLink()) {
        const QString up = QFileInfo(probe).path();
        if (up == probe)
            break;
        probe = up;
    }
    return !inside(base, resolved(probe));
}

} // namespace ForumPaths

} // namespace Quillwright
