// The installer on any script against a small forum: no crash, no hang,
// nothing written outside the forum, and the same result every time.
#include "FuzzInput.h"
#include "core/install/ModInstaller.h"
#include "core/install/UnifiedDiff.h"
#include "core/script/ForumPaths.h"
#include "core/script/ModReader.h"

#include <QHash>

using namespace Quillwright;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        ModReader::readLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const FileTree forum = FileTree::memory(
        {{"viewtopic.php", "<?php\r\n$colspan = 2;\r\nif ($a)\r\n{\r\n\t$b = 1;\r\n}\r\n?>"},
         {"includes/functions.php", "<?php\nfunction a($x)\n{\n\treturn $x;\n}\n"},
         {"templates/subSilver/viewtopic_body.tpl", "<tr>{POLL_DISPLAY}</tr>\n<td>{L_5}</td>"}});
    const FileTree package = FileTree::memory({{"root/a.txt", "a\n"}, {"root/b/c.gif", "GIF89a"}});
    const std::vector<Install::Script> scripts = {{"a.mod", lines, package, {}},
                                                  {"b.mod", lines, package, {}}};
    const Install::Result r = Install::install(scripts, forum);
    for (const Install::ChangedFile& f : r.files) {
        FUZZ_CHECK(ForumPaths::isConfined(f.path));
        if (f.text)
            Install::unifiedDiff(f.path, f.original, f.result);
    }
    const Install::Result again = Install::install(scripts, forum);
    FUZZ_CHECK(again.files.size() == r.files.size());
    for (size_t i = 0; i < r.files.size(); ++i)
        FUZZ_CHECK(again.files[i].result == r.files[i].result);
    return 0;
}
