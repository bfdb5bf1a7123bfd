#include "core/checker/ForumDryRun.h"
#include "core/checker/Rules.h"
#include "core/install/ForumFolder.h"
#include "core/install/ModInstaller.h"
#include "core/package/ModArchive.h"
#include "core/package/ScriptPackage.h"
#include "core/script/ModFormat.h"
#include "core/script/ModReader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Quillwright;

namespace {

const QString Dashes = QStringLiteral("------------------------------------------");

// A script in the layout of the MOD template: "ACTION|content" pieces, each
// an action with its "#" frame.
QStringList script(const QStringList& actions)
{
    QStringList lines = {"## MOD Title: test", "##############", ""};
    for (const QString& a : actions) {
        const qsizetype bar = a.indexOf(u'|');
        lines << "#"
              << "#-----[ " + a.first(bar) + " ]" + Dashes << "#";
        lines << a.sliced(bar + 1).split(u'\n');
    }
    lines << "#"
          << "#-----[ SAVE/CLOSE ALL FILES ]" + Dashes << "#"
          << "# EoM";
    return lines;
}

QStringList rulesOf(const Install::Result& r)
{
    QStringList out;
    for (const Install::Finding& f : r.findings)
        out << f.finding.rule;
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString& program, const QStringList& args, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANGUAGE", "en");
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A golden case's forum put together in `into`: the shared forums its
// forum.name names (one a line, in the forums folder beside the cases), then
// its own forum/ over them.
void assembleForum(const QDir& dir, const QString& into)
{
    QStringList layers;
    for (const QString& name :
         QString::fromUtf8(readFile(dir.filePath("forum.name"))).split(u'\n', Qt::SkipEmptyParts))
        layers << QDir(QUILLWRIGHT_GOLDEN_FORUMS).filePath(name.trimmed());
    layers << dir.filePath("forum");
    QVERIFY(QDir().mkpath(into));
    for (const QString& layer : layers) {
        QDirIterator files(layer, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            writeFile(QDir(into).filePath(QDir(layer).relativeFilePath(from)), readFile(from));
        }
    }
}

// A row for each case folder in `golden`, of which there are at least `atLeast`.
void caseRows(const QString& golden, int atLeast)
{
    QTest::addColumn<QString>("name");
    const QStringList cases = QDir(golden).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(cases.size() >= atLeast);
    for (const QString& name : cases)
        QTest::newRow(qPrintable(name)) << name;
}

// The scripts of a golden case, in the order they are installed: those at
// its top, then those its contrib/ folder holds, at any depth.
QStringList caseScripts(const QDir& dir)
{
    QStringList out = dir.entryList({"*.mod", "*.txt"}, QDir::Files, QDir::Name);
    QStringList contrib;
    QDirIterator it(dir.filePath("contrib"), {"*.mod", "*.txt"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        contrib << dir.relativeFilePath(it.next());
    contrib.sort();
    return out + contrib;
}

// The rules the dry run gives, which the installer must give alike.
const QStringList DryRunRules = {"open-missing", "open-binary", "path-outside-forum",
                                 "find-no-match", "inline-no-match"};

// "line rule" of each finding about an OPEN, FIND or IN-LINE FIND (not a COPY).
QStringList verdicts(const QStringList& lines, std::vector<std::pair<int, QString>> found)
{
    std::vector<QStringView> views(lines.begin(), lines.end());
    const ModReader::Script s = ModReader::read(views);
    QStringList out;
    for (const auto& [line, rule] : found) {
        if (!DryRunRules.contains(rule))
            continue;
        const auto in =
            std::find_if(s.actions.rbegin(), s.actions.rend(),
                         [&](const ModReader::Action& a) { return a.bannerLine < line; });
        if (in != s.actions.rend() && in->kind == ModReader::Kind::Copy)
            continue;
        out << QString::number(line) + u' ' + rule;
    }
    out.sort();
    return out;
}

// A zip archive of `entries` (a name ending in "@" is a link to what follows it).
void writeZip(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& entries)
{
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    QVERIFY(archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK);
    for (const auto& [name, bytes] : entries) {
        archive_entry* e = archive_entry_new();
        const bool link = name.endsWith('@');
        archive_entry_set_pathname(e, link ? name.chopped(1).constData() : name.constData());
        archive_entry_set_filetype(e, link ? AE_IFLNK : AE_IFREG);
        archive_entry_set_perm(e, 0644);
        if (link)
            archive_entry_set_symlink(e, bytes.constData());
        else
            archive_entry_set_size(e, bytes.size());
        archive_write_header(a, e);
        if (!link)
            archive_write_data(a, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

// Each entry of a folder as `find -printf` describes it: path, kind, mode,
// modification time, link target. Links are not followed.
QStringList describe(const QString& root, const QStringList& leaveOut = {})
{
    QProcess p;
    p.setWorkingDirectory(root);
    p.start("find", {".", "-printf", "%P %y %m %T@ %l\\n"});
    p.waitForFinished(30000);
    QStringList out = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    out.erase(
        std::remove_if(out.begin(), out.end(),
                       [&](const QString& l) { return leaveOut.contains(l.section(u' ', 0, 0)); }),
        out.end());
    out.sort();
    return out;
}

const QByteArray Viewtopic = "<?php\r\n$colspan = 2;\r\n$template->pparse('body');\r\n?>\r\n";

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    // The golden cases: a small forum and the scripts of a case, with the
    // unified diff, the report and the dry run's findings they must give
    // (scripts/update-golden.sh writes them after a deliberate change). The
    // dry run and the installer must agree on every OPEN, FIND and IN-LINE
    // FIND, and the diff, applied by patch, must give the installed copy.
    void goldenCases_giveTheirDiffReportAndFindings_data()
    {
        caseRows(QUILLWRIGHT_INSTALL_GOLDEN, 20);
    }
    void goldenCases_giveTheirDiffReportAndFindings()
    {
        QFETCH(QString, name);
        const QDir dir(QDir(QUILLWRIGHT_INSTALL_GOLDEN).filePath(name));
        const QStringList scripts = caseScripts(dir);
        QVERIFY(!scripts.isEmpty());
        QTemporaryDir work;
        const QString forumFolder = work.filePath("forum");
        assembleForum(dir, forumFolder);
        const Run diff =
            run(QUILLWRIGHT_MOD, QStringList{"diff", "--forum", forumFolder} + scripts, dir.path());
        QCOMPARE(QString::fromUtf8(diff.err),
                 QString::fromUtf8(readFile(dir.filePath("expected.report"))));
        QCOMPARE(diff.out, readFile(dir.filePath("expected.diff")));
        const bool failed = diff.err.contains(": error: ");
        QCOMPARE(diff.status, failed ? 1 : 0);
        const QString rule = name.section("--", 0, 0);
        if (rule == "good")
            QVERIFY2(!failed, diff.err.constData());
        else
            QVERIFY2(diff.err.contains("[" + rule.toUtf8() + "]"), diff.err.constData());
        const Run check = run(QUILLWRIGHT_CHECK,
                              QStringList{"--color=never", "--forum", forumFolder, "--select",
                                          DryRunRules.join(u',')} +
                                  scripts,
                              dir.path());
        QCOMPARE(QString::fromUtf8(check.out),
                 QString::fromUtf8(readFile(dir.filePath("expected.findings"))));

        // Each script alone: what the dry run finds, the installer finds, and no more.
        const FileTree forum = FileTree::folder(forumFolder);
        for (const QString& s : scripts) {
            const QStringList lines = ModReader::readLines(readFile(dir.filePath(s)));
            std::vector<std::pair<int, QString>> tried;
            for (const Checker::Finding& f : Checker::dryRun(lines, forum))
                tried.emplace_back(f.line, f.rule);
            std::vector<std::pair<int, QString>> installed;
            const ScriptPackage package = packageOnDisk(QFileInfo(dir.filePath(s)).absolutePath());
            for (const Install::Finding& f :
                 Install::install({{s, lines, package.files, package.folder}}, forum).findings)
                installed.emplace_back(f.finding.line, f.finding.rule);
            QCOMPARE(verdicts(lines, installed), verdicts(lines, tried));
        }

        // The installed copy is the forum with the diff applied, and the files it leaves out.
        if (QStandardPaths::findExecutable("patch").isEmpty())
            return;
        const QString out = work.filePath("out");
        const Run install =
            run(QUILLWRIGHT_MOD,
                QStringList{"install", "--forum", forumFolder, "-o", out} + scripts, dir.path());
        QCOMPARE(install.status, diff.status);
        const QString patched = work.filePath("patched");
        QVERIFY(Install::writeForumCopy(forumFolder, patched, {}).ok);
        QProcess patch;
        patch.setWorkingDirectory(patched);
        patch.start("patch", {"-p1", "--quiet", "--binary"});
        patch.write(diff.out);
        patch.closeWriteChannel();
        QVERIFY(patch.waitForFinished(30000));
        QVERIFY2(patch.exitCode() == 0, patch.readAll().constData());
        QDirIterator files(out, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = QDir(out).relativeFilePath(files.next());
            if (readFile(QDir(patched).filePath(path)) != readFile(QDir(out).filePath(path)))
                QVERIFY2(diff.err.contains(path.toUtf8() + " is not text"), qPrintable(path));
        }
    }

    // Every keyword installers know and every failure the installer reports
    // has a golden case of its own.
    void goldenCases_coverEveryKeywordAndFailure()
    {
        QSet<QString> keywords;
        QString reports;
        const QDir golden(QUILLWRIGHT_INSTALL_GOLDEN);
        for (const QString& name : golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir dir(golden.filePath(name));
            reports += QString::fromUtf8(readFile(dir.filePath("expected.report")));
            for (const QString& s : caseScripts(dir)) {
                const QStringList lines = ModReader::readLines(readFile(dir.filePath(s)));
                const std::vector<QStringView> views(lines.begin(), lines.end());
                for (const ModReader::Action& a : ModReader::read(views).actions)
                    keywords.insert(a.normalized);
            }
        }
        for (const QString& k : ModReader::knownKeywords())
            QVERIFY2(keywords.contains(k), qPrintable(k));
        for (const char* rule :
             {Checker::Rule::OpenMissing, Checker::Rule::OpenBinary,
              Checker::Rule::PathOutsideForum, Checker::Rule::PathOutsidePackage,
              Checker::Rule::FindNoMatch, Checker::Rule::InlineNoMatch, Checker::Rule::NoFind,
              Checker::Rule::NoInlineFind, Checker::Rule::IncrementNoNumber,
              Checker::Rule::UnknownKeyword, Checker::Rule::NoAction, Checker::Rule::FindBeforeOpen,
              Checker::Rule::ActionBeforeOpen})
            QVERIFY2(reports.contains(QStringLiteral("[%1]").arg(rule)), rule);
    }

    // The writer's golden cases: a small forum and an author's change to it,
    // with the script the writer makes of the change and what it says; the
    // package it writes, installed on the forum, gives the changed forum.
    void goldenWriterCases_giveTheirScript_data() { caseRows(QUILLWRIGHT_WRITE_GOLDEN, 7); }
    void goldenWriterCases_giveTheirScript()
    {
        QFETCH(QString, name);
        if (QStandardPaths::findExecutable("patch").isEmpty())
            QSKIP("the cases' changes are applied by patch");
        const QDir dir(QDir(QUILLWRIGHT_WRITE_GOLDEN).filePath(name));
        QTemporaryDir work;
        assembleForum(dir, work.filePath("forum"));
        QVERIFY(Install::writeForumCopy(work.filePath("forum"), work.filePath("changed"), {}).ok);
        QProcess patch;
        patch.setWorkingDirectory(work.filePath("changed"));
        patch.setStandardInputFile(dir.filePath("change.diff"));
        patch.start("patch", {"-p1", "--quiet", "--binary"});
        QVERIFY(patch.waitForFinished(30000));
        QVERIFY2(patch.exitCode() == 0, patch.readAll().constData());

        const Run write =
            run(QUILLWRIGHT_MOD, {"write", "forum", "changed", "-o", "package"}, work.path());
        QCOMPARE(QString::fromUtf8(write.err),
                 QString::fromUtf8(readFile(dir.filePath("expected.report"))));
        QCOMPARE(write.status, name.startsWith("good--") ? 0 : 1);
        if (name.startsWith("copied-whole--"))
            QVERIFY2(write.err.contains("the script copies the whole file"), write.err);
        const QByteArray script = readFile(work.filePath("package/install.mod"));
        QCOMPARE(QString::fromUtf8(script),
                 QString::fromUtf8(readFile(dir.filePath("expected.mod")))
                     .replace("{version}", ModFormat::versionNumber()));

        // The checker finds no error in it (the header's placeholders are warnings).
        const Run check =
            run(QUILLWRIGHT_CHECK, {"--color=never", "package/install.mod"}, work.path());
        QVERIFY2(check.status == 0, check.out.constData());
        const Run install =
            run(QUILLWRIGHT_MOD,
                {"install", "--forum", "forum", "-o", "again", "package/install.mod"}, work.path());
        QCOMPARE(install.status, 0);
        QDirIterator files(work.filePath("changed"), QDir::Files | QDir::Hidden,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = QDir(work.filePath("changed")).relativeFilePath(files.next());
            QVERIFY2(readFile(work.filePath("again/" + path)) ==
                         readFile(work.filePath("changed/" + path)),
                     qPrintable(path));
        }
    }

    void install_refusesPathsOutsideTheForum_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("up and out") << "../../etc/passwd";
        QTest::newRow("up from inside") << "includes/../../x.php";
        QTest::newRow("a network share") << "//server/share/x.php";
        QTest::newRow("a home folder") << "~/x.php";
        QTest::newRow("a drive") << "C:\\autoexec.bat";
        QTest::newRow("through a link to elsewhere") << "outside/x.php";
    }
    void install_refusesPathsOutsideTheForum()
    {
        QFETCH(QString, path);
        QTemporaryDir forum;
        QTemporaryDir elsewhere;
        writeFile(elsewhere.filePath("x.php"), "secret\n");
        QVERIFY(QFile::link(elsewhere.path(), forum.filePath("outside")));
        writeFile(forum.filePath("index.php"), "<?php\n");
        const QStringList lines = script(
            {"OPEN|" + path, "FIND|secret", "AFTER, ADD|evil", "COPY|copy root/a.txt to " + path});
        const Install::Result r =
            Install::install({{"evil.mod", lines, FileTree::memory({{"root/a.txt", "evil\n"}})}},
                             FileTree::folder(forum.path()));
        QCOMPARE(rulesOf(r), (QStringList{"path-outside-forum", "path-outside-forum"}));
        QVERIFY(r.files.empty());
        QVERIFY(r.todo.empty());
        QCOMPARE(readFile(elsewhere.filePath("x.php")), QByteArray("secret\n"));
        // A package's link that leads out is not copied, not even by a wildcard.
        QTemporaryDir package;
        writeFile(package.filePath("root/a.php"), "<?php\n");
        QVERIFY(QFile::link(elsewhere.filePath("x.php"), package.filePath("root/b.php")));
        const Install::Result all = Install::install(
            {{"all.mod", script({"COPY|copy root/*.* to *.*"}), FileTree::folder(package.path())}},
            FileTree::folder(forum.path()));
        QCOMPARE(rulesOf(all), QStringList{"path-outside-package"});
        QVERIFY(all.files.empty() && all.todo.empty());
        // Nor when a script in contrib/ finds it above its own folder.
        const Install::Result above =
            Install::install({{"contrib.mod", script({"COPY|copy root/b.php to b.php"}),
                               FileTree::folder(package.path()), "contrib"}},
                             FileTree::folder(forum.path()));
        QCOMPARE(rulesOf(above), QStringList{"path-outside-package"});
        QVERIFY(above.files.empty() && above.todo.empty() && above.fromAbove.empty());
    }

    // What a shell user types, what the tool answers: its status, and a line it says.
    void commandLine_answersByItsStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QStringList install = {"install", "--forum", "forum", "-o"};
        QTest::newRow("a FIND that fails")
            << QStringList{"diff", "--forum=forum", "x.mod"} << 1
            << "x.mod:17:9: error: FIND matches nothing in viewtopic.php";
        QTest::newRow("what is left to do") << QStringList{"diff", "--forum=forum", "x.mod"} << 1
                                            << "note: to do by hand: DROP TABLE x; [todo-sql]";
        QTest::newRow("how it went")
            << QStringList{"diff", "--forum=forum", "x.mod"} << 1
            << "quillwright-mod: 3 actions applied, 1 failed; 1 file changed; 1 thing left to do "
               "by hand";
        QTest::newRow("a forum that is no folder")
            << QStringList{"install", "--forum", "bad forum", "-o", "o2", "x.mod"} << 2
            << "is not a folder";
        QTest::newRow("a copy inside the forum")
            << install + QStringList{"forum/in", "x.mod"} << 1 << "a folder inside it";
        QTest::newRow("not a command") << QStringList{"frobnicate"} << 2 << "is not a command";
        QTest::newRow("a script in UTF-16") << install + QStringList{"o3", "utf16.mod"} << 2
                                            << "cannot read utf16.mod: It is encoded as UTF-16";
        QTest::newRow("a binary file") << install + QStringList{"o3", "logo.mod"} << 2
                                       << "cannot read logo.mod: It is a binary file";
        QTest::newRow("a package as downloaded")
            << install + QStringList{"o4", "quick_reply.zip"} << 0
            << "quillwright-mod: 4 actions applied, 0 failed; 2 files changed; 0 things left";
        QTest::newRow("a package named .mod")
            << QStringList{"diff", "--forum", "forum", "package.mod"} << 0 << "4 actions applied";
        QTest::newRow("a package with several scripts")
            << QStringList{"diff", "--forum", "forum", "two.zip"} << 2
            << "several MOD scripts: QR/contrib/add-on.mod, QR/upgrade.mod; name one with "
               "--script NAME";
        QTest::newRow("the one --script names")
            << QStringList{"diff", "--forum", "forum", "--script", "add-on.mod", "two.zip"} << 1
            << "two.zip/QR/contrib/add-on.mod:9:9: error: FIND matches nothing";
        QTest::newRow("a script the package lacks")
            << QStringList{"diff", "--forum", "forum", "--script=nothing.mod", "two.zip"} << 2
            << "the archive has no nothing.mod; its MOD scripts: QR/contrib/add-on.mod";
        QTest::newRow("an entry that climbs out")
            << QStringList{"diff", "--forum", "forum", "climbs.zip"} << 2
            << "entry ../../evil.php leads outside the archive's folder";
        QTest::newRow("an absolute entry")
            << QStringList{"diff", "--forum", "forum", "absolute.zip"} << 2
            << "entry /etc/evil leads outside";
        QTest::newRow("a link in the package")
            << QStringList{"diff", "--forum", "forum", "link.zip"} << 2
            << "entry QR/root/shadow is a link";
        QTest::newRow("a package made to fill a disk")
            << QStringList{"diff", "--forum", "forum", "bomb.zip"} << 2
            << "far more than its own size";
        QTest::newRow("an add-on copies what its package holds above it")
            << install + QStringList{"o5", "qr/contrib/add-on.mod"} << 0
            << "root/quick_reply.php is not beside the script: it is copied from "
               "../root/quick_reply.php, in the package [copy-from-above]";
        QTest::newRow("an add-on in an archive")
            << QStringList{"diff", "--forum", "forum", "--script", "add-on.mod", "three.zip"} << 0
            << "three.zip/QR/contrib/add-on.mod:7:1: note: root/quick_reply.php is not beside";
        QTest::newRow("root/ above with no MOD of its own")
            << QStringList{"diff", "--forum", "forum", "a/b/loose/contrib/add-on.mod"} << 0
            << "to do by hand: copy root/quick_reply.php to quick_reply.php [todo-copy]";
        QTest::newRow("the checker takes a package's script")
            << QStringList{"check", "--forum", "forum", "quick_reply.zip"} << 0
            << "quick_reply.zip/QR/install.mod:";
    }
    void commandLine_answersByItsStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir dir;
        writeFile(dir.filePath("forum/viewtopic.php"), Viewtopic);
        writeFile(dir.filePath("bad forum"), "a file");
        const QStringList lines = script({"OPEN|viewtopic.php", "FIND|$colspan", "AFTER, ADD|ok;",
                                          "FIND|nowhere", "SQL|DROP TABLE x;"});
        writeFile(dir.filePath("x.mod"), lines.join("\r\n").toLatin1());
        QByteArray utf16 = "\xff\xfe";
        for (QChar c : lines.join("\r\n"))
            utf16 += QByteArray::fromRawData(reinterpret_cast<const char*>(&c), 2);
        writeFile(dir.filePath("utf16.mod"), utf16);
        writeFile(dir.filePath("logo.mod"), QByteArray("GIF89a\0\1\0\1", 10));
        const QByteArray good =
            script({"COPY|copy root/quick_reply.php to quick_reply.php", "OPEN|viewtopic.php",
                    "FIND|$colspan", "AFTER, ADD|$quick = 1;"})
                .join("\r\n")
                .toLatin1();
        const QByteArray failing =
            script({"OPEN|viewtopic.php", "FIND|$quick = 1;", "AFTER, ADD|$more = 1;"})
                .join("\r\n")
                .toLatin1();
        writeZip(dir.filePath("quick_reply.zip"), {{"QR/install.mod", good},
                                                   {"QR/root/quick_reply.php", "<?php\n"},
                                                   {"QR/contrib/readme.txt", "thanks\n"}});
        QVERIFY(QFile::copy(dir.filePath("quick_reply.zip"), dir.filePath("package.mod")));
        writeZip(dir.filePath("two.zip"),
                 {{"QR/upgrade.mod", good}, {"QR/contrib/add-on.mod", failing}});
        writeZip(dir.filePath("climbs.zip"), {{"QR/install.mod", good}, {"../../evil.php", "x"}});
        writeZip(dir.filePath("absolute.zip"), {{"QR/install.mod", good}, {"/etc/evil", "x"}});
        writeZip(dir.filePath("link.zip"),
                 {{"QR/install.mod", good}, {"QR/root/shadow@", "/etc/shadow"}});
        writeZip(dir.filePath("bomb.zip"),
                 {{"QR/install.mod", good}, {"QR/root/zeros.php", QByteArray(8 << 20, '\0')}});
        const QByteArray addOn =
            script({"COPY|copy root/quick_reply.php to quick_reply.php"}).join("\r\n").toLatin1();
        writeZip(dir.filePath("three.zip"), {{"QR/install.mod", good},
                                             {"QR/root/quick_reply.php", "<?php\n"},
                                             {"QR/contrib/add-on.mod", addOn}});
        for (const QString& top : {"qr", "a/b/loose"}) {
            writeFile(dir.filePath(top + "/root/quick_reply.php"), "<?php\n");
            writeFile(dir.filePath(top + "/contrib/add-on.mod"), addOn);
        }
        writeFile(dir.filePath("qr/install.mod"), good);

        const Run r = run(QUILLWRIGHT_MOD, args, dir.path());
        QVERIFY2((r.out + r.err).contains(says.toUtf8()), (r.out + r.err).constData());
        QCOMPARE(r.status, status);
        for (const char* out : {"o4", "o5"}) // COPY took its file from root/ of the package
            if (args.contains(out))
                QCOMPARE(readFile(dir.filePath(QString(out) + "/quick_reply.php")),
                         QByteArray("<?php\n"));
        if (status == 2 && args.value(0) == "install")
            QVERIFY(!QFileInfo::exists(dir.filePath(args.value(4))));
        QCOMPARE(readFile(dir.filePath("forum/viewtopic.php")), Viewtopic);
    }

    // The writer on the command line, from folders named as a shell user
    // names them: the package it writes installs back to the changed forum.
    void commandLine_write_makesAPackageThatInstallsBack()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("forum/viewtopic.php"), Viewtopic);
        writeFile(dir.filePath("forum/index.php"), "<?php\n");
        writeFile(dir.filePath("mine/viewtopic.php"),
                  QByteArray(Viewtopic).replace("$colspan = 2;", "$colspan = 3;"));
        writeFile(dir.filePath("mine/index.php"), "<?php\n");
        writeFile(dir.filePath("mine/includes/qr.php"), "<?php\n// new\n");
        const auto run = [&](const QStringList& args) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(QUILLWRIGHT_MOD, args);
            p.waitForFinished(30000);
            return std::pair{p.exitCode(), p.readAllStandardError()};
        };
        QCOMPARE(run({"write", "forum", "mine", "-o", "pkg"}).first, 0);
        const QByteArray written = readFile(dir.filePath("pkg/install.mod"));
        QCOMPARE(written.count("#-----[ OPEN ]"), 1);
        QVERIFY(written.contains("copy root/includes/qr.php to includes/qr.php\r\n"));
        QCOMPARE(QDir(dir.filePath("pkg/root")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{"includes"});
        QCOMPARE(run({"install", "--forum", "forum", "-o", "again", "pkg/install.mod"}).first, 0);
        for (const char* file : {"viewtopic.php", "index.php", "includes/qr.php"})
            QCOMPARE(readFile(dir.filePath("again/") + file),
                     readFile(dir.filePath("mine/") + file));
        // The same package as a zip: the folder form's files, and it installs back.
        QCOMPARE(run({"write", "forum", "mine", "-o", "pkg.zip"}).first, 0);
        const ModArchive::Package zipped = ModArchive::read(readFile(dir.filePath("pkg.zip")));
        QVERIFY2(zipped.error.isEmpty(), qPrintable(zipped.error));
        QCOMPARE(zipped.scripts, QStringList{"install.mod"});
        QCOMPARE(zipped.files.read("install.mod"), std::optional(written));
        QCOMPARE(zipped.files.read("root/includes/qr.php"),
                 std::optional(readFile(dir.filePath("pkg/root/includes/qr.php"))));
        QVERIFY(!zipped.files.read("root/viewtopic.php"));
        QCOMPARE(run({"install", "--forum", "forum", "-o", "fromzip", "pkg.zip"}).first, 0);
        for (const char* file : {"viewtopic.php", "index.php", "includes/qr.php"})
            QCOMPARE(readFile(dir.filePath("fromzip/") + file),
                     readFile(dir.filePath("mine/") + file));
        // The script alone names what it cannot carry; a full folder, a zip
        // inside the forum or where a folder is, and a name that would break
        // the script are refused, nothing written.
        const auto [alone, said] = run({"write", "forum", "mine", "-o", "alone.mod"});
        QCOMPARE(alone, 1);
        QVERIFY2(said.contains("includes/qr.php: the script alone cannot carry"), said);
        QCOMPARE(run({"write", "forum", "mine", "-o", "pkg"}).first, 2);
        QCOMPARE(run({"write", "forum", "mine", "-o", "mine/pkg"}).first, 2);
        QCOMPARE(run({"write", "forum", "mine", "-o", "mine/pkg.zip"}).first, 2);
        QVERIFY(!QFileInfo::exists(dir.filePath("mine/pkg.zip")));
        QDir(dir.path()).mkdir("folder.zip");
        const auto [onFolder, folderSaid] = run({"write", "forum", "mine", "-o", "folder.zip"});
        QCOMPARE(onFolder, 2);
        QVERIFY2(folderSaid.contains("is a folder, not a file"), folderSaid);
        // Nothing written into an archive that a reader would refuse.
        QVERIFY(!ModArchive::pack({{"../evil.php", "x", 0644, {}}}).error.isEmpty());
        const ModArchive::Packed twice =
            ModArchive::pack({{"a.mod", "x", 0644, {}}, {"a.mod", "y", 0644, {}}});
        QVERIFY(!twice.error.isEmpty() && twice.bytes.isEmpty());
        QCOMPARE(run({"write", "--name", "qr.mod", "forum", "mine", "-o", "named"}).first, 0);
        QVERIFY(QFileInfo::exists(dir.filePath("named/qr.mod")));
        writeFile(dir.filePath("mine/a\nb.php"), "x");
        const auto [broken, why] = run({"write", "forum", "mine", "-o", "broken"});
        QCOMPARE(broken, 2);
        QVERIFY2(why.contains("a\\nb.php") && why.contains("line break"), why);
        QVERIFY(!QFileInfo::exists(dir.filePath("broken")));
        // An upgrade between two versions of a script, each with its root/.
        for (const char* v : {"1.0.0", "1.1.0"}) {
            const QString folder = dir.filePath(QStringLiteral("v%1/").arg(v));
            writeFile(folder + "root/qr.php", QByteArray("<?php // ") + v + "\n");
            writeFile(
                folder + "install.mod",
                (QStringList{"## MOD Title: QR", QStringLiteral("## MOD Version: %1").arg(v)} +
                 script({"COPY|copy root/qr.php to qr.php", "OPEN|viewtopic.php", "FIND|$colspan",
                         QStringLiteral("AFTER, ADD|$qr = '%1';").arg(v)}))
                    .join("\r\n")
                    .toLatin1());
        }
        QCOMPARE(run({"write", "--upgrade", "v1.0.0/install.mod", "v1.1.0/install.mod", "--forum",
                      "forum", "-o", "up"})
                     .first,
                 0);
        QVERIFY(readFile(dir.filePath("up/install.mod"))
                    .startsWith("## MOD Title: QR upgrade from 1.0.0 to 1.1.0\r\n"));
        // The same as a zip, from the first version as it was published (a zip).
        writeZip(dir.filePath("v1.0.0.zip"),
                 {{"QR/install.mod", readFile(dir.filePath("v1.0.0/install.mod"))},
                  {"QR/root/qr.php", readFile(dir.filePath("v1.0.0/root/qr.php"))}});
        QCOMPARE(run({"write", "--upgrade", "v1.0.0.zip", "v1.1.0/install.mod", "--forum", "forum",
                      "-o", "up.zip"})
                     .first,
                 0);
        const ModArchive::Package up = ModArchive::read(readFile(dir.filePath("up.zip")));
        QVERIFY2(up.error.isEmpty(), qPrintable(up.error));
        int files = 0;
        for (QDirIterator it(dir.filePath("up"), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext(); ++files) {
            const QString path = it.next();
            QCOMPARE(up.files.read(QDir(dir.filePath("up")).relativeFilePath(path)),
                     std::optional(readFile(path)));
        }
        QCOMPARE(up.files.filesUnder(QString()).size(), files);
    }

    void forumCopy_isWrittenWholeOrNotAtAll()
    {
        QTemporaryDir forum;
        writeFile(forum.filePath("viewtopic.php"), Viewtopic);
        writeFile(forum.filePath("templates/subSilver/overall_header.tpl"), "<html>\n");
        Install::Result r;
        r.files.push_back({"viewtopic.php", Viewtopic, "changed\n", true});
        QTemporaryDir out;
        // Never the forum itself, a folder inside it, or one that is not empty.
        QVERIFY(!Install::unfitTarget(forum.path(), forum.path()).isEmpty());
        QVERIFY(!Install::unfitTarget(forum.path(), forum.filePath("templates/new")).isEmpty());
        writeFile(out.filePath("full/x"), "x");
        QVERIFY(!Install::writeForumCopy(forum.path(), out.filePath("full"), r).ok);
        // Cancelled half way: no folder, no half-written tree beside it.
        const Install::WriteOutcome cancelled = Install::writeForumCopy(
            forum.path(), out.filePath("copy"), r, [](int done, int) { return done < 2; });
        QVERIFY(!cancelled.ok);
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"full"});
        const Install::WriteOutcome done =
            Install::writeForumCopy(forum.path(), out.filePath("copy"), r);
        QVERIFY2(done.ok, qPrintable(done.error));
        QCOMPARE(readFile(out.filePath("copy/viewtopic.php")), QByteArray("changed\n"));
        QCOMPARE(readFile(out.filePath("copy/templates/subSilver/overall_header.tpl")),
                 QByteArray("<html>\n"));
        QCOMPARE(readFile(forum.filePath("viewtopic.php")), Viewtopic);
    }

