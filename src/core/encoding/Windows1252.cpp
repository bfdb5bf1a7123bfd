#include "core/encoding/Windows1252.h"

namespace Quillwright {

namespace Windows1252 {
namespace {
constexpr char16_t High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

QChar decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(High[byte - 0x80]);
    return QChar(char16_t(byte));
}

QString decode(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    return out;
}

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (High[i] == c)
            return 0x80 + i;
    return -1;
}

Encoded encode(QStringView text)
{
    Encoded e;
    e.bytes.resize(text.size());
    char* end = encodeTo(e.bytes.data(), text, 0, e);
    e.bytes.truncate(end - e.bytes.data());
    return e;
}

namespace {
// Narrows every character to a byte without a test per character, a loop
// the compiler widens; says whether all of them were ASCII.
bool narrowAscii(char* __restrict out, const char16_t* __restrict in, qsizetype n)
{
    char16_t seen = 0;
    for (qsizetype i = 0; i < n; ++i) {
        out[i] = char(in[i]);
        seen |= in[i];
    }
    return seen < 0x80;
}
} // namespace

char* encodeTo(char* d, QStringView text, qsizetype position, Encoded& e)
{
    // Nearly every line of a script is ASCII: it is narrowed at once, and
    // written the careful way only when it was not.
    if (narrowAscii(d, text.utf16(), text.size()))
        return d + text.size();
    const QChar* s = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < 0x80) {
            *d++ = char(c);
            continue;
        }
        int b = encodeChar(c);
        if (b < 0) {
            if (e.firstUnmappable < 0)
                e.firstUnmappable = int(position + i);
            ++e.unmappable;
            // A surrogate pair is one character to the user and one "?".
            if (s[i].isHighSurrogate() && i + 1 < text.size() && s[i + 1].isLowSurrogate())
                ++i;
            b = '?';
        }
        *d++ = char(b);
    }
    return d;
}

} // namespace Windows1252

} // namespace Quillwright
