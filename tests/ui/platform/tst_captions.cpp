#include "core/frame/DocumentLayout.h"
#include "core/frame/StringTable.h"
#include "ui/platform/LoadCaptions.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using namespace Quillwright;

using StringTable::Language;

namespace {
// A small window laid out the way the program's windows are: ids where the
// texts go, named controls.
struct Form {
    QWidget window;
    QLabel* label = new QLabel("designed", &window);
    QLabel* untagged = new QLabel("keeps this", &window);
    QGroupBox* frame = new QGroupBox("Fonts", &window);
    QPushButton* zeroTag = new QPushButton("zero", &window);
    QPushButton* wordTip = new QPushButton("button", &window);
    QTabBar* tabs = new QTabBar(&window);
    QToolBar* toolbar = new QToolBar(&window);
    QTreeWidget* list = new QTreeWidget(&window);
    QMenu* menu = new QMenu("1000", &window);
    QAction* entry = new QAction("1002", &window);
    QAction* separator = new QAction("-", &window);

    Form()
    {
        window.setProperty("tag", "1053");
        label->setObjectName("lblVersion");
        label->setProperty("tag", "1048");
        untagged->setObjectName("lblEmpty");
        frame->setObjectName("fraSample1");
        frame->setProperty("tag", "1054");
        zeroTag->setObjectName("cmdZero");
        zeroTag->setProperty("tag", "0");
        wordTip->setObjectName("cmdWord");
        wordTip->setToolTip("a word");
        wordTip->setProperty("tag", "1058 and more");
        tabs->setObjectName("TabStrip1");
        tabs->addTab("TEXT");
        tabs->setTabData(0, QVariantMap{{"tag", "1069"}});
        tabs->setTabToolTip(0, "1070");
        toolbar->setObjectName("tbToolBar");
        toolbar->addAction("New")->setToolTip("1037");
        toolbar->addAction("Other")->setToolTip("");
        list->setObjectName("lvList");
        list->setProperty("controlType", "ListView");
        list->setColumnCount(1);
        list->headerItem()->setData(0, Qt::UserRole, "1061");
        menu->setObjectName("mnuFile");
        entry->setObjectName("mnuFileOpen");
        separator->setObjectName("mnuFileBar0");
        separator->setSeparator(true);
    }
};
} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { StringTable::overrideLanguage(std::nullopt); }

    void table_coversEveryIdInBothLanguages()
    {
        for (int id = 1000; id <= 1071; ++id) {
            QVERIFY2(StringTable::text(id, Language::Neutral), qPrintable(QString::number(id)));
            QVERIFY(StringTable::text(id, Language::French));
        }
        QVERIFY(!StringTable::text(999, Language::Neutral));
        QVERIFY(!StringTable::text(1072, Language::French));
        QCOMPARE(*StringTable::text(1036, Language::Neutral), QString("&About "));
        QCOMPARE(*StringTable::text(1027, Language::French), QString::fromUtf8("Fenêtres"));
        QCOMPARE(*StringTable::text(1071, Language::French), QString("Publish"));
    }

    void numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("whole"); // -1: fails
        QTest::addColumn<int>("leading");
        QTest::newRow("id") << "1037" << 1037 << 1037;
        QTest::newRow("blanks") << " 1037 " << 1037 << 1037;
        QTest::newRow("word") << "New" << -1 << 0;
        QTest::newRow("empty") << "" << -1 << 0;
        QTest::newRow("separator") << "-" << -1 << 0;
        QTest::newRow("number then words") << "1058 and more" << -1 << 1058;
        QTest::newRow("beyond 16 bits") << "70000" << -1 << 70000;
    }

    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, whole);
        QFETCH(int, leading);
        const std::optional<int> w = StringTable::wholeNumber(text);
        QCOMPARE(w.value_or(-1), whole);
        QCOMPARE(StringTable::leadingNumber(text), leading);
    }

    void languageFollowsTheLocale()
    {
        QCOMPARE(StringTable::languageFor(QLocale(QLocale::French, QLocale::Canada)),
                 Language::French);
        QCOMPARE(StringTable::languageFor(QLocale(QLocale::German)), Language::Neutral);
    }

    void loadCaptions_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        // window, label, frame, button by leading number, tab, tab tip, toolbar tip, header, menu,
        // entry
        QTest::newRow("english") << int(Language::Neutral)
                                 << QStringList{"Options",
                                                "Version",
                                                "Sample 1",
                                                "&Apply",
                                                "Insert custom text",
                                                "Select text/file from a list",
                                                "New",
                                                "Back",
                                                "&File",
                                                "&Open..."};
        QTest::newRow("french")
            << int(Language::French)
            << QStringList{"Options",
                           "Version",
                           "Exemple 1",
                           "Appliquer",
                           QString::fromUtf8("Insérer texte personnalisé"),
                           QString::fromUtf8("Sélectionner texte/fichier à partir d'une liste"),
                           "Nouveau",
                           QString::fromUtf8("Précédente"),
                           "&Fichier",
                           "&Ouvrir..."};
    }

    void loadCaptions()
    {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        StringTable::overrideLanguage(Language(language));
        Form f;
        LoadCaptions(&f.window);
        const QStringList got = {f.window.windowTitle(),
                                 f.label->text(),
                                 f.frame->title(),
                                 f.wordTip->text(),
                                 f.tabs->tabText(0),
                                 f.tabs->tabToolTip(0),
                                 f.toolbar->actions()[0]->toolTip(),
                                 f.list->headerItem()->text(0),
                                 f.menu->title(),
                                 f.entry->text()};
        QCOMPARE(got, expected);
        // What has no id keeps its designed text.
        QCOMPARE(f.untagged->text(), QString("keeps this"));
        QCOMPARE(f.zeroTag->text(), QString("zero"));
        QCOMPARE(f.wordTip->toolTip(), QString("a word"));
        QCOMPARE(f.toolbar->actions()[1]->toolTip(), QString("Other"));
        QCOMPARE(f.separator->text(), QString("-"));
    }

    void loadCaptions_givesEveryControlTheWindowFont()
    {
        Form f;
        QFont windowFont("DejaVu Serif", 13);
        f.window.setFont(windowFont);
        f.label->setFont(QFont("DejaVu Sans Mono", 20, QFont::Bold));
        LoadCaptions(&f.window);
        QCOMPARE(f.label->font(), f.window.font());
    }

    void windowWithoutTag_keepsItsCaption()
    {
        QWidget w;
        w.setWindowTitle("Quillwright");
        LoadCaptions(&w);
        QCOMPARE(w.windowTitle(), QString("Quillwright"));
    }

    void documentLayout_splitsFourFifthsLess700()
    {
        const DocumentLayout l = DocumentLayout::forSize(10000, 5000);
        QCOMPARE(l.textWidth, 7300.0);
        QCOMPARE(l.rightMargin, 6900.0);
        QCOMPARE(l.outlineLeft, 7300.0);
        QCOMPARE(l.outlineWidth, 2700.0);
        QCOMPARE(l.textHeight, 5000.0);
        QCOMPARE(l.outlineHeight, 5000.0);
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
