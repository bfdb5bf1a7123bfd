#include "core/script/TextEncoding.h"

#include "core/script/Windows1252.h"
#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>

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

EncodedText encodeLines(const LineStore& lines, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252) {
        // At most a byte a character: written in place, with no growing
        // or appending a line at a time.
        Windows1252::Encoded e;
        e.bytes.resize(lines.length());
        char* d = e.bytes.data();
        qsizetype position = 0;
        bool first = true;
        // Each line is an object of its own, and its characters another:
        // both are asked for a few lines ahead, so that a big script is not
        // read at the pace of two memory round trips a line.
        lines.lines().forEachChunk([&](const std::vector<LinePtr>& chunk) {
            const size_t n = chunk.size();
            for (size_t k = 0; k < n; ++k) {
                if (k + 16 < n)
                    __builtin_prefetch(chunk[k + 16].get());
                if (k + 8 < n)
                    __builtin_prefetch(chunk[k + 8]->text.constData());
                if (!first) {
                    *d++ = '\r';
                    *d++ = '\n';
                    position += 2;
                }
                first = false;
                d = Windows1252::encodeTo(d, chunk[k]->text, position, e);
                position += chunk[k]->text.size();
            }
        });
        e.bytes.truncate(d - e.bytes.data());
        return {std::move(e.bytes), e.unmappable, e.firstUnmappable};
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
