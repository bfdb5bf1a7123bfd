#pragma once

#include <QByteArray>
#include <QString>

namespace Quillwright {

// The script files' code page. Our own table keeps the mapping identical on
// every machine, including the five bytes Windows leaves undefined, which
// map to the C1 control characters of the same value (as Windows does).
namespace Windows1252 {

QString decode(const QByteArray& bytes);
QChar decodeByte(unsigned char byte);

// Returns the byte for a character, or -1 when the code page cannot hold it.
int encodeChar(char16_t c);

struct Encoded {
    QByteArray bytes;
    int unmappable = 0;       // characters written as "?"
    int firstUnmappable = -1; // index into the text of the first of them
};
Encoded encode(QStringView text);
// The bytes of `text`, which stands at `position` of the whole text, written
// from `out` on, which has room for a byte a character; returns where the
// bytes end. The unmappable characters are counted in `e`.
char* encodeTo(char* out, QStringView text, qsizetype position, Encoded& e);

} // namespace Windows1252

} // namespace Quillwright
