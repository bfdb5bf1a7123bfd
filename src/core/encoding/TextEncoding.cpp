#include "core/encoding/TextEncoding.h"

#include "core/encoding/Windows1252.h"
#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>
#include <future>

namespace Quillwright {

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);

// UTF-16 without a mark: ASCII text puts a NUL in every other byte, so one
// half of the bytes is almost all NUL and the other half almost none.
bool looksLikeUtf16(const QByteArray& bytes)
{
    const qsizetype n = std::min<qsizetype>(bytes.size(), 64 * 1024) & ~qsizetype(1);
    if (n < 4)
        return false;
    qsizetype nul[2] = {0, 0};
    for (qsizetype i = 0; i < n; ++i)
        nul[i & 1] += bytes[i] == '\0' ? 1 : 0;
    const qsizetype half = n / 2;
    return (nul[0] * 10 >= half * 9 && nul[1] * 10 <= half) ||
           (nul[1] * 10 >= half * 9 && nul[0] * 10 <= half);
}

std::optional<QString> strictUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

// The names the converters know each legacy code page by, the first
// preferred; a later one holds the vendors' additions to the same table.
QList<const char*> converterNames(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Big5:
        return {"Big5", "windows-950", "Big5-HKSCS"};
    case TextEncoding::Gbk:
        return {"GBK", "GB18030"};
    case TextEncoding::Windows1251:
        return {"windows-1251"};
    case TextEncoding::Windows1250:
        return {"windows-1250"};
    default:
        return {};
    }
}

// Chinese code pages write a character as two bytes, the first at or above
// 0x80. Text in the code page it was written in puts nearly every pair in
// the block of its common characters and punctuation; Western or Cyrillic
// text read as pairs lands outside it. Returns the share of the high bytes
// that begin or end such a pair, and the number of those pairs.
struct PairShare {
    double share = 0;
    qsizetype pairs = 0;
};
PairShare commonPairs(QByteArrayView bytes, TextEncoding encoding)
{
    const bool big5 = encoding == TextEncoding::Big5;
    qsizetype high = 0;
    qsizetype common = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80)
            continue;
        ++high;
        if (i + 1 >= bytes.size())
            break;
        const auto trail = static_cast<unsigned char>(bytes[i + 1]);
        bool pair = false;
        bool usual = false;
        if (big5) {
            pair = lead >= 0x81 && lead <= 0xFE &&
                   ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
            usual = pair && ((lead >= 0xA1 && lead <= 0xC5) || (lead == 0xC6 && trail <= 0x7E));
        } else {
            pair = lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
            usual = pair && ((lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xD7));
        }
        if (!pair)
            continue;
        if (trail >= 0x80)
            ++high;
        ++i;
        if (usual)
            common += trail >= 0x80 ? 2 : 1;
    }
    return {high == 0 ? 0.0 : double(common) / double(high), common / 2};
}

bool isLetterByte(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
}

// Cyrillic in Windows-1251 writes whole words in bytes 0xC0 to 0xFF, which
// Windows-1252 reads as accented Latin letters: three of those in a row
// hardly happen in a Western language, and not with o, e, a and i (0xEE,
// 0xE5, 0xE0, 0xE8) as a third of them, as in Russian.
bool looksCyrillic(QByteArrayView bytes)
{
    qsizetype high = 0;
    qsizetype inWords = 0;
    qsizetype words = 0;
    qsizetype vowels = 0;
    qsizetype run = 0;
    qsizetype runVowels = 0;
    const auto endRun = [&] {
        if (run >= 3) {
            inWords += run;
            vowels += runVowels;
            ++words;
        }
        run = 0;
        runVowels = 0;
    };
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80)
            ++high;
        if (c >= 0xC0 || c == 0xA8 || c == 0xB8) { // the letters, and Yo
            ++run;
            runVowels += c == 0xEE || c == 0xE5 || c == 0xE0 || c == 0xE8;
        } else {
            endRun();
        }
    }
    endRun();
    return words >= 3 && inWords * 10 >= high * 6 && vowels * 5 >= inWords;
}

