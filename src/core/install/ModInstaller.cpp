#include "core/install/ModInstaller.h"

#include "core/checker/Rules.h"
#include "core/install/ForumTextFile.h"
#include "core/script/ModReader.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <map>

namespace Quillwright {

namespace Install {
namespace {

using ModReader::withoutWhitespace;

// "{%:1}" in a FIND or IN-LINE FIND stands for a number INCREMENT changes.
const QRegularExpression& placeholder()
{
    static const QRegularExpression re(QStringLiteral("\\{%:(\\d+)\\}"));
    return re;
}

// A line of a FIND as it is compared: without its blanks, and when it
// holds placeholders, as an expression whose groups are the numbers.
struct FindLine {
    QString stripped;
    std::optional<QRegularExpression> pattern; // with placeholders
    std::vector<int> numbers;                  // the placeholder of each group
};

// A fragment located by its non-blank characters in order with any blanks
// between them; placeholders match digits.
QRegularExpression fragmentPatternWith(QStringView fragment, std::vector<int>* numbers)
{
    QString re;
    const QString stripped = withoutWhitespace(fragment);
    qsizetype i = 0;
    auto it = placeholder().globalMatch(stripped);
    while (i < stripped.size()) {
        QRegularExpressionMatch m;
        if (it.hasNext() && it.peekNext().capturedStart() == i)
            m = it.next();
        if (!re.isEmpty())
            re += QStringLiteral("\\s*");
        if (m.hasMatch()) {
            re += QStringLiteral("(\\d+)");
            if (numbers)
                numbers->push_back(m.captured(1).toInt());
            i = m.capturedEnd();
        } else {
            re += QRegularExpression::escape(stripped.sliced(i, 1));
            ++i;
        }
    }
    return QRegularExpression(re);
}

FindLine findLine(QStringView line)
{
    FindLine f{withoutWhitespace(line), std::nullopt, {}};
    if (f.stripped.contains(placeholder()))
        f.pattern = fragmentPatternWith(line, &f.numbers);
    return f;
}

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

class Installer {
public:
    Installer(const std::vector<Script>& scripts, const Files& forum, const Leaves& leaves)
        : m_scripts(scripts), m_forum(forum), m_leaves(leaves)
    {}
    Result run();

private:
    void runScript(int index);
    OpenFile* open(const QString& path);
    void report(int line, int column, int length, Checker::Severity severity, const char* rule,
                const QString& message);
    std::vector<QString> content(const ModReader::Action& a, bool exact = false) const;
    bool find(const ModReader::Action& a);
    bool inlineFind(const ModReader::Action& a);
    void insertLines(int at, const std::vector<QString>& lines);
    void replaceLines(const std::vector<QString>& lines);
    void changeLine(int line, const QString& text);
    void increment(const ModReader::Action& a);
    void copy(const ModReader::Action& a);
    QString conflictWith(const std::vector<FindLine>& find) const;

    const std::vector<Script>& m_scripts;
    Files m_forum;
    Leaves m_leaves;
    Result m_result;
    std::vector<std::unique_ptr<OpenFile>> m_files; // in the order first opened
    QHash<QString, OpenFile*> m_byPath;
    QString m_reportPath; // the file findings are about now
    void opened(const QString& path)
    {
        m_reportPath = path;
        if (!m_result.opened.contains(path))
            m_result.opened << path;
    }

