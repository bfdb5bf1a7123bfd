#include "core/install/ModInstaller.h"

#include "core/checker/ForumDryRun.h"
#include "core/checker/Rules.h"
#include "core/install/CopyLine.h"
#include "core/install/Installer.h"
#include "core/script/ForumPaths.h"

#include <QCoreApplication>
#include <algorithm>

namespace Quillwright {

namespace Install {

using Checker::Severity;
using ModReader::Action;

const QHash<QString, Installer::Handler>& Installer::handlers()
{
    static const QHash<QString, Handler> table = [] {
        const Handler leftToPeople{&Installer::toDo, Needs::Nothing};
        const QHash<QString, Handler> t = {
            {QStringLiteral("OPEN"), {&Installer::openAction, Needs::Nothing}},
            {QStringLiteral("COPY"), {&Installer::copyAction, Needs::Nothing}},
            {QStringLiteral("FIND"), {&Installer::findAction, Needs::File}},
            {QStringLiteral("BEFORE ADD"), {&Installer::beforeAdd, Needs::Find}},
            {QStringLiteral("AFTER ADD"), {&Installer::afterAdd, Needs::Find}},
            {QStringLiteral("REPLACE WITH"), {&Installer::replaceWith, Needs::Find}},
            {QStringLiteral("REPLACE"), {&Installer::replaceWith, Needs::Find}},
            {QStringLiteral("INCREMENT"), {&Installer::increment, Needs::Find}},
            {QStringLiteral("IN-LINE INCREMENT"), {&Installer::increment, Needs::Find}},
            {QStringLiteral("IN-LINE FIND"), {&Installer::inlineFindAction, Needs::Find}},
            {QStringLiteral("IN-LINE AFTER ADD"), {&Installer::inlineAfterAdd, Needs::Fragment}},
            {QStringLiteral("IN-LINE BEFORE ADD"), {&Installer::inlineBeforeAdd, Needs::Fragment}},
            {QStringLiteral("IN-LINE REPLACE WITH"),
             {&Installer::inlineReplaceWith, Needs::Fragment}},
            {QStringLiteral("IN-LINE REPLACE"), {&Installer::inlineReplaceWith, Needs::Fragment}},
            {QStringLiteral("SAVE/CLOSE ALL FILES"), {&Installer::saveAll, Needs::Nothing}},
            // Known keywords that installers leave to people: listed to do by hand.
            {QStringLiteral("SQL"), leftToPeople},
            {QStringLiteral("DIY INSTRUCTIONS"), leftToPeople},
            {QStringLiteral("OR"), leftToPeople},
            {QStringLiteral("CREATE"), leftToPeople},
            {QStringLiteral("DELETE"), leftToPeople},
            {QStringLiteral("PSEUDO MYSQL"), leftToPeople},
            {QStringLiteral("COPY TO FOLDER"), leftToPeople},
        };
        // A keyword that readers know and no handler carries out would be
        // reported as unknown: that is a fault of the program, found at once.
        for (const QString& k : ModReader::knownKeywords())
            if (!t.contains(k))
                qFatal("the installer has no handler for %s", qPrintable(k));
        return t;
    }();
    return table;
}

void Installer::runScript(int index)
{
    m_script = index;
    const Script& script = m_scripts[size_t(index)];
    const std::vector<QStringView> views(script.lines.begin(), script.lines.end());
    m_lines = &views;
    m_place = Place();
    m_opened = m_explained = false;
    m_reportPath.clear();
    const std::vector<Action> actions = ModReader::read(views).installed();
    int readable = 0;
    for (const Action& a : actions) {
        m_action = &a;
        if (a.known && a.kind != ModReader::Kind::Save)
            ++readable;
        const auto handler = handlers().constFind(a.normalized);
        if (handler == handlers().constEnd())
            unknownKeyword(a);
        else if (hasWhatItNeeds(a, handler->needs))
            (this->*handler->act)(a);
    }
    endSkip();
    if (readable == 0)
        nothingToInstall(actions);
    m_lines = nullptr;
}

// An action without the OPEN, FIND or IN-LINE FIND it needs is reported,
// or skipped when a failure reported already explains why.
bool Installer::hasWhatItNeeds(const Action& a, Needs needs)
{
    if (needs == Needs::Nothing)
        return true;
    const QString keyword = a.banner.keyword.toString();
    if (!m_place.file) {
        if (m_opened)
            skip(a); // the OPEN's failure was reported
        else
            reportAtBanner(a,
                           a.kind == ModReader::Kind::Find || a.kind == ModReader::Kind::InlineFind
                               ? Checker::Rule::FindBeforeOpen
                               : Checker::Rule::ActionBeforeOpen,
                           QCoreApplication::translate(
                               "Install", "%1 comes before any OPEN: there is no file to change")
                               .arg(keyword));
        return false;
    }
    if (needs == Needs::File)
        return true;
    if (m_place.skipToFind || !m_place.match) {
        if (m_place.skipToFind)
            skip(a);
        else // nothing failed: the script simply has no FIND here
            reportAtBanner(a, Checker::Rule::NoFind,
                           QCoreApplication::translate("Install", "%1 has no FIND before it in %2")
                               .arg(keyword, m_place.file->path()));
        return false;
    }
    if (needs == Needs::Find || m_place.fragment)
        return true;
    if (m_place.skipToInline)
        skip(a);
    else
        reportAtBanner(a, Checker::Rule::NoInlineFind,
                       QCoreApplication::translate("Install", "%1 has no IN-LINE FIND before it")
                           .arg(keyword));
    return false;
}

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

int Installer::reportAtBanner(const Action& a, const char* rule, const QString& message)
{
    return report(a.bannerLine, a.banner.column, int(a.banner.keyword.size()), Severity::Error,
                  rule, message);
}

void Installer::skip(const Action& a)
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

std::vector<QString> Installer::content(const Action& a) const
{
    std::vector<QString> out;
    for (int i = a.first; i < a.last; ++i)
        out.push_back((*m_lines)[size_t(i)].toString());
    return out;
}

QString Installer::inlineText(const Action& a) const
{
    return ModReader::inlineText(a, *m_lines).value_or(QStringView()).toString();
}

void Installer::opened(const QString& path)
{
    m_reportPath = path;
    if (!m_result.opened.contains(path))
        m_result.opened << path;
}

InstalledFile* Installer::open(const QString& path)
{
    if (InstalledFile* f = m_byPath.value(path))
        return f;
    const std::optional<QByteArray> bytes = m_forum.read(path);
    if (!bytes)
        return nullptr;
    m_files.push_back(InstalledFile::fromForum(path, *bytes));
    m_byPath.insert(path, m_files.back().get());
    return m_files.back().get();
}

InstalledFile* Installer::placeCopy(const QString& path, const QByteArray& bytes)
{
    InstalledFile* file = m_byPath.value(path);
    if (!file) {
        m_files.push_back(InstalledFile::made(path, m_forum.read(path)));
        file = m_files.back().get();
        m_byPath.insert(path, file);
    }
    file->copy(bytes, origin());
    return file;
}

bool Installer::isMadeFolder(const QString& path) const
{
    const QString below = path + u'/';
    return std::any_of(m_files.begin(), m_files.end(),
                       [&](const auto& f) { return f->isMade() && f->path().startsWith(below); });
}

void Installer::openAction(const Action& a)
{
    endSkip();
    m_place = Place();
    m_opened = true;
    const int i = ModReader::firstContentLine(a, *m_lines);
    const QStringView written = i < 0 ? QStringView() : (*m_lines)[size_t(i)];
    const QString path = ModReader::scriptPath(written);
    const bool confined =
        i >= 0 && ForumPaths::isConfined(written.toString()) && !m_forum.leaves(path);
    InstalledFile* file = confined ? open(path) : nullptr;
    if (i >= 0)
        opened(path);
    else
        m_reportPath.clear();
    if (const std::optional<Checker::Finding> refused = Checker::openFinding(
            a, *m_lines, m_forum, file ? std::optional(file->isText()) : std::nullopt)) {
        m_result.findings.push_back({m_script, m_reportPath, *refused, {}});
        ++m_result.failed;
        m_skipCause = int(m_result.findings.size()) - 1;
        return;
    }
    m_place.file = file;
    ++m_result.applied;
}

void Installer::copyAction(const Action& a)
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

void Installer::toDo(const Action& a)
{
    QStringList text;
    for (int i = a.first; i < a.last; ++i)
        text << (*m_lines)[size_t(i)].toString();
    const QString kind = a.normalized == u"DIY INSTRUCTIONS"
                             ? QStringLiteral("diy")
                             : a.normalized.toLower().replace(u' ', u'-');
    m_result.todo.push_back({m_script, a.bannerLine + 1, kind, text.join(u'\n')});
}

void Installer::unknownKeyword(const Action& a)
{
    const bool inFile = m_place.file != nullptr;
    if (inFile)
        endSkip();
    const int finding =
        reportAtBanner(a, Checker::Rule::UnknownKeyword,
                       QCoreApplication::translate(
                           "Install", "%1 is not a keyword installers know: the block is left out")
                           .arg(a.banner.keyword));
    if (const std::optional<Note> meant = lookalikeNote(a))
        m_result.findings.back().notes.push_back(*meant);
    // A translated keyword may have been a FIND: what needs one waits for the next.
    if (inFile) {
        m_place.skipToFind = true;
        m_skipCause = finding;
    }
}

// A script with no action an installer can read (its keywords translated,
// or no banner at all) is one error, its keywords named, not one per banner.
void Installer::nothingToInstall(const std::vector<Action>& actions)
{
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
    m_result.findings.back().notes.push_back(keywordsNote(actions));
}

Result Installer::run()
{
    for (int i = 0; i < int(m_scripts.size()); ++i)
        runScript(i);
    for (const auto& f : m_files)
        if (std::optional<QByteArray> bytes = f->result())
            m_result.files.push_back({f->path(), f->original(), std::move(*bytes), f->isText()});
    return std::move(m_result);
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
