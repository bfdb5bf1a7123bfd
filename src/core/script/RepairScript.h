#pragma once

#include <QString>

namespace Quillwright {

// Brings a freshly loaded script to the program's forms of "AFTER, ADD",
// "OPEN" and the author-notes label.
//
// Keyword repairs act on banner lines only ("#-----[ " at the line start),
// where those keywords stand: elsewhere they would change code the script
// must find in forum files. The label repair is idempotent, so opening a
// file again does not grow it.
QString RepairScript(const QString& text);

// Open puts a blank after each line of exactly 65 "#"; a line that already
// has it, or a longer run of "#", stays as it is.
QString addBlankAfterProgramSeparators(const QString& text);

// The command-line load turns every 65 "#" plus blank back into 65 "#".
QString removeBlankAfterProgramSeparators(const QString& text);

} // namespace Quillwright
