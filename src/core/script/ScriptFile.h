#pragma once

#include "core/control/ControlRules.h"
#include "core/encoding/TextEncoding.h"
#include "core/text/StyledText.h"

#include <QString>

namespace Quillwright {

// Reading and writing script files, shared by every editor control.
namespace ScriptFile {

inline constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;
// Every edit costs time that grows with the length of the line it touches;
// at this length a keystroke still costs a few hundredths of a second, and
// no MOD script needs lines anywhere near this long. One rule for files at
// open and for every edit, so that every file the program writes, it opens
// again.
inline constexpr int MaxLineLength = 20000;

// A line's length once the program has written it out as it does by itself:
// each "#EoM" becomes "# EoM" and each author-note label the repair fixes
// gains its blank. Edits and those rewrites keep it the same, so a line
// that passes the limit once passes it ever after.
int settledLength(QStringView line);

struct LongLine {
    int number = 0; // 1-based; 0 when no line is too long
    int length = 0; // settled length
};
// The first line whose settled length passes the limit.
LongLine findOverlongLine(const QString& text);
QString overlongLineMessage(const LongLine& line);
// The same for a line an edit would make.
QString overlongEditMessage(const LongLine& line);

// What a file was when the program last read or wrote it, to tell whether
// another program has changed it since.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch
    QByteArray hash;     // a hash of the bytes
    // The same file: size and time alike, or the same bytes.
    bool sameAs(const FileStamp& other) const;
};
// Size and time alone; the bytes are hashed only when those differ.
FileStamp stampOf(const QString& path);
FileStamp stampOf(const QString& path, const QByteArray& bytes);

// Files are opened for reading without waiting: a FIFO, a socket or a
// device is refused before any read can block.
struct ReadResult {
    bool ok = false;
    StyledText content;
    TextEncoding encoding = TextEncoding::Windows1252;
    // What the user is told about a file in a legacy code page
    // (encodingNotice); empty for Windows-1252 and UTF-8.
    QString encodingNotice;
    FileStamp stamp;
    QString error;
};
ReadResult read(const QString& path);
// The two halves of read: a file's bytes, read as above, and their text.
struct FileBytes {
    bool ok = false;
    QByteArray bytes;
    FileStamp stamp;
    QString error;
};
FileBytes readBytes(const QString& path);
ReadResult decode(const QByteArray& bytes); // no stamp

struct WriteResult {
    bool ok = false;
    FileStamp stamp;
    QString error;
};
// Writes the bytes through QSaveFile, so the old file survives any failure,
// keeping the file's permission bits and, where it can, its owner. A
// character device is written in place without waiting; a FIFO, socket or
// block device is refused.
WriteResult write(const QString& path, const QByteArray& bytes);
// An existing regular file whose permission bits let no one write it: a
// reason to ask before replacing it, since root would write it anyway.
bool isWriteProtected(const QString& path);

// The rules a control holding a script follows: the line limit above, and
// files read and written as here.
ControlRules controlRules();

} // namespace ScriptFile

} // namespace Quillwright
