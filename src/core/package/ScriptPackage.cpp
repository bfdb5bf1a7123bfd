#include "core/package/ScriptPackage.h"

#include "core/encoding/TextEncoding.h"
#include "core/script/ModReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace Quillwright {

namespace {

QByteArray head(const QString& path, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(size) : QByteArray();
}

bool holdsRoot(const QDir& folder)
{
    return QFileInfo(folder.filePath(QStringLiteral("root"))).isDir();
}

// A MOD of the folder's own: a script, or the XML form MODs were also
// published in. Only names a MOD is written under are read, only their
// start, and only the first few: a package's top holds a handful, and a
// folder with more is no package's (the preview asks at every pause).
bool holdsMod(const QDir& folder)
{
    constexpr int MaxLooked = 32;
    const QFileInfoList files = folder.entryInfoList(
        {QStringLiteral("*.mod"), QStringLiteral("*.txt"), QStringLiteral("*.xml")},
        QDir::Files | QDir::Readable, QDir::Name);
    if (files.size() > MaxLooked)
        return false;
    return std::any_of(files.begin(), files.end(), [](const QFileInfo& f) {
        const QByteArray start = head(f.filePath(), 16 * 1024);
        if (f.suffix().compare(QStringLiteral("xml"), Qt::CaseInsensitive) == 0)
            return start.contains("<mod ") && start.contains("modx");
        return isScript(start);
    });
}

} // namespace

ScriptPackage packageOnDisk(const QString& scriptFolder)
{
    const QDir own(QDir::cleanPath(QFileInfo(scriptFolder).absoluteFilePath()));
    const auto within = [&](const QDir& top) {
        const QString inside = top.relativeFilePath(own.path());
        return ScriptPackage{FileTree::folder(top.path()), inside == u"." ? QString() : inside};
    };
    if (holdsRoot(own))
        return within(own);
    std::vector<QDir> above;
    for (QDir d = own; int(above.size()) < MaxPackageLevels && d.cdUp();)
        above.push_back(d);
    // root/ alone is no package: "/" holds root/, the administrator's home.
    for (const QDir& d : above)
        if (holdsRoot(d) && holdsMod(d))
            return within(d);
    for (const QDir& d : above)
        if (holdsMod(d))
            return within(d);
    return {FileTree::folder(own.path()), QString()};
}

ScriptPackage packageInArchive(const FileTree& archive, const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return {archive, slash < 0 ? QString() : path.first(slash)};
}

bool isScript(const QByteArray& bytes)
{
    if (!decodeText(bytes.first(std::min<qsizetype>(bytes.size(), 64LL * 1024))).refusal.isEmpty())
        return false;
    const QStringList lines =
        ModReader::readLines(bytes.first(std::min<qsizetype>(bytes.size(), 16LL * 1024)));
    for (const QString& l : lines) {
        if (ModReader::scanBanner(l))
            return false;
        if (const auto label = ModReader::headerLabel(l); label && label->first == u"title")
            return true;
    }
    return false;
}

} // namespace Quillwright
