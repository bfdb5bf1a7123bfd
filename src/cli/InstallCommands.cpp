#include "cli/InstallCommands.h"

#include "cli/CliCommon.h"
#include "core/install/ForumFolder.h"
#include "core/install/InstallReport.h"
#include "core/install/ModInstaller.h"
#include "core/install/UnifiedDiff.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Quillwright {

using Cli::CliText;
using Cli::optionValue;
using Cli::OptionValue;
using Cli::say;

namespace {

struct Request {
    QString forum;
    QString output;
    QString script; // which script of an archive
    QStringList scripts;
    bool help = false;
    QString error; // bad usage
};

Request parse(const QStringList& args, bool wantsOutput)
{
    Request r;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto value = [&](const QString& name, QString& into) {
            const OptionValue v = optionValue(args, i, name);
            if (v.missing)
                r.error = name == u"--script" ? CliText::tr("%1 needs a script's name").arg(name)
                                              : CliText::tr("%1 needs a folder").arg(name);
            else if (v.matched)
                into = v.value;
            return v.matched;
        };
        if (options && a == u"--") {
            options = false;
        } else if (options && (a == u"--help" || a == u"-h")) {
            r.help = true;
        } else if (options && value(QStringLiteral("--forum"), r.forum)) {
        } else if (options && value(QStringLiteral("--script"), r.script)) {
        } else if (options && wantsOutput &&
                   (value(QStringLiteral("-o"), r.output) ||
                    value(QStringLiteral("--output"), r.output))) {
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            r.error = CliText::tr("unknown option %1").arg(a);
        } else {
            r.scripts << a;
        }
    }
    if (r.help || !r.error.isEmpty())
        return r;
    if (r.forum.isEmpty())
        r.error = CliText::tr("--forum DIR names the forum's folder");
    else if (!QFileInfo(r.forum).isDir())
        r.error = CliText::tr("%1 is not a folder").arg(r.forum);
    else if (wantsOutput && r.output.isEmpty())
        r.error = CliText::tr("-o OUTDIR names the folder for the forum's copy");
    else if (r.scripts.isEmpty())
        r.error = CliText::tr("no script was given");
    return r;
}

QString diffUsage()
{
    return CliText::tr(
        "Usage: quillwright-mod diff --forum DIR [--script NAME] SCRIPT...\n"
        "\n"
        "Applies the MOD scripts, each to the result of the ones before, to the forum's\n"
        "files in DIR without writing anything, and prints the whole installation as one\n"
        "unified diff: `patch -p1` in the forum's folder applies it. What failed and what\n"
        "is left to do by hand (COPY without its file, SQL, DIY INSTRUCTIONS) go to\n"
        "standard error as SCRIPT:LINE:COL: error|warning|note: MESSAGE [rule-id].\n"
        "A SCRIPT may be a MOD package as downloaded, a zip archive: its script named\n"
        "install is taken, or the one --script NAME names.\n"
        "\n"
        "Exit status: 0 when every action applied, 1 when one failed, 2 for bad usage or\n"
        "a script that cannot be read.");
}

QString installUsage()
{
    return CliText::tr(
        "Usage: quillwright-mod install --forum DIR -o OUTDIR [--script NAME] SCRIPT...\n"
        "\n"
        "Applies the MOD scripts, each to the result of the ones before, to the forum's\n"
        "files in DIR and writes the forum with the changes into OUTDIR, a new or empty\n"
        "folder outside the forum: whole or not at all, links, modes and times as the\n"
        "forum has them. The forum itself is never written. What failed and what is\n"
        "left to do go to standard error, as for diff. A SCRIPT may be a zip archive,\n"
        "as for diff.\n"
        "\n"
        "Exit status: 0 when every action applied, 1 when one failed or the copy could\n"
        "not be written, 2 for bad usage or a script that cannot be read.");
}

// The scripts read, each with its package: the folder beside it, or its
// folder in the archive it came in.
bool readScripts(const QStringList& names, const QString& wanted, std::vector<Install::Script>& out)
{
    for (const QString& name : names) {
        QFile f(name);
        const QFileInfo info(name);
        if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
            say(stderr, CliText::tr("quillwright-mod: cannot read %1: %2")
                            .arg(name, info.isDir()     ? CliText::tr("it is a folder")
                                       : !info.exists() ? CliText::tr("there is no such file")
                                                        : f.errorString()));
            return false;
        }
        const Cli::NamedScript script = Cli::readNamedScript(name, f.readAll(), wanted);
        if (!script.error.isEmpty()) {
            say(stderr, CliText::tr("quillwright-mod: cannot read %1: %2").arg(name, script.error));
            return false;
        }
        out.push_back({script.name, script.lines, script.package});
    }
    return true;
}

// Findings and to-dos in the compiler form, then how it went; true when an action failed.
bool report(const std::vector<Install::Script>& scripts, const Install::Result& r)
{
    for (const QString& line : Install::reportLines(scripts, r))
        say(stderr, line);
    say(stderr, QStringLiteral("quillwright-mod: ") + Install::summary(r));
    return Install::hasErrors(r);
}

int run(const QStringList& args, bool writing)
{
    const Request r = parse(args, writing);
    if (r.help) {
        say(stdout, writing ? installUsage() : diffUsage());
        return 0;
    }
    if (!r.error.isEmpty()) {
        say(stderr,
            QStringLiteral("quillwright-mod %1: ").arg(writing ? "install" : "diff") + r.error);
        say(stderr, writing ? installUsage() : diffUsage());
        return 2;
    }
    std::vector<Install::Script> scripts;
    if (!readScripts(r.scripts, r.script, scripts))
        return 2;
    const QString forum = r.forum;
    const Install::Result result = Install::install(scripts, forum);
    const bool failed = report(scripts, result);
    if (!writing) {
        for (const Install::ChangedFile& f : result.files) {
            if (!f.text) {
                say(stderr, CliText::tr("quillwright-mod: %1 is not text and is left out of the "
                                        "diff")
                                .arg(f.path));
                continue;
            }
            const QByteArray diff = Install::unifiedDiff(f.path, f.original, f.result);
            std::fwrite(diff.constData(), 1, size_t(diff.size()), stdout);
        }
        return failed ? 1 : 0;
    }
    const Install::WriteOutcome written = Install::writeForumCopy(forum, r.output, result);
    if (!written.ok) {
        say(stderr, QStringLiteral("quillwright-mod install: ") + written.error);
        return 1;
    }
    return failed ? 1 : 0;
}

} // namespace

int runDiff(const QStringList& args)
{
    return run(args, false);
}

int runInstall(const QStringList& args)
{
    return run(args, true);
}

} // namespace Quillwright
