#include "core/checker/Rules.h"
#include "core/checker/ScriptChecker.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/script/ActionBuilder.h"
#include "core/script/AuthorDetails.h"
#include "core/script/HeaderFields.h"
#include "core/script/ModFormat.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <unistd.h>

using namespace Quillwright;

using namespace Checker;

namespace {

// A script as the forum's template lays it out, without a fault.
const QString Good = QStringLiteral(
    "############################################################## \n"
    "## MOD Title: Quick Reply\n"
    "## MOD Author: joe < joe@example.org > (Joe Bloggs) http://example.org\n"
    "## MOD Description: Adds a quick reply box\n"
    "##                  under each topic.\n"
    "## MOD Version: 1.0.2b\n"
    "## \n"
    "## Installation Level: Easy\n"
    "## Installation Time: 5 minutes\n"
    "## Files To Edit: viewtopic.php,\n"
    "##                templates/subSilver/viewtopic_body.tpl\n"
    "## Included Files: quick_reply.php\n"
    "############################################################## \n"
    "## For Security Purposes, Please Check: http://www.phpbb.com/mods/ for the\n"
    "## latest version of this MOD.\n"
    "############################################################## \n"
    "## Author Notes: none\n"
    "############################################################## \n"
    "## Before Adding This MOD To Your Forum, You Should Back Up All Files Related To This MOD\n"
    "############################################################## \n"
    "\n"
    "#\n"
    "#-----[ COPY ]------------------------------------------\n"
    "#\n"
    "copy quick_reply.php to quick_reply.php\n"
    "#\n"
    "#-----[ OPEN ]------------------------------------------\n"
    "#\n"
    "viewtopic.php\n"
    "#\n"
    "#-----[ FIND ]------------------------------------------\n"
    "# this is a partial line\n"
    "$template->assign_vars(array(\n"
    "#\n"
    "#-----[ AFTER, ADD ]------------------------------------------\n"
    "#\n"
    "'QUICK_REPLY' => true,\n"
    "#\n"
    "#-----[ OPEN ]------------------------------------------\n"
    "#\n"
    "templates/subSilver/viewtopic_body.tpl\n"
    "#\n"
    "#-----[ FIND ]------------------------------------------\n"
    "#\n"
    "<td class=\"row1\">{L_USERNAME}</td>\n"
    "#\n"
    "#-----[ IN-LINE FIND ]------------------------------------------\n"
    "#\n"
    "{L_USERNAME}\n"
    "#\n"
    "#-----[ IN-LINE AFTER, ADD ]------------------------------------------\n"
    "#\n"
    " {QUICK_REPLY}\n"
    "#\n"
    "#-----[ SAVE/CLOSE ALL FILES ]------------------------------------------\n"
    "#\n"
    "# EoM\n");

QStringList lines(const QString& text)
{
    return ModReader::readLines(text.toUtf8());
}

// The good script with `from` replaced by `to` (the first occurrence).
QString changed(const QString& from, const QString& to)
{
    QString s = Good;
    const qsizetype at = s.indexOf(from);
    Q_ASSERT(at >= 0);
    return s.replace(at, from.size(), to);
}

int lineOf(const QString& text, const QString& needle)
{
    return int(text.first(text.indexOf(needle)).count(u'\n')) + 1;
}

QString describe(const std::vector<Finding>& findings)
{
    QStringList out;
    for (const Finding& f : findings)
        out << compilerLine("s.mod", f);
    return out.join("\n");
}

} // namespace

