#include "core/script/RepairScript.h"

#include <QTest>

using namespace Quillwright;

class TestRepair : public QObject {
    Q_OBJECT
private slots:
    void repair_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("banner After, Add") << "#-----[ After, Add ]---"
                                           << "#-----[ AFTER, ADD ]---";
        QTest::newRow("banner After, ADD") << "#-----[ After, ADD ]---"
                                           << "#-----[ AFTER, ADD ]---";
        QTest::newRow("banner after, add") << "#-----[ after, add ]---"
                                           << "#-----[ AFTER, ADD ]---";
        QTest::newRow("other mixture kept") << "#-----[ after, Add ]---"
                                            << "#-----[ after, Add ]---";
        QTest::newRow("without surrounding blanks kept") << "#-----[ x]After, Add["
                                                         << "#-----[ x]After, Add[";
        QTest::newRow("banner Open") << "#-----[ Open ]---"
                                     << "#-----[ OPEN ]---";
        QTest::newRow("lower-case open kept") << "#-----[ open ]---"
                                              << "#-----[ open ]---";
        QTest::newRow("Open in code kept") << "$isOpen = true;\r\n"
                                           << "$isOpen = true;\r\n";
        QTest::newRow("Opens in a description kept") << "## Description: Opens a door"
                                                     << "## Description: Opens a door";
        QTest::newRow("After, Add in a note kept") << "## note: then After, Add this"
                                                   << "## note: then After, Add this";
        QTest::newRow("Author Notes with text") << "## Author Notes: hi"
                                                << "## Author Note: hi";
        QTest::newRow("Author Notes no blank") << "## Author Notes:hi"
                                               << "## Author Note: hi";
        QTest::newRow("Author Note with text") << "## Author Note: hi"
                                               << "## Author Note: hi";
        QTest::newRow("Author Note at line end") << "## Author Note:\r\n"
                                                 << "## Author Note: \r\n";
        QTest::newRow("author note lower") << "## author note: hi"
                                           << "## Author Note: hi";
        QTest::newRow("author notes lower") << "## author notes: hi"
                                            << "## Author Note: hi";
        QTest::newRow("labels run together") << "## Author Notes:## author note:x"
                                             << "## Author Note: ## Author Note: x";
        QTest::newRow("a label inside hashes") << "#### Author Notes: hi\r\n## ## Author Note:"
                                               << "#### Author Note: hi\r\n## ## Author Note: ";
        QTest::newRow("labels on several lines") << "## x\r\n## Author Notes: a\r\n## author notes:"
                                                 << "## x\r\n## Author Note: a\r\n## Author Note: ";
        QTest::newRow("AUTHOR NOTE kept") << "## AUTHOR NOTE: hi"
                                          << "## AUTHOR NOTE: hi";
        QTest::newRow("nothing to repair") << "plain text\r\n"
                                           << "plain text\r\n";
        QTest::newRow("banner line among others")
            << "#\r\n#-----[ After, Add ]---\r\n#\r\nOpen After, Add \r\n"
            << "#\r\n#-----[ AFTER, ADD ]---\r\n#\r\nOpen After, Add \r\n";
        QTest::newRow("last line without break") << "x\r\n#-----[ Open"
                                                 << "x\r\n#-----[ OPEN";
    }

    void repair()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(RepairScript(input), expected);
    }

    void repair_isIdempotent_data() { repair_data(); }
    void repair_isIdempotent()
    {
        QFETCH(QString, input);
        const QString once = RepairScript(input);
        QCOMPARE(RepairScript(once), once);
    }

    void separators_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("withBlank");
        const QString s65(65, '#');
        QTest::newRow("exact line") << s65 + "\r\nx" << s65 + " \r\nx";
        QTest::newRow("last line") << "x\r\n" + s65 << "x\r\n" + s65 + " ";
        QTest::newRow("already blank") << s65 + " \r\n" << s65 + " \r\n";
        QTest::newRow("longer run kept") << s65 + "#\r\n" << s65 + "#\r\n";
        QTest::newRow("shorter run kept") << QString(62, '#') + " \r\n"
                                          << QString(62, '#') + " \r\n";
        QTest::newRow("runs side by side")
            << s65 + "\r\n" + s65 + "\r\n" + s65 << s65 + " \r\n" + s65 + " \r\n" + s65 + " ";
        QTest::newRow("inside a line") << "x" + s65 + "\r\n" + s65 + "x"
                                       << "x" + s65 + "\r\n" + s65 + "x";
        QTest::newRow("between line breaks") << "\r\n" + s65 + "\r\n\r\n"
                                             << "\r\n" + s65 + " \r\n\r\n";
    }

    void separators()
    {
        QFETCH(QString, input);
        QFETCH(QString, withBlank);
        const QString once = addBlankAfterProgramSeparators(input);
        QCOMPARE(once, withBlank);
        QCOMPARE(addBlankAfterProgramSeparators(once), once);
    }

    void commandLineLoad_removesTheBlankAfterEvery65Signs()
    {
        const QString s65(65, '#');
        QCOMPARE(removeBlankAfterProgramSeparators(s65 + " \r\nx " + s65 + " "),
                 s65 + "\r\nx " + s65);
    }
};

QTEST_GUILESS_MAIN(TestRepair)
#include "tst_repair.moc"
