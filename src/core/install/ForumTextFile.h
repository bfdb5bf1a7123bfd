#pragma once

#include "core/encoding/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace Quillwright {

// A forum file as the installer edits it: its lines, each with the line end
// it had, so that the lines an installation does not touch come out byte
// for byte as they went in, whatever mix of CR LF, LF and CR the file has.
struct ForumTextFile {
    struct Line {
        QString text;
        QString end; // "\r\n", "\n", "\r", or empty for a last line without one
    };
    std::vector<Line> lines;
    TextEncoding encoding = TextEncoding::Windows1252;
    QString newLineEnd = QStringLiteral("\n"); // the file's most frequent line end

    // Nothing for bytes that are not text (a NUL, UTF-16).
    static std::optional<ForumTextFile> decode(const QByteArray& bytes);
    QByteArray encode() const;

    // New lines at `at` (before the line that stands there now), with the
    // file's own line end; at the very end of a file without a final line
    // end, the file stays without one.
    void insert(int at, const std::vector<QString>& texts);
    void remove(int at, int count);
};

} // namespace Quillwright
