#include "core/script/HeaderPlaceholders.h"

#include <QRegularExpression>

namespace Quillwright {

namespace HeaderPlaceholders {

QString title()
{
    return QStringLiteral("The title of this MOD");
}

QString description()
{
    return QStringLiteral("What this MOD does, in a sentence or two");
}

const QStringList& written()
{
    static const QStringList all = {title(), authorLine(), description()};
    return all;
}

QString authorLine()
{
    return QStringLiteral("Your Name < you@example.org > (Your Full Name) http://www.example.org");
}

QString version()
{
    return QStringLiteral("x.x.x");
}

namespace {

// Brackets and blanks at the edges are the author's way of writing any value.
QStringView bare(QStringView value)
{
    value = value.trimmed();
    while (value.size() >= 2 && ((value.front() == u'(' && value.back() == u')') ||
                                 (value.front() == u'[' && value.back() == u']') ||
                                 (value.front() == u'<' && value.back() == u'>')))
        value = value.sliced(1, value.size() - 2).trimmed();
    return value;
}

} // namespace

bool isTitle(QStringView value)
{
    return bare(value).compare(title(), Qt::CaseInsensitive) == 0;
}

bool isAuthorLine(QStringView value)
{
    const QStringView v = bare(value);
    return v.compare(authorLine(), Qt::CaseInsensitive) == 0 ||
           v.contains(QStringLiteral("you@example.org"), Qt::CaseInsensitive) ||
           v.startsWith(QStringLiteral("Your Name"), Qt::CaseInsensitive);
}

bool isDescription(QStringView value)
{
    return bare(value).compare(description(), Qt::CaseInsensitive) == 0;
}

bool isVersion(QStringView value)
{
    // "x.x.x", "X.X.X", "x.x.xx": letters x and dots only.
    static const QRegularExpression form(QStringLiteral("^[xX](\\.[xX]+)+$"));
    return form.match(bare(value)).hasMatch();
}

} // namespace HeaderPlaceholders

} // namespace Quillwright
