// Every OPEN, FIND and IN-LINE FIND of a script tried against the forum's
// own files, as an installer would apply them, without writing anything.
#include "core/checker/Rules.h"
#include "core/checker/ScriptChecker.h"
#include "core/script/ForumPaths.h"

#include <QCoreApplication>
#include <QHash>
#include <memory>

namespace Quillwright {

namespace Checker {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Quillwright::Checker", text);
}

using ModReader::withoutWhitespace;

using ModReader::isOptionalInstall;

// A forum file made ready for FINDs: its lines without whitespace, and
// which of them are not blank.
struct Prepared {
    QString path;
    std::vector<QString> stripped;
    std::vector<int> nonBlank;
};

Prepared prepare(const QString& path, const QStringList& lines)
{
    Prepared p{path, {}, {}};
    p.stripped.reserve(size_t(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        p.stripped.push_back(withoutWhitespace(lines[i]));
        if (!p.stripped.back().isEmpty())
            p.nonBlank.push_back(i);
    }
    return p;
}

// The first place at or after `from` (an index into the non-blank lines),
// starting before `to` less the FIND's length, where every FIND line is
// contained in consecutive non-blank file lines.
int findFrom(const Prepared& file, const std::vector<QString>& find, int from, int to)
{
    const int total = int(file.nonBlank.size());
    const int k = int(find.size());
    const auto lineOf = [&](int index) {
        return index < total ? file.nonBlank[size_t(index)] : int(file.stripped.size());
    };
    const std::vector<int> matched = ModReader::findLines(
        int(file.stripped.size()), [&](int line) { return file.stripped[size_t(line)].isEmpty(); },
        [&](int line, int j) { return file.stripped[size_t(line)].contains(find[size_t(j)]); }, k,
        lineOf(from), lineOf(std::max(to - k + 1, 0)));
    if (matched.empty())
        return -1;
    return int(std::lower_bound(file.nonBlank.begin(), file.nonBlank.end(), matched.front()) -
               file.nonBlank.begin());
}

} // namespace

ForumFiles forumFolder(const QString& root)
{
    // The installer's reading of the forum: the same files reach both.
    const ForumPaths::Files files = ForumPaths::folderFiles(root);
    auto cache = std::make_shared<QHash<QString, std::optional<QStringList>>>();
    return [files, cache](const QString& path) -> std::optional<QStringList> {
        if (const auto it = cache->constFind(path); it != cache->constEnd())
            return *it;
        std::optional<QStringList> lines;
        if (const std::optional<QByteArray> bytes = files(path))
            lines = readLines(*bytes);
        cache->insert(path, lines);
        return lines;
    };
}

std::vector<Finding> dryRun(const std::vector<QStringView>& lines, const ForumFiles& forum)
{
    std::vector<Finding> out;
    const std::vector<ModReader::Action> blocks = ModReader::read(lines).installed();

    std::optional<Prepared> file; // the file the last OPEN opened, when the forum has it
    bool skipping = true;         // no file to apply actions to
    int searchFrom = 0;           // into the file's non-blank lines
    std::vector<int> matched;     // the file lines the last FIND matched
    bool findFailed = false;
    for (const ModReader::Action& block : blocks) {
        const QString& keyword = block.normalized;
        const int col = block.banner.column;
        const int len = int(block.banner.keyword.size());
        if (keyword == u"OPEN") {
            file.reset();
            skipping = true;
            matched.clear();
            findFailed = false;
            searchFrom = 0;
            const int i = ModReader::firstContentLine(block, lines);
            if (i < 0)
                continue;
            const QString path = scriptPath(lines[size_t(i)]);
            const std::optional<QStringList> content = forum(path);
            if (!content) {
                const bool optional = isOptionalInstall(path);
                out.push_back({i + 1, 1, int(lines[size_t(i)].size()),
                               optional ? Severity::Warning : Severity::Error,
                               QString::fromLatin1(Rule::OpenMissing),
                               optional ? tr("The forum has no %1 (a language or template "
                                             "installed apart)")
                                              .arg(path)
                                        : tr("The forum has no %1").arg(path)});
                continue;
            }
            file = prepare(path, *content);
            skipping = false;
        } else if (keyword == u"FIND") {
            if (skipping)
                continue;
            std::vector<QString> find;
            for (int i = block.first; i < block.last; ++i)
                if (QString s = withoutWhitespace(lines[size_t(i)]); !s.isEmpty())
                    find.push_back(std::move(s));
            if (find.empty())
                continue;
            const int total = int(file->nonBlank.size());
            const int at = findFrom(*file, find, searchFrom, total);
            if (at >= 0) {
                matched.assign(file->nonBlank.begin() + at,
                               file->nonBlank.begin() + at + int(find.size()));
                searchFrom = at + int(find.size());
                findFailed = false;
                continue;
            }
            findFailed = true;
            const int startLine = searchFrom < total ? file->nonBlank[size_t(searchFrom)] + 1
                                                     : int(file->stripped.size());
            QString message =
                tr("FIND matches nothing in %1 from line %2").arg(file->path).arg(startLine);
            if (const int earlier =
                    findFrom(*file, find, 0, std::min(total, searchFrom + int(find.size()) - 1));
                earlier >= 0)
                message +=
                    tr("; it matches earlier, at line %1").arg(file->nonBlank[size_t(earlier)] + 1);
            out.push_back({block.bannerLine + 1, col, len, Severity::Error,
                           QString::fromLatin1(Rule::FindNoMatch), message});
        } else if (keyword == u"IN-LINE FIND") {
            // With no FIND since the OPEN the script check says so; after a
            // FIND that failed there is nothing to look in.
            if (skipping || matched.empty() || findFailed)
                continue;
            const int i = ModReader::firstContentLine(block, lines);
            if (i < 0)
                continue;
            const QString wanted = withoutWhitespace(lines[size_t(i)]);
            const bool found = std::any_of(matched.begin(), matched.end(), [&](int l) {
                return file->stripped[size_t(l)].contains(wanted);
            });
            if (!found)
                out.push_back({block.bannerLine + 1, col, len, Severity::Error,
                               QString::fromLatin1(Rule::InlineNoMatch),
                               tr("IN-LINE FIND matches nothing in the lines the FIND above "
                                  "found in %1")
                                   .arg(file->path)});
        }
    }
    return out;
}

std::vector<Finding> dryRun(const QStringList& lines, const ForumFiles& forum)
{
    std::vector<QStringView> v;
    v.reserve(size_t(lines.size()));
    for (const QString& l : lines)
        v.emplace_back(l);
    return dryRun(v, forum);
}

} // namespace Checker

} // namespace Quillwright
