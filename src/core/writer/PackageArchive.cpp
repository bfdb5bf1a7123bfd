#include "core/writer/PackageArchive.h"
#include "core/writer/WriterText.h"

#include "core/package/ModArchive.h"
#include "core/script/ModReader.h"
#include "core/writer/PackageFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>

namespace Quillwright {

namespace Writer {
namespace {

// A carried file as it stands in the changed forum: its mode and time.
ModArchive::Entry carriedEntry(const QString& path, const QByteArray& bytes, const QString& folder)
{
    ModArchive::Entry e{QStringLiteral("root/") + path, bytes, 0644, {}};
    struct stat st {};
    if (!folder.isEmpty() &&
        ::stat(QFile::encodeName(QDir(folder).filePath(path)).constData(), &st) == 0 &&
        S_ISREG(st.st_mode)) {
        e.mode = int(st.st_mode & 07777);
        e.modified = QDateTime::fromSecsSinceEpoch(qint64(st.st_mtime));
    }
    return e;
}

} // namespace

QString unfitPackageArchive(const QString& file, const QStringList& forums)
{
    if (file.trimmed().isEmpty())
        return tr("No file was given for the package.");
    if (const QString forum = forumHolding(file, forums); !forum.isEmpty())
        return tr("%1 is inside the forum %2: the package goes elsewhere, or it would become "
                  "part of the changes it describes.")
            .arg(native(file), native(forum));
    if (QFileInfo(file).isDir())
        return tr("%1 is a folder, not a file.").arg(native(file));
    return QString();
}

QString writePackageArchive(const QString& file, const QString& scriptName, const Written& w,
                            const Tree& original, const Tree& changed, const QString& changedFolder)
{
    if (!w.refused.isEmpty())
        return w.refused;
    std::vector<ModArchive::Entry> entries;
    entries.push_back({scriptName, w.bytes(), 0644, {}});
    for (const QString& p : w.carried)
        entries.push_back(carriedEntry(p, changed.value(p), changedFolder));
    const ModArchive::Packed packed = ModArchive::pack(entries);
    if (!packed.error.isEmpty())
        return tr("The package cannot be written as a zip: %1").arg(packed.error);

    // The proof on what an installer will unpack, not on what was packed.
    const ModArchive::Package back = ModArchive::read(packed.bytes);
    if (!back.error.isEmpty())
        return tr("The package cannot be written as a zip: %1").arg(back.error);
    const ModArchive::Script script = ModArchive::openScript(back, scriptName);
    QStringList wrong = installedWrong(original, changed,
                                       {scriptName, ModReader::readLines(script.bytes),
                                        script.package.files, script.package.folder},
                                       w.edited + w.carried);
    for (const QString& p : w.failed)
        wrong.removeAll(p);
    if (!wrong.isEmpty())
        return tr("Installed from the zip, the package does not give %1 as it was changed: "
                  "nothing was written.")
            .arg(wrong.join(QStringLiteral(", ")));

    const QString target = QFileInfo(file).absoluteFilePath();
    if (!QDir().mkpath(QFileInfo(target).path()))
        return tr("The folder %1 cannot be made.").arg(native(QFileInfo(target).path()));
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(packed.bytes) != packed.bytes.size() ||
        !out.commit())
        return tr("%1 could not be written: %2").arg(native(target), out.errorString());
    return QString();
}

} // namespace Writer

} // namespace Quillwright