// Polish in Windows-1250 puts l with a stroke, a with an ogonek and z with a
// dot (0xB3, 0xB9, 0xBF...) inside words, where Windows-1252 has the signs
// superscript three, superscript one and the inverted question mark.
bool looksCentralEuropean(QByteArrayView bytes)
{
    int inWords = 0;
    for (qsizetype i = 1; i + 1 < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool strong =
            c == 0xB3 || c == 0xB9 || c == 0xBF || c == 0x9F || c == 0xA5 || c == 0xAF || c == 0x8F;
        if (strong && isLetterByte(static_cast<unsigned char>(bytes[i - 1])) &&
            isLetterByte(static_cast<unsigned char>(bytes[i + 1])))
            ++inWords;
    }
    return inWords >= 2;
}

// The legacy code page the bytes were written in, when they are not
// Windows-1252 text; nothing for Windows-1252.
std::optional<TextEncoding> legacyCodePage(QByteArrayView bytes)
{
    std::optional<TextEncoding> chinese;
    // The share of high bytes in common pairs a code page needs; Big5 wins a tie.
    double best = 0.85;
    for (TextEncoding e : {TextEncoding::Big5, TextEncoding::Gbk}) {
        const PairShare s = commonPairs(bytes, e);
        if (s.pairs >= 3 && (s.share > best || (!chinese && s.share == best))) {
            best = s.share;
            chinese = e;
        }
    }
    if (chinese)
        return chinese;
    if (looksCyrillic(bytes))
        return TextEncoding::Windows1251;
    if (looksCentralEuropean(bytes))
        return TextEncoding::Windows1250;
    return std::nullopt;
}

QByteArray encodeWith(const char* name, const QString& text, bool* failed = nullptr)
{
    QStringEncoder encoder(name, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (failed)
        *failed = encoder.hasError();
    return bytes;
}

DecodedText decodeLegacy(const QByteArray& bytes, TextEncoding encoding)
{
    const QList<const char*> names = converterNames(encoding);
    DecodedText first;
    for (const char* name : names) {
        QStringDecoder decoder(name, QStringDecoder::Flag::Stateless);
        if (!decoder.isValid())
            continue;
        DecodedText d{decoder.decode(bytes), encoding, QString(), false};
        if (decoder.hasError()) {
            if (first.text.isEmpty())
                first = std::move(d);
            continue;
        }
        // Saving writes with the first converter: the bytes must come back from it.
        d.exact = encodeWith(names.front(), d.text) == bytes;
        return d;
    }
    // Bytes the code page has no character for: shown as the replacement
    // character, which saving cannot turn back into them.
    return first;
}

} // namespace

bool isLegacyEncoding(TextEncoding encoding)
{
    return encoding != TextEncoding::Windows1252 && encoding != TextEncoding::Utf8 &&
           encoding != TextEncoding::Utf8WithBom;
}

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom:
        return QCoreApplication::translate("TextEncoding", "UTF-8 with BOM");
    case TextEncoding::Big5:
        return QStringLiteral("Big5");
    case TextEncoding::Gbk:
        return QStringLiteral("GBK");
    case TextEncoding::Windows1251:
        return QStringLiteral("Windows-1251");
    case TextEncoding::Windows1250:
        return QStringLiteral("Windows-1250");
    default:
        return QStringLiteral("Windows-1252");
    }
}

QString encodingLanguage(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Big5:
        return QCoreApplication::translate("TextEncoding", "Traditional Chinese");
    case TextEncoding::Gbk:
        return QCoreApplication::translate("TextEncoding", "Simplified Chinese");
    case TextEncoding::Windows1251:
        return QCoreApplication::translate("TextEncoding", "Cyrillic");
    case TextEncoding::Windows1250:
        return QCoreApplication::translate("TextEncoding", "Central European");
    default:
        return QString();
    }
}

