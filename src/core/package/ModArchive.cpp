#include "core/package/ModArchive.h"

#include "core/script/ForumPaths.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace Quillwright {

namespace ModArchive {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Quillwright::ModArchive", text);
}

// An entry's name as a path of the package, or nothing when it leaves the
// archive's folder: absolute, a drive, "..".
std::optional<QString> entryPath(QString name)
{
    name.replace(u'\\', u'/');
    if (name.startsWith(u'/') || !ForumPaths::isConfined(name))
        return std::nullopt;
    if (name.startsWith(QStringLiteral("./")))
        name.remove(0, 2);
    if (name.endsWith(u'/'))
        name.chop(1);
    return name;
}

QString entryName(archive_entry* entry)
{
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    const char* raw = archive_entry_pathname(entry);
    return raw ? QString::fromLocal8Bit(raw) : QString();
}

struct ArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};

struct WriterCloser {
    void operator()(archive* a) const { archive_write_free(a); }
};

la_ssize_t appendBytes(archive*, void* out, const void* buffer, size_t length)
{
    static_cast<QByteArray*>(out)->append(static_cast<const char*>(buffer), qsizetype(length));
    return la_ssize_t(length);
}

// Every entry of an opened archive, checked; `packed`: the archive's own size.
Package readEntries(archive* a, qint64 packed, const Limits& limits)
{
    Package out;
    const auto refuse = [&out](const QString& why) {
        out = Package{};
        out.error = why;
        return out;
    };
    QHash<QString, QByteArray> files;
    qint64 total = 0;
    int entries = 0;
    archive_entry* entry = nullptr;
    int status = ARCHIVE_OK;
    while ((status = archive_read_next_header(a, &entry)) == ARCHIVE_OK) {
        const QString name = entryName(entry);
        if (++entries > limits.entries)
            return refuse(tr("It holds more than %1 entries: it is refused, as an archive made "
                             "to fill a disk would be")
                              .arg(limits.entries));
        const std::optional<QString> where = entryPath(name);
        if (!where)
            return refuse(tr("Its entry %1 leads outside the archive's folder: the archive is "
                             "refused")
                              .arg(name));
        const mode_t type = archive_entry_filetype(entry);
        if (archive_entry_hardlink(entry) || type == AE_IFLNK)
            return refuse(
                tr("Its entry %1 is a link: the archive is refused, since a link could lead "
                   "anywhere")
                    .arg(name));
        if (type == AE_IFDIR)
            continue;
        if (type != AE_IFREG)
            return refuse(
                tr("Its entry %1 is not a file or a folder: the archive is refused").arg(name));
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > limits.entrySize)
            return refuse(tr("Its entry %1 unpacks to more than %2 MB: the archive is refused")
                              .arg(name)
                              .arg(limits.entrySize / (1024LL * 1024)));
        // The sizes an entry declares may lie: what is read counts.
        QByteArray bytes;
        char block[64 * 1024];
        la_ssize_t n = 0;
        while ((n = archive_read_data(a, block, sizeof block)) > 0) {
            bytes.append(block, qsizetype(n));
            total += n;
            if (bytes.size() > limits.entrySize)
                return refuse(tr("Its entry %1 unpacks to more than %2 MB: the archive is refused")
                                  .arg(name)
                                  .arg(limits.entrySize / (1024LL * 1024)));
            if (total > limits.totalSize ||
                (total > 1024LL * 1024 &&
                 total > qint64(limits.ratio) * std::max<qint64>(packed, 1)))
                return refuse(tr("It unpacks to far more than its own size: it is refused, as "
                                 "an archive made to fill a disk would be"));
        }
        if (n < 0)
            return refuse(tr("Its entry %1 cannot be unpacked: %2")
                              .arg(name, QString::fromLocal8Bit(archive_error_string(a))));
        files.insert(*where, bytes);
    }
    if (status != ARCHIVE_EOF)
        return refuse(tr("It is not a zip archive that can be read: %1")
                          .arg(QString::fromLocal8Bit(archive_error_string(a))));
    for (auto it = files.constBegin(); it != files.constEnd(); ++it)
        if (isScript(it.value()))
            out.scripts << it.key();
    out.scripts.sort(Qt::CaseInsensitive);
    out.files = FileTree::memory(std::move(files));
    return out;
}

} // namespace

bool looksLikeArchive(const QByteArray& head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

Package read(const QString& path, const Limits& limits)
{
    std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), QFile::encodeName(path).constData(),
                                   size_t(64) * 1024) != ARCHIVE_OK) {
        Package out;
        out.error = tr("It is not a zip archive that can be read: %1")
                        .arg(QString::fromLocal8Bit(archive_error_string(a.get())));
        return out;
    }
    return readEntries(a.get(), QFileInfo(path).size(), limits);
}

Package read(const QByteArray& bytes, const Limits& limits)
{
    std::unique_ptr<archive, ArchiveCloser> a(archive_read_new());
    archive_read_support_format_zip(a.get());
    if (archive_read_open_memory(a.get(), bytes.constData(), size_t(bytes.size())) != ARCHIVE_OK) {
        Package out;
        out.error = tr("It is not a zip archive that can be read: %1")
                        .arg(QString::fromLocal8Bit(archive_error_string(a.get())));
        return out;
    }
    return readEntries(a.get(), bytes.size(), limits);
}

