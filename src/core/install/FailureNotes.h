#pragma once

#include "core/install/ModInstaller.h"
#include "core/script/ModReader.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace Quillwright {

// What the report adds to a failure so that a forum owner can act on it
// without reading the script: most FINDs that match nothing belong to
// upgrades and add-ons whose MOD is not installed, or to phpBB's own
// update scripts for an older release; few differ by blanks alone.
namespace Install {

// Where a file holds most of a FIND's lines (more than half, one that says
// something among them), in order and a few lines apart at most.
struct CloseLines {
    int first = -1; // file lines, from 0
    int last = -1;
    int count = 0; // the FIND's lines found there
};
CloseLines closeLines(const std::vector<QString>& strippedFile, const ModReader::FindText& find);

// What a script's title or file name says of what it needs: an upgrade,
// add-on or update needs its MOD (or the earlier version) installed first;
// phpBB's own code changes need the release they start from. Nothing when
// it says neither.
std::optional<Note> prerequisiteNote(const QString& name, const QStringList& lines);

// The actions left out because of a failure, each its keyword as written
// and its banner's line (from 1): "skipped with it: AFTER, ADD (line 35),
// REPLACE WITH (line 39)", at the first of them.
struct Skipped {
    QString keyword;
    int line = 0;
};
Note skippedNote(const std::vector<Skipped>& skipped);

// What the report says of a FIND (`action`, in the script's `lines`) that
// matches nothing in `path` from line `searchFrom` on: the FIND's first
// line, and where the whole FIND stands above that line or most of its
// lines stand in order.
std::vector<Note> failedFindNotes(const ModReader::Action& action,
                                  const std::vector<QStringView>& lines,
                                  const ModReader::FindText& find, const QString& path,
                                  const std::vector<QString>& strippedFile, int searchFrom);

// The known keyword a mistyped one stands for ("IN-LINE-FIND" for "IN-LINE
// FIND"), as a note at the action's banner; nothing when none is alike.
std::optional<Note> lookalikeNote(const ModReader::Action& action);

// The keywords of a script none of whose banners an installer reads, named
// at its first banner (the first few, and how many more).
Note keywordsNote(const std::vector<ModReader::Action>& actions);

} // namespace Install

} // namespace Quillwright