    // The state of the script being installed.
    int m_script = 0;
    const std::vector<QStringView>* m_lines = nullptr;
    const ModReader::Action* m_action = nullptr;
    OpenFile* m_file = nullptr;
    int m_searchFrom = 0;       // the next FIND starts at this line
    std::vector<int> m_matched; // the lines the last FIND matched (consecutive after edits)
    int m_matchStart = -1;      // the first of them; with none left, where they stood
    int m_matchEnd = -1;        // one past the last
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
};

void Installer::report(int line, int column, int length, Checker::Severity severity,
                       const char* rule, const QString& message)
{
    m_result.findings.push_back(
        {m_script,
         m_reportPath,
         {line + 1, column, length, severity, QString::fromLatin1(rule), message}});
    ++m_result.failed;
}

std::vector<QString> Installer::content(const ModReader::Action& a, bool exact) const
{
    std::vector<QString> out;
    for (int i = a.first; i < a.last; ++i)
        out.push_back((*m_lines)[size_t(i)].toString());
    if (exact && out.empty()) {
        // IN-LINE text may be a blank or two: the notes rule would drop it.
        for (int i = a.bannerLine + 1; i < int(m_lines->size()); ++i) {
            const QStringView l = (*m_lines)[size_t(i)];
            if (ModReader::scanBanner(l) || ModReader::isEndMarker(l))
                break;
            if (!l.trimmed().startsWith(u'#') && !l.isEmpty()) {
                out.push_back(l.toString());
                break;
            }
        }
    }
    return out;
}

OpenFile* Installer::open(const QString& path)
{
    if (OpenFile* f = m_byPath.value(path))
        return f;
    const std::optional<QByteArray> bytes = m_forum(path);
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

QString Installer::conflictWith(const std::vector<FindLine>& find) const
{
    // Only a later script's FIND can meet an earlier script's change.
    if (m_script == 0 || !m_file->vanillaText)
        return QString();
    const ForumTextFile& v = *m_file->vanillaText;
    std::vector<QString> stripped;
    for (const ForumTextFile::Line& l : v.lines)
        stripped.push_back(withoutWhitespace(l.text));
    const std::vector<int> hit = ModReader::findLines(
        int(stripped.size()), [&](int l) { return stripped[size_t(l)].isEmpty(); },
        [&](int l, int j) {
            const FindLine& f = find[size_t(j)];
            return f.pattern ? f.pattern->match(stripped[size_t(l)]).hasMatch()
                             : stripped[size_t(l)].contains(f.stripped);
        },
        int(find.size()), 0, INT_MAX);
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
    std::vector<FindLine> lines;
    for (int i = a.first; i < a.last; ++i)
        if (FindLine f = findLine((*m_lines)[size_t(i)]); !f.stripped.isEmpty())
            lines.push_back(std::move(f));
    if (lines.empty())
        return false;
    std::vector<std::vector<QRegularExpressionMatch>> found(lines.size());
    const std::vector<int> hit = ModReader::findLines(
        int(m_file->stripped.size()), [&](int l) { return m_file->stripped[size_t(l)].isEmpty(); },
        [&](int l, int j) {
            const FindLine& f = lines[size_t(j)];
            return f.pattern ? f.pattern->match(m_file->stripped[size_t(l)]).hasMatch()
                             : m_file->stripped[size_t(l)].contains(f.stripped);
        },
        int(lines.size()), m_searchFrom, INT_MAX);
    if (hit.empty()) {
        QString message =
            QCoreApplication::translate("Install", "FIND matches nothing in %1 from line %2")
                .arg(m_file->path)
                .arg(std::min(m_searchFrom, int(m_file->stripped.size())) + 1);
        message += conflictWith(lines);
        report(a.bannerLine, a.banner.column, int(a.banner.keyword.size()),
               Checker::Severity::Error, Checker::Rule::FindNoMatch, message);
        return false;
    }
    m_matched = hit;
    m_matchStart = hit.front();
    m_matchEnd = hit.back() + 1;
    m_searchFrom = m_matchEnd;
    // The numbers placeholders stand for, where they stand in the lines themselves.
    for (size_t j = 0; j < lines.size(); ++j) {
        const FindLine& f = lines[j];
        if (!f.pattern)
            continue;
        const int line = hit[j];
        const QString& text = m_file->text.lines[size_t(line)].text;
        const QRegularExpressionMatch m = f.pattern->match(withoutWhitespace(text));
        // Map the group's place in the blank-free line back to the line.
        std::vector<qsizetype> toLine;
        for (qsizetype i = 0; i < text.size(); ++i)
            if (!text[i].isSpace())
                toLine.push_back(i);
        for (size_t g = 0; g < f.numbers.size(); ++g) {
            const qsizetype s = m.capturedStart(int(g) + 1);
            const qsizetype e = m.capturedEnd(int(g) + 1);
            if (s < 0 || e <= s)
                continue;
            m_numbers[f.numbers[g]] = {line, toLine[size_t(s)],
                                       toLine[size_t(e - 1)] + 1 - toLine[size_t(s)]};
        }
    }
    return true;
}

bool Installer::inlineFind(const ModReader::Action& a)
{
    const std::vector<QString> text = content(a, true);
    if (text.empty() || withoutWhitespace(text.front()).isEmpty())
        return false;
    std::vector<int> numbers;
    const QRegularExpression pattern = fragmentPatternWith(text.front(), &numbers);
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
        for (size_t g = 0; g < numbers.size(); ++g)
            m_numbers[numbers[g]] = {line, m.capturedStart(int(g) + 1),
                                     m.capturedLength(int(g) + 1)};
        return true;
    }
    report(a.bannerLine, a.banner.column, int(a.banner.keyword.size()), Checker::Severity::Error,
           Checker::Rule::InlineNoMatch,
           QCoreApplication::translate(
               "Install", "IN-LINE FIND matches nothing in the lines the FIND above found in %1")
               .arg(m_file->path));
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
    m_matched.clear();
    for (int i = at; i < m_matchEnd; ++i)
        m_matched.push_back(i);
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
        report(a.bannerLine, a.banner.column, int(a.banner.keyword.size()),
               Checker::Severity::Error, Checker::Rule::IncrementNoNumber,
               QCoreApplication::translate(
                   "Install", "INCREMENT finds no number {%:%1} in the lines found in %2")
                   .arg(id)
                   .arg(m_file->path));
        return;
    }
    qint64 delta = 1;
    if (m.hasMatch() && !m.captured(3).isEmpty())
        delta = m.captured(3).toLongLong() * (m.captured(2) == u"-" ? -1 : 1);
    Number& n = number->second;
    QString line = m_file->text.lines[size_t(n.line)].text;
    const QString now = QString::number(line.mid(n.start, n.length).toLongLong() + delta);
    line.replace(n.start, n.length, now);
    n.length = now.size();
    changeLine(n.line, line);
    ++m_result.applied;
}

void Installer::copy(const ModReader::Action& a)
{
    // "copy root/x.php to x.php", a line each.
    static const QRegularExpression line(QStringLiteral("^\\s*copy\\s+(.+?)\\s+to\\s+(.+?)\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const Script& script = m_scripts[size_t(m_script)];
    for (int i = a.first; i < a.last; ++i) {
        const QStringView text = (*m_lines)[size_t(i)];
        if (ModReader::isNote(text))
            continue;
        const QRegularExpressionMatch m = line.match(text);
        const QString from = m.hasMatch() ? ModReader::scriptPath(m.captured(1)) : QString();
        const QString rawTo = m.hasMatch() ? m.captured(2).trimmed() : QString();
        const QString to = ModReader::scriptPath(rawTo);
        if (m.hasMatch())
            opened(to);
        if (m.hasMatch() && (!isConfined(rawTo) || (m_leaves && m_leaves(to)))) {
            report(i, 1, int(text.size()), Checker::Severity::Error,
                   Checker::Rule::PathOutsideForum,
                   QCoreApplication::translate(
                       "Install",
                       "COPY to %1 is refused: only paths inside the forum's folder are written")
                       .arg(rawTo));
            continue;
        }
        const std::optional<QByteArray> bytes =
            m.hasMatch() && script.package && !from.contains(u'*') && isConfined(from)
                ? script.package(from)
                : std::nullopt;
        if (!bytes) {
            m_result.todo.push_back(
                {m_script, i + 1, QStringLiteral("copy"), text.trimmed().toString()});
            continue;
        }
        OpenFile* file = m_byPath.value(to);
        if (!file) {
            auto made = std::make_unique<OpenFile>();
            made->path = to;
            made->original = m_forum(to);
            file = made.get();
            m_byPath.insert(to, file);
            m_files.push_back(std::move(made));
        }
        std::optional<ForumTextFile> text2 = ForumTextFile::decode(*bytes);
        file->isText = text2.has_value();
        file->binary = *bytes;
        if (text2) {
            file->text = std::move(*text2);
            const int n = int(file->text.lines.size());
            file->stripped.assign(size_t(n), QString());
            file->vanilla.assign(size_t(n), -1);
            file->madeBy.assign(size_t(n), {m_script, a.bannerLine});
            for (int k = 0; k < n; ++k)
                file->restrip(k);
        }
        file->changed = true;
        ++m_result.applied;
    }
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
    bool skipFile = true; // no file open: actions on one are skipped
    const std::vector<ModReader::Action> actions = ModReader::read(views).installed();
    for (const ModReader::Action& a : actions) {
        m_action = &a;
        const QString& k = a.normalized;
        const int column = a.banner.column;
        const int length = int(a.banner.keyword.size());
        if (a.kind == ModReader::Kind::Open) {
            m_file = nullptr;
            skipFile = true;
            m_haveFind = m_haveFragment = m_skipToFind = m_skipToInline = false;
            m_numbers.clear();
            m_searchFrom = 0;
            const int i = ModReader::firstContentLine(a, views);
            if (i < 0)
                continue;
            const QString raw = views[size_t(i)].trimmed().toString();
            opened(ModReader::scriptPath(raw));
            if (!isConfined(raw)) {
                report(i, 1, int(views[size_t(i)].size()), Checker::Severity::Error,
                       Checker::Rule::PathOutsideForum,
                       QCoreApplication::translate(
                           "Install",
                           "OPEN %1 is refused: only files inside the forum's folder are changed")
                           .arg(raw));
                continue;
            }
            const QString path = ModReader::scriptPath(raw);
            if (m_leaves && m_leaves(path)) {
                report(i, 1, int(views[size_t(i)].size()), Checker::Severity::Error,
                       Checker::Rule::PathOutsideForum,
                       QCoreApplication::translate(
                           "Install", "OPEN %1 is refused: it leads outside the forum's folder")
                           .arg(raw));
                continue;
            }
            OpenFile* file = open(path);
            if (!file) {
                const bool optional = ModReader::isOptionalInstall(path);
                report(
                    i, 1, int(views[size_t(i)].size()),
                    optional ? Checker::Severity::Warning : Checker::Severity::Error,
                    Checker::Rule::OpenMissing,
                    optional
                        ? QCoreApplication::translate(
                              "Install", "The forum has no %1 (a language or template installed "
                                         "apart)")
                              .arg(path)
                        : QCoreApplication::translate("Install", "The forum has no %1").arg(path));
                continue;
            }
            if (!file->isText) {
                report(i, 1, int(views[size_t(i)].size()), Checker::Severity::Error,
                       Checker::Rule::OpenBinary,
                       QCoreApplication::translate("Install", "%1 is not a text file").arg(path));
                continue;
            }
            m_file = file;
            skipFile = false;
            ++m_result.applied;
            continue;
        }
        if (a.kind == ModReader::Kind::Copy) {
            copy(a);
            continue;
        }
        if (k == u"SQL" || k == u"DIY INSTRUCTIONS") {
            QStringList text;
            for (int i = a.first; i < a.last; ++i)
                text << views[size_t(i)].toString();
            m_result.todo.push_back({m_script, a.bannerLine + 1,
                                     k == u"SQL" ? QStringLiteral("sql") : QStringLiteral("diy"),
                                     text.join(u'\n')});
            continue;
        }
        if (a.kind == ModReader::Kind::Save)
            continue;
        if (skipFile)
            continue; // the OPEN's failure was reported
        if (!a.known) {
            // A translated keyword may have been a FIND: what needs one waits for the next.
            m_skipToFind = true;
            continue;
        }
        if (a.kind == ModReader::Kind::Find) {
            m_skipToInline = m_haveFragment = false;
            m_haveFind = find(a);
            m_skipToFind = !m_haveFind;
            if (m_haveFind)
                ++m_result.applied;
            continue;
        }
        if (m_skipToFind || !m_haveFind) {
            if (!m_skipToFind) // nothing failed: the script simply has no FIND here
                report(a.bannerLine, column, length, Checker::Severity::Error,
                       Checker::Rule::NoFind,
                       QCoreApplication::translate("Install", "%1 has no FIND before it in %2")
                           .arg(a.banner.keyword.toString(), m_file->path));
            else
                ++m_result.failed;
            continue;
        }
        if (k == u"IN-LINE FIND") {
            m_haveFragment = inlineFind(a);
            m_skipToInline = !m_haveFragment;
            if (m_haveFragment)
                ++m_result.applied;
            continue;
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
            continue;
        } else if (k.startsWith(u"IN-LINE ")) {
            if (!m_haveFragment) {
                if (!m_skipToInline)
                    report(
                        a.bannerLine, column, length, Checker::Severity::Error,
                        Checker::Rule::NoInlineFind,
                        QCoreApplication::translate("Install", "%1 has no IN-LINE FIND before it")
                            .arg(a.banner.keyword.toString()));
                else
                    ++m_result.failed;
                continue;
            }
            const std::vector<QString> text = content(a, true);
            const QString added = text.empty() ? QString() : text.front();
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
            } else if (k == u"IN-LINE REPLACE WITH" || k == u"IN-LINE REPLACE") {
                line.replace(m_fragmentStart, m_fragmentEnd - m_fragmentStart, added);
                m_fragmentEnd = m_fragmentStart + added.size();
                m_addAfter = m_fragmentEnd;
                m_addBefore = m_fragmentStart;
            } else {
                m_skipToFind = true; // an IN-LINE keyword the template does not have
                continue;
            }
            changeLine(m_fragmentLine, line);
        } else {
            continue;
        }
        ++m_result.applied;
    }
    m_lines = nullptr;
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

QRegularExpression fragmentPattern(QStringView fragment)
{
    return fragmentPatternWith(fragment, nullptr);
}

QStringList reportLines(const std::vector<Script>& scripts, const Result& result)
{
    QStringList out;
    for (const Finding& f : result.findings)
        out << Checker::compilerLine(scripts[size_t(f.script)].name, f.finding);
    for (const ToDo& t : result.todo) {
        const Checker::Finding note{
            t.line,
            1,
            0,
            Checker::Severity::Note,
            QStringLiteral("todo-") + t.kind,
            QCoreApplication::translate("Install", "to do by hand: %1")
                .arg(QString(t.text).replace(u'\n', QStringLiteral(" / ")))};
        out << Checker::compilerLine(scripts[size_t(t.script)].name, note);
    }
    return out;
}

bool failedIn(const Result& result, const QString& path)
{
    return std::any_of(result.findings.begin(), result.findings.end(),
                       [&](const Finding& f) { return f.path == path; });
}

Result install(const std::vector<Script>& scripts, const Files& forum, const Leaves& leaves)
{
    return Installer(scripts, forum, leaves).run();
}

} // namespace Install

} // namespace Quillwright
