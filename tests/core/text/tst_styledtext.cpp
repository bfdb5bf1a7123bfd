#include "core/text/StyledText.h"

#include <QTest>

using namespace Quillwright;

namespace {
const TextColor A = TextColor::rgb(1, 0, 0);
const TextColor B = TextColor::rgb(0, 2, 0);
using Runs = std::vector<ColorRun>;
} // namespace

Q_DECLARE_METATYPE(Runs)

class TestStyledText : public QObject {
    Q_OBJECT
private slots:
    void colorDifferences_data()
    {
        QTest::addColumn<Runs>("have");
        QTest::addColumn<Runs>("want");
        QTest::addColumn<Runs>("diff");
        QTest::newRow("same") << Runs{{2, 3, A}} << Runs{{2, 3, A}} << Runs{};
        QTest::newRow("colour added") << Runs{} << Runs{{2, 3, A}} << Runs{{2, 3, A}};
        QTest::newRow("colour removed") << Runs{{2, 3, A}} << Runs{} << Runs{{2, 3, TextColor()}};
        QTest::newRow("overlapping change")
            << Runs{{0, 4, A}} << Runs{{2, 4, B}} << Runs{{0, 2, TextColor()}, {2, 4, B}};
        QTest::newRow("touching runs of one colour")
            << Runs{{0, 2, A}, {2, 2, B}} << Runs{{0, 4, A}} << Runs{{2, 2, A}};
    }

    void colorDifferences()
    {
        QFETCH(Runs, have);
        QFETCH(Runs, want);
        QFETCH(Runs, diff);
        QCOMPARE(::colorDifferences(have, want, 10), diff);
    }

    void splice_replacesTextAndShiftsTheRunsBehind()
    {
        const StyledText base{"abcdefgh", {{1, 2, A}, {5, 2, B}}};
        const StyledText s = splicedStyledText(base, 3, 1, StyledText{"XYZ", {{0, 3, B}}});
        QCOMPARE(s.text, QString("abcXYZefgh"));
        QCOMPARE(s.runs, (Runs{{1, 2, A}, {3, 3, B}, {7, 2, B}}));
        const StyledText joined = splicedStyledText(base, 3, 2, StyledText{"Q", {{0, 1, B}}});
        QCOMPARE(joined.runs, (Runs{{1, 2, A}, {3, 3, B}}));
    }

    void canonicalRuns_dropsEmptyAndDefaultAndJoins()
    {
        QCOMPARE(canonicalRuns({{0, 0, A}, {0, 2, A}, {2, 1, A}, {3, 2, TextColor()}, {5, 1, B}}),
                 (Runs{{0, 3, A}, {5, 1, B}}));
    }

    void rangeColor_answersOneColourMixedOrTheInsertionColour()
    {
        const StyledText s{"ab\r\ncd", {{0, 2, A}, {4, 2, A}}};
        QCOMPARE(rangeColor(s, 0, 6), A); // line breaks do not count
        QVERIFY(rangeColor(s, 1, 4).isExplicit());
        QVERIFY(rangeColor(StyledText{"ab", {{0, 1, A}}}, 0, 2).isMixed());
        QCOMPARE(rangeColor(s, 2, 0), A);           // after "b" on the same line
        QCOMPARE(rangeColor(s, 4, 0), TextColor()); // at a line start
    }
};

QTEST_GUILESS_MAIN(TestStyledText)
#include "tst_styledtext.moc"
