#pragma once

#include "core/checker/Finding.h"
#include "core/package/FileTree.h"
#include "core/script/ModReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

namespace Quillwright {

// Every OPEN, FIND and IN-LINE FIND of a script tried against a forum's own
// files, as the installer would apply them, without writing anything.
namespace Checker {

// The forum's files, read as the installer reads them.
using ForumFiles = FileTree;
// The files of the forum in a folder, each read once and kept until it changes.
ForumFiles forumFolder(const QString& root);

// Why an OPEN cannot be carried out, one rule for the dry run and the
// installer: the path it names (its first content line), and what the
// forum holds there (`text`: nothing when there is no file, else whether it
// is text). Nothing when the file can be opened.
std::optional<Finding> openFinding(const ModReader::Action& open,
                                   const std::vector<QStringView>& lines, const FileTree& forum,
                                   std::optional<bool> text);

// Every OPEN, FIND and IN-LINE FIND tried against the forum's files; no
// file of the forum is written.
std::vector<Finding> dryRun(const std::vector<QStringView>& lines, const ForumFiles& forum);
std::vector<Finding> dryRun(const QStringList& lines, const ForumFiles& forum);

} // namespace Checker

} // namespace Quillwright
