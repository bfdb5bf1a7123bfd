#include "core/script/ScriptFile.h"
#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringMatcher>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quillwright {

namespace ScriptFile {

namespace {

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Enough to tell another program's bytes from ours, and fast at 64 MB.
QByteArray bytesHash(const QByteArray& bytes)
{
    return QByteArray::number(quint64(qHash(QByteArrayView(bytes), size_t(0x51f15eed))), 16);
}

QString notRegularMessage()
{
    return QCoreApplication::translate("ScriptFile", "It is not a regular file.");
}

// What a file's status says of it: the one place a stamp is made.
FileStamp stampFrom(const struct stat& st)
{
    FileStamp s;
    s.exists = true;
    s.size = st.st_size;
    s.modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return s;
}

} // namespace

bool FileStamp::sameAs(const FileStamp& other) const
{
    if (exists != other.exists)
        return false;
    if (!exists || (size == other.size && modified == other.modified))
        return true;
    return !hash.isEmpty() && hash == other.hash;
}

FileStamp stampOf(const QString& path, const QByteArray& bytes)
{
    FileStamp s = stampOf(path);
    s.hash = bytesHash(bytes);
    return s;
}

FileStamp stampOf(const QString& path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return stampFrom(st);
}

FileBytes readBytes(const QString& path)
{
    FileBytes r;
    if (path.isEmpty()) {
        r.error = QCoreApplication::translate("ScriptFile", "No file name was given.");
        return r;
    }
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        r.error = notRegularMessage();
        return r;
    }
    // O_NONBLOCK: a FIFO put in the file's place since must not make the
    // open wait; the type is checked again on what was really opened.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        r.error = errno == ENOENT
                      ? QCoreApplication::translate("ScriptFile", "The file does not exist.")
                  : errno == EISDIR
                      ? QCoreApplication::translate("ScriptFile", "It is a folder, not a file.")
                      : systemError(errno);
        return r;
    }
    QFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        r.error = S_ISDIR(st.st_mode)
                      ? QCoreApplication::translate("ScriptFile", "It is a folder, not a file.")
                      : notRegularMessage();
        ::close(fd);
        return r;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        r.error = file.errorString();
        ::close(fd);
        return r;
    }
    if (st.st_size > MaxFileSize) {
        r.error = QCoreApplication::translate(
                      "ScriptFile", "The file is %1 MB; scripts larger than %2 MB are not opened.")
                      .arg(qint64(st.st_size) / (1024LL * 1024))
                      .arg(MaxFileSize / (1024LL * 1024));
        return r;
    }
    // The size may have changed since the check; never read more than the
    // limit. A read allocates what it may read: the size told, then the rest.
    QByteArray bytes = file.read(qint64(st.st_size) + 1);
    if (bytes.size() > st.st_size && file.error() == QFileDevice::NoError)
        bytes += file.read(MaxFileSize + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError) {
        r.error = file.errorString();
        return r;
    }
    if (bytes.size() > MaxFileSize) {
        r.error = QCoreApplication::translate("ScriptFile",
                                              "The file grew beyond %1 MB while it was read.")
                      .arg(MaxFileSize / (1024LL * 1024));
        return r;
    }
    r.stamp = stampFrom(st);
    r.stamp.hash = bytesHash(bytes);
    r.bytes = std::move(bytes);
    r.ok = true;
    return r;
}

ReadResult decode(const QByteArray& bytes)
{
    ReadResult r;
    DecodedText decoded = decodeText(bytes);
    if (!decoded.refusal.isEmpty()) {
        r.error = decoded.refusal;
        return r;
    }
    r.content = Rtf::readRichOrPlain(decoded.text);
    r.encoding = decoded.encoding;
    r.encodingNotice = encodingNotice(decoded);
    if (const LongLine line = findOverlongLine(r.content.text); line.number > 0) {
        r.content = {};
        r.error = overlongLineMessage(line);
        return r;
    }
    r.ok = true;
    return r;
}

ReadResult read(const QString& path)
{
    FileBytes file = readBytes(path);
    if (!file.ok) {
        ReadResult r;
        r.error = file.error;
        return r;
    }
    ReadResult r = decode(file.bytes);
    if (r.ok)
        r.stamp = file.stamp;
    return r;
}

