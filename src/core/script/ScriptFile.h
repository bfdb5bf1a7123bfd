#pragma once

#include "core/text/StyledText.h"

#include <QString>

// Reading and writing script files, shared by every editor control.
namespace ScriptFile {

inline constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;
// The editor lays out a line in time that grows with the square of its
// length; no MOD script needs lines anywhere near this long.
inline constexpr int MaxLineLength = 20000;

struct LongLine {
    int number = 0; // 1-based; 0 when no line is too long
    int length = 0;
};
LongLine findOverlongLine(const QString& text);
QString overlongLineMessage(const LongLine& line);

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
