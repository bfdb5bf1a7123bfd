#pragma once

#include "StyledText.h"

#include <QString>

// Reading and writing script files, shared by every editor control.
namespace ScriptFile {

inline constexpr qint64 MaxFileSize = 64LL * 1024 * 1024;

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
