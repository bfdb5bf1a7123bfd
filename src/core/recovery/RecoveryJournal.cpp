#include "core/recovery/RecoveryJournal.h"

#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QList>
#include <QStringDecoder>
#include <QUrl>

namespace Quillwright {

namespace RecoveryJournal {
namespace {

const QByteArray Magic = "QUILLWRIGHT-RECOVERY 1";

QByteArray header(const QString& filePath, const QString& caption, TextEncoding encoding,
                  const QByteArray& text)
{
    return Magic + "\npath: " + QUrl::toPercentEncoding(filePath) +
           "\ncaption: " + QUrl::toPercentEncoding(caption) +
           "\nencoding: " + encodingName(encoding).toLatin1() +
           "\nlength: " + QByteArray::number(text.size()) +
           "\nsha1: " + QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex() + "\n\n";
}

// The value of a "name: value" line, or nothing when the line is another.
std::optional<QByteArray> field(const QByteArray& line, const char* name)
{
    const QByteArray prefix = QByteArray(name) + ": ";
    if (!line.startsWith(prefix))
        return std::nullopt;
    return line.mid(prefix.size());
}

std::optional<QString> utf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QByteArray encode(const Entry& entry)
{
    const QByteArray text = entry.text.toUtf8();
    return header(entry.filePath, entry.caption, entry.encoding, text) + text;
}

QByteArray encode(const QString& filePath, const QString& caption, TextEncoding encoding,
                  const LineStore& lines)
{
    QByteArray text;
    text.reserve(qsizetype(lines.length()) + lines.length() / 8);
    bool first = true;
    lines.lines().forEach([&](const LinePtr& line) {
        if (!first)
            text += "\r\n";
        first = false;
        text += line->text.toUtf8();
    });
    return header(filePath, caption, encoding, text) + text;
}

Decoded decode(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {std::nullopt, QCoreApplication::translate("RecoveryJournal", "empty")};
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (!bytes.startsWith(Magic + '\n') || headerEnd < 0 || headerEnd > 64 * 1024)
        return {std::nullopt,
                QCoreApplication::translate("RecoveryJournal", "not a recovery file")};
    const QList<QByteArray> lines = bytes.first(headerEnd).split('\n');
    if (lines.size() != 6)
        return {std::nullopt,
                QCoreApplication::translate("RecoveryJournal", "not a recovery file")};
    const auto path = field(lines[1], "path");
    const auto caption = field(lines[2], "caption");
    const auto encoding = field(lines[3], "encoding");
    const auto length = field(lines[4], "length");
    const auto sha1 = field(lines[5], "sha1");
    bool numeric = false;
    const qint64 size = length ? length->toLongLong(&numeric) : -1;
    std::optional<TextEncoding> known;
    for (TextEncoding e : {TextEncoding::Windows1252, TextEncoding::Utf8, TextEncoding::Utf8WithBom,
                           TextEncoding::Big5, TextEncoding::Gbk, TextEncoding::Windows1251,
                           TextEncoding::Windows1250})
        if (encoding && *encoding == encodingName(e).toLatin1())
            known = e;
    if (!path || !caption || !known || !sha1 || !numeric || size < 0 || size > MaxBytes)
        return {std::nullopt,
                QCoreApplication::translate("RecoveryJournal", "not a recovery file")};
    const QByteArray text = bytes.sliced(headerEnd + 2);
    if (text.size() < size)
        return {std::nullopt,
                QCoreApplication::translate("RecoveryJournal", "cut short (%1 of %2 bytes)")
                    .arg(text.size())
                    .arg(size)};
    if (text.size() > size ||
        QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex() != *sha1)
        return {std::nullopt, QCoreApplication::translate("RecoveryJournal", "damaged")};
    const auto decodedText = utf8(text);
    const auto decodedPath = utf8(QByteArray::fromPercentEncoding(*path));
    const auto decodedCaption = utf8(QByteArray::fromPercentEncoding(*caption));
    if (!decodedText || !decodedPath || !decodedCaption)
        return {std::nullopt, QCoreApplication::translate("RecoveryJournal", "not valid text")};
    // No script holds a NUL: such a journal was not written by the program.
    if (text.contains('\0'))
        return {std::nullopt,
                QCoreApplication::translate("RecoveryJournal", "binary, not a script")};
    return {Entry{*decodedPath, *decodedCaption, *decodedText, *known}, QString()};
}

} // namespace RecoveryJournal

} // namespace Quillwright
