#include "cli/CheckCommand.h"

#include "cli/CliCommon.h"
#include "core/checker/Rules.h"
#include "core/checker/ScriptChecker.h"
#include "core/encoding/TextEncoding.h"
#include "core/script/ModFormat.h"
#include "core/script/ModReader.h"
#include "core/script/ScriptFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace Quillwright {

using Cli::CliText;
using Cli::optionValue;
using Cli::OptionValue;
using Cli::say;

namespace {

QString usage(const QString& program)
{
    return CliText::tr(
               "Usage: %1 [OPTIONS] [--] FILE|DIR|- ...\n"
               "\n"
               "Checks phpBB2 MOD scripts against the conventions of the MOD template and\n"
               "prints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].\n"
               "LINE and COL count from 1; COL counts bytes of the line as the file stores it.\n"
               "A folder is searched for MOD scripts (files that begin with a MOD header or\n"
               "hold a banner); - reads a script from standard input (named <stdin>). A zip\n"
               "archive, a MOD package as downloaded, stands for its script named install.\n"
               "\n"
               "  --json               print the findings as a JSON array instead\n"
               "  --forum DIR          try every OPEN, FIND and IN-LINE FIND against the forum's\n"
               "                       files in DIR (nothing there is written)\n"
               "  --script NAME        the script to check in a MOD package's zip archive\n"
               "                       (without it, the one named install)\n"
               "  --ignore RULE[,...]  report nothing of these rules\n"
               "  --select RULE[,...]  report only these rules\n"
               "  --werror             warnings make the exit status 1 too\n"
               "  --color=auto|always|never\n"
               "                       colour the severity as compilers do (auto: on a terminal)\n"
               "\n"
               "Exit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or\n"
               "a file that cannot be read.")
        .arg(program);
}

// Whether a file is a MOD script: its first lines that say something hold a
// "## ... :" label, or a line of it is a banner (an upgrade or a translation
// may have no English header). Files that are not text are none.
bool looksLikeScript(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QStringList lines = ModReader::readLines(f.read(ScriptFile::MaxFileSize));
    // PHP and HTML files begin with a tag, and may quote a header or banners.
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const QString& l) { return !l.trimmed().isEmpty(); });
    if (first == lines.end() || first->trimmed().startsWith(u'<'))
        return false;
    int seen = 0;
    for (const QString& l : lines) {
        if (ModReader::headerLabel(l))
            return true;
        if (!l.trimmed().isEmpty() && !l.trimmed().startsWith(u'#') && ++seen > 3)
            break;
    }
    // A banner of a keyword installers know, or of a translated one; SQL
    // files write "#--[ Users Table ]---" over their parts.
    return std::any_of(lines.begin(), lines.end(), [](const QString& l) {
        const std::optional<ModReader::Banner> b = ModReader::readBanner(l);
        return b && (ModReader::knownKeywords().contains(b->normalized) ||
                     std::any_of(b->keyword.begin(), b->keyword.end(),
                                 [](QChar c) { return c.unicode() > 0x7F; }));
    });
}

// Where a column stands in the bytes of the line as the file stores it.
int byteColumn(const QString& line, int column, TextEncoding encoding)
{
    const QString before = line.left(column - 1);
    return int(encodeText(before, encoding).bytes.size()) + 1;
}

QString coloured(const QString& line, Checker::Severity severity, bool colour)
{
    if (!colour)
        return line;
    // As gcc colours them: the place bold, the severity red, magenta or cyan.
    const QString name = Checker::severityName(severity) + u':';
    const qsizetype at = line.indexOf(QStringLiteral(": ") + name);
    if (at < 0)
        return line;
    const char* tint = severity == Checker::Severity::Error     ? "\033[01;31m"
                       : severity == Checker::Severity::Warning ? "\033[01;35m"
                                                                : "\033[01;36m";
    return QStringLiteral("\033[01m") + line.first(at + 1) + QStringLiteral("\033[m ") +
           QString::fromLatin1(tint) + name + QStringLiteral("\033[m") +
           line.sliced(at + 2 + name.size());
}