int settledLength(QStringView line)
{
    static const QStringMatcher endMarker(u"#EoM");
    static const QRegularExpression shortNoteLabel(
        QStringLiteral("## (?:Author Note|author note):(?! )"));
    int grows = 0;
    for (qsizetype at = endMarker.indexIn(line); at >= 0; at = endMarker.indexIn(line, at + 4))
        ++grows;
    // The repair writes "## Author Note: " for the short forms without a blank.
    if (line.contains(u"uthor"))
        for (auto it = shortNoteLabel.globalMatch(line); it.hasNext(); it.next())
            ++grows;
    return int(line.size()) + grows;
}

LongLine findOverlongLine(const QString& text)
{
    int number = 1;
    qsizetype start = 0;
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n || p[i] == u'\n' || p[i] == u'\r') {
            // A line shorter than the limit by a quarter cannot grow past it.
            const int settled = i - start > MaxLineLength * 3 / 4
                                    ? settledLength(QStringView(text).sliced(start, i - start))
                                    : int(i - start);
            if (settled > MaxLineLength)
                return {number, settled};
            if (i < n && p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n')
                ++i;
            ++number;
            start = i + 1;
        }
    }
    return {};
}

QString overlongLineMessage(const LongLine& line)
{
    return QCoreApplication::translate(
               "ScriptFile", "Line %1 is %2 characters long; Quillwright takes lines of at most %3 "
                             "characters.")
        .arg(line.number)
        .arg(line.length)
        .arg(MaxLineLength);
}

QString overlongEditMessage(const LongLine& line)
{
    return QCoreApplication::translate(
               "ScriptFile",
               "Line %1 would be %2 characters long; Quillwright takes lines of at most "
               "%3 characters.")
        .arg(line.number)
        .arg(line.length)
        .arg(MaxLineLength);
}

bool isWriteProtected(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           (st.st_mode & 0222) == 0;
}

namespace {

// A character device (a terminal, /dev/null) takes the bytes where it is,
// without waiting for a reader that may never come.
WriteResult writeDevice(const QString& path, const QByteArray& bytes)
{
    WriteResult r;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) {
        r.error = fd < 0 ? systemError(errno) : notRegularMessage();
        if (fd >= 0)
            ::close(fd);
        return r;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            r.error = errno == EAGAIN ? QCoreApplication::translate(
                                            "ScriptFile", "The device does not take the text now.")
                                      : systemError(errno);
            ::close(fd);
            return r;
        }
        done += n;
    }
    ::close(fd);
    r.ok = true;
    return r;
}

} // namespace

WriteResult write(const QString& path, const QByteArray& bytes)
{
    WriteResult r;
    struct stat st {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        r.error = QCoreApplication::translate("ScriptFile", "It is a folder, not a file.");
        return r;
    }
    if (exists && S_ISCHR(st.st_mode))
        return writeDevice(path, bytes);
    if (exists && !S_ISREG(st.st_mode)) {
        r.error = notRegularMessage();
        return r;
    }
    // Qt's own word for this names neither the reason nor the way out.
    if (exists && ::access(QFile::encodeName(path).constData(), W_OK) != 0 && errno == EACCES) {
        r.error = QCoreApplication::translate(
            "ScriptFile", "You may not change this file: it belongs to another user, or its "
                          "permissions let no one write it. Save the script under another name.");
        return r;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        r.error = file.errorString();
        return r;
    }
    if (file.write(bytes) != bytes.size()) {
        r.error = file.errorString();
        file.cancelWriting();
        return r;
    }
    if (exists) {
        // The new file takes the old one's place with its permissions and,
        // where the user may give it, its owner.
        const int fd = int(file.handle());
        if (fd >= 0) {
            [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
            ::fchmod(fd, st.st_mode & 07777);
        }
    }
    if (!file.commit()) {
        r.error = file.errorString();
        return r;
    }
    r.stamp = stampOf(path, bytes);
    r.ok = true;
    return r;
}

ControlRules controlRules()
{
    ControlRules r;
    r.lineLimit = MaxLineLength;
    r.settledLength = [](QStringView line) { return settledLength(line); };
    r.overlongEdit = [](int line, int length) { return overlongEditMessage({line, length}); };
    r.overlongText = [](int line, int length) { return overlongLineMessage({line, length}); };
    r.read = [](const QString& path, StyledText& content, QString& error) {
        ReadResult got = read(path);
        content = std::move(got.content);
        error = got.error;
        return got.ok;
    };
    r.write = [](const QString& path, const QString& text, QString& error) {
        const WriteResult done = write(path, Windows1252::encode(text).bytes);
        error = done.error;
        return done.ok;
    };
    return r;
}

} // namespace ScriptFile

} // namespace Quillwright
