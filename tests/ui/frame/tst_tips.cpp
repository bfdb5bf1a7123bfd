#include "core/frame/Tips.h"
#include "core/settings/SettingsStore.h"
#include "support/TestFiles.h"
#include "ui/frame/TipWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Quillwright;

namespace {

// Draws that walk through the given values in turn.
std::function<double()> draws(QList<double> values)
{
    auto list = std::make_shared<QList<double>>(std::move(values));
    auto index = std::make_shared<int>(0);
    return [list, index] { return list->at((*index)++ % list->size()); };
}

const QString TipsKey = "Show Tips at Startup";
} // namespace

class TestTips : public QObject {
    Q_OBJECT
private slots:
    void loadTips_keepsEveryLineIncludingEmptyOnes()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("t.txt"), "one\r\n\r\nthree\nfour");
        QCOMPARE(*Tips::loadTips(dir.filePath("t.txt")), (QStringList{"one", "", "three", "four"}));
        writeAll(dir.filePath("e.txt"), "");
        QCOMPARE(*Tips::loadTips(dir.filePath("e.txt")), QStringList{});
        QVERIFY(!Tips::loadTips(dir.filePath("missing.txt")));
        QVERIFY(!Tips::loadTips(""));
        QVERIFY(!Tips::loadTips(dir.path()));
    }

    void locate_looksBesideTheProgramThenInTheInstalledDataFolder_data()
    {
        QTest::addColumn<QStringList>("files"); // relative to a prefix; the program is in bin
        QTest::addColumn<QString>("found");
        QTest::newRow("beside the program, as in a build")
            << QStringList{"bin/TIPOFDAY.TXT", "share/quillwright/TIPOFDAY.TXT"}
            << "bin/TIPOFDAY.TXT";
        QTest::newRow("installed")
            << QStringList{"share/quillwright/TIPOFDAY.TXT"} << "share/quillwright/TIPOFDAY.TXT";
        QTest::newRow("nowhere: the name beside the program")
            << QStringList{} << "bin/TIPOFDAY.TXT";
    }
    void locate_looksBesideTheProgramThenInTheInstalledDataFolder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, found);
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("bin");
        for (const QString& f : files) {
            QDir(prefix.path()).mkpath(QFileInfo(prefix.filePath(f)).path());
            writeAll(prefix.filePath(f), "a tip\r\n");
        }
        qputenv("XDG_DATA_DIRS", prefix.filePath("elsewhere").toLocal8Bit());
        qputenv("XDG_DATA_HOME", prefix.filePath("elsewhere").toLocal8Bit());
        QCOMPARE(Tips::locate(prefix.filePath("bin")), prefix.filePath(found));
    }

    void pickTip_coversOneToCount_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("tip");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("a third") << 0.34 << 2;
        QTest::newRow("almost one") << 0.9999 << 3;
    }

    void pickTip_coversOneToCount()
    {
        QFETCH(double, r);
        QFETCH(int, tip);
        QCOMPARE(Tips::pickTip(r, 3), tip);
    }

    void missingFileText_isWordForWord()
    {
        QCOMPARE(
            Tips::missingFileText(),
            QString("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named "
                    "TIPOFDAY.TXT "
                    "using NotePad with 1 tip per line. Then place it in the same directory as the "
                    "application. "));
    }

    void window_showsOnlyTheFileLinesAndCanDrawTheEmptyOne()
    {
        QTemporaryDir dir;
        writeAll(dir.filePath("TIPOFDAY.TXT"), "first\r\n\r\nthird\r\n");
        SettingsStore settings(dir.filePath("s"));
        TipWindow w(&settings, dir.path(), draws({0.0, 0.5, 0.9, 0.1}));
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(w.Form_Load());
        QCOMPARE(w.windowTitle(), QString("Tip of the Day"));
        QCOMPARE(w.lblTipText()->text(), QString("first"));
        QVERIFY(w.chkLoadTipsAtStartup()->isChecked());
        auto* next = w.findChild<QPushButton*>("cmdNextTip");
        next->click();
        QCOMPARE(w.currentTip(), 2);
        QCOMPARE(w.lblTipText()->text(), QString(""));
        next->click();
        QCOMPARE(w.lblTipText()->text(), QString("third"));
        // Next Tip keeps the focus: the new tip is an alert, heard as it shows.
        QCOMPARE(QAccessible::queryAccessibleInterface(w.lblTipText())->role(),
                 QAccessible::AlertMessage);
    }

    void window_showsATipAsItsText_neverAsRichText()
    {
        QTemporaryDir dir;
        const QByteArray rich = "<img src=\"/dev/zero\"><table><tr><td>x</td></tr></table>";
        writeAll(dir.filePath("TIPOFDAY.TXT"), rich + "\r\n");
        TipWindow w(nullptr, dir.path(), draws({0.0}));
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(w.Form_Load());
        QCOMPARE(w.lblTipText()->textFormat(), Qt::PlainText);
        QCOMPARE(w.lblTipText()->text(), QString::fromLatin1(rich));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    void window_withoutTheFileExplainsIt()
    {
        QTemporaryDir dir;
        TipWindow w(nullptr, dir.path(), draws({0.5}));
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(w.Form_Load());
        QCOMPARE(w.lblTipText()->text(), Tips::missingFileText());
        w.PickNextTip();
        QCOMPARE(w.lblTipText()->text(), Tips::missingFileText());
    }

    void window_closesDuringLoadWhenSwitchedOff_andTheBoxWritesAtOnce()
    {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("s"));
        settings.setValue(SettingsStore::executableName(), "Options", TipsKey, "0");
        {
            TipWindow w(&settings, dir.path(), draws({0.0}));
            w.setAttribute(Qt::WA_DeleteOnClose, false);
            w.show();
            QVERIFY(!w.Form_Load());
            QVERIFY(!w.isVisible());
        }
        settings.setValue(SettingsStore::executableName(), "Options", TipsKey, "1");
        TipWindow w(&settings, dir.path(), draws({0.0}));
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(w.Form_Load());
        w.chkLoadTipsAtStartup()->click();
        QCOMPARE(settings.value(SettingsStore::executableName(), "Options", TipsKey, ""),
                 QString("0"));
        w.chkLoadTipsAtStartup()->click();
        QCOMPARE(settings.value(SettingsStore::executableName(), "Options", TipsKey, ""),
                 QString("1"));
    }

    void window_okIsTheDefaultButton()
    {
        TipWindow w(nullptr, QString(), draws({0.0}));
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(w.findChild<QPushButton*>("cmdOK")->isDefault());
        w.show();
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
