#include "core/script/AuthorDetails.h"

namespace Quillwright {

namespace {
const QString BeforeEmail = QStringLiteral(" < ");
const QString BeforeName = QStringLiteral(" > (");
const QString BeforeUrl = QStringLiteral(") ");

// Takes the text before the first separator, then removes every occurrence
// of that text followed by the separator.
QString takePart(QString& rest, const QString& separator)
{
    QString part;
    const qsizetype p = rest.indexOf(separator, 0, Qt::CaseSensitive);
    if (p >= 0)
        part = rest.left(p);
    rest.remove(part + separator, Qt::CaseSensitive);
    return part;
}
} // namespace

AuthorParts splitAuthor(const QString& line)
{
    QString rest = line;
    AuthorParts parts;
    parts.phpbb = takePart(rest, BeforeEmail);
    parts.email = takePart(rest, BeforeName);
    parts.name = takePart(rest, BeforeUrl);
    parts.url = rest;
    return parts;
}

QString joinAuthor(const AuthorParts& p)
{
    return p.phpbb + BeforeEmail + p.email + BeforeName + p.name + BeforeUrl + p.url;
}

} // namespace Quillwright
