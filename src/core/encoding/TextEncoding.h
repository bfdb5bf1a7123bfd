#pragma once

#include <QByteArray>
#include <QString>

namespace Quillwright {

// How a script's bytes become text and back. Scripts are Windows-1252, as
// they always were; a file that is valid UTF-8 holding characters beyond
// ASCII, or that begins with a UTF-8 byte-order mark, is read and written
// back as UTF-8 (the mark kept). UTF-16, which the program cannot edit, is
// refused rather than read as text full of NUL characters.
enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

QString encodingName(TextEncoding encoding); // "Windows-1252", "UTF-8", "UTF-8 with BOM"

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    QString refusal; // why the bytes are not read at all; empty when they are
};
DecodedText decodeText(const QByteArray& bytes);

struct EncodedText {
    QByteArray bytes;
    int unmappable = 0;       // characters written as "?"
    int firstUnmappable = -1; // index into the text of the first of them
};
EncodedText encodeText(const QString& text, TextEncoding encoding);
// The same for the lines of a store joined by CR LF, without making the
// whole text first.
class LineStore;
EncodedText encodeLines(const LineStore& lines, TextEncoding encoding);

} // namespace Quillwright