DecodedText decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || looksLikeUtf16(bytes))
        return {QString(), TextEncoding::Windows1252,
                QCoreApplication::translate(
                    "TextEncoding",
                    "It is encoded as UTF-16, which Quillwright cannot edit; save it "
                    "as UTF-8 or Windows-1252 first."),
                true};
    // No script holds a NUL byte; an archive or an image does, and saving it
    // back as text would destroy it.
    if (bytes.contains('\0'))
        return {
            QString(), TextEncoding::Windows1252,
            QCoreApplication::translate("TextEncoding", "It is a binary file, not a MOD script."),
            true};
    if (bytes.startsWith(Utf8Bom)) {
        if (const auto text = strictUtf8(QByteArrayView(bytes).sliced(3)))
            return {*text, TextEncoding::Utf8WithBom, QString(), true};
    } else if (!isAscii(bytes)) {
        // Accented letters in Windows-1252 are never valid UTF-8 beside plain
        // letters, so real scripts keep their code page.
        if (const auto text = strictUtf8(bytes))
            return {*text, TextEncoding::Utf8, QString(), true};
        if (const std::optional<TextEncoding> legacy = legacyCodePage(bytes)) {
            DecodedText d = decodeLegacy(bytes, *legacy);
            if (!d.text.isEmpty())
                return d;
        }
    }
    return {Windows1252::decode(bytes), TextEncoding::Windows1252, QString(), true};
}

QString encodingNotice(const DecodedText& decoded)
{
    if (!isLegacyEncoding(decoded.encoding))
        return QString();
    QString notice =
        QCoreApplication::translate(
            "TextEncoding", "It is encoded as %1 (%2), not as UTF-8 or Windows-1252, which MOD "
                            "installers expect: they read its letters as other characters. "
                            "Quillwright shows its text as the author wrote it and saves it as %1 "
                            "again.")
            .arg(encodingName(decoded.encoding), encodingLanguage(decoded.encoding));
    if (!decoded.exact)
        notice += u' ' + QCoreApplication::translate(
                             "TextEncoding",
                             "Some of its bytes are no %1 character: saving it writes other "
                             "bytes in their place.")
                             .arg(encodingName(decoded.encoding));
    return notice;
}

namespace {

// A legacy code page writes "?" for a character it cannot hold, as
// Windows-1252 does, and counts them.
EncodedText encodeLegacy(const QString& text, TextEncoding encoding)
{
    const char* name = converterNames(encoding).front();
    bool failed = false;
    QByteArray bytes = encodeWith(name, text, &failed);
    if (!failed)
        return {std::move(bytes), 0, -1};
    EncodedText out;
    out.bytes.reserve(text.size() * 2);
    QStringEncoder encoder(name, QStringEncoder::Flag::Stateless);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QStringView one = QStringView(text).sliced(i, n);
        const QByteArray b = encoder.encode(one);
        if (encoder.hasError()) {
            // The converter keeps its error: a fresh one for what follows.
            encoder = QStringEncoder(name, QStringEncoder::Flag::Stateless);
            out.bytes += '?';
            if (out.unmappable++ == 0)
                out.firstUnmappable = int(i);
        } else {
            out.bytes += b;
        }
        i += n - 1;
    }
    return out;
}

} // namespace

EncodedText encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return {text.toUtf8(), 0, -1};
    case TextEncoding::Utf8WithBom:
        return {Utf8Bom + text.toUtf8(), 0, -1};
    case TextEncoding::Windows1252: {
        Windows1252::Encoded e = Windows1252::encode(text);
        return {std::move(e.bytes), e.unmappable, e.firstUnmappable};
    }
    default:
        return encodeLegacy(text, encoding);
    }
}

