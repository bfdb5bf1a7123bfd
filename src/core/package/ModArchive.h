#pragma once

#include "core/package/FileTree.h"
#include "core/package/ScriptPackage.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace Quillwright {

// MOD packages as their authors published them: zip archives holding the
// install script, root/, contrib/, translations and upgrades. An archive is
// read whole into memory and refused, whole, when an entry climbs out of
// its folder (".." or an absolute path), is a link or a device, or when its
// sizes are those of an archive made to fill a disk. Then the scripts inside
// are listed, and one is opened with its folder in the archive as its
// package, so that COPY finds root/ beside it. A package is written as a
// zip under the same rules: what this reader would refuse is never written.
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

// A file to write into an archive.
struct Entry {
    QString path; // "/"-separated, inside the archive's folder
    QByteArray bytes;
    int mode = 0644;    // permission bits
    QDateTime modified; // invalid: the time of writing
};
// The entries as the bytes of a zip archive (deflated, UTF-8 names, each
// folder an entry of its own before its files), refused when a path would
// climb out or the archive would be refused when read: past the limits, or
// unpacking to far more than its own size.
struct Packed {
    QByteArray bytes;
    QString error; // why it is refused; then there are no bytes
};
Packed pack(const std::vector<Entry>& entries, const Limits& limits = {});

} // namespace ModArchive

} // namespace Quillwright
