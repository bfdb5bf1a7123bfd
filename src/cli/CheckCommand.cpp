#include "cli/CheckCommand.h"

#include "cli/CliCommon.h"
#include "core/checker/ScriptChecker.h"
#include "core/script/ModFormat.h"

#include <QFile>
#include <QFileInfo>

using Cli::CliText;
using Cli::say;

namespace {

QString usage(const QString& program)
{
    return CliText::tr(
               "Usage: %1 [--json] [--forum DIR] FILE...\n"
               "\n"
               "Checks phpBB2 MOD scripts against the conventions of the MOD template and\n"
               "prints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].\n"
               "\n"
               "  --json       print the findings as a JSON array instead\n"
               "  --forum DIR  try every OPEN, FIND and IN-LINE FIND against the forum's files\n"
               "               in DIR (nothing there is written)\n"
               "\n"
               "Exit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or\n"
               "a file that cannot be read.")
        .arg(program);
}

} // namespace

int runCheck(const QString& program, const QStringList& args)
{
    bool asJson = false;
    QString forum;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--help" || a == u"-h") {
            say(stdout, usage(program));
            return 0;
        }
        if (a == u"--version") {
            say(stdout, QStringLiteral("%1 ").arg(program) + ModFormat::versionNumber());
            return 0;
        }
        if (a == u"--json") {
            asJson = true;
        } else if (a == u"--forum") {
            if (++i == args.size()) {
                say(stderr, CliText::tr("%1: --forum needs a folder").arg(program));
                return 2;
            }
            forum = args[i];
        } else if (a.startsWith(u'-') && a != u"-") {
            say(stderr, CliText::tr("%1: unknown option %2").arg(program, a));
            say(stderr, usage(program));
            return 2;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        say(stderr, usage(program));
        return 2;
    }
    if (!forum.isEmpty() && !QFileInfo(forum).isDir()) {
        say(stderr, CliText::tr("%1: %2 is not a folder").arg(program, forum));
        return 2;
    }
    const Checker::ForumFiles forumFiles =
        forum.isEmpty() ? Checker::ForumFiles() : Checker::forumFolder(forum);

    bool unreadable = false;
    bool errors = false;
    std::vector<std::pair<QString, std::vector<Checker::Finding>>> all;
    for (const QString& name : files) {
        QFile f(name);
        const QFileInfo info(name);
        const bool opened = info.isFile() && f.open(QIODevice::ReadOnly);
        if (!opened) {
            const QString why = !info.exists() ? CliText::tr("there is no such file")
                                : info.isDir() ? CliText::tr("it is a folder")
                                               : f.errorString();
            say(stderr, CliText::tr("%1: cannot read %2: %3").arg(program, name, why));
            unreadable = true;
            continue;
        }
        TextEncoding encoding = TextEncoding::Windows1252;
        const QStringList lines = Checker::readLines(f.readAll(), &encoding);
        std::vector<Checker::Finding> findings = Checker::checkScript(lines, encoding);
        if (forumFiles) {
            const std::vector<Checker::Finding> tried = Checker::dryRun(lines, forumFiles);
            findings.insert(findings.end(), tried.begin(), tried.end());
            Checker::sortFindings(findings);
        }
        errors = errors || Checker::count(findings).errors > 0;
        if (!asJson)
            for (const Checker::Finding& finding : findings)
                say(stdout, Checker::compilerLine(name, finding));
        all.emplace_back(name, std::move(findings));
    }
    if (asJson)
        std::fputs(Checker::json(all).constData(), stdout);
    return unreadable ? 2 : errors ? 1 : 0;
}
