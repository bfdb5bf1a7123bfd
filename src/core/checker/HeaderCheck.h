#pragma once

#include "core/checker/Finding.h"
#include "core/script/ModReader.h"

#include <QStringView>
#include <vector>

namespace Quillwright {

// The checks of a script's header: its fields (present, filled in, in the
// template's form, no placeholder left), its lists of files against what the
// actions open and copy, and its notices.
namespace Checker {

// The header is what stands before the first banner; `script` is the same
// lines read as installers read them. `actionsRead`: false when the script's
// keywords are translated, so that what it opens and copies is unknown and
// the lists are not compared with it.
void checkHeader(const std::vector<QStringView>& lines, const ModReader::Script& script,
                 bool actionsRead, std::vector<Finding>& out);

} // namespace Checker

} // namespace Quillwright
