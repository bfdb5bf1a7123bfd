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

} // namespace Install

} // namespace Quillwright
