// The author split on any line: a line joined from parts that hold no
// separator splits back into the same parts.
#include "FuzzInput.h"
#include "core/script/AuthorDetails.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = fuzzText(data, size);
    const AuthorParts parts = splitAuthor(line);
    const QString joined = joinAuthor(parts);
    bool clean = true;
    for (const QString& p : {parts.phpbb, parts.email, parts.name, parts.url})
        for (const char* sep : {" < ", " > (", ") ", "<", ">", "(", ")"})
            clean = clean && !p.contains(QLatin1String(sep));
    if (clean)
        FUZZ_CHECK(splitAuthor(joined) == parts);
    return 0;
}
