// The keyword rewrite on any RTF; its result is still readable and shows
// the same text, apart from "#EoM" gaining its blank where it stands in one
// piece in the RTF (a colour change inside it keeps it as it is).
#include "FuzzInput.h"
#include "core/colouring/KeywordColouring.h"
#include "core/rtf/Rtf.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const StyledText content = normalizedStyledText(Rtf::read(fuzzText(data, size)));
    const QString rtf = Rtf::write(content, QStringLiteral("F"));
    const StyledText rewritten = Rtf::read(RewriteKeywordRtf(rtf));
    auto tight = [](QString t) {
        return t.replace(QStringLiteral("# EoM"), QStringLiteral("#EoM"));
    };
    FUZZ_CHECK(tight(rewritten.text) == tight(content.text));
    return 0;
}
