// Reading and writing the header on any script, however broken: reading
// changes nothing, and writing replaces at most the old values, so the
// text grows by no more than the new values and their line breaks.
#include "FuzzInput.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/script/HeaderFields.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MemoryRichTextControl c;
    c.setText(fuzzText(data, size));
    const QString before = c.text();
    const HeaderValues read = HeaderFields::ReadHeader(c);
    FUZZ_CHECK(c.text() == before);
    HeaderValues other;
    qsizetype added = 0;
    for (size_t i = 0; i < other.value.size(); ++i) {
        other.value[i] = QStringLiteral("v%1\r\nline").arg(i);
        added += other.value[i].size() * 2 + 2; // notes lines gain "## "
    }
    HeaderFields::WriteHeader(c, other);
    FUZZ_CHECK(c.text().size() <= before.size() + added);
    HeaderFields::ReadHeader(c);
    return 0;
}
