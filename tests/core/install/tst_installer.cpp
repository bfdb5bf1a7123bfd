#include "core/install/ForumFolder.h"
#include "core/install/ModInstaller.h"
#include "core/install/UnifiedDiff.h"
#include "core/script/ModReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Dashes = QStringLiteral("------------------------------------------");

// A script in the layout of the MOD template: "ACTION:content" pieces, each
// an action with its "#" frame.
QStringList script(const QStringList& actions)
{
    QStringList lines = {"## MOD Title: test", "##############", ""};
    for (const QString& a : actions) {
        const qsizetype colon = a.indexOf(u'|');
        lines << "#"
              << "#-----[ " + a.first(colon) + " ]" + Dashes << "#";
        lines << a.sliced(colon + 1).split(u'\n');
    }
    lines << "#"
          << "#-----[ SAVE/CLOSE ALL FILES ]" + Dashes << "#"
          << "# EoM";
    return lines;
}

Install::Files filesOf(const QHash<QString, QByteArray>& files)
{
    return [files](const QString& path) -> std::optional<QByteArray> {
        if (files.contains(path))
            return files.value(path);
        return std::nullopt;
    };
}

QStringList rulesOf(const Install::Result& r)
{
    QStringList out;
    for (const Install::Finding& f : r.findings)
        out << f.finding.rule;
    return out;
}

