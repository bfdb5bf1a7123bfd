#pragma once

#include "core/writer/ScriptWriter.h"

#include <QString>
#include <QStringList>

namespace Quillwright {

// A written MOD package as authors published theirs: one zip archive with
// the script at its top and root/ beside it, as the folder form has them.
namespace Writer {

// Why `file` cannot take the package's zip: a folder, or a place inside
// one of the forums it was written from. Empty when it can; a file there
// is replaced.
QString unfitPackageArchive(const QString& file, const QStringList& forums);

// Writes the package as a zip at `file`, proven first: the script read
// back from the archive's bytes, installed with the archive's root/ on
// `original`, gives the changed files. The files root/ carries keep the
// permission bits and modification times of their copies in
// `changedFolder`, when the changed forum is a folder on disk. Written
// whole or not at all: a temporary file beside it, renamed into place. The
// error, or empty when written.
QString writePackageArchive(const QString& file, const QString& scriptName, const Written& written,
                            const Tree& original, const Tree& changed,
                            const QString& changedFolder = QString());

} // namespace Writer

} // namespace Quillwright
