#include "core/frame/OptionsTabs.h"
#include "core/frame/WindowArrangement.h"
#include "core/script/ActionBuilder.h"

#include <QTest>

using namespace Quillwright;

using ActionBuilder::View;

Q_DECLARE_METATYPE(View)

class TestActionBuilder : public QObject {
    Q_OBJECT
private slots:
    void block_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("block");
        const QString dashes(42, '-');
        QTest::newRow("open") << "OPEN"
                              << "index.php"
                              << "#\r\n#-----[ OPEN ]" + dashes + "\r\n#\r\nindex.php\r\n";
        QTest::newRow("end of mod")
            << "SAVE/CLOSE ALL FILES"
            << "# EoM"
            << "#\r\n#-----[ SAVE/CLOSE ALL FILES ]" + dashes + "\r\n#\r\n# EoM\r\n";
        QTest::newRow("several lines keep CR LF")
            << "FIND"
            << "a\nb\r\nc"
            << "#\r\n#-----[ FIND ]" + dashes + "\r\n#\r\na\r\nb\r\nc\r\n";
        QTest::newRow("no keyword chosen") << ""
                                           << ""
                                           << "#\r\n#-----[  ]" + dashes + "\r\n#\r\n\r\n";
    }

    void block()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, value);
        QFETCH(QString, block);
        QCOMPARE(ActionBuilder::buildBlock(keyword, value), block);
    }

    void files_areTheSixtyThreeInOrder()
    {
        const QStringList& f = ActionBuilder::phpbbFiles();
        QCOMPARE(f.size(), 63);
        QCOMPARE(f.first(), QString("admin/index.php"));
        QCOMPARE(f[50], QString("templates/subSilver/overal_footer.tpl"));
        QCOMPARE(f[51], QString("templates/subSilver/overal_header.tpl"));
        QCOMPARE(f.last(), QString("viewtopic.php"));
    }

    void keywordChosen_data()
    {
        QTest::addColumn<View>("before");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<bool>("listTab");
        QTest::addColumn<View>("after");
        const View start{false, false, true, false, ""};
        QTest::newRow("end of mod locks the box")
            << start << "SAVE/CLOSE ALL FILES" << false << View{false, false, true, true, "# EoM"};
        QTest::newRow("another keyword empties # EoM")
            << View{false, false, true, true, "# EoM"} << "FIND" << false
            << View{false, false, true, false, ""};
        QTest::newRow("other text stays") << View{false, false, true, true, "# EoM x"} << "FIND"
                                          << false << View{false, false, true, false, "# EoM x"};
        QTest::newRow("open with the text tab")
            << start << "OPEN" << false << View{true, false, true, false, ""};
        QTest::newRow("open with the list tab")
            << start << "OPEN" << true << View{true, true, false, false, ""};
        QTest::newRow("other keyword hides tabs and list")
            << View{true, true, false, false, "x"} << "OR" << true
            << View{false, false, true, false, "x"};
    }

    void keywordChosen()
    {
        QFETCH(View, before);
        QFETCH(QString, keyword);
        QFETCH(bool, listTab);
        QFETCH(View, after);
        QCOMPARE(ActionBuilder::keywordChosen(before, keyword, listTab), after);
    }

    void tabChosen_swapsTheListAndTheBox()
    {
        const View v{true, false, true, false, "t"};
        QCOMPARE(ActionBuilder::tabChosen(v, true), (View{true, true, false, false, "t"}));
        QCOMPARE(ActionBuilder::tabChosen(v, false), v);
    }

    void optionsTabs_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("next");
        QTest::newRow("ctrl+tab") << 1 << 9 << 2 << 2;
        QTest::newRow("ctrl+tab wraps") << 4 << 9 << 2 << 1;
        QTest::newRow("ctrl+shift+tab wraps") << 1 << 9 << 3 << 4;
        QTest::newRow("ctrl+shift+tab") << 3 << 9 << 3 << 2;
        QTest::newRow("ctrl+alt+tab as ctrl+tab") << 2 << 9 << 6 << 3;
        QTest::newRow("tab alone") << 2 << 9 << 0 << 2;
        QTest::newRow("shift+tab") << 2 << 9 << 1 << 2;
        QTest::newRow("other key") << 2 << 65 << 2 << 2;
    }

    void optionsTabs()
    {
        QFETCH(int, current);
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(int, next);
        QCOMPARE(OptionsTabs::nextTab(current, 4, key, shift), next);
    }

    void arrangement_tilesAndLinesUpIcons()
    {
        using namespace WindowArrangement;
        const QRect area(0, 0, 800, 600);
        const std::vector<QRect> v =
            place(Mode::TileVertical, area, {false, false}, QSize(160, 24));
        QCOMPARE(v[0], QRect(0, 0, 400, 600));
        QCOMPARE(v[1], QRect(400, 0, 400, 600));
        const std::vector<QRect> h =
            place(Mode::TileHorizontal, area, {false, true, false}, QSize(160, 24));
        QCOMPARE(h[0], QRect(0, 0, 800, 300));
        QVERIFY(h[1].isNull());
        QCOMPARE(h[2], QRect(0, 300, 800, 300));
        const std::vector<QRect> i =
            place(Mode::ArrangeIcons, area, {true, false, true}, QSize(160, 24));
        QCOMPARE(i[0], QRect(0, 576, 160, 24));
        QVERIFY(i[1].isNull());
        QCOMPARE(i[2], QRect(160, 576, 160, 24));
    }
};

QTEST_GUILESS_MAIN(TestActionBuilder)
#include "tst_actionbuilder.moc"