QByteArray resultOf(const Install::Result& r, const QString& path)
{
    for (const Install::ChangedFile& f : r.files)
        if (f.path == path)
            return f.result;
    return "(unchanged)";
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

const QByteArray Viewtopic = "<?php\r\n"
                             "define('IN_PHPBB', true);\r\n"
                             "\r\n"
                             "$topic_id = intval($HTTP_GET_VARS['t']);\r\n"
                             "$sql = \"SELECT * FROM \" . TOPICS_TABLE . \" WHERE topic_id = "
                             "$topic_id\";\r\n"
                             "if ( !($result = $db->sql_query($sql)) )\r\n"
                             "{\r\n"
                             "\tmessage_die(GENERAL_ERROR, 'No topic', '', __LINE__);\r\n"
                             "}\r\n"
                             "$template->assign_vars(array('L_POSTS' => $lang['Posts']));\r\n"
                             "$colspan = 2;\r\n"
                             "?>";

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    // What a careful person applying the script by hand would write.
    void install_writesWhatAPersonWouldByHand_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QStringList>("rules");
        const QString open = "OPEN|viewtopic.php";
        QByteArray v = Viewtopic;
        QTest::newRow("after a partial FIND line, whole lines, CR LF kept")
            << v << QStringList{open, "FIND|$topic_id = intval(", "AFTER, ADD|$mode = 1;\n$x = 2;"}
            << QByteArray(v).replace("['t']);\r\n", "['t']);\r\n$mode = 1;\r\n$x = 2;\r\n")
            << QStringList{};
        QTest::newRow("before, and the FIND's lines as a block")
            << v << QStringList{open, "FIND|if ( !($result\n{", "BEFORE, ADD|// mine"}
            << QByteArray(v).replace("if ( !($result", "// mine\r\nif ( !($result")
            << QStringList{};
        QTest::newRow("replace with, blanks ignored in the FIND")
            << v << QStringList{open, "FIND|$colspan   =   2;", "REPLACE WITH|$colspan = 3;"}
            << QByteArray(v).replace("$colspan = 2;", "$colspan = 3;") << QStringList{};
        QTest::newRow("an empty replace with deletes, a note in it")
            << v
            << QStringList{open, "FIND|$colspan = 2;", "REPLACE WITH|# this line must be deleted"}
            << QByteArray(v).replace("$colspan = 2;\r\n", "") << QStringList{};
        QTest::newRow("one FIND, before and after")
            << v << QStringList{open, "FIND|$colspan", "BEFORE, ADD|a;", "AFTER, ADD|b;"}
            << QByteArray(v).replace("$colspan = 2;\r\n", "a;\r\n$colspan = 2;\r\nb;\r\n")
            << QStringList{};
        QTest::newRow("the next FIND goes on after the lines added")
            << v
            << QStringList{open, "FIND|define(", "AFTER, ADD|$colspan = 9;", "FIND|$colspan",
                           "REPLACE WITH|$colspan = 4;"}
            << QByteArray(v)
                   .replace("true);\r\n", "true);\r\n$colspan = 9;\r\n")
                   .replace("$colspan = 2;", "$colspan = 4;")
            << QStringList{};
        QTest::newRow("a FIND never looks above the one before; the rest goes on")
            << v << QStringList{open,      "FIND|$colspan",     "FIND|define(", "AFTER, ADD|lost",
                                "FIND|?>", "BEFORE, ADD|// end"}
            << QByteArray(v).replace("?>", "// end\r\n?>") << QStringList{"find-no-match"};
        QTest::newRow("in-line after, add keeps its leading blank")
            << v
            << QStringList{open, "FIND|$template->assign_vars", "IN-LINE FIND|$lang['Posts']",
                           "IN-LINE AFTER, ADD|, 'L_NEW' => $lang['New']"}
            << QByteArray(v).replace("$lang['Posts']", "$lang['Posts'], 'L_NEW' => $lang['New']")
            << QStringList{};
        QTest::newRow("in-line before and replace; a second IN-LINE FIND from the line's start")
            << v
            << QStringList{open,
                           "FIND|SELECT",
                           "IN-LINE FIND|TOPICS_TABLE",
                           "IN-LINE REPLACE WITH|POSTS_TABLE",
                           "IN-LINE FIND|SELECT",
                           "IN-LINE BEFORE, ADD|DISTINCT "}
            << QByteArray(v)
                   .replace("TOPICS_TABLE", "POSTS_TABLE")
                   .replace("\"SELECT", "\"DISTINCT SELECT")
            << QStringList{};
        QTest::newRow("an in-line fragment with blanks of its own")
            << v
            << QStringList{open, "FIND|if ( !(", "IN-LINE FIND|$db->sql_query( $sql )",
                           "IN-LINE AFTER, ADD| && $ok"}
            << QByteArray(v).replace("sql_query($sql)", "sql_query($sql) && $ok") << QStringList{};
        QTest::newRow("increment the number a placeholder found")
            << v << QStringList{open, "FIND|$colspan = {%:1};", "INCREMENT|%:1 +1"}
            << QByteArray(v).replace("$colspan = 2;", "$colspan = 3;") << QStringList{};
        QTest::newRow("increment written with braces, by fifteen down")
            << QByteArray("$colspan = 20;\n")
            << QStringList{open, "FIND|$colspan = {%:1}", "INCREMENT|{%:1} -15"}
            << QByteArray("$colspan = 5;\n") << QStringList{};
        QTest::newRow("an LF file gets LF, and stays without a final line end")
            << QByteArray("a\nb") << QStringList{open, "FIND|b", "AFTER, ADD|c"}
            << QByteArray("a\nb\nc") << QStringList{};
        QTest::newRow("a file opened twice is searched from the top again")
            << v << QStringList{open, "FIND|$colspan", "AFTER, ADD|// one",
                                open, "FIND|define(",  "AFTER, ADD|// two"}
            << QByteArray(v)
                   .replace("$colspan = 2;\r\n", "$colspan = 2;\r\n// one\r\n")
                   .replace("true);\r\n", "true);\r\n// two\r\n")
            << QStringList{};
        QTest::newRow("after an unknown keyword, what needs a FIND waits for the next")
            << v
            << QStringList{open,      "FIND|define(",    "CHERCHER|$colspan", "AFTER, ADD|lost",
                           "FIND|?>", "BEFORE, ADD|kept"}
            << QByteArray(v).replace("?>", "kept\r\n?>") << QStringList{};
        QTest::newRow("Windows-1252 letters stay the bytes they were")
            << QByteArray("$l = 'caf\xe9';\r\n")
            << QStringList{open, "FIND|$l", QString::fromLatin1("AFTER, ADD|$m = 'd\xe9j\xe0';")}
            << QByteArray("$l = 'caf\xe9';\r\n$m = 'd\xe9j\xe0';\r\n") << QStringList{};
        QTest::newRow("a FIND that matches nothing changes nothing")
            << v << QStringList{open, "FIND|no such line", "AFTER, ADD|x"}
            << QByteArray("(unchanged)") << QStringList{"find-no-match"};
        QTest::newRow("an IN-LINE FIND that matches nothing skips its IN-LINE actions")
            << v
            << QStringList{open, "FIND|$colspan", "IN-LINE FIND|nothing", "IN-LINE AFTER, ADD|x",
                           "AFTER, ADD|// still"}
            << QByteArray(v).replace("$colspan = 2;\r\n", "$colspan = 2;\r\n// still\r\n")
            << QStringList{"inline-no-match"};
    }

    void install_writesWhatAPersonWouldByHand()
    {
        QFETCH(QByteArray, original);
        QFETCH(QStringList, actions);
        QFETCH(QByteArray, expected);
        QFETCH(QStringList, rules);
        // The script as a Windows-1252 file is read.
        const QByteArray bytes = script(actions).join("\r\n").toLatin1();
        const Install::Result r = Install::install({{"test.mod", ModReader::readLines(bytes), {}}},
                                                   filesOf({{"viewtopic.php", original}}));
        QCOMPARE(rulesOf(r), rules);
        QCOMPARE(resultOf(r, "viewtopic.php"), expected);
    }

    void install_refusesPathsOutsideTheForum_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("up and out") << "../../etc/passwd";
        QTest::newRow("up from inside") << "includes/../../x.php";
        QTest::newRow("absolute") << "/etc/passwd";
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
            Install::install({{"evil.mod", lines, filesOf({{"root/a.txt", "evil\n"}})}},
                             Install::folderFiles(forum.path()), [&](const QString& p) {
                                 return Install::leavesFolder(forum.path(), p);
                             });
        QCOMPARE(rulesOf(r), (QStringList{"path-outside-forum", "path-outside-forum"}));
        QVERIFY(r.files.empty());
        QCOMPARE(readFile(elsewhere.filePath("x.php")), QByteArray("secret\n"));
    }

    void severalScripts_inARow_sayWhichEarlierActionALaterFindMeets()
    {
        const QStringList first =
            script({"OPEN|viewtopic.php", "FIND|$colspan = 2;", "REPLACE WITH|$colspan = 3;"});
        const QStringList second =
            script({"OPEN|viewtopic.php", "FIND|$colspan = 2;", "AFTER, ADD|$mine = 1;"});
        const Install::Result r =
            Install::install({{"first.mod", first, {}}, {"second.mod", second, {}}},
                             filesOf({{"viewtopic.php", Viewtopic}}));
        QCOMPARE(rulesOf(r), QStringList{"find-no-match"});
        QCOMPARE(r.findings.front().script, 1);
        const QString message = r.findings.front().finding.message;
        QVERIFY2(
            message.contains("conflicts with first.mod, action at line " +
                             QString::number(first.indexOf("#-----[ REPLACE WITH ]" + Dashes) + 1)),
            qPrintable(message));
        // The first script's change is in the result.
        QVERIFY(resultOf(r, "viewtopic.php").contains("$colspan = 3;"));
    }

    void copySqlAndDiy_areDoneOrListedToDo()
    {
        const QStringList lines = script({"COPY|copy root/images/x.gif to images/x.gif\n"
                                          "copy root/missing.php to missing.php",
                                          "SQL|ALTER TABLE phpbb_users ADD x INT;",
                                          "DIY INSTRUCTIONS|Clear the template cache."});
        const Install::Result r = Install::install(
            {{"copy.mod", lines, filesOf({{"root/images/x.gif", QByteArray("GIF89a\0\1", 8)}})}},
            filesOf({}));
        QVERIFY(r.findings.empty());
        QCOMPARE(int(r.files.size()), 1);
        QCOMPARE(r.files.front().path, QString("images/x.gif"));
        QVERIFY(!r.files.front().original && !r.files.front().text);
        QStringList todo;
        for (const Install::ToDo& t : r.todo)
            todo << t.kind + ": " + t.text;
        QCOMPARE(todo, (QStringList{"copy: copy root/missing.php to missing.php",
                                    "sql: ALTER TABLE phpbb_users ADD x INT;",
                                    "diy: Clear the template cache."}));
    }

    // patch -p1 in a fresh copy of the forum gives what the installation writes.
    void diff_appliedByPatch_givesTheInstalledFiles()
    {
        if (QStandardPaths::findExecutable("patch").isEmpty())
            QSKIP("patch is not installed");
        QTemporaryDir forum;
        writeFile(forum.filePath("viewtopic.php"), Viewtopic);
        writeFile(forum.filePath("includes/functions.php"), "<?php\nfunction a()\n{\n}\n");
        writeFile(forum.filePath("language/lang_english/lang_main.php"),
                  "<?php\n$lang['A'] = 'a';\n\n?>");
        const QStringList lines =
            script({"OPEN|viewtopic.php", "FIND|define(", "AFTER, ADD|// added", "FIND|$colspan",
                    "REPLACE WITH|", "OPEN|includes/functions.php", "FIND|function a()\n{",
                    "AFTER, ADD|\treturn 1;", "OPEN|language/lang_english/lang_main.php", "FIND|?>",
                    "BEFORE, ADD|$lang['B'] = 'b';", "COPY|copy root/new.php to includes/new.php"});
        const Install::Result r =
            Install::install({{"x.mod", lines, filesOf({{"root/new.php", "<?php\n"}})}},
                             Install::folderFiles(forum.path()));
        QVERIFY(r.findings.empty());
        QCOMPARE(int(r.files.size()), 4);
        QByteArray patch;
        for (const Install::ChangedFile& f : r.files)
            patch += Install::unifiedDiff(f.path, f.original, f.result);
        QTemporaryDir copy;
        const QString target = copy.filePath("forum");
        QVERIFY(Install::writeForumCopy(forum.path(), target, {}).ok);
        QProcess p;
        p.setWorkingDirectory(target);
        p.start("patch", {"-p1", "--quiet", "--binary"});
        p.write(patch);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardOutput() + p.readAllStandardError());
        for (const Install::ChangedFile& f : r.files)
            QCOMPARE(readFile(QDir(target).filePath(f.path)), f.result);
    }

    void commandLine_diffAndInstall_reportInTheCompilerForm()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("forum/viewtopic.php"), Viewtopic);
        writeFile(dir.filePath("bad forum"), "a file");
        const QStringList lines = script({"OPEN|viewtopic.php", "FIND|$colspan", "AFTER, ADD|ok;",
                                          "FIND|nowhere", "SQL|DROP TABLE x;"});
        writeFile(dir.filePath("x.mod"), lines.join("\r\n").toLatin1());
        const auto run = [&](const QStringList& args) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(QUILLWRIGHT_MOD, args);
            p.waitForFinished(30000);
            return std::tuple{p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
        };
        const auto [code, out, err] = run({"diff", "--forum=forum", "x.mod"});
        QCOMPARE(code, 1);
        QVERIFY(out.startsWith("--- a/viewtopic.php\n+++ b/viewtopic.php\n@@ "));
        QVERIFY(out.contains("+ok;\r\n"));
        const int findLine = int(lines.indexOf("#-----[ FIND ]" + Dashes, 12)) + 1;
        QVERIFY2(err.contains("x.mod:" + QByteArray::number(findLine) +
                              ":9: error: FIND matches "
                              "nothing in viewtopic.php"),
                 err);
        QVERIFY(err.contains("note: to do by hand: DROP TABLE x; [todo-sql]"));
        const auto [written, none, said] =
            run({"install", "--forum", "forum", "-o", "out", "x.mod"});
        QCOMPARE(written, 1); // written, but an action failed
        QVERIFY(readFile(dir.filePath("out/viewtopic.php")).contains("ok;\r\n"));
        QCOMPARE(std::get<0>(run({"install", "--forum", "bad forum", "-o", "o2", "x.mod"})), 2);
        QCOMPARE(std::get<0>(run({"install", "--forum", "forum", "-o", "forum/in", "x.mod"})), 1);
        QVERIFY(!QFileInfo::exists(dir.filePath("forum/in")));
        QCOMPARE(std::get<0>(run({"frobnicate"})), 2);
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
        // The script alone names what it cannot carry; a full folder, a zip
        // and a name that would break the script are refused, nothing written.
        const auto [alone, said] = run({"write", "forum", "mine", "-o", "alone.mod"});
        QCOMPARE(alone, 1);
        QVERIFY2(said.contains("includes/qr.php: the script alone cannot carry"), said);
        QCOMPARE(run({"write", "forum", "mine", "-o", "pkg"}).first, 2);
        QCOMPARE(run({"write", "forum", "mine", "-o", "pkg.zip"}).first, 2);
        QCOMPARE(run({"write", "forum", "mine", "-o", "mine/pkg"}).first, 2);
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
};

QTEST_GUILESS_MAIN(TestInstaller)
#include "tst_installer.moc"
