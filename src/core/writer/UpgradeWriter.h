#pragma once

#include "core/install/ModInstaller.h"
#include "core/writer/ScriptWriter.h"

#include <QStringList>
#include <optional>

namespace Quillwright {

// The upgrade from one version of a MOD to the next: both installed on the
// forum in memory, the package is the difference between the two forums.
namespace Writer {

// The author's header of a script: every line before the first action's
// "#" frame.
QStringList headerOf(const QStringList& scriptLines);

struct Upgrade {
    Tree from;       // the forum with the first version installed
    Tree to;         // the forum with the second
    Options options; // the second script's header, titled as the upgrade
    // What failed in either installation, and what the second leaves to do
    // by hand (SQL, DIY INSTRUCTIONS), in the compiler form.
    QStringList problems;
    QStringList toDo;
};

// A version's script read from its file, the folder it stands in as its
// package (what its COPY reads), or from the zip it was published as (its
// script named install, its folder in the archive as its package);
// nothing, and the reason, when it cannot be read.
std::optional<Install::Script> readVersion(const QString& path, QString& error);

// `from` and `to` are the two versions' scripts, each with its own package
// (what its COPY reads); `forum` the forum both install on.
Upgrade prepareUpgrade(const Install::Script& from, const Install::Script& to, const Tree& forum);

} // namespace Writer

} // namespace Quillwright