// A file named on the command line; one whose name is not valid text here
// is opened by the bytes it was given as.
std::optional<QByteArray> readFile(const QString& name, const QByteArray& raw, QString& why)
{
    QFile f(name);
    const QFileInfo info(name);
    if (!info.exists() && !raw.isEmpty() && QFile::encodeName(name) != raw) {
        const int fd = ::open(raw.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0 && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return f.readAll();
        if (fd >= 0)
            ::close(fd);
    }
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        why = !info.exists() ? CliText::tr("there is no such file")
              : info.isDir() ? CliText::tr("it is a folder")
                             : f.errorString();
        return std::nullopt;
    }
    return f.readAll();
}

// What the command line asks for.
struct Request {
    bool asJson = false;
    bool werror = false;
    QString colour = QStringLiteral("auto");
    QString forum;
    QString wanted; // the script of an archive
    QStringList files;
    QStringList ignored;
    QStringList selected;
    std::optional<int> exit; // --help, --version or bad usage: the status to end with at once
};

Request parse(const QString& program, const QStringList& args)
{
    Request r;
    bool options = true;
    const auto bad = [&](const QString& why) {
        say(stderr, QStringLiteral("%1: ").arg(program) + why);
        say(stderr, usage(program));
        r.exit = 2;
        return r;
    };
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        // "--name value" and "--name=value" alike.
        const auto value = [&](const QString& name, QString& into) {
            const OptionValue v = optionValue(args, i, name);
            if (v.matched)
                into = v.value;
            return v.matched;
        };
        QString list;
        if (!options || a == u"-" || !a.startsWith(u'-')) {
            r.files << a;
        } else if (a == u"--") {
            options = false;
        } else if (a == u"--help" || a == u"-h") {
            say(stdout, usage(program));
            r.exit = 0;
            return r;
        } else if (a == u"--version") {
            say(stdout, QStringLiteral("%1 ").arg(program) + ModFormat::versionNumber());
            r.exit = 0;
            return r;
        } else if (a == u"--json") {
            r.asJson = true;
        } else if (a == u"--werror") {
            r.werror = true;
        } else if (value(QStringLiteral("--forum"), r.forum)) {
            if (r.forum.isEmpty())
                return bad(CliText::tr("--forum needs a folder"));
        } else if (value(QStringLiteral("--script"), r.wanted)) {
        } else if (value(QStringLiteral("--ignore"), list)) {
            r.ignored += list.split(u',', Qt::SkipEmptyParts);
        } else if (value(QStringLiteral("--select"), list)) {
            r.selected += list.split(u',', Qt::SkipEmptyParts);
        } else if (value(QStringLiteral("--color"), r.colour) ||
                   value(QStringLiteral("--colour"), r.colour)) {
            if (r.colour != u"auto" && r.colour != u"always" && r.colour != u"never")
                return bad(CliText::tr("--color takes auto, always or never"));
        } else {
            return bad(CliText::tr("unknown option %1").arg(a));
        }
    }
    for (const QString& rule : r.ignored + r.selected)
        if (!Checker::isRule(rule))
            return bad(CliText::tr("%1 is not a rule of the checker").arg(rule));
    if (r.files.isEmpty()) {
        say(stderr, usage(program));
        r.exit = 2;
    } else if (!r.forum.isEmpty() && !QFileInfo(r.forum).isDir()) {
        say(stderr, CliText::tr("%1: %2 is not a folder").arg(program, r.forum));
        r.exit = 2;
    }
    return r;
}

// The files named, a folder standing for the MOD scripts inside it.
QStringList scriptsNamed(const QStringList& files)
{
    QStringList names;
    for (const QString& name : files) {
        if (name != u"-" && QFileInfo(name).isDir()) {
            QStringList found;
            QDirIterator it(name, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (looksLikeScript(path))
                    found << path;
            }
            found.sort();
            names += found;
        } else {
            names << name;
        }
    }
    return names;
}

