#include "core/script/ScriptFile.h"
#include "core/rtf/Rtf.h"
#include "core/script/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringMatcher>

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
    return QStringLiteral("Line %1 is %2 characters long; Quillwright takes lines of at most %3 "
                          "characters.")
        .arg(line.number)
        .arg(line.length)
        .arg(MaxLineLength);
}

QString overlongEditMessage(const LongLine& line)
{
    return QStringLiteral("Line %1 would be %2 characters long; Quillwright takes lines of at most "
                          "%3 characters.")
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
