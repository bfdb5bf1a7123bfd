#pragma once

#include <QStringList>

namespace Quillwright {

// `quillwright-mod write ORIGINAL CHANGED`: the MOD script of the changes,
// like diff. Returns the exit status.
int runWrite(const QStringList& args);

} // namespace Quillwright
