#pragma once

#include "core/encoding/TextEncoding.h"
#include "core/install/ModInstaller.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace Quillwright {

// The script writer: the MOD package of the changes between a forum and the
// author's changed copy of it. One OPEN per changed text file with the
// actions of FileActions; new files, and files whose changes no action can
// say (binary ones among them), as COPY from the package's root/ folder;
// deleted files as DIY INSTRUCTIONS. Every package it writes is proven:
// installed in memory on the original, script and root/ together, it must
// give the changed files back byte for byte.
namespace Writer {

// A forum's files by their paths under its folder.
using Tree = QHash<QString, QByteArray>;
Tree readTree(const QString& root);

struct Options {
    // The header's fields; empty: the placeholder (ModFormat) the author
    // fills in later, or for the version "1.0.0".
    QString title;
    QString author;
    QString description;
    QString version;
    // The header to keep (the author's own, from "## MOD Title" to the last
    // "#" line before the first action); empty: the community's layout. Its
    // Files To Edit and Included Files are written again.
    QStringList header;
    // Whether a root/ folder beside the script carries the files it copies;
    // false: the script alone, which names the files it cannot carry.
    bool package = true;
};

struct Written {
    QString script; // CR LF lines, "# EoM" at the end
    // The encoding of the files it quotes: Windows-1252 unless they are UTF-8.
    TextEncoding encoding = TextEncoding::Windows1252;
    QByteArray bytes() const;
    // What root/ holds, by their paths in the forum (their bytes are the
    // changed tree's): new files and those copied whole.
    QStringList carried;
    QStringList edited;      // the files its actions change
    int files = 0;           // files the script changes, copies or names
    int actions = 0;         // actions written
    QStringList leftAlone;   // files that differ only in line ends
    QStringList copiedWhole; // files whose changes no actions could express: copied whole
    QStringList notCarried;  // written as the script alone: files only a root/ could carry
    QStringList failed;      // files that even so do not install back exactly
    // Why nothing was written (a path no script can name); empty when it was.
    QString refused;
    bool exact() const
    {
        return refused.isEmpty() && copiedWhole.isEmpty() && notCarried.isEmpty() &&
               failed.isEmpty();
    }
};

Written write(const Tree& original, const Tree& changed, const Options& options = {});

// The proof of every package written: the files of `paths` that `script`,
// installed in memory on `original` with its package, does not give as
// `changed` holds them.
QStringList installedWrong(const Tree& original, const Tree& changed, const Install::Script& script,
                           const QStringList& paths);

// The order of "Files To Edit": root files, then includes/, admin/,
// language/, templates/, anything else; by path within each.
bool pathOrder(const QString& a, const QString& b);

// A path shown where a control character (a line break, a tab) would be
// invisible or break the line: each as \n, \r, \t or \xNN.
QString visiblePath(const QString& path);

} // namespace Writer

} // namespace Quillwright
