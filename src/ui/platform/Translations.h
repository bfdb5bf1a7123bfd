#pragma once

#include "core/frame/StringTable.h"

namespace Quillwright {

// The program's own texts (and Qt's, for its standard dialogs) in the
// language of the interface: French when the string table speaks French,
// the texts as written otherwise.
namespace Translations {
void use(StringTable::Language language);
} // namespace Translations

} // namespace Quillwright
