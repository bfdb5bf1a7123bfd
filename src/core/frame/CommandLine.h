#pragma once

#include <QString>
#include <QStringList>

namespace Quillwright {

// What the program was asked to do by its arguments. --help and --version
// are answered on standard output before any window (or display) is
// needed; every other argument list names one file, as it always has: the
// arguments joined by blanks with every double quote removed.
namespace CommandLine {

enum class Action { Run, Help, Version };

struct Request {
    Action action = Action::Run;
    QString fileName;    // empty: no file to open
    QString forumFolder; // "--forum DIR" before the file: the checker's dry run uses DIR
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
Request parse(const QStringList& arguments);

// The file named by the arguments after the program's own name.
QString fileName(const QStringList& arguments);

QString usage();       // the --help text, ending in a line break
QString versionText(); // "Quillwright", a blank, the version number and a line break

} // namespace CommandLine

} // namespace Quillwright
