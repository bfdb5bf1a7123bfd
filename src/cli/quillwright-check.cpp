// quillwright-check: the script checker on the command line, in the form
// compilers print, for editors and CI systems. Needs no display.
#include "core/checker/ScriptChecker.h"
#include "core/frame/StringTable.h"
#include "core/script/ModFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTranslator>
#include <cstdio>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("quillwright-check", text);
}

void say(FILE* to, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fputc('\n', to);
}

QString usage()
{
    return tr("Usage: quillwright-check [--json] [--forum DIR] FILE...\n"
              "\n"
              "Checks phpBB2 MOD scripts against the conventions of the MOD template and\n"
              "prints each finding as FILE:LINE:COL: error|warning|note: MESSAGE [rule-id].\n"
              "\n"
              "  --json       print the findings as a JSON array instead\n"
              "  --forum DIR  try every OPEN, FIND and IN-LINE FIND against the forum's files\n"
              "               in DIR (nothing there is written)\n"
              "\n"
              "Exit status: 0 when no finding is an error, 1 when one is, 2 for bad usage or\n"
              "a file that cannot be read.");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTranslator french;
    if (StringTable::currentLanguage() == StringTable::Language::French &&
        french.load(QStringLiteral(":/i18n/quillwright_fr.qm")))
        QCoreApplication::installTranslator(&french);

    bool asJson = false;
    QString forum;
    QStringList files;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--help" || a == u"-h") {
            say(stdout, usage());
            return 0;
        }
        if (a == u"--version") {
            say(stdout, QStringLiteral("quillwright-check ") + ModFormat::versionNumber());
            return 0;
        }
        if (a == u"--json") {
            asJson = true;
        } else if (a == u"--forum") {
            if (++i == args.size()) {
                say(stderr, tr("quillwright-check: --forum needs a folder"));
                return 2;
            }
            forum = args[i];
        } else if (a.startsWith(u'-') && a != u"-") {
            say(stderr, tr("quillwright-check: unknown option %1").arg(a));
            say(stderr, usage());
            return 2;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        say(stderr, usage());
        return 2;
    }
    if (!forum.isEmpty() && !QFileInfo(forum).isDir()) {
        say(stderr, tr("quillwright-check: %1 is not a folder").arg(forum));
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
            const QString why = !info.exists() ? tr("there is no such file")
                                : info.isDir() ? tr("it is a folder")
                                               : f.errorString();
            say(stderr, tr("quillwright-check: cannot read %1: %2").arg(name, why));
            unreadable = true;
            continue;
        }
        const QStringList lines = Checker::readLines(f.readAll());
        std::vector<Checker::Finding> findings = Checker::checkScript(lines);
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
