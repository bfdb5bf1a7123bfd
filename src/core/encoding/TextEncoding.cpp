#include "core/encoding/TextEncoding.h"

#include "core/encoding/Windows1252.h"
#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QStringDecoder>
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

} // namespace

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom:
        return QCoreApplication::translate("TextEncoding", "UTF-8 with BOM");
    default:
        return QStringLiteral("Windows-1252");
    }
}

DecodedText decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || looksLikeUtf16(bytes))
        return {QString(), TextEncoding::Windows1252,
                QCoreApplication::translate(
                    "TextEncoding",
                    "It is encoded as UTF-16, which Quillwright cannot edit; save it "
                    "as UTF-8 or Windows-1252 first.")};
    // No script holds a NUL byte; an archive or an image does, and saving it
    // back as text would destroy it.
    if (bytes.contains('\0'))
        return {
            QString(), TextEncoding::Windows1252,
            QCoreApplication::translate("TextEncoding", "It is a binary file, not a MOD script.")};
    if (bytes.startsWith(Utf8Bom)) {
        if (const auto text = strictUtf8(QByteArrayView(bytes).sliced(3)))
            return {*text, TextEncoding::Utf8WithBom, QString()};
    } else if (!isAscii(bytes)) {
        // Accented letters in Windows-1252 are never valid UTF-8 beside plain
        // letters, so real scripts keep their code page.
        if (const auto text = strictUtf8(bytes))
            return {*text, TextEncoding::Utf8, QString()};
    }
    return {Windows1252::decode(bytes), TextEncoding::Windows1252, QString()};
}

EncodedText encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return {text.toUtf8(), 0, -1};
    case TextEncoding::Utf8WithBom:
        return {Utf8Bom + text.toUtf8(), 0, -1};
    default: {
        Windows1252::Encoded e = Windows1252::encode(text);
        return {std::move(e.bytes), e.unmappable, e.firstUnmappable};
    }
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
    const ChunkSpan second = spanOf(lines, chunks / 2, chunks);
    auto later =
        std::async(std::launch::async, [&lines, &second] { return encodedSpan(lines, second); });
    Windows1252::Encoded e;
    e.bytes.resize(lines.length());
    char* end = encodeSpan(lines, spanOf(lines, 0, chunks / 2), e.bytes.data(), e);
    const Windows1252::Encoded rest = later.get();
    std::memcpy(end, rest.bytes.constData(), size_t(rest.bytes.size()));
    e.bytes.truncate(end - e.bytes.data() + rest.bytes.size());
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
