// The keyword rewrite on any RTF; its result is still readable and shows
// the same text apart from "#EoM" gaining its blank.
#include "FuzzInput.h"
#include "aids/KeywordColouring.h"
#include "document/Rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const StyledText content = normalizedStyledText(Rtf::read(fuzzText(data, size)));
    const QString rtf = Rtf::write(content, QStringLiteral("F"));
    const StyledText rewritten = Rtf::read(RewriteKeywordRtf(rtf));
    QString expected = content.text;
    expected.replace(QStringLiteral("#EoM"), QStringLiteral("# EoM"));
    FUZZ_CHECK(rewritten.text == expected);
    return 0;
}
