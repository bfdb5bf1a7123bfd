#include "core/control/MemoryRichTextControl.h"
#include "core/script/AuthorDetails.h"
#include "core/script/HeaderFields.h"
#include "core/script/ModFormat.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Quillwright;

using F = HeaderValues::Field;

namespace {
const QString Sep62 = QString(62, '#') + " ";

// A header in the forum project's own layout.
QString forumHeader(const QString& notes)
{
    return QStringLiteral("############################################################## \r\n"
                          "## MOD Title: Quick Reply\r\n"
                          "## MOD Author: someone < a@b.c > (Some One) http://x.y\r\n"
                          "## MOD Description: Adds a reply box\r\n"
                          "## MOD Version: 1.2.3\r\n"
                          "##\r\n"
                          "## Installation Level: Easy\r\n"
                          "## Installation Time: 5 Minutes\r\n"
                          "## Files To Edit: viewtopic.php\r\n"
                          "## Included Files: n/a\r\n") +
           ModFormat::generatorLine() + "\r\n" + Sep62 +
           "\r\n## For Security Purposes, Please Check: http://www.phpbb.com/mods/downloads/ for "
           "the\r\n" +
           Sep62 + "\r\n## Author Notes: " + notes + "\r\n" + Sep62 + "\r\n## MOD History:\r\n" +
           Sep62 + "\r\n";
}

HeaderValues readText(const QString& text)
{
    MemoryRichTextControl c;
    c.setText(text);
    return HeaderFields::ReadHeader(c);
}

QString writeText(const QString& text, const HeaderValues& v)
{
    MemoryRichTextControl c;
    c.setText(text);
    HeaderFields::WriteHeader(c, v);
    return c.text();
}

HeaderValues values(const QStringList& list)
{
    HeaderValues v;
    for (int i = 0; i < list.size(); ++i)
        v.value[size_t(i)] = list[i];
    return v;
}
} // namespace

Q_DECLARE_METATYPE(HeaderValues)

