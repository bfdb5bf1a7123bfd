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

// The package of a script in `scriptFolder` on disk. A script's folder that
// holds root/ is its package's top. Else the nearest folder above it, at
// most MaxPackageLevels up, that holds root/ and a MOD of its own (a script,
// or the XML form of one: the package's main MOD); else the nearest one
// that holds such a MOD; else the script's folder alone. A folder of
// downloads holds no root/ and rarely a MOD; should it hold one, COPY still
// takes only a file at the very path the script names, and says so.
ScriptPackage packageOnDisk(const QString& scriptFolder);

// The package of a script at `path` in an archive: the whole archive, which
// was published as one package.
ScriptPackage packageInArchive(const FileTree& archive, const QString& path);

// A MOD script: text whose header, before the first action, has a title.
bool isScript(const QByteArray& bytes);

} // namespace Quillwright
