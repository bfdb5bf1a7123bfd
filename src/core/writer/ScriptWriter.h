#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace Quillwright {

// The script writer: the MOD script of the changes between a forum and the
// author's changed copy of it. One OPEN per changed text file, each change
// a FIND of the fewest original lines that the installer finds first at
// that place, with AFTER, ADD, BEFORE, ADD, REPLACE WITH or IN-LINE actions;
// new files as COPY, deleted and binary files as DIY INSTRUCTIONS. Every
// script it writes is proven: installed in memory on the original, it must
// give the changed files back byte for byte.
namespace Writer {

// A forum's files by their paths under its folder.
using Tree = QHash<QString, QByteArray>;
Tree readTree(const QString& root);

struct Options {
    QString title; // the header's MOD Title
    // The author line; empty: a line in the template's form for the author to fill in.
    QString author;
    // The header to keep (the author's own, from "## MOD Title" to the last
    // "#" line before the first action); empty: the template's.
    QStringList header;
};

struct Written {
    QString script;          // CR LF lines, "# EoM" at the end
    int files = 0;           // files the script changes or copies
    int actions = 0;         // actions written
    QStringList leftAlone;   // files that differ only in line ends or trailing blanks
    QStringList copiedWhole; // files whose changes no actions could express: copied whole
    QStringList failed;      // files that even so do not install back exactly
    bool exact() const { return copiedWhole.isEmpty() && failed.isEmpty(); }
};

Written write(const Tree& original, const Tree& changed, const Options& options = {});

// The order of "Files To Edit": root files, then includes/, admin/,
// language/, templates/, anything else; by path within each.
bool pathOrder(const QString& a, const QString& b);

} // namespace Writer

} // namespace Quillwright
