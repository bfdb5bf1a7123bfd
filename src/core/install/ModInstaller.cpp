#include "core/install/ModInstaller.h"

#include "core/checker/ForumDryRun.h"
#include "core/checker/Rules.h"
#include "core/install/CopyLine.h"
#include "core/install/DecimalText.h"
#include "core/install/FailureNotes.h"
#include "core/install/ForumTextFile.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace Quillwright {

namespace Install {
namespace {

using Checker::Severity;
using ModReader::withoutWhitespace;

// A number found in a line by a placeholder: where it stands.
struct Number {
    int line = 0;
    qsizetype start = 0;
    qsizetype length = 0;
};

// One file being installed: its lines, their blanks-free forms for FINDs,
// and where each line came from, to say which earlier script changed a
// vanilla line that a later FIND looks for.
struct OpenFile {
    QString path;
    ForumTextFile text;
    std::vector<QString> stripped;
    std::optional<QByteArray> original; // the bytes before every script
    bool changed = false;
    bool isText = true;
    QByteArray binary; // the result when not text (a COPY of an image)
    // For each line now: its vanilla line, or -1 for a line an action added.
    std::vector<int> vanilla;
    // For each line now added or changed, and each vanilla line removed: the
    // script and banner line of the action that did it.
    std::vector<std::pair<int, int>> madeBy;
    std::map<int, std::pair<int, int>> removedBy; // vanilla line: script, banner line
    std::optional<ForumTextFile> vanillaText;

    void restrip(int line)
    {
        stripped[size_t(line)] = withoutWhitespace(text.lines[size_t(line)].text);
    }
};

// Known keywords that installers leave to people: listed to do by hand.
bool isLeftToPeople(const QString& normalized)
{
    return normalized == u"SQL" || normalized == u"DIY INSTRUCTIONS" || normalized == u"OR" ||
           normalized == u"CREATE" || normalized == u"DELETE" || normalized == u"PSEUDO MYSQL" ||
           normalized == u"COPY TO FOLDER";
}

// A known keyword a mistyped one stands for: "IN-LINE-FIND" for "IN-LINE FIND".
QString lookalike(const QString& normalized)
{
    const auto squeezed = [](QString k) { return k.remove(u' ').remove(u'-').remove(u'_'); };
    const QString wanted = squeezed(normalized);
    for (const QString& k : ModReader::knownKeywords())
        if (squeezed(k) == wanted)
            return k;
    return QString();
}

class Installer {
public:
    Installer(const std::vector<Script>& scripts, const FileTree& forum)
        : m_scripts(scripts), m_forum(forum)
    {}
    Result run();

private:
    void runScript(int index);
    void openAction(const ModReader::Action& a);
    void copyAction(const ModReader::Action& a);
    void toDo(const ModReader::Action& a);
    void unknownKeyword(const ModReader::Action& a);
    void nothingToInstall(const std::vector<ModReader::Action>& actions);
    void fileAction(const ModReader::Action& a);
    void inlineEdit(const ModReader::Action& a);
    OpenFile* open(const QString& path);
    OpenFile* placeCopy(const QString& path, const QByteArray& bytes);
    int report(int line, int column, int length, Severity severity, const char* rule,
               const QString& message);
    int reportAtBanner(const ModReader::Action& a, const char* rule, const QString& message);
    void skip(const ModReader::Action& a);
    void endSkip();
    std::vector<QString> content(const ModReader::Action& a) const;
    bool find(const ModReader::Action& a);
    void explainFailedFind(int finding, const ModReader::Action& a, const ModReader::FindText& f);
    bool inlineFind(const ModReader::Action& a);
    void insertLines(int at, const std::vector<QString>& lines);
    void replaceLines(const std::vector<QString>& lines);
    void changeLine(int line, const QString& text);
    void increment(const ModReader::Action& a);
    QString conflictWith(const ModReader::FindText& find) const;
    bool isMadeFolder(const QString& path) const;
    void opened(const QString& path)
    {
        m_reportPath = path;
        if (!m_result.opened.contains(path))
            m_result.opened << path;
    }

