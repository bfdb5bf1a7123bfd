#pragma once

#include "core/install/ModInstaller.h"

#include <QString>
#include <functional>

namespace Quillwright {

// The installer's files on disk: a forum's folder read, and a copy of it
// with an installation's changes written, never the forum itself.
namespace Install {

struct WriteOutcome {
    bool ok = false;
    QString error;
    int written = 0; // files written, the forum's and the changed ones
};
// Why `target` cannot take a forum copy: the forum itself, a folder inside
// it, a file, or a folder that is not empty. Empty when it can.
QString unfitTarget(const QString& forumRoot, const QString& target);
// The forum's files with the installation's changes, in `target` (new or
// empty), whole or not at all: written into a folder beside it and renamed
// into place. `progress` (files done, files in all) may cancel by returning false.
WriteOutcome writeForumCopy(const QString& forumRoot, const QString& target, const Result& result,
                            const std::function<bool(int done, int total)>& progress = {});

} // namespace Install

} // namespace Quillwright
