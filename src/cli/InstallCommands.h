#pragma once

#include <QStringList>

namespace Quillwright {

// `quillwright-mod diff` and `quillwright-mod install`: scripts applied to a
// forum's files, shown as one unified diff or written into a copy of the
// forum. Each returns the exit status.
int runDiff(const QStringList& args);
int runInstall(const QStringList& args);

} // namespace Quillwright
