#pragma once

#include "core/package/FileTree.h"

#include <QByteArray>
#include <QString>

namespace Quillwright {

// Where a script's COPY lines take their files from. Packages keep their
// upgrades, add-ons and translations in folders of their own (contrib/,
// updates/, translations/german/) whose scripts copy the files the package
// holds higher up (its root/, its templates/): the package is the folder
// that holds them all, and the script sits somewhere inside it.
struct ScriptPackage {
    FileTree files; // the package's top folder
    QString folder; // the script's folder in `files`, "/"-separated; "" at the top
};

// How far above its script a package's top folder may lie: deep enough for
// an upgrade kept in contrib/upgrade/phpBB/, never so far as to reach the
// folders a user keeps his downloads in.
inline constexpr int MaxPackageLevels = 3;

// The package of a script in `scriptFolder` on disk. A folder that holds
// root/ is a package's top, the script's own first; else the nearest folder
// above, at most MaxPackageLevels up, that holds root/; else the nearest
// one above, as far, that holds a MOD of its own (a script, or the XML form
// of one: the package's main MOD); else the script's folder alone.
ScriptPackage packageOnDisk(const QString& scriptFolder);

// The package of a script at `path` in an archive: the whole archive, which
// was published as one package.
ScriptPackage packageInArchive(const FileTree& archive, const QString& path);

// A MOD script: text whose header, before the first action, has a title.
bool isScript(const QByteArray& bytes);

} // namespace Quillwright
