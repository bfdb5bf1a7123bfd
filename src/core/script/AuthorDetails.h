#pragma once

#include <QString>

namespace Quillwright {

// The author line of a MOD header: user name, " < ", e-mail address,
// " > (", full name, ") ", web address.
struct AuthorParts {
    QString phpbb; // phpBB user name
    QString email;
    QString name; // full name
    QString url;
    friend bool operator==(const AuthorParts&, const AuthorParts&) = default;
};

// Splits case-sensitively; a missing separator leaves its part empty, and
// whatever is not split off ends up in the web address.
AuthorParts splitAuthor(const QString& line);
// Joins with all three separators, also around empty parts.
QString joinAuthor(const AuthorParts& parts);

} // namespace Quillwright
