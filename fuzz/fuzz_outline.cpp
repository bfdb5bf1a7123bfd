// The outline scan on any text: one keyword per counted banner.
#include "FuzzInput.h"
#include "core/outline/ActionOutline.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzText(data, size);
    const QStringList keywords = ActionOutline::scanKeywords(text);
    FUZZ_CHECK(keywords.size() == ActionOutline::countBanners(text));
    ActionOutline::Model model;
    model.refresh(text);
    FUZZ_CHECK(int(model.nodes().size()) == keywords.size());
    return 0;
}
