#include "core/script/ScriptFile.h"
#include "core/rtf/Rtf.h"
#include "core/script/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ScriptFile {

ReadResult read(const QString& path)
{
    ReadResult r;
    const QFileInfo info(path);
    if (path.isEmpty()) {
        r.error = QStringLiteral("No file name was given.");
        return r;
    }
    if (!info.exists()) {
        r.error = QStringLiteral("The file does not exist.");
        return r;
    }
    if (info.isDir()) {
        r.error = QStringLiteral("It is a folder, not a file.");
        return r;
    }
    if (info.size() > MaxFileSize) {
        r.error = QStringLiteral("The file is %1 MB; scripts larger than %2 MB are not opened.")
                      .arg(info.size() / (1024LL * 1024))
                      .arg(MaxFileSize / (1024LL * 1024));
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = file.errorString();
        return r;
    }
    // The size may have changed since the check; never read more than the limit.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        r.error = file.errorString();
        return r;
    }
    if (bytes.size() > MaxFileSize) {
        r.error = QStringLiteral("The file grew beyond %1 MB while it was read.")
                      .arg(MaxFileSize / (1024LL * 1024));
        return r;
    }
    r.content = Rtf::readRichOrPlain(Windows1252::decode(bytes));
    if (const LongLine line = findOverlongLine(r.content.text); line.number > 0) {
        r.content = {};
        r.error = overlongLineMessage(line);
        return r;
    }
    r.ok = true;
    return r;
}

LongLine findOverlongLine(const QString& text)
{
    int number = 1;
    qsizetype start = 0;
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n || p[i] == u'\n' || p[i] == u'\r') {
            if (i - start > MaxLineLength)
                return {number, int(i - start)};
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
    return QStringLiteral("Line %1 is %2 characters long; Quillwright takes lines of at most %3 "
                          "characters.")
        .arg(line.number)
        .arg(line.length)
        .arg(MaxLineLength);
}

WriteResult write(const QString& path, const QByteArray& bytes)
{
    WriteResult r;
    const QFileInfo info(path);
    if (info.isDir()) {
        r.error = QStringLiteral("It is a folder, not a file.");
        return r;
    }
    if (info.exists() && !info.isFile()) {
        // A device or pipe cannot be replaced by a new file: write to it.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || device.write(bytes) != bytes.size() ||
            !device.flush()) {
            r.error = device.errorString();
            return r;
        }
        r.ok = true;
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
    if (!file.commit()) {
        r.error = file.errorString();
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace ScriptFile
