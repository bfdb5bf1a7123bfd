#pragma once

#include "core/checker/Finding.h"
#include "core/package/FileTree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace Quillwright {

// The installer: MOD scripts applied to a forum's files in memory, as the
// phpBB2 MOD community's installers apply them. Files in, changed files and
// a report out; nothing is written here (see ForumFolder).
namespace Install {

struct Script {
    QString name;      // how the report names it (its file name)
    QStringList lines; // as read (ModReader::readLines)
    FileTree package;  // what COPY copies from: the folder beside the script; may be empty
};

// Something for the user to do by hand: a COPY whose source the package
// lacks, SQL to run, DIY instructions, an action installers leave to people.
struct ToDo {
    int script = 0; // index into the scripts installed
    int line = 0;   // the banner's line, from 1
    QString kind;   // "copy", "sql", "diy", or the keyword in lower case ("delete")
    QString text;   // the block's content, its lines as the script writes them
};

// More about a finding, on a line of its own: the FIND's first line, the
// actions skipped with it, where the file holds lines close to it.
struct Note {
    QString file; // a forum file's path; empty: the script
    int line = 0; // from 1
    QString message;
};

struct Finding {
    int script = 0;
    QString path;             // the forum file it concerns; empty when none
    Checker::Finding finding; // line and column of the banner (or the OPEN's path)
    std::vector<Note> notes;
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

// Each script applied to the result of the ones before it.
Result install(const std::vector<Script>& scripts, const FileTree& forum);
// The same on the forum in a folder, for the command line and the preview
// alike: the forum's files are read once and kept until they change on disk.
Result install(const std::vector<Script>& scripts, const QString& forumFolder);

} // namespace Install

} // namespace Quillwright
