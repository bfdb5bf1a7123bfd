#include "support/MainWindowFixture.h"

#include "core/frame/StringTable.h"
#include "core/script/ModFormat.h"
#include "ui/dialogs/AuthorDialog.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/platform/Translations.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTreeView>

using namespace Quillwright;

namespace {
template <typename T> T* child(QWidget* w, const char* name)
{
    return w->findChild<T*>(QString::fromLatin1(name));
}

void doubleClickNode(DocumentWindow* d, const char* key)
{
    QTreeView* tree = d->Actionlist();
    const QModelIndex node = d->outlineNode(key);
    tree->setCurrentIndex(node);
    emit tree->doubleClicked(node);
}
} // namespace

class TestPropertiesDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { StringTable::overrideLanguage(StringTable::Language::Neutral); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w))
                delete w;
    }

    void opens_withTheTemplateValuesAndFocusOnOk()
    {
        MainWindowFixture f;
        f.window->show();
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QCOMPARE(d->windowTitle(), QString("Properties"));
        QVERIFY(d->isModal());
        QCOMPARE(child<QLineEdit>(d, "mod_version")->text(), QString("1.0.0"));
        QCOMPARE(child<QLineEdit>(d, "mod_level")->text(), QString("easy"));
        QCOMPARE(child<QLineEdit>(d, "mod_time")->text(), QString("1 minute"));
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(d, "cmdOK"));
        QCOMPARE(f.doc()->control().selStart(), 0);
    }

    void captions_areWholeInEitherLanguage_data()
    {
        QTest::addColumn<bool>("french");
        QTest::newRow("English") << false;
        QTest::newRow("French") << true;
    }

    void captions_areWholeInEitherLanguage()
    {
        QFETCH(bool, french);
        if (french) {
            StringTable::overrideLanguage(StringTable::Language::French);
            Translations::use(StringTable::Language::French);
        }
        const auto back = qScopeGuard([] { Translations::use(StringTable::Language::Neutral); });
        MainWindowFixture f;
        f.window->show();
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        for (QLabel* label : d->findChildren<QLabel*>()) {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
            QVERIFY2(d->rect().contains(label->geometry()), qPrintable(label->text()));
        }
        for (QPushButton* b : d->findChildren<QPushButton*>())
            QVERIFY2(b->width() > b->fontMetrics().horizontalAdvance(b->text()),
                     qPrintable(b->text()));
        // The boxes still start level with each other, right of the captions.
        QCOMPARE(child<QLineEdit>(d, "mod_title")->x(), child<QLineEdit>(d, "mod_time")->x());
    }

    void tabOrder_runsFromTheButtonsThroughTheBoxes()
    {
        MainWindowFixture f;
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QStringList order;
        QWidget* w = child<QPushButton>(d, "cmdOK");
        for (int i = 0; i < 13; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w && !(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"cmdOK", "cmdCancel", "cmdApply", "mod_title", "mod_version",
                                     "mod_author", "mod_desc", "mod_level", "mod_time",
                                     "mod_authnote", "Command1", "Command2", "Combo1"}));
    }

    void escCancels_andReturnIsOK()
    {
        MainWindowFixture f;
        f.window->show();
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto* title = child<QLineEdit>(d, "mod_title");
        title->setFocus();
        title->setText("typed");
        QTest::keyClick(title, Qt::Key_Escape);
        QTRY_VERIFY(!f.window->dialogs().propertiesDialog());
        QVERIFY(!f.doc()->control().text().contains("typed"));
        // Return in a field is OK, the default; in the level choice it takes
        // the level first, and in the notes it is a new line.
        d = f.window->dialogs().showProperties();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QVERIFY(child<QPushButton>(d, "cmdOK")->isDefault());
        QTest::mouseClick(child<QPushButton>(d, "Command2"), Qt::LeftButton);
        auto* levels = child<QComboBox>(d, "Combo1");
        QVERIFY(levels->hasFocus());
        levels->setEditText("hard");
        QTest::keyClick(levels, Qt::Key_Return);
        QVERIFY(d->isVisible() && !levels->isVisible());
        QCOMPARE(child<QLineEdit>(d, "mod_level")->text(), QString("hard"));
        auto* notes = child<QPlainTextEdit>(d, "mod_authnote");
        notes->setFocus();
        QTest::keyClicks(notes, "one");
        QTest::keyClick(notes, Qt::Key_Return);
        QVERIFY(d->isVisible());
        title = child<QLineEdit>(d, "mod_title");
        title->setFocus();
        title->setText("typed");
        QTest::keyClick(title, Qt::Key_Return);
        QTRY_VERIFY(!f.window->dialogs().propertiesDialog());
        QVERIFY(f.doc()->control().text().contains("## Mod Title: typed"));
        QVERIFY(f.doc()->control().text().contains("## Installation Level: hard"));
        // Return on the focused OK presses it, as Space does; it opens with the focus.
        d = f.window->dialogs().showProperties();
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto* ok = child<QPushButton>(d, "cmdOK");
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(d->testAttribute(Qt::WA_KeyboardFocusChange)); // its focus ring shows
        child<QLineEdit>(d, "mod_title")->setText("by Return");
        QTest::keyClick(ok, Qt::Key_Return);
        QTRY_VERIFY(!f.window->dialogs().propertiesDialog());
        QVERIFY(f.doc()->control().text().contains("by Return"));
    }

    void applyWrites_thenCancelKeepsWhatApplyWrote()
    {
        MainWindowFixture f;
        PropertiesDialog* d = f.window->dialogs().showProperties();
        child<QLineEdit>(d, "mod_title")->setText("My MOD");
        child<QPlainTextEdit>(d, "mod_authnote")->setPlainText("one\ntwo");
        child<QPushButton>(d, "cmdApply")->click();
        QVERIFY(d->isVisible());
        QVERIFY(f.doc()->control().text().contains(
            "## Mod Title: My MOD\r\n## Mod Version: 1.0.0\r\n"));
        QVERIFY(f.doc()->control().text().contains("## Author Note: one\r\n## two\r\n####"));
        // A second Apply must not prefix the notes twice.
        child<QPushButton>(d, "cmdApply")->click();
        QVERIFY(f.doc()->control().text().contains("## Author Note: one\r\n## two\r\n####"));
        child<QLineEdit>(d, "mod_title")->setText("Not written");
        child<QPushButton>(d, "cmdCancel")->click();
        QVERIFY(f.doc()->control().text().contains("## Mod Title: My MOD\r\n"));
        QVERIFY(f.doc()->model().hasUnsavedChanges());
    }

    void okWritesAndCloses()
    {
        MainWindowFixture f;
        PropertiesDialog* d = f.window->dialogs().showProperties();
        child<QLineEdit>(d, "mod_version")->setText("2.0.0");
        child<QPushButton>(d, "cmdOK")->click();
        QTRY_VERIFY(!f.window->dialogs().propertiesDialog());
        QVERIFY(f.doc()->control().text().contains("## Mod Version: 2.0.0\r\n"));
    }

    void okWithoutChanges_leavesTheScriptByteForByte_data()
    {
        QTest::addColumn<QString>("header");
        const QString sep = QString(62, '#') + " \r\n";
        const auto script = [&](const QString& description, const QString& author,
                                const QString& notes) {
            return sep + "## MOD Title: Quick Reply\r\n## MOD Author: " + author +
                   "\r\n## MOD Description: " + description +
                   "\r\n## MOD Version: 1.0.2\r\n##\r\n## Installation Level: Easy\r\n"
                   "## Installation Time: 5 Minutes\r\n## Files To Edit: viewtopic.php\r\n" +
                   sep + "## Author Notes: " + notes + "\r\n" + sep + "#\r\n# EoM\r\n";
        };
        const QString author = "joe < joe@x.org > (Joe) http://x.org";
        QTest::newRow("blank comment lines in the notes")
            << script("Adds a box", author, "\r\n## \r\n## It adds a box.\r\n## ");
        QTest::newRow("tabs and three marks in the notes")
            << script("Adds a box", author, "x\r\n##\tone\r\n###\r\n#\ttwo");
        QTest::newRow("non-breaking spaces")
            << script(QString::fromUtf8("Adds\u00a0a box"), author, QString::fromUtf8("a\u00a0b"));
        QTest::newRow("author line without its blanks")
            << script("d", "Joe <joe@x.org> (Joe Bloggs) http://x.org", "n");
        QTest::newRow("multi-line description") << script("line one\r\n## line two", author, "n");
    }

    void okWithoutChanges_leavesTheScriptByteForByte()
    {
        QFETCH(QString, header);
        MainWindowFixture f;
        f.doc()->control().setText(header);
        PropertiesDialog* d = f.window->dialogs().showProperties();
        // The author dialog opened and confirmed without a change, too.
        AuthorDialog a(d->mod_author());
        a.OKButton_Click();
        child<QPushButton>(d, "cmdApply")->click();
        child<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(f.doc()->control().text(), header);
    }

    void levelChoice_showsTheComboAndLeavingItSetsTheLevel()
    {
        MainWindowFixture f;
        f.window->show();
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QComboBox* combo = d->Combo1();
        QVERIFY(!combo->isVisible());
        child<QPushButton>(d, "Command2")->click();
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentText(), QString("easy"));
        QCOMPARE(combo->geometry(), QRect(child<QLineEdit>(d, "mod_level")->pos(), combo->size()));
        combo->setCurrentIndex(2);
        child<QLineEdit>(d, "mod_time")->setFocus();
        QTRY_VERIFY(!combo->isVisible());
        QCOMPARE(child<QLineEdit>(d, "mod_level")->text(), QString("hard"));
    }

    void withoutADocument_theBoxesAreEmptyAndOkWritesNothing()
    {
        MainWindowFixture f;
        f.window->mdiArea()->closeAllSubWindows();
        PropertiesDialog* d = f.window->dialogs().showProperties();
        QCOMPARE(d->boxes(), HeaderValues{});
        child<QLineEdit>(d, "mod_title")->setText("x");
        child<QPushButton>(d, "cmdOK")->click();
        QCOMPARE(f.dialogs.questions.size(), 0);
    }

    void authorButton_splitsAndJoinsTheAuthorBox()
    {
        MainWindowFixture f;
        PropertiesDialog* d = f.window->dialogs().showProperties();
        child<QLineEdit>(d, "mod_author")->setText("joe < j@x.org > (Joe) http://x.org");
        child<QPushButton>(d, "Command1")->click();
        auto* a = QApplication::activeModalWidget()
                      ? qobject_cast<AuthorDialog*>(QApplication::activeModalWidget())
                      : nullptr;
        if (!a)
            a = d->findChild<AuthorDialog*>();
        QVERIFY(a);
        QCOMPARE(a->windowTitle(), QString("Author Details"));
        QCOMPARE(a->author_phpbb()->text(), QString("joe"));
        QCOMPARE(a->author_email()->text(), QString("j@x.org"));
        QCOMPARE(a->author_name()->text(), QString("Joe"));
        QCOMPARE(a->author_url()->text(), QString("http://x.org"));
        a->author_name()->setText("Joe Bloggs");
        a->OKButton_Click();
        QCOMPARE(child<QLineEdit>(d, "mod_author")->text(),
                 QString("joe < j@x.org > (Joe Bloggs) http://x.org"));
    }

    void authorDialog_cancelLeavesTheFieldAndFocusStartsOnOk()
    {
        QLineEdit field("a < b > (c) d");
        AuthorDialog a(&field);
        a.author_url()->setText("changed");
        QWidget* w = a.findChild<QPushButton*>("OKButton");
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
            while (w && !(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"OKButton", "CancelButton", "author_name", "author_email",
                                     "author_phpbb", "author_url"}));
        a.CancelButton_Click();
        QCOMPARE(field.text(), QString("a < b > (c) d"));
    }

    void outlineDoubleClick_opensTheRightDialog()
    {
        MainWindowFixture f;
        doubleClickNode(f.doc(), "title");
        QVERIFY(f.window->dialogs().propertiesDialog());
        QVERIFY(f.window->dialogs().propertiesDialog()->isModal());
        delete f.window->dialogs().propertiesDialog();

        doubleClickNode(f.doc(), "author");
        QVERIFY(
            f.window->dialogs().propertiesDialog()); // loaded for the author field, shown beside it
        QVERIFY(!f.window->dialogs().propertiesDialog()->isModal());
        QVERIFY(f.window->dialogs().propertiesDialog()->findChild<AuthorDialog*>());
        delete f.window->dialogs().propertiesDialog();

        doubleClickNode(f.doc(), "actions");
        doubleClickNode(f.doc(), "mod");
        QVERIFY(!f.window->dialogs().propertiesDialog());
    }
};

QTEST_MAIN(TestPropertiesDialog)
#include "tst_propertiesdialog.moc"
