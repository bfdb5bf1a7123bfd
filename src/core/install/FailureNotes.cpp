#include "core/install/FailureNotes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace Quillwright {

namespace Install {
namespace {

// Lines of a FIND after the one matched may stand this many non-blank
// lines further on: a line or two the forum's version added between.
constexpr int Reach = 3;

// The first few of a list, and how many more.
QString firstNamed(const QStringList& names)
{
    constexpr int Named = 6;
    QString list = names.mid(0, Named).join(QStringLiteral(", "));
    if (const int more = int(names.size()) - Named; more > 0)
        list += QCoreApplication::translate("Install", ", and %n more", nullptr, more);
    return list;
}

} // namespace

CloseLines closeLines(const std::vector<QString>& strippedFile, const ModReader::FindText& find)
{
    CloseLines best;
    const int k = find.size();
    const int n = int(strippedFile.size());
    if (k < 2)
        return best;
    // Which file lines each FIND line stands in, asked once.
    std::vector<std::vector<char>> in(size_t(k), std::vector<char>(size_t(n), 0));
    std::vector<char> saysSomething(size_t(k), 0);
    for (int j = 0; j < k; ++j) {
        saysSomething[size_t(j)] = ModReader::withoutWhitespace(find.written(j)).size() > 2;
        for (int l = 0; l < n; ++l)
            in[size_t(j)][size_t(l)] =
                !strippedFile[size_t(l)].isEmpty() && find.standsIn(j, strippedFile[size_t(l)]);
    }
    for (int start = 0; start < n; ++start) {
        for (int j0 = 0; j0 < k; ++j0) {
            if (!in[size_t(j0)][size_t(start)])
                continue;
            int count = 1;
            bool meaningful = saysSomething[size_t(j0)];
            int at = start;
            for (int j = j0 + 1; j < k; ++j) {
                int seen = 0;
                for (int l = at + 1; l < n && seen < Reach; ++l) {
                    if (strippedFile[size_t(l)].isEmpty())
                        continue;
                    ++seen;
                    if (in[size_t(j)][size_t(l)]) {
                        ++count;
                        meaningful = meaningful || saysSomething[size_t(j)];
                        at = l;
                        break;
                    }
                }
            }
            if (meaningful && count > best.count)
                best = {start, at, count};
        }
    }
    if (best.count * 2 <= k || best.count == k)
        return {};
    return best;
}

std::optional<Note> prerequisiteNote(const QString& name, const QStringList& lines)
{
    static const QRegularExpression phpbb(
        QStringLiteral("phpbb\\s*v?(\\d+\\.\\d+\\.\\d+[a-z]?)\\s*(?:to|->)\\s*(?:phpbb\\s*)?v?\\d"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression needs(
        QStringLiteral("\\b(?:up-?grades?|upgrading|up-?dates?|updating|updater|add-?ons?|add "
                       "on|plug-?ins?)\\b|\\bfrom v?\\d|\\d[a-z]?\\s*(?:to|->)\\s*(?:[a-z]+\\s+)?v?"
                       "\\d"),
        QRegularExpression::CaseInsensitiveOption);
    // The title, as the header gives it.
    int titleLine = -1;
    QString title;
    for (int i = 0; i < lines.size() && i < 60; ++i) {
        const auto label = ModReader::headerLabel(lines[i]);
        if (label && label->first == u"title") {
            titleLine = i;
            title = label->second.toString();
            break;
        }
    }
    if (const QRegularExpressionMatch m = phpbb.match(title); m.hasMatch())
        return Note{QString(), titleLine + 1,
                    QCoreApplication::translate(
                        "Install",
                        "the script's title, \"%1\", says it changes phpBB's own code: the forum "
                        "must be at phpBB %2 first")
                        .arg(title, m.captured(1))};
    if (needs.match(title).hasMatch())
        return Note{QString(), titleLine + 1,
                    QCoreApplication::translate(
                        "Install",
                        "the script's title, \"%1\", says it is an upgrade, an add-on or an "
                        "update: it needs that MOD (or its earlier version) installed first")
                        .arg(title)};
    // File names write their blanks as "_": "update_1_0_1_to_1_0_2.txt".
    const QString file = QFileInfo(name).completeBaseName();
    if (needs.match(QString(file).replace(u'_', u' ')).hasMatch())
        return Note{QString(), 1,
                    QCoreApplication::translate(
                        "Install",
                        "the script's name, %1, says it is an upgrade, an add-on or an update: "
                        "it needs that MOD (or its earlier version) installed first")
                        .arg(QFileInfo(name).fileName())};
    return std::nullopt;
}

Note skippedNote(const std::vector<Skipped>& skipped)
{
    QStringList names;
    for (const Skipped& s : skipped)
        names << QCoreApplication::translate("Install", "%1 (line %2)").arg(s.keyword).arg(s.line);
    return Note{
        QString(), skipped.empty() ? 0 : skipped.front().line,
        QCoreApplication::translate("Install", "skipped with it: %1").arg(firstNamed(names))};
}

std::vector<Note> failedFindNotes(const ModReader::Action& action,
                                  const std::vector<QStringView>& lines,
                                  const ModReader::FindText& find, const QString& path,
                                  const std::vector<QString>& strippedFile, int searchFrom)
{
    std::vector<Note> notes;
    for (int i = action.first; i < action.last; ++i)
        if (!lines[size_t(i)].trimmed().isEmpty()) {
            notes.push_back({QString(), i + 1,
                             QCoreApplication::translate("Install", "the FIND's first line: %1")
                                 .arg(find.written(0))});
            break;
        }
    if (const std::vector<int> earlier = ModReader::findLines(strippedFile, find, 0, searchFrom);
        !earlier.empty())
        notes.push_back(
            {path, earlier.front() + 1,
             QCoreApplication::translate(
                 "Install", "the whole FIND stands here, above line %1 where the FIND before it "
                            "left off")
                 .arg(searchFrom + 1)});
    else if (const CloseLines close = closeLines(strippedFile, find); close.count > 0)
        notes.push_back(
            {path, close.first + 1,
             QCoreApplication::translate(
                 "Install", "%1 of the FIND's %2 lines stand here, in that order, to line %3: "
                            "compare them with the script's")
                 .arg(close.count)
                 .arg(find.size())
                 .arg(close.last + 1)});
    return notes;
}

std::optional<Note> lookalikeNote(const ModReader::Action& action)
{
    const auto squeezed = [](QString k) { return k.remove(u' ').remove(u'-').remove(u'_'); };
    const QString wanted = squeezed(action.normalized);
    for (const QString& k : ModReader::knownKeywords())
        if (squeezed(k) == wanted)
            return Note{QString(), action.bannerLine + 1,
                        QCoreApplication::translate("Install", "did you mean %1?").arg(k)};
    return std::nullopt;
}

Note keywordsNote(const std::vector<ModReader::Action>& actions)
{
    QStringList keywords;
    for (const ModReader::Action& a : actions)
        if (const QString k = u'"' + a.banner.keyword.toString() + u'"'; !keywords.contains(k))
            keywords << k;
    return Note{QString(), actions.empty() ? 0 : actions.front().bannerLine + 1,
                QCoreApplication::translate(
                    "Install", "its keywords are %1: installers read the English ones "
                               "(OPEN, FIND, AFTER, ADD ...), even in a translated script")
                    .arg(firstNamed(keywords))};
}

} // namespace Install

} // namespace Quillwright
