#include "core/checker/Rules.h"
#include "core/install/DecimalText.h"
#include "core/install/Installer.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

// The actions on the open file: FIND and IN-LINE FIND, and what they let
// the actions after them change: the ADDs, REPLACE WITH, INCREMENT and the
// IN-LINE edits.

namespace Quillwright {

namespace Install {

using Checker::Severity;
using ModReader::Action;

void Installer::findAction(const Action& a)
{
    endSkip();
    m_place.skipToInline = false;
    m_place.fragment.reset();
    m_place.match = find(a);
    m_place.skipToFind = !m_place.match;
    if (m_place.match)
        ++m_result.applied;
}

std::optional<Installer::Match> Installer::find(const Action& a)
{
    const InstalledFile& file = *m_place.file;
    const ModReader::FindText lines(
        std::vector<QStringView>(m_lines->begin() + a.first, m_lines->begin() + a.last));
    const std::vector<int> hit = ModReader::findLines(file.stripped(), lines, m_place.searchFrom);
    if (!hit.empty()) {
        const Match match{hit.front(), hit.back() + 1};
        m_place.searchFrom = match.end;
        // The numbers placeholders stand for, where they stand in the lines themselves.
        for (int j = 0; j < lines.size(); ++j) {
            const int line = hit[size_t(j)];
            for (const ModReader::FindText::Number& n : lines.numbers(j, file.line(line)))
                m_place.numbers[n.id] = {line, n.start, n.length};
        }
        return match;
    }
    if (lines.isEmpty()) {
        m_skipCause = reportAtBanner(
            a, Checker::Rule::FindNoMatch,
            QCoreApplication::translate("Install", "FIND has no line to look for in %1")
                .arg(file.path()));
        return std::nullopt;
    }
    // Which earlier script's action the FIND meets, when it matches the forum as it was.
    QString conflict;
    if (const std::optional<Origin> by = file.earlierChange(lines, m_script))
        conflict =
            QCoreApplication::translate("Install", "; it matches the forum as it was before: it "
                                                   "conflicts with %1, action at line %2")
                .arg(m_scripts[size_t(by->script)].name)
                .arg(by->bannerLine + 1);
    m_skipCause = reportAtBanner(
        a, Checker::Rule::FindNoMatch,
        QCoreApplication::translate("Install", "FIND matches nothing in %1 from line %2")
                .arg(file.path())
                .arg(std::min(m_place.searchFrom, int(file.stripped().size())) + 1) +
            conflict);
    std::vector<Note>& notes = m_result.findings[size_t(m_skipCause)].notes;
    for (Note& n :
         failedFindNotes(a, *m_lines, lines, file.path(), file.stripped(), m_place.searchFrom))
        notes.push_back(std::move(n));
    if (!m_explained) {
        m_explained = true;
        const Script& s = m_scripts[size_t(m_script)];
        if (const std::optional<Note> needs = prerequisiteNote(s.name, s.lines))
            notes.push_back(*needs);
    }
    return std::nullopt;
}

void Installer::inlineFindAction(const Action& a)
{
    endSkip();
    m_place.fragment = inlineFind(a);
    m_place.skipToInline = !m_place.fragment;
    if (m_place.fragment)
        ++m_result.applied;
}

std::optional<Installer::Fragment> Installer::inlineFind(const Action& a)
{
    const std::optional<QStringView> fragment = ModReader::inlineText(a, *m_lines);
    if (!fragment || ModReader::withoutWhitespace(*fragment).isEmpty()) {
        m_skipCause = reportAtBanner(
            a, Checker::Rule::InlineNoMatch,
            QCoreApplication::translate("Install", "IN-LINE FIND has nothing to look for"));
        return std::nullopt;
    }
    std::vector<int> ids;
    const QRegularExpression pattern = ModReader::fragmentPattern(*fragment, &ids);
    // Every IN-LINE FIND under a FIND looks in the FIND's lines from their start.
    for (int line = m_place.match->start; line < m_place.match->end; ++line) {
        const QRegularExpressionMatch m = pattern.match(m_place.file->line(line));
        if (!m.hasMatch())
            continue;
        for (size_t g = 0; g < ids.size(); ++g)
            m_place.numbers[ids[g]] = {line, m.capturedStart(int(g) + 1),
                                       m.capturedLength(int(g) + 1)};
        return Fragment{line, m.capturedStart(), m.capturedEnd(), m.capturedEnd(),
                        m.capturedStart()};
    }
    m_skipCause = reportAtBanner(
        a, Checker::Rule::InlineNoMatch,
        QCoreApplication::translate(
            "Install", "IN-LINE FIND matches nothing in the lines the FIND above found in %1")
            .arg(m_place.file->path()));
    m_result.findings.back().notes.push_back(
        {QString(), ModReader::firstContentLine(a, *m_lines) + 1,
         QCoreApplication::translate("Install", "the fragment: %1")
             .arg(fragment->trimmed().toString())});
    return std::nullopt;
}

void Installer::insertLines(int at, const std::vector<QString>& lines)
{
    if (lines.empty())
        return;
    m_place.file->insert(at, lines, origin());
    // What stands after the place moves down.
    const int moved = int(lines.size());
    for (auto& [id, number] : m_place.numbers)
        if (number.line >= at)
            number.line += moved;
    if (m_place.fragment && m_place.fragment->line >= at)
        m_place.fragment->line += moved;
}

void Installer::replaceLines(const std::vector<QString>& lines)
{
    Match& match = *m_place.match;
    const int at = match.start;
    const int count = match.end - match.start;
    m_place.file->remove(at, count, origin());
    for (auto it = m_place.numbers.begin(); it != m_place.numbers.end();) {
        if (it->second.line >= at && it->second.line < at + count) {
            it = m_place.numbers.erase(it); // replaced with the lines it stood in
            continue;
        }
        if (it->second.line >= at + count)
            it->second.line -= count;
        ++it;
    }
    m_place.fragment.reset();
    insertLines(at, lines);
    match.end = at + int(lines.size());
}

void Installer::changeLine(int line, const QString& text)
{
    m_place.file->setLine(line, text, origin());
}

void Installer::beforeAdd(const Action& a)
{
    const std::vector<QString> lines = content(a);
    Match& match = *m_place.match;
    insertLines(match.start, lines);
    match.start += int(lines.size());
    match.end += int(lines.size());
    m_place.searchFrom = std::max(m_place.searchFrom + int(lines.size()), match.end);
    ++m_result.applied;
}

void Installer::afterAdd(const Action& a)
{
    const std::vector<QString> lines = content(a);
    const int end = m_place.match->end;
    insertLines(end, lines);
    m_place.searchFrom = std::max(m_place.searchFrom, end + int(lines.size()));
    ++m_result.applied;
}

void Installer::replaceWith(const Action& a)
{
    replaceLines(content(a));
    m_place.searchFrom = m_place.match->end;
    ++m_result.applied;
}

void Installer::increment(const Action& a)
{
    static const QRegularExpression how(QStringLiteral(
        "\\{?\\s*%\\s*:\\s*(?<id>\\d+)\\s*\\}?\\s*(?:(?<sign>[+-])\\s*(?<by>\\d+))?"));
    const std::vector<QString> text = content(a);
    const QRegularExpressionMatch m =
        text.empty() ? QRegularExpressionMatch() : how.match(text.front());
    const int id = m.hasMatch() ? m.captured(u"id").toInt() : 1;
    const auto number = m_place.numbers.find(id);
    if (number == m_place.numbers.end()) {
        reportAtBanner(a, Checker::Rule::IncrementNoNumber,
                       QCoreApplication::translate(
                           "Install", "INCREMENT finds no number {%:%1} in the lines found in %2")
                           .arg(id)
                           .arg(m_place.file->path()));
        return;
    }
    const bool given = m.hasMatch() && !m.captured(u"by").isEmpty();
    Number& n = number->second;
    QString line = m_place.file->line(n.line);
    const QString now =
        addDecimal(line.mid(n.start, n.length), given ? m.captured(u"by") : QStringLiteral("1"),
                   given && m.captured(u"sign") == u"-");
    line.replace(n.start, n.length, now);
    n.length = now.size();
    changeLine(n.line, line);
    ++m_result.applied;
}

void Installer::inlineAfterAdd(const Action& a)
{
    Fragment& f = *m_place.fragment;
    const QString added = inlineText(a);
    QString line = m_place.file->line(f.line);
    line.insert(f.addAfter, added);
    f.addAfter += added.size();
    changeLine(f.line, line);
    ++m_result.applied;
}

void Installer::inlineBeforeAdd(const Action& a)
{
    Fragment& f = *m_place.fragment;
    const QString added = inlineText(a);
    QString line = m_place.file->line(f.line);
    line.insert(f.addBefore, added);
    f.addBefore += added.size();
    f.start += added.size();
    f.end += added.size();
    f.addAfter += added.size();
    changeLine(f.line, line);
    ++m_result.applied;
}

void Installer::inlineReplaceWith(const Action& a)
{
    Fragment& f = *m_place.fragment;
    const QString added = inlineText(a);
    QString line = m_place.file->line(f.line);
    line.replace(f.start, f.end - f.start, added);
    f.end = f.start + added.size();
    f.addAfter = f.end;
    f.addBefore = f.start;
    changeLine(f.line, line);
    ++m_result.applied;
}

} // namespace Install

} // namespace Quillwright