class TestScriptChecker : public QObject {
    Q_OBJECT
private slots:
    void goodScript_hasNoFinding_inAnyLineEnding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("LF") << Good;
        QTest::newRow("CR LF") << QString(Good).replace("\n", "\r\n");
        QTest::newRow("CR") << QString(Good).replace("\n", "\r");
        QTest::newRow("the template's own labels, in lower case")
            << changed("## MOD Title:", "## mod title:").replace("## MOD Author:", "## Author:");
        QTest::newRow("tabs in the header")
            << changed("##                templates", "##\t\ttemplates");
    }
    void goodScript_hasNoFinding_inAnyLineEnding()
    {
        QFETCH(QString, text);
        const std::vector<Finding> found = checkScript(lines(text));
        QVERIFY2(found.empty(), qPrintable(describe(found)));
    }

    // What the program writes itself, the template filled in by the
    // Properties dialog and the actions made by the builder, gives no
    // finding at all, whichever level the dialog offered was chosen. Only
    // "Files To Edit" is the author's own to type.
    void programsOwnScript_checksClean_data()
    {
        QTest::addColumn<QString>("level");
        QTest::newRow("easy") << "easy";
        QTest::newRow("moderate") << "moderate";
        QTest::newRow("hard") << "hard";
    }
    void programsOwnScript_checksClean()
    {
        QFETCH(QString, level);
        MemoryRichTextControl c;
        c.setText(ModFormat::defaultTemplate());
        HeaderValues v;
        v[HeaderValues::Title] = "Quick Reply";
        v[HeaderValues::Version] = "1.0.0";
        v[HeaderValues::Author] =
            joinAuthor({"joe", "joe@example.org", "Joe Bloggs", "http://x.y"});
        v[HeaderValues::Description] = "Adds a quick reply box under each topic.";
        v[HeaderValues::Level] = level;
        v[HeaderValues::Time] = "5 minutes";
        v[HeaderValues::Notes] = "Works with every style.";
        HeaderFields::WriteHeader(c, v);
        QString text = c.text().replace(ModFormat::filesToEditLabel() + "\r\n",
                                        ModFormat::filesToEditLabel() + "viewtopic.php\r\n");
        text += "\r\n" + ActionBuilder::buildBlock("OPEN", "viewtopic.php") +
                ActionBuilder::buildBlock("FIND", "$template->assign_vars(array(") +
                ActionBuilder::buildBlock("AFTER, ADD", "'QUICK_REPLY' => true,") +
                ActionBuilder::buildBlock("IN-LINE FIND", "array(") +
                ActionBuilder::buildBlock("IN-LINE AFTER, ADD", " 'QUICK_REPLY' => true,") +
                ActionBuilder::buildBlock("SAVE/CLOSE ALL FILES", ModFormat::endOfMod());
        const std::vector<Finding> found = checkScript(lines(text));
        QVERIFY2(found.empty(), qPrintable(describe(found) + "\n" + text));
    }

    // docs/CHECKER.md tells users each rule's severity: it is the table's.
    void ruleTable_isTheDocumentedOne()
    {
        QFile doc(QDir(QUILLWRIGHT_GOLDEN).filePath("../../../../docs/CHECKER.md"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        QHash<QString, QString> documented;
        static const QRegularExpression row("^\\| `([a-z0-9-]+)` \\| (error|warning|note) \\|");
        for (const QString& l : QString::fromUtf8(doc.readAll()).split('\n'))
            if (const QRegularExpressionMatch m = row.match(l); m.hasMatch())
                documented.insert(m.captured(1), m.captured(2));
        QCOMPARE(documented.size(), int(rules().size()));
        for (const RuleInfo& r : rules())
            QCOMPARE(documented.value(QString::fromLatin1(r.id)), severityName(r.severity));
    }

    // The golden cases: a script per case, in the styles real authors write,
    // and the findings it must give in the command line's own form
    // (scripts/update-golden.sh writes them after a deliberate
    // change). RULE--*.mod must give RULE; good--*.mod, what authors write
    // and reviewers accept, no error or warning.
    void goldenCases_giveTheirFindings_data()
    {
        QTest::addColumn<QString>("script");
        const QDir golden(QUILLWRIGHT_GOLDEN);
        const QStringList scripts = golden.entryList({"*.mod"}, QDir::Files, QDir::Name);
        QVERIFY(scripts.size() >= 40);
        for (const QString& name : scripts)
            QTest::newRow(qPrintable(name)) << name;
    }
    void goldenCases_giveTheirFindings()
    {
        QFETCH(QString, script);
        QFile expectedFile(
            QDir(QUILLWRIGHT_GOLDEN).filePath(QFileInfo(script).completeBaseName() + ".expected"));
        QVERIFY2(expectedFile.open(QIODevice::ReadOnly), "no .expected beside it");
        const QString expected = QString::fromUtf8(expectedFile.readAll());
        QProcess p;
        p.setWorkingDirectory(QUILLWRIGHT_GOLDEN);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", "en");
        env.insert("LC_ALL", "C.UTF-8");
        p.setProcessEnvironment(env);
        // NAME.args: options of the case's own, such as the small forum beside it.
        QStringList args = {"--color=never"};
        QFile extra(
            QDir(QUILLWRIGHT_GOLDEN).filePath(QFileInfo(script).completeBaseName() + ".args"));
        if (extra.open(QIODevice::ReadOnly))
            args += QString::fromUtf8(extra.readAll())
                        .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        p.start(QUILLWRIGHT_CHECK, args << script);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), expected);
        const QString rule = script.section("--", 0, 0);
        if (rule == "good")
            QVERIFY2(!expected.contains(" error: ") && !expected.contains(" warning: "),
                     qPrintable(expected));
        else
            QVERIFY2(expected.contains("[" + rule + "]"), qPrintable(expected));
    }

    // A character Windows-1252 lacks can only be typed or pasted into a
    // script kept in Windows-1252: no file of that encoding holds one.
    void characterACodePageLacks_isFoundInAWindows1252ScriptOnly()
    {
        const QString text = changed("Adds a quick", QString::fromUtf8("Adds a \u0141ukasz quick"));
        const auto found = checkScript(lines(text), TextEncoding::Windows1252);
        QCOMPARE(int(found.size()), 1);
        QCOMPARE(found.front().rule, QString("not-windows-1252"));
        QCOMPARE(found.front().line, lineOf(text, "## MOD Description:"));
        QVERIFY(checkScript(lines(text), TextEncoding::Utf8).empty());
    }

    void commandLine_opensAFileNameThatIsNotValidText()
    {
        QTemporaryDir dir;
        const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9.mod";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        const QByteArray text = Good.toUtf8() + "\nthanks for reading\n";
        QCOMPARE(::write(fd, text.constData(), size_t(text.size())), ssize_t(text.size()));
        ::close(fd);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(
            "sh",
            {"-c",
             QString("LANGUAGE=en \"%1\" \"$(printf 'caf\\351.mod')\"").arg(QUILLWRIGHT_CHECK)});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardOutput().contains(".mod:59:1: error: Text after"));
    }

    void cappedFindings_sayHowManyMore()
    {
        QString text = Good;
        for (int i = 0; i < 30; ++i)
            text += "more text\n";
        const std::vector<Finding> found = checkScript(lines(text));
        const auto after = std::count_if(found.begin(), found.end(),
                                         [](const Finding& f) { return f.rule == "after-eom"; });
        QCOMPARE(after, 21);
        QVERIFY(found.back().message.startsWith("10 more line"));
    }

    void dryRun_triesEachFindAgainstTheForumsFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rule"); // empty: no finding
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("message");
        QTest::newRow("every FIND matches") << Good << ""
                                            << ""
                                            << "";
        QTest::newRow("a FIND that matches nothing")
            << changed("$template->assign_vars(array(", "$template->nothing_like_this(")
            << "find-no-match"
            << "#-----[ FIND ]"
            << "viewtopic.php from line 1";
        QTest::newRow("a FIND that matches only above the last one")
            << changed("#-----[ AFTER, ADD "
                       "]------------------------------------------\n#\n'QUICK_REPLY' => true,\n",
                       "#-----[ FIND "
                       "]------------------------------------------\n#\n$template->assign_vars(\n")
            << "find-no-match"
            << "#-----[ FIND "
               "]------------------------------------------\n#\n$template->assign_vars(\n"
            << "matches earlier, at line 3";
        QTest::newRow("an IN-LINE FIND outside the FIND's lines")
            << changed("{L_USERNAME}\n#\n#-----[ IN-LINE AFTER",
                       "{L_PASSWORD}\n#\n#-----[ IN-LINE AFTER")
            << "inline-no-match"
            << "#-----[ IN-LINE FIND"
            << "";
        QTest::newRow("a file the forum does not have")
            << changed("#\nviewtopic.php\n#", "#\nviewforum.php\n#") << "open-missing"
            << "viewforum.php"
            << "viewforum.php";
        QTest::newRow("a language installed apart")
            << changed("#\ntemplates/subSilver/viewtopic_body.tpl\n#",
                       "#\nlanguage/lang_french/lang_main.php\n#")
            << "open-missing"
            << "language/lang_french"
            << "";
    }
    void dryRun_triesEachFindAgainstTheForumsFiles()
    {
        QFETCH(QString, text);
        QFETCH(QString, rule);
        QFETCH(QString, at);
        QFETCH(QString, message);
        QTemporaryDir forum;
        QDir(forum.path()).mkpath("templates/subSilver");
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile f(forum.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write("viewtopic.php",
              "<?php\r\n\r\n$template->assign_vars( array(\r\n\t'X' => 1,\r\n));\r\n");
        write("templates/subSilver/viewtopic_body.tpl",
              "<table>\n  <td class=\"row1\">{L_USERNAME}</td>\n</table>\n");
        const std::vector<Finding> found = dryRun(lines(text), forumFolder(forum.path()));
        if (rule.isEmpty()) {
            QVERIFY2(found.empty(), qPrintable(describe(found)));
            return;
        }
        QCOMPARE(int(found.size()), 1);
        QCOMPARE(found[0].rule, rule);
        QCOMPARE(found[0].line, lineOf(text, at));
        QVERIFY2(found[0].message.contains(message), qPrintable(found[0].message));
        const bool optional = at.startsWith("language/");
        QCOMPARE(found[0].severity, optional ? Severity::Warning : Severity::Error);
    }

    void readLines_takesUtf8WhenValid_elseWindows1252()
    {
        QCOMPARE(ModReader::readLines("\xEF\xBB\xBF\xC5\x81ukasz\r\nx"),
                 (QStringList{QString::fromUtf8("\u0141ukasz"), "x"}));
        QCOMPARE(ModReader::readLines("caf\xE9\rx\n"),
                 (QStringList{QString::fromUtf8("caf\u00e9"), "x"}));
    }

    void output_isTheCompilerForm_andJson()
    {
        const Finding f{3, 5, 2, Severity::Error, "after-eom", "Text after"};
        QCOMPARE(compilerLine("a.mod", f), QString("a.mod:3:5: error: Text after [after-eom]"));
        QCOMPARE(summary(count({f, f, {1, 1, 0, Severity::Warning, "x", "y"}})),
                 QString("2 errors, 1 warning"));
        QCOMPARE(summary(count({})), QString("No problems"));
        QVERIFY(json({{"a.mod", {f}}}).contains("\"rule\": \"after-eom\""));
    }

    void commandLine_printsTheCompilerForm_andSaysByItsStatus_data()
    {
        QTest::addColumn<QStringList>("args"); // "good" and "bad" name scripts the test writes
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // a line the output holds; empty: no output
        QTest::newRow("a good script") << QStringList{"good"} << 0 << "";
        QTest::newRow("an error") << QStringList{"good", "bad"} << 1
                                  << "bad.mod:59:1: error: Text after \"# EoM\": installers stop "
                                     "reading there [after-eom]";
        QTest::newRow("as JSON") << QStringList{"--json", "bad"} << 1 << "\"rule\": \"after-eom\"";
        QTest::newRow("against the forum's files")
            << QStringList{"--forum", "forum", "good"} << 1
            << "good.mod:31:9: error: FIND matches nothing in viewtopic.php from line 1 "
               "[find-no-match]";
        QTest::newRow("a file that cannot be read")
            << QStringList{"good", "missing.mod"} << 2 << "";
        QTest::newRow("no file") << QStringList{} << 2 << "";
        QTest::newRow("an unknown option") << QStringList{"--fast", "good"} << 2 << "";
        QTest::newRow("a forum that is no folder")
            << QStringList{"--forum", "good", "good"} << 2 << "";
        QTest::newRow("--forum=DIR")
            << QStringList{"--forum=forum", "good"} << 1 << "[find-no-match]";
        QTest::newRow("a script from standard input")
            << QStringList{"-"} << 1 << "<stdin>:59:1: error: Text after";
        QTest::newRow("-- ends the options") << QStringList{"--", "-odd.mod"} << 0 << "";
        QTest::newRow("a rule ignored") << QStringList{"--ignore", "after-eom", "bad"} << 0 << "";
        QTest::newRow("only the rules selected")
            << QStringList{"--select=find-no-match", "--forum", "forum", "bad"} << 1
            << "good"; // the name of no file shown: only find-no-match, on bad.mod
        QTest::newRow("a rule that is none")
            << QStringList{"--ignore", "after-eon", "bad"} << 2 << "";
        QTest::newRow("warnings fail with --werror")
            << QStringList{"--werror", "warn"} << 1 << "[level-value]";
        QTest::newRow("a warning alone does not") << QStringList{"warn"} << 0 << "[level-value]";
        QTest::newRow("a folder: the MOD scripts in it")
            << QStringList{"."} << 1 << "bad.mod:59:1: error";
        QTest::newRow("a folder: an upgrade without a header, by its banners")
            << QStringList{"."} << 1 << "upgrade.txt:1:1: warning: The script has no MOD header";
        QTest::newRow("a folder: an SQL file's part titles are no banners")
            << QStringList{"."} << 1 << "!schema.sql";
        QTest::newRow("columns count the bytes of the line as stored")
            << QStringList{"--ignore=files-to-edit,included-files", "utf8"} << 1
            << "utf8.mod:31:10: error"; // a no-break space, two bytes, before the keyword
        QTest::newRow("coloured as gcc colours")
            << QStringList{"--color=always", "bad"} << 1 << "\033[01;31merror:\033[m";
        QTest::newRow("a colour that is none") << QStringList{"--color=pink", "bad"} << 2 << "";
    }
    void commandLine_printsTheCompilerForm_andSaysByItsStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QTemporaryDir dir;
        const auto write = [&](const QString& name, const QString& text) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text.toUtf8());
        };
        write("good.mod", Good);
        write("bad.mod", Good + "\nthanks for reading\n");
        write("-odd.mod", Good);
        write("warn.mod", changed("Level: Easy", "Level: tricky"));
        write("notes.txt", "not a script\n");
        write("upgrade.txt", "#\n#-----[ OPEN ]---\n#\nindex.php\n#\n#-----[ SAVE/CLOSE ALL FILES "
                             "]---\n#\n# EoM\n");
        write("schema.sql", "#--[ Users Table ]---\nALTER TABLE phpbb_users ADD x INT;\n");
        write(
            "utf8.mod",
            changed("#-----[ FIND ]------------------------------------------\n# "
                    "this",
                    QString::fromUtf8(
                        "#-----[\u00a0FYND ]------------------------------------------\n# this")));
        QDir(dir.path()).mkpath("forum");
        write("forum/viewtopic.php", "<?php\n");
        for (QString& a : args)
            if (a == "good" || a == "bad" || a == "warn" || a == "utf8")
                a += ".mod";
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.insert("LANGUAGE", "en");
        p.setProcessEnvironment(env);
        p.start(QUILLWRIGHT_CHECK, args);
        if (args == QStringList{"-"}) {
            p.write((Good + "\nthanks for reading\n").toUtf8());
            p.closeWriteChannel();
        }
        QVERIFY(p.waitForFinished(30000));
        const QString stdOut = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitCode(), status);
        if (out.isEmpty() && status == 0)
            QVERIFY2(stdOut.isEmpty(), qPrintable(stdOut));
        if (!out.isEmpty() && QTest::currentDataTag() == QLatin1String("only the rules selected"))
            QVERIFY2(!stdOut.contains(out) && stdOut.contains("[find-no-match]") &&
                         !stdOut.contains("[after-eom]"),
                     qPrintable(stdOut));
        else if (out.startsWith('!')) // a text the output must not hold
            QVERIFY2(!stdOut.contains(out.mid(1)), qPrintable(stdOut));
        else if (!out.isEmpty())
            QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
        if (status == 2)
            QVERIFY(!stdErr.isEmpty()); // it says why
        if (args.contains("--json"))
            QVERIFY(QJsonDocument::fromJson(stdOut.toUtf8()).isArray());
    }
};

QTEST_GUILESS_MAIN(TestScriptChecker)
#include "tst_scriptchecker.moc"
