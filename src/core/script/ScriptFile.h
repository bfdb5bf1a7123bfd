#pragma once

#include "core/text/StyledText.h"

#include <QString>

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

struct ReadResult {
    bool ok = false;
    StyledText content;
    QString error;
};
ReadResult read(const QString& path);

struct WriteResult {
    bool ok = false;
    QString error;
};
// Writes Windows-1252 bytes through QSaveFile: the old file survives any failure.
WriteResult write(const QString& path, const QByteArray& bytes);

} // namespace ScriptFile
