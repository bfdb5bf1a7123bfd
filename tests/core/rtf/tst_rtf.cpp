#include "core/rtf/Rtf.h"

#include <QTest>

using namespace Quillwright;

namespace {
const TextColor Blue = MarkerColors::Blue;
const TextColor Red = TextColor::rgb(255, 0, 0);
const QString Table = "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}";
} // namespace

Q_DECLARE_METATYPE(std::vector<ColorRun>)

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<ColorRun>>("runs");
        const std::vector<ColorRun> none;
        QTest::newRow("plain") << "{\\rtf1 hello}"
                               << "hello" << none;
        QTest::newRow("par and line") << "{\\rtf1 a\\par b\\line c}"
                                      << "a\r\nb\r\nc" << none;
        QTest::newRow("raw line ends ignored") << "{\\rtf1 a\r\nb\nc}"
                                               << "abc" << none;
        QTest::newRow("control symbols") << "{\\rtf1 \\\\\\{\\}\\~\\-\\_}"
                                         << "\\{}\u00a0-" << none;
        QTest::newRow("hex in windows-1252") << "{\\rtf1 \\'80\\'e9\\'zz}"
                                             << "\u20ac\u00e9zz" << none;
        QTest::newRow("unicode with skip") << "{\\rtf1 \\u8364?x\\uc2\\u256\\'3f\\'3fy}"
                                           << "\u20acx\u0100y" << none;
        QTest::newRow("negative unicode")
            << "{\\rtf1 \\u-3\\'3f}" << QString(QChar(0xFFFD)) << none;
        QTest::newRow("absurd unicode")
            << "{\\rtf1 \\u99999999999999999?}" << QString(QChar(0xFFFD)) << none;
        QTest::newRow("colour runs") << "{\\rtf1" + Table + "a\\cf1 b\\cf2 c\\cf0 d}"
                                     << "abcd" << std::vector<ColorRun>{{1, 1, Blue}, {2, 1, Red}};
        QTest::newRow("index without entry is default") << "{\\rtf1" + Table + "\\cf7 x}"
                                                        << "x" << none;
        QTest::newRow("no table: cf1 is default") << "{\\rtf1 \\cf1 x}"
                                                  << "x" << none;
        QTest::newRow("plain resets colour") << "{\\rtf1" + Table + "\\cf1 a\\plain b}"
                                             << "ab" << std::vector<ColorRun>{{0, 1, Blue}};
        QTest::newRow("group restores colour") << "{\\rtf1" + Table + "{\\cf1 a}b}"
                                               << "ab" << std::vector<ColorRun>{{0, 1, Blue}};
        QTest::newRow("skipped destinations")
            << "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{x}}{\\info{\\title t}}{\\*\\generator "
               "g;}"
               "{\\pict 0102}{\\*\\unknown u}ok}"
            << "ok" << none;
        QTest::newRow("field result shown")
            << "{\\rtf1{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt link}}}"
            << "link" << none;
        QTest::newRow("bin skips its bytes") << "{\\rtf1 a{\\bin3 }}}b}"
                                             << "ab" << none;
        QTest::newRow("bin beyond the input") << "{\\rtf1 a\\bin999999 xyz"
                                              << "a" << none;
        QTest::newRow("tab") << "{\\rtf1 a\\tab b}"
                             << "a\tb" << none;
        QTest::newRow("unbalanced closing") << "{\\rtf1 a}}}b"
                                            << "a" << none;
        QTest::newRow("truncated") << "{\\rtf1 a\\cf"
                                   << "a" << none;
        QTest::newRow("truncated hex") << "{\\rtf1 a\\'4"
                                       << "a4" << none;
        QTest::newRow("huge parameter") << "{\\rtf1 \\cf99999999999999999999 a}"
                                        << "a" << none;
        QTest::newRow("text after the document") << "{\\rtf1 a}tail"
                                                 << "a" << none;
        QTest::newRow("not rtf") << "hello\nworld"
                                 << "hello\r\nworld" << none;
    }

    void read()
    {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        QFETCH(std::vector<ColorRun>, runs);
        const StyledText s = Rtf::read(rtf);
        QCOMPARE(s.text, text);
        QCOMPARE(s.runs, runs);
    }

    void read_survivesDeepNestingInOnePass()
    {
        const int depth = 100000;
        const QString rtf =
            "{\\rtf1 " + QString(depth, '{') + "\\cf1 deep" + QString(depth, '}') + " after}";
        const StyledText s = Rtf::read(rtf);
        QCOMPARE(s.text, QString("deep after"));
    }

    void read_takesHundredThousandColourEntries()
    {
        QString table = "{\\colortbl ;";
        for (int i = 0; i < 100000; ++i)
            table += "\\red1\\green2\\blue3;";
        const StyledText s = Rtf::read("{\\rtf1" + table + "}\\cf99999 x}");
        QCOMPARE(s.text, QString("x"));
        QCOMPARE(s.runs.size(), size_t(1));
        QCOMPARE(s.runs[0].color, TextColor::rgb(1, 2, 3));
    }

    void write_thenReadGivesBackTextAndColours()
    {
        StyledText in;
        in.text = "#-----[ OPEN ]---\r\n{x}\\y\t\u00e9\u20ac\u4e2d\r\n";
        in.runs = {{8, 4, Blue}, {19, 3, Red}};
        const StyledText out = Rtf::read(Rtf::write(in, "Courier New"));
        QCOMPARE(out.text, in.text);
        QCOMPARE(out.runs, in.runs);
    }

    void write_changesColourJustBeforeTheRunAndSkipsLineBreaks()
    {
        StyledText in;
        in.text = "AB\r\nCD";
        in.runs = {{0, 2, Blue}, {4, 2, Blue}};
        QVERIFY(Rtf::write(in, "F").endsWith("\\fs20 \\cf1 AB\\par\r\nCD}"));
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"
