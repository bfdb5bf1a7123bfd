#pragma once

#include "core/writer/ScriptWriter.h"

#include <QString>
#include <QStringList>

namespace Quillwright {

// A written MOD package on disk: the script and, beside it, root/ with the
// files the script copies, as authors publish them.
namespace Writer {

// The script's name when none is given.
QString defaultScriptName(); // "install.mod"

// The forum of `forums` that `path` lies in: a package written there would
// become part of the changes it describes. Empty when none.
QString forumHolding(const QString& path, const QStringList& forums);

// Why `folder` cannot take a package: a file, a folder inside one of the
// forums it was written from (it would become part of them), or, unless
// `replacing`, a folder that is not empty. Empty when it can.
QString unfitPackageFolder(const QString& folder, const QStringList& forums, bool replacing);

// Writes the package into `folder` (new or empty), whole or not at all: it
// is made in a folder beside it and renamed into place. `replacing`: the
// folder may hold other files (an author's contrib/, a README); the script
// of that name and root/ are replaced, the rest is left as it was. The
// error, or empty when written.
QString writePackage(const QString& folder, const QString& scriptName, const Written& written,
                     const Tree& changed, bool replacing = false);

} // namespace Writer

} // namespace Quillwright
