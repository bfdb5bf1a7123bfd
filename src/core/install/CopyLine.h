#pragma once

#include "core/package/FileTree.h"

#include <QString>
#include <QStringView>
#include <functional>
#include <utility>
#include <vector>

namespace Quillwright {

// A line of a COPY block, "copy root/x.php to x.php", read as authors mean
// it: a leading "/" or "\" is the forum's root; a target that ends in "/",
// or names a folder, receives the file under its own name; "*" and "?" in
// the source's last part take every matching file of that folder, and
// "*.*" (or "*") the folder's whole content, its subfolders too, as the
// packages' own notes say ("copy all the content of root/, files and
// sub-directories"); a target such as "*.*" or "images/*.*" stands for its
// folder. The source is looked for beside the script, then in each folder
// above it up to the package's top (see ScriptPackage). Only files inside
// the package are copied, only into the forum.
namespace Install {

struct CopyLine {
    enum class Verdict {
        Copy,          // `files` are copied
        NotCopyLine,   // not "copy ... to ...": left to the user as written
        TargetOutside, // a target outside the forum's folder
        SourceOutside, // a source outside the package's folder
        SourceMissing, // the package has no such file: left to the user
    };
    Verdict verdict = Verdict::NotCopyLine;
    QString source; // as written
    QString target; // as written; for TargetOutside, the path refused
    std::vector<std::pair<QString, QString>> files; // package path, forum path
    // Copy, from a folder above the script's: the source as found from the
    // script's folder ("../root/x.php"); empty when it was beside the script.
    QString takenFrom;
};

// `isForumFolder`: whether a path of the forum is a folder, there already or
// made by the installation so far.
// `scriptFolder`: the script's folder in `package`, "" at its top.
CopyLine readCopyLine(QStringView line, const FileTree& package, const QString& scriptFolder,
                      const FileTree& forum,
                      const std::function<bool(const QString& path)>& isForumFolder);

} // namespace Install

} // namespace Quillwright
