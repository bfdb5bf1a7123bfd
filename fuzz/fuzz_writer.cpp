// The script writer on any pair of files: whatever it writes installs the
// original back into the changed file, or it says it could not.
#include "FuzzInput.h"
#include "core/install/ForumTextFile.h"
#include "core/install/ModInstaller.h"
#include "core/script/ModReader.h"
#include "core/writer/ScriptWriter.h"

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Before the first NUL: the forum's file; after it: the author's.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\0');
    if (split < 0 || !ForumTextFile::decode(bytes.first(split)) ||
        !ForumTextFile::decode(bytes.sliced(split + 1)))
        return 0; // a file that is not text is for DIY INSTRUCTIONS

    const Writer::Tree original = {{"viewtopic.php", bytes.first(split)}};
    const Writer::Tree changed = {{"viewtopic.php", bytes.sliced(split + 1)}};
    const Writer::Written w = Writer::write(original, changed);
    FUZZ_CHECK(w.failed.isEmpty());
    if (!w.exact() || !w.leftAlone.isEmpty())
        return 0;
    // The installer, on its own, agrees with the writer's proof.
    const Install::Result r = Install::install(
        {{"w.mod", ModReader::readLines(w.script.toUtf8()), {}, {}}},
        [&original](const QString& p) -> std::optional<QByteArray> {
            return original.contains(p) ? std::optional(original[p]) : std::nullopt;
        });
    const QByteArray result = r.files.empty() ? original["viewtopic.php"] : r.files.front().result;
    FUZZ_CHECK(result == changed["viewtopic.php"]);
    return 0;
}
