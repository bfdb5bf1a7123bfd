#pragma once

#include "core/package/FileTree.h"
#include "core/package/ScriptPackage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Quillwright {

// MOD packages as their authors published them: zip archives holding the
// install script, root/, contrib/, translations and upgrades. An archive is
// read whole into memory and refused, whole, when an entry climbs out of
// its folder (".." or an absolute path), is a link or a device, or when its
// sizes are those of an archive made to fill a disk. Then the scripts inside
// are listed, and one is opened with its folder in the archive as its
// package, so that COPY finds root/ beside it.
namespace ModArchive {

// What an archive may hold before it is refused.
struct Limits {
    int entries = 20000;
    qint64 entrySize = 64LL * 1024 * 1024;  // unpacked, one entry
    qint64 totalSize = 512LL * 1024 * 1024; // unpacked, every entry
    int ratio = 100;                        // unpacked size to the archive's, past a megabyte
};

// Whether bytes begin as a zip archive does, whatever the file's name.
bool looksLikeArchive(const QByteArray& head);

struct Package {
    FileTree files;      // every file, by its path in the archive
    QStringList scripts; // the MOD scripts in it (text that opens with a MOD header), by path
    QString error;       // why the archive is refused; then nothing else is set
};
Package read(const QString& path, const Limits& limits = {});
Package read(const QByteArray& bytes, const Limits& limits = {});

// The script to install: `wanted` (a path in the archive, or a file name
// that only one entry has), else the one named install (install.mod,
// install.txt; the one nearest the top), else the only one.
struct Choice {
    QString script;        // its path in the archive; empty when none was chosen
    QStringList ambiguous; // several fit: these
};
Choice chooseScript(const Package& package, const QString& wanted = QString());

// A script of the package as the installer and the editor take it: its
// bytes, and the archive as its package.
struct Script {
    QString path;
    QByteArray bytes;
    ScriptPackage package;
};
Script openScript(const Package& package, const QString& path);

} // namespace ModArchive

} // namespace Quillwright