    // The copy a forum owner uploads is the forum, changed only where the
    // scripts say: what cp -a makes of it, but for the changed files.
    void forumCopy_isTheForumButForTheChangedFiles()
    {
        QTemporaryDir dir;
        const QString forum = dir.filePath("forum");
        writeFile(dir.filePath("elsewhere/secret.php"), "secret\n");
        writeFile(forum + "/viewtopic.php", Viewtopic);
        writeFile(forum + "/cron.sh", "#!/bin/sh\n");
        writeFile(forum + "/config.php", "<?php $dbpasswd = 'x'; ?>\n");
        writeFile(forum + "/templates/subSilver/subSilver.cfg", "<?php\n");
        writeFile(forum + "/cache/.htaccess", "deny from all\n");
        QVERIFY(QFile::link("templates/subSilver", forum + "/templates/default"));
        QVERIFY(QFile::link("../viewtopic.php", forum + "/templates/topic.php"));
        QVERIFY(QFile::link(dir.filePath("elsewhere/secret.php"), forum + "/secret.php"));
        QVERIFY(QFile::link("../elsewhere", forum + "/shared"));
        QCOMPARE(::chmod(QFile::encodeName(forum + "/cron.sh"), 0755), 0);
        QCOMPARE(::chmod(QFile::encodeName(forum + "/config.php"), 0600), 0);
        QCOMPARE(::chmod(QFile::encodeName(forum + "/templates/subSilver"), 0555), 0);
        QCOMPARE(::chmod(QFile::encodeName(forum), 0751), 0);
        QProcess touch;
        touch.start("find",
                    {forum, "-exec", "touch", "-h", "-d", "2004-03-01 12:00:00.5", "{}", "+"});
        QVERIFY(touch.waitForFinished(30000));
        Install::Result r;
        r.files.push_back({"config.php", std::nullopt, "<?php $dbpasswd = 'y'; ?>\n", true});
        r.files.push_back({"templates/subSilver/quick.tpl", std::nullopt, "<form>\n", true});
        const Install::WriteOutcome done = Install::writeForumCopy(forum, dir.filePath("copy"), r);
        QVERIFY2(done.ok, qPrintable(done.error));
        QProcess cp;
        cp.start("cp", {"-a", forum, dir.filePath("reference")});
        QVERIFY(cp.waitForFinished(30000));
        // A folder's time stays too: the copy is its old self, and one more file.
        const QStringList changed = {"config.php", "templates/subSilver/quick.tpl"};
        QCOMPARE(describe(dir.filePath("copy"), changed),
                 describe(dir.filePath("reference"), changed));
        QFileInfo config(dir.filePath("copy/config.php"));
        QCOMPARE(int(config.permissions() & 0x7777),
                 int(QFileInfo(forum + "/config.php").permissions() & 0x7777));
        QCOMPARE(readFile(dir.filePath("copy/templates/subSilver/quick.tpl")),
                 QByteArray("<form>\n"));
        QCOMPARE(QFileInfo(dir.filePath("copy/templates/topic.php")).symLinkTarget(),
                 dir.filePath("copy/viewtopic.php"));

        // A changed file where the forum has a link leading out is never written through it.
        r.files.push_back({"secret.php", std::nullopt, "evil\n", true});
        QVERIFY(!Install::writeForumCopy(forum, dir.filePath("copy2"), r).ok);
        r.files.back().path = "shared/secret.php";
        QVERIFY(!Install::writeForumCopy(forum, dir.filePath("copy2"), r).ok);
        QCOMPARE(readFile(dir.filePath("elsewhere/secret.php")), QByteArray("secret\n"));
        QVERIFY(!QFileInfo::exists(dir.filePath("copy2")));
        ::chmod(QFile::encodeName(forum + "/templates/subSilver"), 0755);
        ::chmod(QFile::encodeName(dir.filePath("copy/templates/subSilver")), 0755);
        ::chmod(QFile::encodeName(dir.filePath("reference/templates/subSilver")), 0755);
    }
};

QTEST_GUILESS_MAIN(TestInstaller)
#include "tst_installer.moc"
