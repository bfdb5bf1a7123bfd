#include "core/install/ForumFolder.h"

#include "core/script/ForumPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace Quillwright {

namespace Install {
using ForumPaths::inside;
using ForumPaths::resolved;

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A file's mode, owner and times on its copy (a link's own times), as cp -a
// keeps them; the owner only where the system lets us give it.
void keepAttributes(const QByteArray& to, const struct stat& st)
{
    const timespec times[2] = {st.st_atim, st.st_mtim};
    if (geteuid() == 0)
        (void)lchown(to.constData(), st.st_uid, st.st_gid);
    if (!S_ISLNK(st.st_mode))
        (void)chmod(to.constData(), st.st_mode & 07777);
    (void)utimensat(AT_FDCWD, to.constData(), times, AT_SYMLINK_NOFOLLOW);
}

bool copyBytes(const QByteArray& from, const QByteArray& to)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    bool ok = out >= 0;
    char block[64 * 1024];
    for (ssize_t n = 0; ok && (n = ::read(in, block, sizeof block)) != 0;) {
        if (n < 0 || ::write(out, block, size_t(n)) != n)
            ok = false;
    }
    if (out >= 0 && ::close(out) != 0)
        ok = false;
    ::close(in);
    return ok;
}

// One entry of the forum as it is: a folder (its mode and times set once
// everything inside is written), a file, a link as the link it is (its
// target as written, so a relative link stays relative and one leading out
// of the forum is never followed), a FIFO.
bool copyEntry(const QString& from, const QString& to, const struct stat& st)
{
    const QByteArray f = native(from);
    const QByteArray t = native(to);
    if (S_ISDIR(st.st_mode))
        return ::mkdir(t.constData(), 0700) == 0 || errno == EEXIST;
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(qsizetype(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(f.constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size())
            return false;
        target.truncate(n);
        if (::symlink(target.constData(), t.constData()) != 0)
            return false;
    } else if (S_ISREG(st.st_mode)) {
        if (!copyBytes(f, t))
            return false;
    } else if (S_ISFIFO(st.st_mode)) {
        if (::mkfifo(t.constData(), 0600) != 0)
            return false;
    } else {
        return false; // a device or a socket has no place in a forum's copy
    }
    keepAttributes(t, st);
    return true;
}

} // namespace

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
    // Every entry, links not followed: a folder that is a link is copied as the link.
    QStringList entries;
    QDirIterator it(forumRoot,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(forumRoot).relativeFilePath(it.next());
    entries.sort();
    const int total = int(entries.size() + result.files.size());
    const auto fail = [&out](const QString& why) {
        out.error = why;
        out.written = 0;
        return out;
    };
    std::vector<std::pair<QString, struct stat>> folders; // set once their content is written
    struct stat top {};
    if (::lstat(native(forumRoot).constData(), &top) == 0)
        folders.emplace_back(work.path(), top);
    for (const QString& rel : entries) {
        const QString from = QDir(forumRoot).filePath(rel);
        const QString to = work.filePath(rel);
        struct stat st {};
        if (::lstat(native(from).constData(), &st) != 0 || !copyEntry(from, to, st))
            return fail(QCoreApplication::translate("Install", "%1 could not be copied: %2")
                            .arg(QDir::toNativeSeparators(from), systemError()));
        if (S_ISDIR(st.st_mode))
            folders.emplace_back(to, st);
        ++out.written;
        if (progress && !progress(out.written, total))
            return fail(QCoreApplication::translate("Install", "Cancelled: nothing was written."));
    }
    for (const ChangedFile& f : result.files) {
        if (!ForumPaths::isConfined(f.path) || ForumPaths::leavesFolder(work.path(), f.path))
            return fail(QCoreApplication::translate(
                            "Install", "%1 lies outside the forum's folder: nothing was written.")
                            .arg(f.path));
        const QString to = work.filePath(f.path);
        // The file's own mode stays; a new one gets the usual.
        struct stat was {};
        const bool had = ::stat(native(QDir(forumRoot).filePath(f.path)).constData(), &was) == 0 &&
                         S_ISREG(was.st_mode);
        if (QFileInfo(to).isSymLink())
            QFile::remove(to); // the changed file replaces the link, never its target
        QDir().mkpath(QFileInfo(to).path());
        QSaveFile file(to);
        if (!file.open(QIODevice::WriteOnly) || file.write(f.result) != f.result.size() ||
            !file.commit())
            return fail(QCoreApplication::translate("Install", "%1 could not be written: %2")
                            .arg(QDir::toNativeSeparators(to), file.errorString()));
        if (had)
            (void)::chmod(native(to).constData(), was.st_mode & 07777);
        ++out.written;
        if (progress && !progress(out.written, total))
            return fail(QCoreApplication::translate("Install", "Cancelled: nothing was written."));
    }
    // Folders last, the deepest first: writing inside one changes its time.
    for (auto f = folders.rbegin(); f != folders.rend(); ++f)
        keepAttributes(native(f->first), f->second);
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