class TestHeaderFields : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<HeaderValues>("expected");
        QTest::newRow("template") << ModFormat::defaultTemplate()
                                  << values({"", "1.0.0", "", "", "easy", "1 minute", ""});
        QTest::newRow("forum layout")
            << forumHeader("first\r\n## second")
            << values({"Quick Reply", "1.2.3", "someone < a@b.c > (Some One) http://x.y",
                       "Adds a reply box", "Easy", "5 Minutes", "first\r\nsecond"});
        QTest::newRow("labels in capitals") << "## INSTALLATION LEVEL: hard\r\n##\r\n"
                                            << values({"", "", "", "", "hard", "", ""});
        QTest::newRow("value holding ## ends two characters before it")
            << "## Mod Title: abc ## d\r\n## x\r\n"
            << values({"ab", "", "", "", "", "", ""});
        QTest::newRow("description continuation read as first line")
            << "## Description: one\r\n## two\r\n## Installation Level: x\r\n##\r\n"
            << values({"", "", "", "one", "x", "", ""});
        QTest::newRow("empty comment line in notes reads empty")
            << "## Author Note: a\r\n##\r\n## b\r\n" + ModFormat::programSeparator() + "\r\n"
            << values({"", "", "", "", "", "", "a\r\n\r\nb"});
        QTest::newRow("missing end marker reads empty")
            << "## Mod Title: dangling" << values({"", "", "", "", "", "", ""});
        QTest::newRow("too short to hold a value") << "## Mod Title: ##\r\n"
                                                   << values({"", "", "", "", "", "", ""});
        QTest::newRow("no header at all") << "plain text\r\n" << HeaderValues{};
    }

    void read()
    {
        QFETCH(QString, text);
        QFETCH(HeaderValues, expected);
        QCOMPARE(readText(text).value, expected.value);
    }

    void read_leavesTheCaretAtTheTop()
    {
        MemoryRichTextControl c;
        c.setText(forumHeader("n"));
        c.setSelStart(40);
        HeaderFields::ReadHeader(c);
        QCOMPARE(c.selStart(), 0);
        QCOMPARE(c.selLength(), 0);
    }

    void write_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<HeaderValues>("boxes");
        QTest::addColumn<QString>("expected");
        const QString t = ModFormat::defaultTemplate();
        QString filled = t;
        filled.replace("## Mod Title: \r\n", "## Mod Title: My MOD\r\n");
        filled.replace("## Author Note: \r\n",
                       "## Author Note: line one\r\n## line two\r\n##\r\n## line four\r\n");
        QTest::newRow("template values and two-line notes")
            << t
            << values({"My MOD", "1.0.0", "", "", "easy", "1 minute",
                       "line one\r\nline two\r\n\r\nline four"})
            << filled;
        QString emptied = t;
        emptied.replace("## Mod Version: 1.0.0\r\n", "## Mod Version: \r\n");
        QTest::newRow("empty version")
            << t << values({"", "", "", "", "easy", "1 minute", ""}) << emptied;
        QTest::newRow("value holding ## keeps the rest")
            << "## Mod Title: a ## b\r\n## x\r\n"
            << values({"new", "", "", "", "", "", ""}) << "## Mod Title: new\r\n## b\r\n## x\r\n";
        QTest::newRow("missing rows leave the script alone")
            << "## Mod Title: t\r\nno more" << values({"new", "v", "a", "d", "l", "t", "n"})
            << "## Mod Title: t\r\nno more";
        QTest::newRow("multi-line description inserted as it stands")
            << "## Description: old\r\n## Installation Level: x\r\n##\r\n"
            << values({"", "", "", "one\r\ntwo", "x", "", ""})
            << "## Description: one\r\ntwo\r\n## Installation Level: x\r\n##\r\n";
    }

    void write()
    {
        QFETCH(QString, text);
        QFETCH(HeaderValues, boxes);
        QFETCH(QString, expected);
        QCOMPARE(writeText(text, boxes), expected);
    }

    void notes_roundTripThroughTheForumLayout()
    {
        const QString script = forumHeader("first");
        HeaderValues v = readText(script);
        v[F::Notes] = "first\r\nsecond";
        const QString written = writeText(script, v);
        QVERIFY(written.contains("## Author Notes: first\r\n## second\r\n" + Sep62));
        QCOMPARE(readText(written)[F::Notes], QString("first\r\nsecond"));
    }

    void readThenWriteUnchanged_leavesScriptsByteForByte_data()
    {
        QTest::addColumn<QString>("script");
        // False where writing every field back changes the script; writing
        // only the fields that changed must never do.
        QTest::addColumn<bool>("everyFieldRoundTrips");
        QTest::newRow("template") << ModFormat::defaultTemplate() << true;
        QTest::newRow("forum layout") << forumHeader("one\r\n## two\r\n##\r\n## four") << true;
        // Notes as authors lay them out in real scripts.
        QTest::newRow("notes with blank comment lines")
            << forumHeader("\r\n## \r\n## This MOD adds a box.\r\n## ") << false;
        QTest::newRow("notes with tabs after the marks")
            << forumHeader("see below\r\n##\tstep one\r\n#\tstep two") << false;
        QTest::newRow("notes with rules of three marks")
            << forumHeader("\r\n### Important ###\r\n## keep a backup") << false;
        QTest::newRow("non-breaking space in description and notes")
            << forumHeader(QString::fromUtf8("a\u00a0note"))
                   .replace("Adds a reply box", QString::fromUtf8("Adds\u00a0a box"))
            << true;
        QTest::newRow("title ends on its own line (reads as empty)")
            << forumHeader("n").replace("## MOD Title: Quick Reply\r\n", "## MOD Title: X##\r\n")
            << true;
        QRandomGenerator rng(7);
        const QStringList words = {"alpha", "beta",  "Gamma", "delta 2", "x.y.z",
                                   "",      "a < b", "(c)",   "é"};
        for (int n = 0; n < 200; ++n) {
            QString s = n % 2 ? forumHeader(words[rng.bounded(words.size())])
                              : ModFormat::defaultTemplate();
            for (const char* label :
                 {"Title: ", "Version: ", "Description: ", "Level: ", "Time: "}) {
                const int at = int(s.indexOf(label));
                if (at >= 0 && rng.bounded(2))
                    s.insert(at + int(strlen(label)), words[rng.bounded(words.size())]);
            }
            if (rng.bounded(3) == 0)
                s.replace("Note: ",
                          "Note: " + words[rng.bounded(words.size())] + "\r\n## more\r\n##");
            QTest::newRow(qPrintable(QString("generated %1").arg(n))) << s << true;
        }
    }

    void readThenWriteUnchanged_leavesScriptsByteForByte()
    {
        QFETCH(QString, script);
        QFETCH(bool, everyFieldRoundTrips);
        const HeaderValues read = readText(script);
        MemoryRichTextControl c;
        c.setText(script);
        HeaderFields::WriteHeader(c, read, read);
        QCOMPARE(c.text(), script);
        if (everyFieldRoundTrips)
            QCOMPARE(writeText(script, read), script);
        // A field that reads as empty is left alone even when a value is
        // written to it.
        HeaderValues typed = read;
        typed[F::Title] = "typed";
        c.setText(script);
        HeaderFields::WriteHeader(c, typed, read);
        if (script.contains("Title: X##"))
            QCOMPARE(c.text(), script);
        else
            QVERIFY(c.text().contains("Title: typed\r\n"));
    }

    void author_split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("parts"); // phpbb, email, name, url
        QTest::newRow("complete") << "joe < joe@x.org > (Joe Bloggs) http://x.org"
                                  << QStringList{"joe", "joe@x.org", "Joe Bloggs", "http://x.org"};
        QTest::newRow("no separators") << "just a name" << QStringList{"", "", "", "just a name"};
        QTest::newRow("ends with the parenthesis")
            << "joe < e > (Joe)" << QStringList{"joe", "e", "", "Joe)"};
        QTest::newRow("starts with the separator")
            << " < a < b > (n) u" << QStringList{"", "ab", "n", "u"};
        QTest::newRow("user name twice")
            << "jo < jo < x > (n) u" << QStringList{"jo", "x", "n", "u"};
        QTest::newRow("case-sensitive pieces")
            << "A < b > (C) d" << QStringList{"A", "b", "C", "d"};
        QTest::newRow("empty") << "" << QStringList{"", "", "", ""};
    }

    void author_split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, parts);
        const AuthorParts p = splitAuthor(line);
        QCOMPARE((QStringList{p.phpbb, p.email, p.name, p.url}), parts);
    }

    void author_joinWritesEverySeparator()
    {
        QCOMPARE(joinAuthor({}), QString(" <  > () "));
        QCOMPARE(joinAuthor({"u", "e", "N", "w"}), QString("u < e > (N) w"));
    }

    void author_splitOfAJoinedLineGivesThePartsBack()
    {
        const AuthorParts parts{"user", "mail@host", "Full Name", "http://site"};
        QCOMPARE(splitAuthor(joinAuthor(parts)), parts);
        const AuthorParts empty{"", "", "", ""};
        QCOMPARE(splitAuthor(joinAuthor(empty)), empty);
    }
};

QTEST_GUILESS_MAIN(TestHeaderFields)
#include "tst_headerfields.moc"
