#pragma once

#include "core/checker/Finding.h"
#include "core/script/ForumPaths.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace Quillwright {

// The installer: MOD scripts applied to a forum's files in memory, as the
// phpBB2 MOD community's installers apply them. Files in, changed files and
// a report out; nothing is written here (see InstallWriter).
namespace Install {

// The bytes of a file by its path relative to a folder (the forum, or the
// MOD's package beside the script), or nothing when there is none.
using Files = ForumPaths::Files;

struct Script {
    QString name;      // how the report names it (its file name)
    QStringList lines; // as read (ModReader::readLines)
    Files package;     // what COPY copies from; may be empty
};

// Something for the user to do by hand: a COPY whose source is not there,
// SQL to run, DIY instructions.
struct ToDo {
    int script = 0; // index into the scripts installed
    int line = 0;   // the banner's line, from 1
    QString kind;   // "copy", "sql", "diy"
    QString text;   // the block's content
};

struct Finding {
    int script = 0;
    QString path;             // the forum file it concerns; empty when none
    Checker::Finding finding; // line and column of the banner (or the OPEN's path)
};

struct ChangedFile {
    QString path;
    std::optional<QByteArray> original; // none: the installation makes it (COPY)
    QByteArray result;
    bool text = true; // a text file, which a diff can show
};

struct Result {
    std::vector<ChangedFile> files; // in the order first opened or copied; changed ones only
    QStringList opened;             // every file OPENed or copied to, in that order
    std::vector<Finding> findings;  // failures, in script order
    std::vector<ToDo> todo;
    int applied = 0; // actions carried out
    int failed = 0;  // actions reported and those skipped because of them
};

// The report in the compiler form: findings, then what is left to do, a line each.
QStringList reportLines(const std::vector<Script>& scripts, const Result& result);
// Whether an action on the file failed.
bool failedIn(const Result& result, const QString& path);

// How IN-LINE FIND looks for a fragment: its non-blank characters in order
// with any blanks between them, "{%:N}" standing for a number.
QRegularExpression fragmentPattern(QStringView fragment);

// A path an OPEN or COPY may write (scripts' "\" and a leading "./" read
// as ModReader reads them).
using ForumPaths::isConfined;

// Whether a path of the forum leads outside its folder (a symbolic link
// pointing elsewhere): such a file is neither read nor written.
using Leaves = std::function<bool(const QString& path)>;

// Each script applied to the result of the ones before it.
Result install(const std::vector<Script>& scripts, const Files& forum, const Leaves& leaves = {});

} // namespace Install

} // namespace Quillwright
