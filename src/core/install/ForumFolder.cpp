#include "core/install/ForumFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryDir>
#include <memory>

namespace Quillwright {

namespace Install {
using ForumPaths::inside;
using ForumPaths::resolved;

QString unfitTarget(const QString& forumRoot, const QString& target)
{
    if (target.trimmed().isEmpty())
        return QCoreApplication::translate("Install", "No folder was given for the forum's copy.");
    const QString forum = resolved(forumRoot);
    const QString where = resolved(target);
    if (inside(forum, where))
        return QCoreApplication::translate(
                   "Install",
                   "%1 is the forum's folder or a folder inside it: the copy goes elsewhere, so "
                   "that the forum stays as it is.")
            .arg(QDir::toNativeSeparators(target));
    const QFileInfo info(target);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("Install", "%1 is a file, not a folder.")
            .arg(QDir::toNativeSeparators(target));
    if (info.isDir() && !QDir(target).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                              QDir::Hidden | QDir::System))
        return QCoreApplication::translate(
                   "Install", "%1 is not empty: the copy goes into a new or empty folder.")
            .arg(QDir::toNativeSeparators(target));
    return QString();
}

WriteOutcome writeForumCopy(const QString& forumFolder, const QString& target, const Result& result,
                            const std::function<bool(int done, int total)>& progress)
{
    WriteOutcome out;
    const QString forumRoot = QDir::cleanPath(QFileInfo(forumFolder).absoluteFilePath());
    if (const QString unfit = unfitTarget(forumRoot, target); !unfit.isEmpty()) {
        out.error = unfit;
        return out;
    }
    const QString absoluteTarget = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    const QString parent = QFileInfo(absoluteTarget).path();
    if (!QDir().mkpath(parent)) {
        out.error = QCoreApplication::translate("Install", "The folder %1 cannot be made.")
                        .arg(QDir::toNativeSeparators(parent));
        return out;
    }
    // Beside the target, so that the rename at the end stays on one file system.
    QTemporaryDir work(parent + u'/' + QFileInfo(absoluteTarget).fileName() +
                       QStringLiteral(".partial-XXXXXX"));
    if (!work.isValid()) {
        out.error = QCoreApplication::translate("Install", "No folder can be made beside %1: %2")
                        .arg(QDir::toNativeSeparators(target), work.errorString());
        return out;
    }
    QStringList files;
    QDirIterator it(forumRoot, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(forumRoot).relativeFilePath(it.next());
    files.sort();
    const int total = int(files.size() + result.files.size());
    const auto fail = [&out](const QString& why) {
        out.error = why;
        out.written = 0;
        return out;
    };
    for (const QString& rel : files) {
        const QString from = QDir(forumRoot).filePath(rel);
        const QString to = work.filePath(rel);
        QDir().mkpath(QFileInfo(to).path());
        const QFileInfo info(from);
        // A link is copied as the link it is; nothing is ever written through one.
        const bool done =
            info.isSymLink() ? QFile::link(info.symLinkTarget(), to) : QFile::copy(from, to);
        if (!done)
            return fail(QCoreApplication::translate("Install", "%1 could not be copied.")
                            .arg(QDir::toNativeSeparators(from)));
        ++out.written;
        if (progress && !progress(out.written, total))
            return fail(QCoreApplication::translate("Install", "Cancelled: nothing was written."));
    }
    for (const ChangedFile& f : result.files) {
        if (!isConfined(f.path) || leavesFolder(work.path(), f.path))
            return fail(QCoreApplication::translate(
                            "Install", "%1 lies outside the forum's folder: nothing was written.")
                            .arg(f.path));
        const QString to = work.filePath(f.path);
        if (QFileInfo(to).isSymLink())
            QFile::remove(to); // the changed file replaces the link, never its target
        QDir().mkpath(QFileInfo(to).path());
        QSaveFile file(to);
        if (!file.open(QIODevice::WriteOnly) || file.write(f.result) != f.result.size() ||
            !file.commit())
            return fail(QCoreApplication::translate("Install", "%1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(to), file.errorString()));
        ++out.written;
        if (progress && !progress(out.written, total))
            return fail(QCoreApplication::translate("Install", "Cancelled: nothing was written."));
    }
    // The empty target, if there was one, makes way for the finished copy.
    if (QFileInfo(absoluteTarget).isDir() && !QDir().rmdir(absoluteTarget))
        return fail(QCoreApplication::translate("Install", "%1 could not be replaced.")
                        .arg(QDir::toNativeSeparators(target)));
    if (!QDir().rename(work.path(), absoluteTarget))
        return fail(QCoreApplication::translate("Install", "The copy could not be moved to %1.")
                        .arg(QDir::toNativeSeparators(target)));
    work.setAutoRemove(false);
    out.ok = true;
    return out;
}

} // namespace Install

} // namespace Quillwright
