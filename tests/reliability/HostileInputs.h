#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>

namespace Quillwright {

// Inputs that try to break the readers: each a name and the bytes of a file.
inline QList<QPair<const char*, QByteArray>> hostileInputs()
{
    QList<QPair<const char*, QByteArray>> out;
    out.append(qMakePair("empty file", QByteArray()));
    out.append(qMakePair("NUL bytes",
                         QByteArray(QByteArray("a\0b\0\0c\r\n", 8) + QByteArray(1000, '\0'))));
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every.append(char(b));
    out.append(qMakePair("every byte value", QByteArray(every)));
    out.append({"100,000 nested groups",
                "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "}"});
    out.append(qMakePair("bin beyond the file", QByteArray("{\\rtf1 a\\bin2000000000 xyz")));
    QByteArray colours = "{\\rtf1{\\colortbl ;";
    for (int i = 0; i < 100000; ++i)
        colours += "\\red255\\green0\\blue0;";
    out.append(qMakePair("100,000 colour entries", QByteArray(colours + "}\\cf99999 x}")));
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 100000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " Font;}";
    out.append(qMakePair("100,000 font entries", QByteArray(fonts + "}y}")));
    out.append(
        qMakePair("absurd unicode",
                  QByteArray("{\\rtf1 \\u99999999999999\\u-99999999\\uc99999999 \\u65 z\\'}")));
    out.append(qMakePair("unbalanced and truncated",
                         QByteArray("{\\rtf1 {{{\\cf1 a}}}}}}}{\\colortbl ;\\red")));
    return out;
}

} // namespace Quillwright
