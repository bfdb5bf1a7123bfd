#pragma once

#include "core/encoding/TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace Quillwright {

class LineStore;

// The file that keeps a document's unsaved text while the program runs, so
// that a crash loses nothing: the document's file path (empty while
// untitled), its caption and its text in UTF-8 (any character survives,
// not only those of Windows-1252), with the text's length and checksum so
// that a journal cut short or damaged is told apart from a good one.
//
//   QUILLWRIGHT-RECOVERY 1
//   path: <percent-encoded UTF-8>
//   caption: <percent-encoded UTF-8>
//   encoding: <the file's encoding, to save it back in>
//   length: <bytes of text>
//   sha1: <hex of the text's bytes>
//   <empty line>
//   <the text>
namespace RecoveryJournal {

struct Entry {
    QString filePath;
    QString caption;
    QString text; // CR LF line breaks
    TextEncoding encoding = TextEncoding::Windows1252;
    friend bool operator==(const Entry&, const Entry&) = default;
};

QByteArray encode(const Entry& entry);
// The same from shared lines, joined with CR LF as they are encoded.
QByteArray encode(const QString& filePath, const QString& caption, TextEncoding encoding,
                  const LineStore& lines);

struct Decoded {
    std::optional<Entry> entry;
    QString problem; // why there is no entry: "empty", "cut short", ...
};
Decoded decode(const QByteArray& bytes);

// Journals larger than this are not read (a script is at most 64 MB).
inline constexpr qint64 MaxBytes = 512LL * 1024 * 1024;

} // namespace RecoveryJournal

} // namespace Quillwright
