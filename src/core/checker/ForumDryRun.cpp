#include "core/checker/ForumDryRun.h"

#include "core/checker/Rules.h"
#include "core/encoding/TextEncoding.h"
#include "core/script/ForumPaths.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>

namespace Quillwright {

namespace Checker {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("Quillwright::Checker", text);
}

using ModReader::withoutWhitespace;

// The file the last OPEN opened: its lines as written and without blanks.
struct Prepared {
    QString path;
    QStringList lines;
    std::vector<QString> stripped;
};

Prepared prepare(const QString& path, const QStringList& lines)
{
    Prepared p{path, lines, {}};
    p.stripped.reserve(size_t(lines.size()));
    for (const QString& l : lines)
        p.stripped.push_back(withoutWhitespace(l));
    return p;
}

std::vector<QStringView> contentOf(const ModReader::Action& a,
                                   const std::vector<QStringView>& lines)
{
    return {lines.begin() + a.first, lines.begin() + std::max(a.first, a.last)};
}

} // namespace

ForumFiles forumFolder(const QString& root)
{
    return FileTree::folder(root);
}

std::optional<Finding> openFinding(const ModReader::Action& open,
                                   const std::vector<QStringView>& lines, const FileTree& forum,
                                   std::optional<bool> text)
{
    const int line = ModReader::firstContentLine(open, lines);
    if (line < 0)
        return Finding{open.bannerLine + 1,
                       open.banner.column,
                       int(open.banner.keyword.size()),
                       Severity::Error,
                       QString::fromLatin1(Rule::OpenMissing),
                       tr("OPEN names no file to open")};
    const QStringView written = lines[size_t(line)];
    const QString raw = written.trimmed().toString();
    const QString path = ModReader::scriptPath(raw);
    const int length = int(written.size());
    const auto finding = [&](Severity severity, const char* rule, const QString& message) {
        return Finding{line + 1, 1, length, severity, QString::fromLatin1(rule), message};
    };
    if (!ForumPaths::isConfined(raw))
        return finding(
            Severity::Error, Rule::PathOutsideForum,
            tr("OPEN %1 is refused: only files inside the forum's folder are changed").arg(raw));
    if (forum.leaves(path))
        return finding(Severity::Error, Rule::PathOutsideForum,
                       tr("OPEN %1 is refused: it leads outside the forum's folder").arg(raw));
    if (!text) {
        if (ModReader::isOptionalInstall(path))
            return finding(
                Severity::Warning, Rule::OpenMissing,
                tr("The forum has no %1 (a language or template installed apart)").arg(path));
        return finding(Severity::Error, Rule::OpenMissing, tr("The forum has no %1").arg(path));
    }
    if (!*text)
        return finding(Severity::Error, Rule::OpenBinary, tr("%1 is not a text file").arg(path));
    return std::nullopt;
}

std::vector<Finding> dryRun(const std::vector<QStringView>& lines, const ForumFiles& forum)
{
    std::vector<Finding> out;
    const std::vector<ModReader::Action> blocks = ModReader::read(lines).installed();

    // As the installer goes: after an OPEN that failed nothing is tried in
    // its file; after a FIND that failed, or a keyword no installer knows,
    // what needs a FIND waits for the next one.
    std::optional<Prepared> file;
    int searchFrom = 0;      // the next FIND starts at this line
    QStringList matched;     // the lines the last FIND matched, as the actions since left them
    bool haveFind = false;   // a FIND matched since the OPEN
    bool skipToFind = false; // a FIND failed, or an unknown keyword came
    for (const ModReader::Action& block : blocks) {
        const int col = block.banner.column;
        const int len = int(block.banner.keyword.size());
        if (block.kind == ModReader::Kind::Open) {
            file.reset();
            matched.clear();
            haveFind = skipToFind = false;
            searchFrom = 0;
            const int i = ModReader::firstContentLine(block, lines);
            const QString path = i < 0 ? QString() : ModReader::scriptPath(lines[size_t(i)]);
            const std::optional<QByteArray> bytes =
                i >= 0 && ForumPaths::isConfined(path) ? forum.read(path) : std::nullopt;
            QString refusal;
            const QStringList content =
                bytes ? ModReader::readLines(*bytes, nullptr, &refusal) : QStringList();
            const std::optional<bool> text =
                bytes ? std::optional(refusal.isEmpty()) : std::nullopt;
            if (std::optional<Finding> refused = openFinding(block, lines, forum, text)) {
                out.push_back(*refused);
                continue;
            }
            file = prepare(path, content);
            continue;
        }
        if (!file || block.kind == ModReader::Kind::Copy || block.kind == ModReader::Kind::Save)
            continue;
        if (!block.known) {
            skipToFind = true;
            continue;
        }
        if (block.kind == ModReader::Kind::Find) {
            const ModReader::FindText find(contentOf(block, lines));
            const std::vector<int> hit = ModReader::findLines(file->stripped, find, searchFrom);
            haveFind = !hit.empty();
            skipToFind = !haveFind;
            matched.clear();
            if (haveFind) {
                for (int l : hit)
                    matched << file->lines[l];
                searchFrom = hit.back() + 1;
                continue;
            }
            QString message = find.isEmpty()
                                  ? tr("FIND has no line to look for in %1").arg(file->path)
                                  : tr("FIND matches nothing in %1 from line %2")
                                        .arg(file->path)
                                        .arg(std::min(searchFrom, int(file->stripped.size())) + 1);
            if (const std::vector<int> earlier =
                    ModReader::findLines(file->stripped, find, 0, searchFrom);
                !earlier.empty())
                message += tr("; it matches earlier, at line %1").arg(earlier.front() + 1);
            out.push_back({block.bannerLine + 1, col, len, Severity::Error,
                           QString::fromLatin1(Rule::FindNoMatch), message});
            continue;
        }
        if (skipToFind || !haveFind)
            continue; // the installer reports it, or the script check does
        if (block.kind == ModReader::Kind::Replace) {
            matched.clear();
            for (const QStringView l : contentOf(block, lines))
                matched << l.toString();
        } else if (block.kind == ModReader::Kind::InlineFind) {
            const std::optional<QStringView> fragment = ModReader::inlineText(block, lines);
            const QRegularExpression pattern =
                ModReader::fragmentPattern(fragment.value_or(QStringView()));
            const bool found = fragment && !withoutWhitespace(*fragment).isEmpty() &&
                               std::any_of(matched.begin(), matched.end(), [&](const QString& l) {
                                   return pattern.match(l).hasMatch();
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
