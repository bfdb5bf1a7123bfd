#include "core/colouring/KeywordColouring.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/rtf/Rtf.h"
#include "core/script/ModFormat.h"

#include <QTest>

using namespace Quillwright;

namespace {
const TextColor Blue = MarkerColors::Blue;
const TextColor Green = MarkerColors::Green;
const TextColor Red = MarkerColors::DarkRed;
} // namespace

class TestKeywordColouring : public QObject {
    Q_OBJECT
private slots:
    void rewrite_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("1 IN-LINE FIND") << "[ IN-LINE FIND ]"
                                        << "[ \\cf1 IN-LINE FIND\\cf0  ]";
        QTest::newRow("2 IN-LINE AFTER, ADD") << "[ IN-LINE AFTER, ADD ]"
                                              << "[ \\cf1 IN-LINE AFTER, ADD\\cf0  ]";
        QTest::newRow("3 IN-LINE REPLACE WITH") << "[ IN-LINE REPLACE WITH ]"
                                                << "[ \\cf1 IN-LINE REPLACE WITH\\cf0  ]";
        QTest::newRow("4 OPEN") << "[ OPEN ]"
                                << "[ \\cf1 OPEN\\cf0  ]";
        QTest::newRow("5 FIND") << "[ FIND ]"
                                << "[ \\cf1 FIND\\cf0  ]";
        QTest::newRow("6 AFTER, ADD") << "[ AFTER, ADD ]"
                                      << "[ \\cf1 AFTER, ADD\\cf0  ]";
        QTest::newRow("7 BEFORE, ADD") << "[ BEFORE, ADD ]"
                                       << "[ \\cf1 BEFORE, ADD\\cf0  ]";
        QTest::newRow("8 REPLACE WITH") << "[ REPLACE WITH ]"
                                        << "[ \\cf1 REPLACE WITH\\cf0  ]";
        QTest::newRow("9 OR in free text") << "this OR that"
                                           << "this \\cf1 OR\\cf0  that";
        QTest::newRow("10 SAVE/CLOSE") << "[ SAVE/CLOSE ALL FILES ]"
                                       << "[ \\cf1 SAVE/CLOSE ALL FILES\\cf0  ]";
        QTest::newRow("11 # EoM") << "# EoM"
                                  << "\\cf3 # EoM\\cf0 ";
        QTest::newRow("12 #EoM gains its blank") << "#EoM"
                                                 << "\\cf3 # EoM\\cf0 ";
        QTest::newRow("13 MOD Author") << "## MOD Author: x"
                                       << "## \\cf1 MOD Author:\\cf0  x";
        QTest::newRow("14 MOD Description") << "## MOD Description: x"
                                            << "## \\cf1 MOD Description:\\cf0  x";
        QTest::newRow("15 MOD Version") << "## MOD Version: x"
                                        << "## \\cf1 MOD Version:\\cf0  x";
        QTest::newRow("16 Installation Level") << "## Installation Level: x"
                                               << "## \\cf1 Installation Level:\\cf0  x";
        QTest::newRow("17 Installation Time") << "## Installation Time: x"
                                              << "## \\cf1 Installation Time:\\cf0  x";
        QTest::newRow("18 Files To Edit") << "## Files To Edit: x"
                                          << "## \\cf1 Files To Edit:\\cf0  x";
        QTest::newRow("19 Included Files") << "## Included Files: x"
                                           << "## \\cf1 Included Files:\\cf0  x";
        QTest::newRow("20 Generator") << "## Generator: x"
                                      << "## \\cf1 Generator:\\cf0  x";
        QTest::newRow("21 Author Notes") << "## Author Notes: x"
                                         << "## \\cf1 Author Notes:\\cf0  x";
        QTest::newRow("IN-LINE BEFORE, ADD colours only BEFORE, ADD")
            << "[ IN-LINE BEFORE, ADD ]"
            << "[ IN-LINE \\cf1 BEFORE, ADD\\cf0  ]";
        QTest::newRow("lower case never") << "[ open ] or find #eom"
                                          << "[ open ] or find #eom";
        QTest::newRow("OPEN at a line start") << "OPEN x\\par\r\n"
                                              << "OPEN x\\par\r\n";
        QTest::newRow("template label case") << "## Mod Version: 1.0.0"
                                             << "## Mod Version: 1.0.0";
        QTest::newRow("label without value at line end") << "## MOD Version:\\par"
                                                         << "## MOD Version:\\par";
        QTest::newRow("singular author note label") << "## Author Note: x"
                                                    << "## Author Note: x";
        QTest::newRow("#EoM split by a colour change stays") << "#\\cf0 EoM"
                                                             << "#\\cf0 EoM";
        // The blank that ends a control word is markup, not a blank of the text.
        QTest::newRow("a tab's delimiter before a keyword") << "\\tab OPEN x"
                                                            << "\\tab OPEN x";
        QTest::newRow("a colour change's delimiter before a keyword") << "\\cf2 OPEN x"
                                                                      << "\\cf2 OPEN x";
        QTest::newRow("OR straight after a coloured keyword") << "IN-LINE FINDOR x"
                                                              << "\\cf1 IN-LINE FIND\\cf0 OR x";
        QTest::newRow("a real blank after a delimiter") << "\\cf2  OPEN x"
                                                        << "\\cf2  \\cf1 OPEN\\cf0  x";
        QTest::newRow("a backslash of the text before a word") << "\\\\tab OPEN x"
                                                               << "\\\\tab \\cf1 OPEN\\cf0  x";
    }

    void rewrite()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QCOMPARE(RewriteKeywordRtf(input), output);
    }

    void rewrite_ofColouredTextKeepsTextAndColours()
    {
        MemoryRichTextControl c;
        c.setText("## Mod Title: t\r\n#-----[ IN-LINE FIND ]---\r\n#-----[ OPEN ]---\r\n"
                  "Before Adding This MOD To Your Forum, You Should Back Up All Files Related To "
                  "This MOD\r\n# EoM\r\n");
        ColourMarkers(c, 0, 0);
        c.setRtf(RewriteKeywordRtf(c.rtf()));
        const StyledText once = c.styledText();
        c.setRtf(RewriteKeywordRtf(c.rtf()));
        QCOMPARE(c.text(), once.text);
        QCOMPARE(c.styledText().runs, once.runs);
        QCOMPARE(once.colorAt(once.text.indexOf("OPEN")), Blue);
        QCOMPARE(once.colorAt(once.text.indexOf("IN-LINE")), Blue);
        QCOMPARE(once.colorAt(once.text.indexOf("# EoM")), Green);
    }

    // Typing makes lines that are never asked for again: the memo keeps
    // answering as the rewrite does, but holds no more than its budget in
    // each of its two generations, and an answer asked again survives.
    void rewriteMemo_answersAsTheRewriteAndStaysWithinItsBudget()
    {
        LineRewriteMemo memo;
        memo.setBudget(64 * 1024);
        const LineContext context{false, {}, {}};
        const StyledText kept{"#-----[ OPEN ]--- kept", {}};
        for (int i = 0; i < 20000; ++i) {
            const StyledText typed{"#-----[ FIND ]--- line " + QString::number(i), {}};
            const RewrittenLine r = memo.rewrite(typed, context);
            if (i % 1000 == 0) {
                const RewrittenLine direct = rewriteKeywordLine(typed, context);
                QCOMPARE(r.line.text, direct.line.text);
                QCOMPARE(r.line.runs, direct.line.runs);
            }
            memo.rewrite(kept, context);
            QVERIFY2(memo.bytesHeld() <= 2 * 64 * 1024 + 1024,
                     qPrintable(QString::number(memo.bytesHeld())));
        }
        QCOMPARE(memo.rewrite(kept, context).line.runs,
                 rewriteKeywordLine(kept, context).line.runs);
    }

    // Standard scripts colour their title, backup notice and end marker in
    // that order, so the fixed table the change handler writes with gives
    // the colours the order of first use gave.
    void standardScripts_colourAsWithTheTableInOrderOfFirstUse_data()
    {
        QTest::addColumn<QString>("script");
        const QString blocks =
            "#\r\n#-----[ OPEN ]---\r\n#\r\nindex.php\r\n#\r\n#-----[ FIND ]---"
            "\r\n#\r\n$a OR $b\r\n#\r\n#-----[ IN-LINE AFTER, ADD ]---\r\n#\r\nx\r\n"
            "#\r\n#-----[ SAVE/CLOSE ALL FILES ]---\r\n#\r\n# EoM\r\n";
        QTest::newRow("template") << ModFormat::defaultTemplate() + blocks;
        QString forum = ModFormat::defaultTemplate() + blocks;
        forum.replace("## Mod Title: ", "## MOD Title: x\r\n## MOD Author: a < b > (c) d\r\n"
                                        "## MOD Description: y\r\n## MOD Version: 1.0.0");
        QTest::newRow("forum header") << forum;
    }

    void standardScripts_colourAsWithTheTableInOrderOfFirstUse()
    {
        QFETCH(QString, script);
        MemoryRichTextControl c;
        c.setText(script);
        ColourMarkers(c, 0, 0);
        const StyledText marked = c.styledText();
        const StyledText firstUse = Rtf::read(RewriteKeywordRtf(Rtf::write(marked, "Arial")));
        const StyledText fixed =
            Rtf::read(RewriteKeywordRtf(Rtf::write(marked, "Arial", rewriteColorTable())));
        QCOMPARE(fixed.text, firstUse.text);
        QCOMPARE(canonicalRuns(fixed.runs), canonicalRuns(firstUse.runs));
        QVERIFY(!fixed.runs.empty());
    }

    void markers_colourTheThreeMarkersFromTheCaret()
    {
        MemoryRichTextControl c;
        c.setText("## MOD TITLE: x\r\n## Before Adding This MOD To Your Forum, You Should Back Up "
                  "All Files Related To This MOD\r\n# EoM\r\n");
        ColourMarkers(c, 0, 0);
        const StyledText s = c.styledText();
        QCOMPARE(s.colorAt(3), Blue); // found in any case
        QCOMPARE(s.colorAt(12), Blue);
        QCOMPARE(s.colorAt(13), TextColor());
        QCOMPARE(s.colorAt(s.text.indexOf("Before")), Red);
        QCOMPARE(s.colorAt(s.text.indexOf("# EoM") + 4), Green);
        // Step 3 set a colour, so the saved selection is back.
        QCOMPARE(c.selStart(), 0);
        QCOMPARE(c.selLength(), 0);
    }

    void markers_belowTheHeaderDoNotRecolourTheTitle()
    {
        MemoryRichTextControl c;
        c.setText("## Mod Title: x\r\nbody\r\n");
        c.setSelStart(17);
        ColourMarkers(c, 17, 0);
        QVERIFY(c.styledText().runs.empty());
    }

    void markers_colourAUserSelectionWithNoTitleAfterIt()
    {
        MemoryRichTextControl c;
        c.setText("## Mod Title: x\r\nselected words\r\n");
        c.setSelStart(17);
        c.setSelLength(8);
        ColourMarkers(c, 17, 8);
        const StyledText s = c.styledText();
        QCOMPARE(s.colorAt(17), Blue);
        QCOMPARE(s.colorAt(24), Blue);
        QCOMPARE(s.colorAt(25), TextColor());
        // Collapsed by step 1 and not restored: step 3 set no colour.
        QCOMPARE(c.selLength(), 0);
    }

    void markers_leaveAMixedSelectionAlone()
    {
        MemoryRichTextControl c;
        c.setText("ab");
        c.setSelStart(1);
        c.setSelLength(1);
        c.setSelColor(Red);
        c.setSelStart(0);
        c.setSelLength(2);
        ColourMarkers(c, 0, 2);
        QCOMPARE(c.styledText().colorAt(0), TextColor());
        QCOMPARE(c.styledText().colorAt(1), Red);
    }
};

QTEST_GUILESS_MAIN(TestKeywordColouring)
#include "tst_keywordcolouring.moc"
