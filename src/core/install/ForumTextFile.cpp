#include "core/install/ForumTextFile.h"

namespace Quillwright {

std::optional<ForumTextFile> ForumTextFile::decode(const QByteArray& bytes)
{
    const DecodedText decoded = decodeText(bytes);
    if (!decoded.refusal.isEmpty())
        return std::nullopt;
    ForumTextFile f;
    f.encoding = decoded.encoding;
    const QString& t = decoded.text;
    int crlf = 0;
    int lf = 0;
    int cr = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c != u'\r' && c != u'\n')
            continue;
        QString end;
        if (c == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') {
            end = QStringLiteral("\r\n");
            ++crlf;
        } else {
            end = QString(c);
            ++(c == u'\n' ? lf : cr);
        }
        f.lines.push_back({t.sliced(start, i - start), end});
        i += end.size() - 1;
        start = i + 1;
    }
    if (start < t.size())
        f.lines.push_back({t.sliced(start), QString()});
    if (crlf >= lf && crlf >= cr && crlf > 0)
        f.newLineEnd = QStringLiteral("\r\n");
    else if (cr > lf)
        f.newLineEnd = QStringLiteral("\r");
    return f;
}

QByteArray ForumTextFile::encode() const
{
    QString text;
    for (const Line& l : lines) {
        text += l.text;
        text += l.end;
    }
    return encodeText(text, encoding).bytes;
}

void ForumTextFile::insert(int at, const std::vector<QString>& texts)
{
    if (texts.empty())
        return;
    at = std::clamp(at, 0, int(lines.size()));
    std::vector<Line> made;
    made.reserve(texts.size());
    for (const QString& t : texts)
        made.push_back({t, newLineEnd});
    // After a last line without a line end: it gains one, the new last line
    // goes without, and the file still ends as it did.
    if (at == int(lines.size()) && at > 0 && lines.back().end.isEmpty()) {
        lines.back().end = newLineEnd;
        made.back().end.clear();
    }
    lines.insert(lines.begin() + at, made.begin(), made.end());
}

void ForumTextFile::remove(int at, int count)
{
    if (count <= 0)
        return;
    const bool lastGoes = at + count == int(lines.size());
    const bool hadEnd = lastGoes && !lines.back().end.isEmpty();
    lines.erase(lines.begin() + at, lines.begin() + at + count);
    // The lines before a removed last line now end the file as it ended.
    if (lastGoes && !lines.empty() && !hadEnd)
        lines.back().end.clear();
}

} // namespace Quillwright
