#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace Quillwright {

// The texts a new header holds until its author fills them in, in one place:
// the writer puts them in a header it cannot fill, and the checker warns
// while any of them is left.
namespace HeaderPlaceholders {

QString title();       // "The title of this MOD"
QString authorLine();  // "Your Name < you@example.org > (Your Full Name) http://www.example.org"
QString description(); // "What this MOD does, in a sentence or two"
QString version();     // "x.x.x"
// The title, the author line and the description: what the header dialog
// opens on after the writer made a header.
const QStringList& written();

// Whether a header value is still the placeholder (or the template's own
// kind of placeholder: "X.X.X", "you@example.org" in the author line).
bool isTitle(QStringView value);
bool isAuthorLine(QStringView value);
bool isDescription(QStringView value);
bool isVersion(QStringView value);

} // namespace HeaderPlaceholders

} // namespace Quillwright
