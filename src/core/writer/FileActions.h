#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace Quillwright {

namespace Writer {

// One changed file said as the actions an author would write for it.

// One action as the script writes it: its keyword and the lines under it.
struct Block {
    QString keyword;
    QStringList content;
};

// The actions that turn one file's lines into its changed lines, as an
// author would write them: each change a FIND of the fewest original lines
// that the installer finds first there (searching from where the FIND
// before it left off), then AFTER, ADD, BEFORE, ADD, REPLACE WITH or an
// IN-LINE change. Changes close together are one action; added and
// replacing text begins and ends where the blocks it touches begin and end
// when the change allows. `markup`: a template, whose blocks are its
// BEGIN/END comments and table tags as well as braces.
std::vector<Block> fileActions(const QStringList& original, const QStringList& changed,
                               bool markup);

// Whether the blocks of `lines` open and close as those of `like` do:
// braces, parentheses and (in a template) BEGIN/END and table tags, each
// reaching the same lowest depth and ending at the same depth. Strings and
// comments in code are passed over.
bool sameShape(const QStringList& lines, const QStringList& like, bool markup);

} // namespace Writer

} // namespace Quillwright