struct Checked {
    QString shown; // the script's name as findings give it
    std::vector<Checker::Finding> findings;
};

// One script read (a file, standard input, a zip archive's script) and
// checked; nothing when it cannot be read, which is said on standard error.
std::optional<Checked> checkOne(const QString& program, const QString& name, const QByteArray& raw,
                                const Request& r, const Checker::ForumFiles& forum)
{
    QByteArray bytes;
    QString shown = name;
    if (name == u"-") {
        QFile in;
        in.open(stdin, QIODevice::ReadOnly);
        bytes = in.readAll();
        shown = QStringLiteral("<stdin>");
    } else {
        QString why;
        const std::optional<QByteArray> read = readFile(name, raw, why);
        if (!read) {
            say(stderr, CliText::tr("%1: cannot read %2: %3").arg(program, name, why));
            return std::nullopt;
        }
        bytes = *read;
    }
    // A zip archive stands for the script inside it; bytes that are not text are refused.
    const Cli::NamedScript script = Cli::readNamedScript(name, bytes, r.wanted);
    if (!script.error.isEmpty()) {
        say(stderr, CliText::tr("%1: cannot read %2: %3").arg(program, shown, script.error));
        return std::nullopt;
    }
    const QStringList& lines = script.lines;
    std::vector<Checker::Finding> findings = Checker::checkScript(lines, script.encoding);
    if (forum) {
        const std::vector<Checker::Finding> tried = Checker::dryRun(lines, forum);
        findings.insert(findings.end(), tried.begin(), tried.end());
        Checker::sortFindings(findings);
    }
    findings.erase(std::remove_if(findings.begin(), findings.end(),
                                  [&](const Checker::Finding& f) {
                                      return r.ignored.contains(f.rule) ||
                                             (!r.selected.isEmpty() &&
                                              !r.selected.contains(f.rule));
                                  }),
                   findings.end());
    // Columns in bytes of the line as stored, as clang prints them.
    for (Checker::Finding& f : findings)
        if (f.line >= 1 && f.line <= lines.size())
            f.column = byteColumn(lines[f.line - 1], f.column, script.encoding);
    return Checked{script.name != name ? script.name : shown, std::move(findings)};
}

} // namespace

int runCheck(const QString& program, const QStringList& args, const QByteArrayList& raw)
{
    const Request r = parse(program, args);
    if (r.exit)
        return *r.exit;
    QHash<QString, QByteArray> bytesOf; // a file argument's name as the bytes given
    for (qsizetype i = 0; i < args.size() && i < raw.size(); ++i)
        bytesOf.insert(args[i], raw[i]);
    const bool colourOn =
        r.colour == u"always" || (r.colour == u"auto" && !r.asJson && isatty(fileno(stdout)));
    const Checker::ForumFiles forum =
        r.forum.isEmpty() ? Checker::ForumFiles() : Checker::forumFolder(r.forum);

    bool unreadable = false;
    bool failed = false;
    std::vector<std::pair<QString, std::vector<Checker::Finding>>> all;
    for (const QString& name : scriptsNamed(r.files)) {
        std::optional<Checked> checked = checkOne(program, name, bytesOf.value(name), r, forum);
        if (!checked) {
            unreadable = true;
            continue;
        }
        const Checker::Counts counts = Checker::count(checked->findings);
        failed = failed || counts.errors > 0 || (r.werror && counts.warnings > 0);
        if (!r.asJson)
            for (const Checker::Finding& finding : checked->findings)
                say(stdout, coloured(Checker::compilerLine(checked->shown, finding),
                                     finding.severity, colourOn));
        all.emplace_back(checked->shown, std::move(checked->findings));
    }
    if (r.asJson)
        std::fputs(Checker::json(all).constData(), stdout);
    return unreadable ? 2 : failed ? 1 : 0;
}

} // namespace Quillwright
