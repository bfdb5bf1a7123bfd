#include "core/script/ModFormat.h"

#include <QRegularExpression>
#include <QTest>

using namespace Quillwright;

class TestModFormat : public QObject {
    Q_OBJECT
private slots:
    void template_isTwentyFiveCrLfLinesWithTheRunningGenerator()
    {
        const QString t = ModFormat::defaultTemplate();
        QVERIFY(t.endsWith("\r\n"));
        QCOMPARE(t.count("\r\n"), 25);
        QCOMPARE(t.count('\n'), 25);
        QCOMPARE(t.count('\r'), 25);
        const QStringList lines = t.split("\r\n");
        QCOMPARE(lines.size(), 26);
        QCOMPARE(lines[10], "## Generator: Quillwright " + ModFormat::versionNumber());
        QCOMPARE(lines[0], QString(65, '#'));
        QCOMPARE(lines[1], QString("## Mod Title: "));
        QCOMPARE(lines[5], QString("##"));
        QCOMPARE(lines[15], QString("## For Security Purposes, Please Check: "
                                    "http://www.phpbb.com/mods/downloads/ for the"));
        QCOMPARE(lines[21], QString("## Author Note: "));
        QCOMPARE(lines[23], QString("## Before Adding This MOD To Your Forum, You Should Back Up "
                                    "All Files Related To This MOD"));
        for (int i : {0, 11, 14, 19, 22, 24})
            QCOMPARE(lines[i], ModFormat::programSeparator());
    }

    void literals_haveTheirExactBlanksAndLengths()
    {
        QCOMPARE(ModFormat::programSeparatorBlank().size(), 66);
        QVERIFY(ModFormat::programSeparatorBlank().endsWith("# "));
        QCOMPARE(ModFormat::noticeSeparator(), QString(62, '#') + ' ');
        QCOMPARE(ModFormat::bannerClosing(), " ]" + QString(42, '-'));
        QCOMPARE(ModFormat::versionLine(), "Version " + ModFormat::versionNumber());
        QVERIFY(QRegularExpression("^\\d+\\.\\d+\\.\\d+$")
                    .match(ModFormat::versionNumber())
                    .hasMatch());
        QCOMPARE(ModFormat::builderKeywords().size(), 15);
        QCOMPARE(ModFormat::builderKeywords().first(), QString("OPEN"));
        QCOMPARE(ModFormat::builderKeywords()[12], QString("PSEUDO mySQL"));
        QCOMPARE(ModFormat::builderKeywords().last(), QString("SAVE/CLOSE ALL FILES"));
        QVERIFY(ModFormat::modDatabaseUrl().endsWith("/mods/downloads/"));
    }
};

QTEST_GUILESS_MAIN(TestModFormat)
#include "tst_modformat.moc"