    const std::vector<Script>& m_scripts;
    FileTree m_forum;
    Result m_result;
    std::vector<std::unique_ptr<OpenFile>> m_files; // in the order first opened
    QHash<QString, OpenFile*> m_byPath;
    QString m_reportPath; // the file findings are about now

    // The state of the script being installed.
    int m_script = 0;
    const std::vector<QStringView>* m_lines = nullptr;
    const ModReader::Action* m_action = nullptr;
    OpenFile* m_file = nullptr;
    bool m_opened = false; // an OPEN came, whether or not it succeeded
    int m_searchFrom = 0;  // the next FIND starts at this line
    int m_matchStart = -1; // the first of the lines the last FIND matched
    int m_matchEnd = -1;   // one past the last (consecutive after edits)
    std::map<int, Number> m_numbers;
    // The last IN-LINE FIND's fragment, and where IN-LINE additions after it go.
    int m_fragmentLine = -1;
    qsizetype m_fragmentStart = 0;
    qsizetype m_fragmentEnd = 0;
    qsizetype m_addAfter = 0;
    qsizetype m_addBefore = 0;
    bool m_haveFind = false;
    bool m_haveFragment = false;
    bool m_skipToFind = false;   // an unknown keyword or a failed FIND: skip to the next FIND
    bool m_skipToInline = false; // a failed IN-LINE FIND: skip its IN-LINE actions
    bool m_explained = false;    // what the script needs first was said
    // The failure whose consequences are being skipped, and the actions left out.
    int m_skipCause = -1;
    std::vector<Skipped> m_skipped;
};

int Installer::report(int line, int column, int length, Severity severity, const char* rule,
                      const QString& message)
{
    m_result.findings.push_back(
        {m_script,
         m_reportPath,
         {line + 1, column, length, severity, QString::fromLatin1(rule), message},
         {}});
    ++m_result.failed;
    return int(m_result.findings.size()) - 1;
}

int Installer::reportAtBanner(const ModReader::Action& a, const char* rule, const QString& message)
{
    return report(a.bannerLine, a.banner.column, int(a.banner.keyword.size()), Severity::Error,
                  rule, message);
}

void Installer::skip(const ModReader::Action& a)
{
    ++m_result.failed;
    if (m_skipCause >= 0)
        m_skipped.push_back({a.banner.keyword.toString(), a.bannerLine + 1});
}

void Installer::endSkip()
{
    if (m_skipCause >= 0 && !m_skipped.empty())
        m_result.findings[size_t(m_skipCause)].notes.push_back(skippedNote(m_skipped));
    m_skipCause = -1;
    m_skipped.clear();
}

std::vector<QString> Installer::content(const ModReader::Action& a) const
{
    std::vector<QString> out;
    for (int i = a.first; i < a.last; ++i)
        out.push_back((*m_lines)[size_t(i)].toString());
    return out;
}

OpenFile* Installer::open(const QString& path)
{
    if (OpenFile* f = m_byPath.value(path))
        return f;
    const std::optional<QByteArray> bytes = m_forum.read(path);
    if (!bytes)
        return nullptr;
    auto file = std::make_unique<OpenFile>();
    file->path = path;
    file->original = bytes;
    std::optional<ForumTextFile> text = ForumTextFile::decode(*bytes);
    if (!text) {
        file->isText = false;
        file->binary = *bytes;
    } else {
        file->text = std::move(*text);
        file->vanillaText = file->text;
        const int n = int(file->text.lines.size());
        file->stripped.resize(size_t(n));
        file->vanilla.resize(size_t(n));
        file->madeBy.assign(size_t(n), {-1, -1});
        for (int i = 0; i < n; ++i) {
            file->restrip(i);
            file->vanilla[size_t(i)] = i;
        }
    }
    OpenFile* raw = file.get();
    m_byPath.insert(path, raw);
    m_files.push_back(std::move(file));
    return raw;
}

QString Installer::conflictWith(const ModReader::FindText& find) const
{
    // Only a later script's FIND can meet an earlier script's change.
    if (m_script == 0 || !m_file->vanillaText)
        return QString();
    const ForumTextFile& v = *m_file->vanillaText;
    std::vector<QString> stripped;
    for (const ForumTextFile::Line& l : v.lines)
        stripped.push_back(withoutWhitespace(l.text));
    const std::vector<int> hit = ModReader::findLines(stripped, find);
    if (hit.empty())
        return QString();
    // Which earlier action removed, changed or came between those vanilla lines.
    std::optional<std::pair<int, int>> by;
    for (int line = hit.front(); line <= hit.back() && !by; ++line)
        if (const auto it = m_file->removedBy.find(line); it != m_file->removedBy.end())
            by = it->second;
    for (size_t now = 0; now < m_file->vanilla.size() && !by; ++now) {
        const int was = m_file->vanilla[now];
        const auto made = m_file->madeBy[now];
        if (made.first >= 0 && made.first < m_script &&
            ((was >= hit.front() && was <= hit.back()) ||
             (was < 0 && now > 0 && m_file->vanilla[now - 1] >= hit.front() &&
              m_file->vanilla[now - 1] < hit.back())))
            by = made;
    }
    if (!by)
        return QString();
    return QCoreApplication::translate(
               "Install",
               "; it matches the forum as it was before: it conflicts with %1, action at line %2")
        .arg(m_scripts[size_t(by->first)].name)
        .arg(by->second + 1);
}

bool Installer::find(const ModReader::Action& a)
{
    const ModReader::FindText lines(
        std::vector<QStringView>(m_lines->begin() + a.first, m_lines->begin() + a.last));
    const std::vector<int> hit = ModReader::findLines(m_file->stripped, lines, m_searchFrom);
    if (hit.empty()) {
        const int finding =
            lines.isEmpty()
                ? reportAtBanner(
                      a, Checker::Rule::FindNoMatch,
                      QCoreApplication::translate("Install", "FIND has no line to look for in %1")
                          .arg(m_file->path))
                : reportAtBanner(
                      a, Checker::Rule::FindNoMatch,
                      QCoreApplication::translate("Install",
                                                  "FIND matches nothing in %1 from line %2")
                              .arg(m_file->path)
                              .arg(std::min(m_searchFrom, int(m_file->stripped.size())) + 1) +
                          conflictWith(lines));
        if (!lines.isEmpty())
            explainFailedFind(finding, a, lines);
        m_skipCause = finding;
        return false;
    }
    m_matchStart = hit.front();
    m_matchEnd = hit.back() + 1;
    m_searchFrom = m_matchEnd;
    // The numbers placeholders stand for, where they stand in the lines themselves.
    for (int j = 0; j < lines.size(); ++j) {
        const int line = hit[size_t(j)];
        for (const ModReader::FindText::Number& n :
             lines.numbers(j, m_file->text.lines[size_t(line)].text))
            m_numbers[n.id] = {line, n.start, n.length};
    }
    return true;
}

void Installer::explainFailedFind(int finding, const ModReader::Action& a,
                                  const ModReader::FindText& find)
{
    std::vector<Note>& notes = m_result.findings[size_t(finding)].notes;
    for (int i = a.first; i < a.last; ++i)
        if (!(*m_lines)[size_t(i)].trimmed().isEmpty()) {
            notes.push_back({QString(), i + 1,
                             QCoreApplication::translate("Install", "the FIND's first line: %1")
                                 .arg(find.written(0))});
            break;
        }
    if (const std::vector<int> earlier =
            ModReader::findLines(m_file->stripped, find, 0, m_searchFrom);
        !earlier.empty())
        notes.push_back(
            {m_file->path, earlier.front() + 1,
             QCoreApplication::translate(
                 "Install", "the whole FIND stands here, above line %1 where the FIND before it "
                            "left off")
                 .arg(m_searchFrom + 1)});
    else if (const CloseLines close = closeLines(m_file->stripped, find); close.count > 0)
        notes.push_back(
            {m_file->path, close.first + 1,
             QCoreApplication::translate(
                 "Install", "%1 of the FIND's %2 lines stand here, in that order, to line %3: "
                            "compare them with the script's")
                 .arg(close.count)
                 .arg(find.size())
                 .arg(close.last + 1)});
    if (!m_explained) {
        m_explained = true;
        const Script& s = m_scripts[size_t(m_script)];
        if (const std::optional<Note> needs = prerequisiteNote(s.name, s.lines))
            notes.push_back(*needs);
    }
}

bool Installer::inlineFind(const ModReader::Action& a)
{
    const std::optional<QStringView> fragment = ModReader::inlineText(a, *m_lines);
    if (!fragment || withoutWhitespace(*fragment).isEmpty()) {
        m_skipCause = reportAtBanner(
            a, Checker::Rule::InlineNoMatch,
            QCoreApplication::translate("Install", "IN-LINE FIND has nothing to look for"));
        return false;
    }
    std::vector<int> ids;
    const QRegularExpression pattern = ModReader::fragmentPattern(*fragment, &ids);
    // Every IN-LINE FIND under a FIND looks in the FIND's lines from their start.
    for (int line = m_matchStart; line < m_matchEnd; ++line) {
        const QString& l = m_file->text.lines[size_t(line)].text;
        const QRegularExpressionMatch m = pattern.match(l);
        if (!m.hasMatch())
            continue;
        m_fragmentLine = line;
        m_fragmentStart = m.capturedStart();
        m_fragmentEnd = m.capturedEnd();
        m_addAfter = m_fragmentEnd;
        m_addBefore = m_fragmentStart;
        for (size_t g = 0; g < ids.size(); ++g)
            m_numbers[ids[g]] = {line, m.capturedStart(int(g) + 1), m.capturedLength(int(g) + 1)};
        return true;
    }
    m_skipCause = reportAtBanner(
        a, Checker::Rule::InlineNoMatch,
        QCoreApplication::translate(
            "Install", "IN-LINE FIND matches nothing in the lines the FIND above found in %1")
            .arg(m_file->path));
    m_result.findings.back().notes.push_back(
        {QString(), ModReader::firstContentLine(a, *m_lines) + 1,
         QCoreApplication::translate("Install", "the fragment: %1")
             .arg(fragment->trimmed().toString())});
    return false;
}

void Installer::insertLines(int at, const std::vector<QString>& lines)
{
    if (lines.empty())
        return;
    m_file->text.insert(at, lines);
    const auto n = lines.size();
    m_file->stripped.insert(m_file->stripped.begin() + at, n, QString());
    m_file->vanilla.insert(m_file->vanilla.begin() + at, n, -1);
    m_file->madeBy.insert(m_file->madeBy.begin() + at, n, {m_script, m_action->bannerLine});
    for (size_t i = 0; i < n; ++i)
        m_file->restrip(at + int(i));
    m_file->changed = true;
    // What stands after the place moves down.
    const int moved = int(n);
    for (auto& [id, number] : m_numbers)
        if (number.line >= at)
            number.line += moved;
    if (m_fragmentLine >= at)
        m_fragmentLine += moved;
}

void Installer::replaceLines(const std::vector<QString>& lines)
{
    const int at = m_matchStart;
    const int count = m_matchEnd - m_matchStart;
    for (int i = at; i < at + count; ++i)
        if (const int was = m_file->vanilla[size_t(i)]; was >= 0)
            m_file->removedBy[was] = {m_script, m_action->bannerLine};
    m_file->text.remove(at, count);
    m_file->stripped.erase(m_file->stripped.begin() + at, m_file->stripped.begin() + at + count);
    m_file->vanilla.erase(m_file->vanilla.begin() + at, m_file->vanilla.begin() + at + count);
    m_file->madeBy.erase(m_file->madeBy.begin() + at, m_file->madeBy.begin() + at + count);
    m_file->changed = true;
    for (auto it = m_numbers.begin(); it != m_numbers.end();) {
        if (it->second.line >= at && it->second.line < at + count) {
            it = m_numbers.erase(it); // replaced with the lines it stood in
            continue;
        }
        if (it->second.line >= at + count)
            it->second.line -= count;
        ++it;
    }
    m_haveFragment = false;
    insertLines(at, lines);
    m_matchEnd = at + int(lines.size());
}

void Installer::changeLine(int line, const QString& text)
{
    ForumTextFile::Line& l = m_file->text.lines[size_t(line)];
    if (l.text == text)
        return;
    l.text = text;
    m_file->restrip(line);
    m_file->changed = true;
    if (const int was = m_file->vanilla[size_t(line)]; was >= 0)
        m_file->removedBy[was] = {m_script, m_action->bannerLine};
    m_file->madeBy[size_t(line)] = {m_script, m_action->bannerLine};
}

void Installer::increment(const ModReader::Action& a)
{
    static const QRegularExpression how(
        QStringLiteral("\\{?\\s*%\\s*:\\s*(\\d+)\\s*\\}?\\s*(?:([+-])\\s*(\\d+))?"));
    const std::vector<QString> text = content(a);
    const QRegularExpressionMatch m =
        text.empty() ? QRegularExpressionMatch() : how.match(text.front());
    const int id = m.hasMatch() ? m.captured(1).toInt() : 1;
    const auto number = m_numbers.find(id);
    if (number == m_numbers.end()) {
        reportAtBanner(a, Checker::Rule::IncrementNoNumber,
                       QCoreApplication::translate(
                           "Install", "INCREMENT finds no number {%:%1} in the lines found in %2")
                           .arg(id)
                           .arg(m_file->path));
        return;
    }
    const bool given = m.hasMatch() && !m.captured(3).isEmpty();
    Number& n = number->second;
    QString line = m_file->text.lines[size_t(n.line)].text;
    const QString now =
        addDecimal(line.mid(n.start, n.length), given ? m.captured(3) : QStringLiteral("1"),
                   given && m.captured(2) == u"-");
    line.replace(n.start, n.length, now);
    n.length = now.size();
    changeLine(n.line, line);
    ++m_result.applied;
}

bool Installer::isMadeFolder(const QString& path) const
{
    const QString below = path + u'/';
    return std::any_of(m_files.begin(), m_files.end(),
                       [&](const auto& f) { return !f->original && f->path.startsWith(below); });
}

OpenFile* Installer::placeCopy(const QString& path, const QByteArray& bytes)
{
    OpenFile* file = m_byPath.value(path);
    if (!file) {
        auto made = std::make_unique<OpenFile>();
        made->path = path;
        made->original = m_forum.read(path);
        file = made.get();
        m_byPath.insert(path, file);
        m_files.push_back(std::move(made));
    }
    std::optional<ForumTextFile> text = ForumTextFile::decode(bytes);
    file->isText = text.has_value();
    file->binary = bytes;
    if (text) {
        file->text = std::move(*text);
        const int n = int(file->text.lines.size());
        file->stripped.assign(size_t(n), QString());
        file->vanilla.assign(size_t(n), -1);
        file->madeBy.assign(size_t(n), {m_script, m_action->bannerLine});
        for (int k = 0; k < n; ++k)
            file->restrip(k);
    }
    file->changed = true;
    return file;
}

void Installer::copyAction(const ModReader::Action& a)
{
    const Script& script = m_scripts[size_t(m_script)];
    const QString keep = m_reportPath; // a COPY's findings are about its target
    const auto isFolder = [this](const QString& p) {
        return m_forum.isFolder(p) || isMadeFolder(p);
    };
    for (int i = a.first; i < a.last; ++i) {
        const QStringView text = (*m_lines)[size_t(i)];
        if (ModReader::isNote(text))
            continue;
        const CopyLine copy = readCopyLine(text, script.package, m_forum, isFolder);
        switch (copy.verdict) {
        case CopyLine::Verdict::TargetOutside:
            opened(ModReader::scriptPath(copy.target));
            report(i, 1, int(text.size()), Severity::Error, Checker::Rule::PathOutsideForum,
                   QCoreApplication::translate(
                       "Install",
                       "COPY to %1 is refused: only paths inside the forum's folder are written")
                       .arg(copy.target));
            break;
        case CopyLine::Verdict::SourceOutside:
            m_reportPath.clear();
            report(i, 1, int(text.size()), Severity::Error, Checker::Rule::PathOutsidePackage,
                   QCoreApplication::translate(
                       "Install",
                       "COPY from %1 is refused: only files inside the MOD's package are copied")
                       .arg(copy.source));
            break;
        case CopyLine::Verdict::NotCopyLine:
        case CopyLine::Verdict::SourceMissing:
            m_result.todo.push_back(
                {m_script, i + 1, QStringLiteral("copy"), text.trimmed().toString()});
            break;
        case CopyLine::Verdict::Copy:
            for (const auto& [from, to] : copy.files) {
                opened(to);
                placeCopy(to, *script.package.read(from));
            }
            ++m_result.applied;
            break;
        }
    }
    m_reportPath = keep;
}

void Installer::openAction(const ModReader::Action& a)
{
    m_file = nullptr;
    m_opened = true;
    m_haveFind = m_haveFragment = m_skipToFind = m_skipToInline = false;
    m_numbers.clear();
    m_searchFrom = 0;
    const int i = ModReader::firstContentLine(a, *m_lines);
    const QStringView written = i < 0 ? QStringView() : (*m_lines)[size_t(i)];
    const QString path = ModReader::scriptPath(written);
    const bool confined = i >= 0 && isConfined(written.toString()) && !m_forum.leaves(path);
    OpenFile* file = confined ? open(path) : nullptr;
    if (i >= 0)
        opened(path);
    else
        m_reportPath.clear();
    if (const std::optional<Checker::Finding> refused = Checker::openFinding(
            a, *m_lines, m_forum, file ? std::optional(file->isText) : std::nullopt)) {
        m_result.findings.push_back({m_script, m_reportPath, *refused, {}});
        ++m_result.failed;
        m_skipCause = int(m_result.findings.size()) - 1;
        return;
    }
    m_file = file;
    ++m_result.applied;
}

void Installer::toDo(const ModReader::Action& a)
{
    QStringList text;
    for (int i = a.first; i < a.last; ++i)
        text << (*m_lines)[size_t(i)].toString();
    const QString kind = a.normalized == u"DIY INSTRUCTIONS"
                             ? QStringLiteral("diy")
                             : a.normalized.toLower().replace(u' ', u'-');
    m_result.todo.push_back({m_script, a.bannerLine + 1, kind, text.join(u'\n')});
}

void Installer::unknownKeyword(const ModReader::Action& a)
{
    const bool inFile = m_file != nullptr;
    if (inFile)
        endSkip();
    const int finding =
        reportAtBanner(a, Checker::Rule::UnknownKeyword,
                       QCoreApplication::translate(
                           "Install", "%1 is not a keyword installers know: the block is left out")
                           .arg(a.banner.keyword));
    if (const QString meant = lookalike(a.normalized); !meant.isEmpty())
        m_result.findings.back().notes.push_back(
            {QString(), a.bannerLine + 1,
             QCoreApplication::translate("Install", "did you mean %1?").arg(meant)});
    // A translated keyword may have been a FIND: what needs one waits for the next.
    if (inFile) {
        m_skipToFind = true;
        m_skipCause = finding;
    }
}

// A script with no action an installer can read (its keywords translated,
// or no banner at all) is one error, its keywords named, not one per banner.
void Installer::nothingToInstall(const std::vector<ModReader::Action>& actions)
{
    QStringList keywords;
    for (const ModReader::Action& a : actions)
        if (const QString k = u'"' + a.banner.keyword.toString() + u'"'; !keywords.contains(k))
            keywords << k;
    const auto unknown = std::remove_if(
        m_result.findings.begin(), m_result.findings.end(), [this](const Finding& f) {
            return f.script == m_script &&
                   f.finding.rule == QLatin1String(Checker::Rule::UnknownKeyword);
        });
    m_result.failed -= int(m_result.findings.end() - unknown);
    m_result.findings.erase(unknown, m_result.findings.end());
    m_reportPath.clear();
    if (actions.empty()) {
        report(0, 1, 0, Severity::Error, Checker::Rule::NoAction,
               QCoreApplication::translate("Install",
                                           "The script has no action an installer can read: no "
                                           "\"#-----[ KEYWORD ]\" banner before its end"));
        return;
    }
    report(0, 1, 0, Severity::Error, Checker::Rule::NoAction,
           QCoreApplication::translate("Install",
                                       "The script has no action an installer can read: no "
                                       "banner's keyword is one installers know"));
    const int named = 6;
    QString list = keywords.mid(0, named).join(QStringLiteral(", "));
    if (keywords.size() > named)
        list += QCoreApplication::translate("Install", ", and %n more", nullptr,
                                            int(keywords.size()) - named);
    m_result.findings.back().notes.push_back(
        {QString(), actions.front().bannerLine + 1,
         QCoreApplication::translate("Install",
                                     "its keywords are %1: installers read the English ones "
                                     "(OPEN, FIND, AFTER, ADD ...), even in a translated script")
             .arg(list)});
}

void Installer::runScript(int index)
{
    m_script = index;
    const Script& script = m_scripts[size_t(index)];
    std::vector<QStringView> views;
    views.reserve(size_t(script.lines.size()));
    for (const QString& l : script.lines)
        views.emplace_back(l);
    m_lines = &views;
    m_file = nullptr;
    m_opened = m_explained = false;
    m_reportPath.clear();
    const std::vector<ModReader::Action> actions = ModReader::read(views).installed();
    int readable = 0;
    for (const ModReader::Action& a : actions) {
        m_action = &a;
        if (a.known && a.kind != ModReader::Kind::Save)
            ++readable;
        if (a.kind == ModReader::Kind::Open) {
            endSkip();
            openAction(a);
        } else if (a.kind == ModReader::Kind::Copy) {
            copyAction(a);
        } else if (!a.known) {
            unknownKeyword(a);
        } else if (isLeftToPeople(a.normalized)) {
            toDo(a);
        } else if (a.kind != ModReader::Kind::Save) {
            fileAction(a);
        }
    }
    endSkip();
    if (readable == 0)
        nothingToInstall(actions);
    m_lines = nullptr;
}

// An action on the open file: FIND, IN-LINE FIND, the ADDs, REPLACE WITH,
// INCREMENT and the IN-LINE edits.
void Installer::fileAction(const ModReader::Action& a)
{
    const QString& k = a.normalized;
    const bool isFind = a.kind == ModReader::Kind::Find;
    if (!m_file) {
        if (m_opened)
            skip(a); // the OPEN's failure was reported
        else
            reportAtBanner(a,
                           isFind || a.kind == ModReader::Kind::InlineFind
                               ? Checker::Rule::FindBeforeOpen
                               : Checker::Rule::ActionBeforeOpen,
                           QCoreApplication::translate(
                               "Install", "%1 comes before any OPEN: there is no file to change")
                               .arg(a.banner.keyword.toString()));
        return;
    }
    if (isFind) {
        endSkip();
        m_skipToInline = m_haveFragment = false;
        m_haveFind = find(a);
        m_skipToFind = !m_haveFind;
        if (m_haveFind)
            ++m_result.applied;
        return;
    }
    if (m_skipToFind || !m_haveFind) {
        if (m_skipToFind)
            skip(a);
        else // nothing failed: the script simply has no FIND here
            reportAtBanner(a, Checker::Rule::NoFind,
                           QCoreApplication::translate("Install", "%1 has no FIND before it in %2")
                               .arg(a.banner.keyword.toString(), m_file->path));
        return;
    }
    if (a.kind == ModReader::Kind::InlineFind) {
        endSkip();
        m_haveFragment = inlineFind(a);
        m_skipToInline = !m_haveFragment;
        if (m_haveFragment)
            ++m_result.applied;
        return;
    }
    if (k == u"BEFORE ADD") {
        const std::vector<QString> lines = content(a);
        insertLines(m_matchStart, lines);
        m_matchStart += int(lines.size());
        m_matchEnd += int(lines.size());
        m_searchFrom = std::max(m_searchFrom + int(lines.size()), m_matchEnd);
    } else if (k == u"AFTER ADD") {
        const std::vector<QString> lines = content(a);
        insertLines(m_matchEnd, lines);
        m_searchFrom = std::max(m_searchFrom, m_matchEnd + int(lines.size()));
    } else if (a.kind == ModReader::Kind::Replace) {
        replaceLines(content(a));
        m_searchFrom = m_matchEnd;
    } else if (k == u"INCREMENT" || k == u"IN-LINE INCREMENT") {
        increment(a);
        return;
    } else {
        inlineEdit(a);
        return;
    }
    ++m_result.applied;
}

void Installer::inlineEdit(const ModReader::Action& a)
{
    const QString& k = a.normalized;
    if (!m_haveFragment) {
        if (m_skipToInline)
            skip(a);
        else
            reportAtBanner(
                a, Checker::Rule::NoInlineFind,
                QCoreApplication::translate("Install", "%1 has no IN-LINE FIND before it")
                    .arg(a.banner.keyword.toString()));
        return;
    }
    const QString added = ModReader::inlineText(a, *m_lines).value_or(QStringView()).toString();
    QString line = m_file->text.lines[size_t(m_fragmentLine)].text;
    if (k == u"IN-LINE AFTER ADD") {
        line.insert(m_addAfter, added);
        m_addAfter += added.size();
    } else if (k == u"IN-LINE BEFORE ADD") {
        line.insert(m_addBefore, added);
        m_addBefore += added.size();
        m_fragmentStart += added.size();
        m_fragmentEnd += added.size();
        m_addAfter += added.size();
    } else { // IN-LINE REPLACE WITH, IN-LINE REPLACE
        line.replace(m_fragmentStart, m_fragmentEnd - m_fragmentStart, added);
        m_fragmentEnd = m_fragmentStart + added.size();
        m_addAfter = m_fragmentEnd;
        m_addBefore = m_fragmentStart;
    }
    changeLine(m_fragmentLine, line);
    ++m_result.applied;
}

Result Installer::run()
{
    for (int i = 0; i < int(m_scripts.size()); ++i)
        runScript(i);
    for (const auto& f : m_files) {
        if (!f->changed)
            continue;
        QByteArray result = f->isText ? f->text.encode() : f->binary;
        if (f->original && result == *f->original)
            continue; // the same bytes: nothing to show or write
        m_result.files.push_back({f->path, f->original, std::move(result), f->isText});
    }
    return std::move(m_result);
}

} // namespace

QStringList reportLines(const std::vector<Script>& scripts, const Result& result)
{
    QStringList out;
    for (const Finding& f : result.findings) {
        const QString& name = scripts[size_t(f.script)].name;
        out << Checker::compilerLine(name, f.finding);
        // As compilers write what explains an error: a line of its own, no rule.
        for (const Note& n : f.notes)
            out << QStringLiteral("%1:%2:1: note: %3")
                       .arg(n.file.isEmpty() ? name : n.file)
                       .arg(n.line)
                       .arg(n.message);
    }
    for (const ToDo& t : result.todo) {
        const bool oneLine = !t.text.contains(u'\n');
        const Checker::Finding note{
            t.line,
            1,
            0,
            Severity::Note,
            QStringLiteral("todo-") + t.kind,
            oneLine ? QCoreApplication::translate("Install", "to do by hand: %1").arg(t.text)
                    : QCoreApplication::translate(
                          "Install", "to do by hand, the lines below as the script writes them:")};
        out << Checker::compilerLine(scripts[size_t(t.script)].name, note);
        if (!oneLine)
            out << t.text.split(u'\n');
    }
    return out;
}

QString summary(const Result& r)
{
    const int applied = r.applied;
    const int changed = int(r.files.size());
    const int left = int(r.todo.size());
    return QCoreApplication::translate("Install", "%1, %2; %3; %4")
        .arg(applied == 1
                 ? QCoreApplication::translate("Install", "%n action applied", nullptr, applied)
                 : QCoreApplication::translate("Install", "%n actions applied", nullptr, applied),
             QCoreApplication::translate("Install", "%n failed", nullptr, r.failed),
             changed == 1
                 ? QCoreApplication::translate("Install", "%n file changed", nullptr, changed)
                 : QCoreApplication::translate("Install", "%n files changed", nullptr, changed),
             left == 1 ? QCoreApplication::translate("Install", "%n thing left to do by hand",
                                                     nullptr, left)
                       : QCoreApplication::translate("Install", "%n things left to do by hand",
                                                     nullptr, left));
}

bool failedIn(const Result& result, const QString& path)
{
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [&](const Finding& f) { return f.path == path; });
}

bool hasErrors(const Result& result)
{
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [](const Finding& f) { return f.finding.severity == Severity::Error; });
}

Result install(const std::vector<Script>& scripts, const FileTree& forum)
{
    return Installer(scripts, forum).run();
}

Result install(const std::vector<Script>& scripts, const QString& forumFolder)
{
    return install(scripts, FileTree::folder(forumFolder));
}

} // namespace Install

} // namespace Quillwright
