#pragma once

#include <QByteArray>
#include <QString>

namespace Quillwright {

// How a script's bytes become text and back. Scripts are Windows-1252, as
// they always were; a file that is valid UTF-8 holding characters beyond
// ASCII, or that begins with a UTF-8 byte-order mark, is read and written
// back as UTF-8 (the mark kept). Translations were often saved in their
// language's own code page (Big5 or GBK for Chinese, Windows-1251 for
// Russian, Windows-1250 for Polish): such a file is recognised, read in it
// and written back in it. UTF-16, which the program cannot edit, is refused
// rather than read as text full of NUL characters.
enum class TextEncoding { Windows1252, Utf8, Utf8WithBom, Big5, Gbk, Windows1251, Windows1250 };

QString encodingName(TextEncoding encoding); // "Windows-1252", "UTF-8", "UTF-8 with BOM", "Big5"...
// Neither UTF-8 nor Windows-1252: a code page that installers and editors
// expecting those read as other characters.
bool isLegacyEncoding(TextEncoding encoding);
// The script or language an encoding is for: "Traditional Chinese"; empty
// for Windows-1252 and UTF-8.
QString encodingLanguage(TextEncoding encoding);

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    QString refusal; // why the bytes are not read at all; empty when they are
    // Encoding the text again gives the same bytes. Only a file in a legacy
    // code page holding bytes that code page has no character for can fail it.
    bool exact = true;
};
DecodedText decodeText(const QByteArray& bytes);
// What the user is told when such a file is opened: empty for Windows-1252
// and UTF-8, which need no word.
QString encodingNotice(const DecodedText& decoded);

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