namespace {

// Where chunks [from, to) of a store's lines stand in the text: from the CR LF
// before their first line (the text's first line has none) to the CR LF
// after their last.
struct ChunkSpan {
    int from = 0;
    int to = 0;
    int firstLine = 0;
    qsizetype start = 0;
    qsizetype end = 0;
};

ChunkSpan spanOf(const LineStore& lines, int from, int to)
{
    const ChunkedVector<LinePtr>& v = lines.lines();
    ChunkSpan s{from, to, v.chunkStart(from), 0, 0};
    const int lastLine = v.chunkStart(to);
    s.start = s.firstLine == 0 ? 0 : lines.lineStart(s.firstLine) - 2;
    s.end = lastLine >= v.size() ? lines.length() : lines.lineStart(lastLine) - 2;
    return s;
}

// The lines of a span written as Windows-1252 from `out` on, at most a byte a
// character; returns where the bytes end.
char* encodeSpan(const LineStore& lines, const ChunkSpan& span, char* out, Windows1252::Encoded& e)
{
    char* d = out;
    qsizetype position = span.start;
    int line = span.firstLine;
    lines.lines().forEachChunk(span.from, span.to, [&](const std::vector<LinePtr>& chunk) {
        // Each line is an object of its own, and its characters another:
        // both are asked for a few lines ahead, so that a big script is not
        // read at the pace of two memory round trips a line.
        const size_t n = chunk.size();
        for (size_t k = 0; k < n; ++k, ++line) {
            if (k + 16 < n)
                __builtin_prefetch(chunk[k + 16].get());
            if (k + 8 < n)
                __builtin_prefetch(chunk[k + 8]->text.constData());
            if (line > 0) {
                *d++ = '\r';
                *d++ = '\n';
                position += 2;
            }
            d = Windows1252::encodeTo(d, chunk[k]->text, position, e);
            position += chunk[k]->text.size();
        }
    });
    return d;
}

// A span's bytes in a buffer of their own.
Windows1252::Encoded encodedSpan(const LineStore& lines, const ChunkSpan& span)
{
    Windows1252::Encoded e;
    e.bytes.resize(span.end - span.start);
    char* end = encodeSpan(lines, span, e.bytes.data(), e);
    e.bytes.truncate(end - e.bytes.data());
    return e;
}

EncodedText encodeWindows1252(const LineStore& lines)
{
    const int chunks = lines.lines().chunkCount();
    // Reading the lines waits on memory more than on the processor: a big
    // script is read as two halves at once, the second into a buffer of
    // its own, then copied after the first.
    if (lines.length() < (1 << 20) || chunks < 2) {
        Windows1252::Encoded e = encodedSpan(lines, spanOf(lines, 0, chunks));
        return {std::move(e.bytes), e.unmappable, e.firstUnmappable};
    }
    // Both halves go straight into the one buffer: at most a byte a
    // character, the second half is written where it stands when the first
    // holds no surrogate pair, and moved down after the first when it did.
    // (A buffer of its own for the second half cost its pages and a copy.)
    const ChunkSpan second = spanOf(lines, chunks / 2, chunks);
    Windows1252::Encoded e;
    e.bytes.resize(lines.length());
    char* const out = e.bytes.data();
    char* const restStart = out + second.start;
    Windows1252::Encoded rest;
    auto later = std::async(std::launch::async, [&lines, &second, restStart, &rest] {
        return encodeSpan(lines, second, restStart, rest);
    });
    char* end = encodeSpan(lines, spanOf(lines, 0, chunks / 2), out, e);
    const qsizetype restSize = later.get() - restStart;
    if (end != restStart)
        std::memmove(end, restStart, size_t(restSize));
    e.bytes.truncate(end - out + restSize);
    if (e.firstUnmappable < 0)
        e.firstUnmappable = rest.firstUnmappable;
    e.unmappable += rest.unmappable;
    return {std::move(e.bytes), e.unmappable, e.firstUnmappable};
}

} // namespace

EncodedText encodeLines(const LineStore& lines, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return encodeWindows1252(lines);
    if (isLegacyEncoding(encoding)) {
        QString text;
        text.reserve(lines.length());
        bool first = true;
        lines.lines().forEach([&](const LinePtr& line) {
            if (!first)
                text += QStringLiteral("\r\n");
            first = false;
            text += line->text;
        });
        return encodeText(text, encoding);
    }
    QByteArray bytes = encoding == TextEncoding::Utf8WithBom ? Utf8Bom : QByteArray();
    bytes.reserve(bytes.size() + lines.length());
    bool first = true;
    lines.lines().forEach([&](const LinePtr& line) {
        if (!first)
            bytes += "\r\n";
        first = false;
        bytes += QStringView(line->text).toUtf8();
    });
    return {std::move(bytes), 0, -1};
}

} // namespace Quillwright
