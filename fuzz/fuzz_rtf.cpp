// The RTF reader takes anything; what the writer writes reads back the same.
#include "FuzzInput.h"
#include "core/rtf/Rtf.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const StyledText first = Rtf::read(fuzzText(data, size));
    const StyledText clean = normalizedStyledText(first);
    const StyledText again = Rtf::read(Rtf::write(clean, QStringLiteral("Lucida Console")));
    FUZZ_CHECK(again.text == clean.text);
    FUZZ_CHECK(again.runs == clean.runs);
    return 0;
}