Choice chooseScript(const Package& package, const QString& wanted)
{
    Choice out;
    const auto nameOf = [](const QString& p) { return p.mid(p.lastIndexOf(u'/') + 1); };
    if (!wanted.isEmpty()) {
        const QString path = ModReader::scriptPath(wanted);
        if (package.files.read(path)) {
            out.script = path;
            return out;
        }
        // A file name alone, when one entry has it.
        QStringList named;
        for (const QString& p : package.files.filesUnder(QString()))
            if (nameOf(p).compare(nameOf(path), Qt::CaseInsensitive) == 0)
                named << p;
        if (named.size() == 1)
            out.script = named.front();
        else
            out.ambiguous = named;
        return out;
    }
    // The one named install, nearest the top.
    QStringList install;
    for (const QString& p : package.scripts)
        if (QFileInfo(nameOf(p)).completeBaseName().compare(QStringLiteral("install"),
                                                            Qt::CaseInsensitive) == 0)
            install << p;
    if (!install.isEmpty()) {
        const auto depth = [](const QString& p) { return p.count(u'/'); };
        std::stable_sort(install.begin(), install.end(),
                         [&](const QString& x, const QString& y) { return depth(x) < depth(y); });
        if (install.size() == 1 || depth(install[0]) < depth(install[1]))
            out.script = install.front();
        else
            out.ambiguous = install;
        return out;
    }
    if (package.scripts.size() == 1)
        out.script = package.scripts.front();
    else
        out.ambiguous = package.scripts;
    return out;
}

Script openScript(const Package& package, const QString& path)
{
    return {path, package.files.read(path).value_or(QByteArray()),
            packageInArchive(package.files, path)};
}

Packed pack(const std::vector<Entry>& entries, const Limits& limits)
{
    Packed out;
    const auto refuse = [&out](const QString& why) {
        out = Packed{};
        out.error = why;
        return out;
    };
    // The reader's own rules, before anything is compressed.
    QSet<QString> folders;
    QSet<QString> files;
    qint64 total = 0;
    for (const Entry& e : entries) {
        const std::optional<QString> where = entryPath(e.path);
        if (!where || where->isEmpty() || *where != e.path)
            return refuse(
                tr("%1 is no path inside the archive's folder: nothing was written").arg(e.path));
        if (e.bytes.size() > limits.entrySize)
            return refuse(tr("%1 is larger than %2 MB, more than an archive may hold: nothing was "
                             "written")
                              .arg(e.path)
                              .arg(limits.entrySize / (1024LL * 1024)));
        if (files.contains(e.path))
            return refuse(tr("%1 is named twice: nothing was written").arg(e.path));
        files.insert(e.path);
        total += e.bytes.size();
        for (qsizetype slash = e.path.indexOf(u'/'); slash > 0;
             slash = e.path.indexOf(u'/', slash + 1))
            folders.insert(e.path.first(slash));
    }
    if (entries.size() + size_t(folders.size()) > size_t(limits.entries))
        return refuse(
            tr("It would hold more than %1 entries: nothing was written").arg(limits.entries));
    if (total > limits.totalSize)
        return refuse(tr("It would unpack to more than %1 MB: nothing was written")
                          .arg(limits.totalSize / (1024LL * 1024)));

    std::unique_ptr<archive, WriterCloser> a(archive_write_new());
    archive_write_set_format_zip(a.get());
    archive_write_zip_set_compression_deflate(a.get());
    archive_write_set_options(a.get(), "zip:hdrcharset=UTF-8");
    archive_write_set_bytes_in_last_block(a.get(), 1);
    QByteArray bytes;
    if (archive_write_open(a.get(), &bytes, nullptr, appendBytes, nullptr) != ARCHIVE_OK)
        return refuse(QString::fromLocal8Bit(archive_error_string(a.get())));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    QSet<QString> written;
    const auto put = [&](const QString& path, const QByteArray* data, int mode, qint64 time) {
        std::unique_ptr<archive_entry, decltype(&archive_entry_free)> e(archive_entry_new(),
                                                                        archive_entry_free);
        // A folder's name ends in "/", as zip tools write it.
        archive_entry_set_pathname_utf8(e.get(), (data ? path : path + u'/').toUtf8().constData());
        archive_entry_set_filetype(e.get(), data ? AE_IFREG : AE_IFDIR);
        archive_entry_set_perm(e.get(), mode_t(mode & 07777));
        archive_entry_set_mtime(e.get(), time_t(time), 0);
        archive_entry_set_size(e.get(), data ? data->size() : 0);
        if (archive_write_header(a.get(), e.get()) != ARCHIVE_OK ||
            (data && archive_write_data(a.get(), data->constData(), size_t(data->size())) !=
                         la_ssize_t(data->size())))
            return false;
        return true;
    };
    for (const Entry& e : entries) {
        // Its folders first, each once.
        for (qsizetype slash = e.path.indexOf(u'/'); slash > 0;
             slash = e.path.indexOf(u'/', slash + 1))
            if (const QString folder = e.path.first(slash); !written.contains(folder)) {
                written.insert(folder);
                if (!put(folder, nullptr, 0755, now))
                    return refuse(QString::fromLocal8Bit(archive_error_string(a.get())));
            }
        const qint64 time = e.modified.isValid() ? e.modified.toSecsSinceEpoch() : now;
        if (!put(e.path, &e.bytes, e.mode, time))
            return refuse(QString::fromLocal8Bit(archive_error_string(a.get())));
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return refuse(QString::fromLocal8Bit(archive_error_string(a.get())));
    // What the reader says of it is what every reader of the package will meet.
    if (const Package back = read(bytes, limits); !back.error.isEmpty())
        return refuse(tr("It would be refused when read: %1").arg(back.error));
    out.bytes = std::move(bytes);
    return out;
}

} // namespace ModArchive

} // namespace Quillwright
