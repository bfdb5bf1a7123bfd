#include "core/document/Snapshots.h"

#include <QTest>

using namespace Quillwright;

class TestSnapshots : public QObject {
    Q_OBJECT
private slots:
    void tick_takesASnapshotOnlyWhenTheTextGrewOrTheFlagIsSet()
    {
        Snapshots s;
        QVERIFY(s.tick("template", false)); // the first tick fills Text1 only
        QCOMPARE(s.Text1.text(), QString("template"));
        QVERIFY(s.Text2.isEmpty());
        QCOMPARE(s.controls(), UndoControls{});

        QVERIFY(!s.tick("templat", false));  // shorter: nothing
        QVERIFY(!s.tick("template", false)); // same length: nothing
        QVERIFY(s.tick("template!", false));
        QCOMPARE(s.Text2.text(), QString("template"));
        QCOMPARE(s.controls(), (UndoControls{true, false, false}));

        QVERIFY(s.tick("short", true)); // the flag forces one
        QVERIFY(s.tick("short and longer", false));
        QVERIFY(s.tick("short and longer still", false));
        QCOMPARE(s.Text4.text(), QString("template!"));
        QCOMPARE(s.controls(), (UndoControls{true, true, true}));
    }

    void undo_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QStringList>("after"); // Text1..Text4
        QTest::newRow("one") << 1 << QStringList{"B", "C", "D", ""};
        QTest::newRow("two") << 2 << QStringList{"C", "D", "", ""};
        QTest::newRow("three") << 3 << QStringList{"D", "", "", ""};
        QTest::newRow("other levels change nothing") << 4 << QStringList{"A", "B", "C", "D"};
    }

    void undo()
    {
        QFETCH(int, levels);
        QFETCH(QStringList, after);
        Snapshots s;
        s.Text1 = QString("A");
        s.Text2 = QString("B");
        s.Text3 = QString("C");
        s.Text4 = QString("D");
        QCOMPARE(s.undo(levels).text(), after[0]);
        QCOMPARE((QStringList{s.Text1.text(), s.Text2.text(), s.Text3.text(), s.Text4.text()}),
                 after);
    }
};

QTEST_GUILESS_MAIN(TestSnapshots)
#include "tst_snapshots.moc"
