// Repairing never fails, and a repaired script comes back unchanged.
#include "FuzzInput.h"
#include "core/script/RepairScript.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString once = RepairScript(fuzzText(data, size));
    FUZZ_CHECK(RepairScript(once) == once);
    const QString blanks = addBlankAfterProgramSeparators(once);
    FUZZ_CHECK(addBlankAfterProgramSeparators(blanks) == blanks);
    return 0;
}
