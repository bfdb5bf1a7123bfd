#include "core/writer/PackageFolder.h"
#include "core/writer/WriterText.h"

#include "core/script/ForumPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace Quillwright {

namespace Writer {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = tr("%1 could not be written: %2").arg(native(path), file.errorString());
    return false;
}

// The script and root/ in `into`.
bool fill(const QString& into, const QString& scriptName, const Written& w, const Tree& changed,
          QString& error)
{
    for (const QString& p : w.carried) {
        if (!ForumPaths::isConfined(p)) {
            error = tr("%1 lies outside the package: nothing was written.").arg(p);
            return false;
        }
        if (!writeFile(into + QStringLiteral("/root/") + p, changed.value(p), error))
            return false;
    }
    return writeFile(into + u'/' + scriptName, w.bytes(), error);
}

} // namespace

QString defaultScriptName()
{
    return QStringLiteral("install.mod");
}

QString forumHolding(const QString& path, const QStringList& forums)
{
    const QString where = ForumPaths::resolved(QFileInfo(path).absoluteFilePath());
    for (const QString& forum : forums)
        if (ForumPaths::inside(ForumPaths::resolved(QFileInfo(forum).absoluteFilePath()), where))
            return forum;
    return QString();
}

QString unfitPackageFolder(const QString& folder, const QStringList& forums, bool replacing)
{
    if (folder.trimmed().isEmpty())
        return tr("No folder was given for the package.");
    if (const QString forum = forumHolding(folder, forums); !forum.isEmpty())
        return tr("%1 is inside the forum %2: the package goes elsewhere, or it would become "
                  "part of the changes it describes.")
            .arg(native(folder), native(forum));
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return tr("%1 is a file, not a folder.").arg(native(folder));
    if (!replacing && info.isDir() &&
        !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                              QDir::System))
        return tr("%1 is not empty: the package goes into a new or empty folder.")
            .arg(native(folder));
    return QString();
}

QString writePackage(const QString& folder, const QString& scriptName, const Written& w,
                     const Tree& changed, bool replacing)
{
    if (!w.refused.isEmpty())
        return w.refused;
    const QString target = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString parent = QFileInfo(target).path();
    if (!QDir().mkpath(parent))
        return tr("The folder %1 cannot be made.").arg(native(parent));
    const bool fresh =
        !QFileInfo(target).isDir() ||
        QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QString error;
    if (fresh) {
        // Beside the target, so that the rename at the end stays on one file system.
        QTemporaryDir work(target + QStringLiteral(".partial-XXXXXX"));
        if (!work.isValid())
            return tr("No folder can be made beside %1: %2")
                .arg(native(target), work.errorString());
        if (!fill(work.path(), scriptName, w, changed, error))
            return error;
        if (QFileInfo(target).isDir() && !QDir().rmdir(target))
            return tr("%1 could not be replaced.").arg(native(target));
        if (!QDir().rename(work.path(), target))
            return tr("The package could not be moved to %1.").arg(native(target));
        work.setAutoRemove(false);
        return QString();
    }
    if (!replacing)
        return tr("%1 is not empty: the package goes into a new or empty folder.")
            .arg(native(folder));
    // The new package is made inside the folder; the old script and root/
    // move aside into it, the new ones take their places, and only then is
    // the old one removed (with the work folder).
    QTemporaryDir work(target + QStringLiteral("/.package-XXXXXX"));
    if (!work.isValid())
        return tr("No folder can be made in %1: %2").arg(native(target), work.errorString());
    if (!fill(work.path(), scriptName, w, changed, error))
        return error;
    QDir().mkpath(work.path() + QStringLiteral("/old"));
    struct Move {
        QString place; // in the package
        QString fresh; // the new one, in the work folder
        QString aside; // the old one, moved into the work folder
        bool movedAside = false;
        bool placed = false;
    };
    std::vector<Move> moves = {
        {target + QStringLiteral("/root"), work.path() + QStringLiteral("/root"),
         work.path() + QStringLiteral("/old/root")},
        {target + u'/' + scriptName, work.path() + u'/' + scriptName,
         work.path() + QStringLiteral("/old/") + scriptName},
    };
    const auto undo = [&moves] {
        for (Move& m : moves) {
            if (m.placed)
                QDir().rename(m.place, m.fresh);
            if (m.movedAside)
                QDir().rename(m.aside, m.place);
        }
    };
    for (Move& m : moves) {
        if (QFileInfo::exists(m.place)) {
            if (!QDir().rename(m.place, m.aside)) {
                undo();
                return tr("%1 could not be replaced.").arg(native(m.place));
            }
            m.movedAside = true;
        }
        if (QFileInfo::exists(m.fresh)) {
            if (!QDir().rename(m.fresh, m.place)) {
                undo();
                return tr("%1 could not be replaced.").arg(native(m.place));
            }
            m.placed = true;
        }
    }
    return QString();
}

} // namespace Writer

} // namespace Quillwright
