#include "support/MainWindowFixture.h"
#include "support/OutlineNodes.h"

#include "core/frame/StringTable.h"
#include "core/script/ModFormat.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/frame/SplashWindow.h"
#include "ui/platform/SetTopmost.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextCursor>
#include <QToolBar>
#include <QTreeView>

using namespace Quillwright;

namespace {
void choose(QListWidget* list, const QString& text)
{
    list->setCurrentItem(list->findItems(text, Qt::MatchExactly).value(0));
}
} // namespace

class TestAidWindows : public QObject {
    Q_OBJECT
private slots:
    void init() { StringTable::overrideLanguage(StringTable::Language::Neutral); }
    void cleanup() { StringTable::overrideLanguage(std::nullopt); }

    void builder_opensOnceOnTopWithItsStartState()
    {
        MainWindowFixture f;
        f.window->toolbar().tbToolBar_ButtonClick(ToolButton::Cmd);
        CommandsWindow* c = f.window->dialogs().actionBuilder();
        QVERIFY(c && c->isVisible());
        QCOMPARE(c->windowTitle(), QString("action builder"));
        QVERIFY(c->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(c->List1()->count(), 15);
        QCOMPARE(c->cmdlist()->count(), 63);
        QVERIFY(!c->cmdlist()->isVisible());
        QVERIFY(c->TabStrip1()->isVisible()); // Tab finds it before a keyword is chosen
        QCOMPARE(c->TabStrip1()->tabText(c->TabStrip1()->currentIndex()), QString("TEXT"));
        QCOMPARE(c->TabStrip1()->tabToolTip(0), QString("Insert custom text"));
        QCOMPARE(c->TabStrip1()->tabToolTip(1), QString("Select text/file from a list"));
        f.window->toolbar().tbToolBar_ButtonClick(ToolButton::Cmd);
        QCOMPARE(f.window->findChildren<CommandsWindow*>().size(), 1);
        // A dialog to assistive technology, not a "filler".
        QCOMPARE(QAccessible::queryAccessibleInterface(c)->role(), QAccessible::Dialog);
        // The keys go to the builder from the start, and Esc closes it.
        QCOMPARE(c->focusWidget(), static_cast<QWidget*>(c->List1()));
        QTest::keyClick(c->List1(), Qt::Key_Escape);
        QTRY_VERIFY(!f.window->dialogs().actionBuilder());
        f.window->toolbar().tbToolBar_ButtonClick(ToolButton::Cmd);
        QVERIFY(f.window->close());
        QTRY_VERIFY(!f.window->dialogs().actionBuilder());
    }

    void builder_appendsBlocksThatTheOutlineAndColouringPickUp()
    {
        MainWindowFixture f;
        CommandsWindow* c = f.window->dialogs().showActionBuilder();
        choose(c->List1(), "OPEN");
        QVERIFY(c->TabStrip1()->isVisible());
        c->TabStrip1()->setCurrentIndex(1);
        QVERIFY(c->cmdlist()->isVisible());
        choose(c->cmdlist(), "viewtopic.php");
        // Return is Add, the default, in the lists; in the text it is a new
        // line; on another button, that button.
        QVERIFY(c->findChild<QPushButton*>("OKButton")->isDefault());
        QTest::keyClick(c->cmdlist(), Qt::Key_Return);
        choose(c->List1(), "FIND");
        QVERIFY(!c->cmdlist()->isVisible() && c->cmdtxt()->isVisible());
        c->cmdtxt()->setPlainText("$a = 1;\n$b = 2");
        c->cmdtxt()->moveCursor(QTextCursor::End);
        QTest::keyClick(c->cmdtxt(), Qt::Key_Return);
        QTest::keyClicks(c->cmdtxt(), "junk");
        c->findChild<QPushButton*>("Command1")->setFocus();
        QTest::keyClick(c->findChild<QPushButton*>("Command1"), Qt::Key_Return);
        QCOMPARE(c->cmdtxt()->toPlainText(), QString());
        c->cmdtxt()->setPlainText("$a = 1;\n$b = 2;");
        c->List1()->setFocus();
        QTest::keyClick(c->List1(), Qt::Key_Return);
        choose(c->List1(), "AFTER, ADD");
        c->cmdtxt()->setPlainText("$c = 3;");
        c->OKButton_Click();
        choose(c->List1(), "SAVE/CLOSE ALL FILES");
        QVERIFY(c->cmdtxt()->isReadOnly());
        c->OKButton_Click();

        DocumentWindow* d = f.doc();
        const QString text = d->control().text();
        const QString dashes(42, '-');
        QVERIFY(text.startsWith(ModFormat::defaultTemplate()));
        QCOMPARE(text.mid(ModFormat::defaultTemplate().size()),
                 "#\r\n#-----[ OPEN ]" + dashes +
                     "\r\n#\r\nviewtopic.php\r\n"
                     "#\r\n#-----[ FIND ]" +
                     dashes +
                     "\r\n#\r\n$a = 1;\r\n$b = 2;\r\n"
                     "#\r\n#-----[ AFTER, ADD ]" +
                     dashes +
                     "\r\n#\r\n$c = 3;\r\n"
                     "#\r\n#-----[ SAVE/CLOSE ALL FILES ]" +
                     dashes + "\r\n#\r\n# EoM\r\n");
        QModelIndex actions = d->outlineNode("actions");
        QCOMPARE(childCount(actions), 4);
        QCOMPARE(textOf(childOf(actions, 0)), QString("OPEN"));
        QCOMPARE(textOf(childOf(actions, 2)), QString("AFTER, ADD"));
        QVERIFY(hasPicture(childOf(actions, 1)));
        const StyledText s = d->control().styledText();
        QCOMPARE(s.colorAt(int(text.indexOf("[ FIND ]")) + 2), MarkerColors::Blue);
        QCOMPARE(s.colorAt(int(text.indexOf("# EoM"))), MarkerColors::Green);
    }

    void builder_startsItsBlockOnALineOfItsOwn_andAddsWhatItShows()
    {
        MainWindowFixture f;
        RichTextControl& c = f.doc()->control();
        c.setText("#\r\n#-----[ SAVE/CLOSE ALL FILES ]---\r\n#\r\n# EoM");
        CommandsWindow* b = f.window->dialogs().showActionBuilder();
        // Focus makes the first keyword current without highlighting it.
        b->List1()->setFocus();
        b->List1()->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        b->OKButton_Click();
        QCOMPARE(c.text(),
                 "#\r\n#-----[ SAVE/CLOSE ALL FILES ]---\r\n#\r\n# EoM\r\n#\r\n#-----[  ]" +
                     QString(42, '-') + "\r\n#\r\n\r\n");
        choose(b->List1(), "FIND");
        b->cmdtxt()->setPlainText("x");
        b->OKButton_Click();
        QVERIFY(c.text().endsWith("\r\n#\r\n#-----[ FIND ]" + QString(42, '-') + "\r\n#\r\nx\r\n"));
    }

    void builder_withoutADocumentSaysSoInTheStatusBar()
    {
        MainWindowFixture f;
        f.window->mdiArea()->closeAllSubWindows();
        CommandsWindow* c = f.window->dialogs().showActionBuilder();
        choose(c->List1(), "FIND");
        c->OKButton_Click();
        QVERIFY(f.window->status().statusPanel()->text().contains("No script is open"));
    }

    void setTopmost_keepsPositionAndSizeAndReportsTheState()
    {
        QWidget w;
        w.setGeometry(120, 80, 300, 200);
        w.show();
        QCOMPARE(SetTopmost(&w, true), 1);
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.isVisible());
        QCOMPARE(w.geometry(), QRect(120, 80, 300, 200));
        QCOMPARE(SetTopmost(&w, false), 0);
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(w.geometry(), QRect(120, 80, 300, 200));
    }

    void builder_emptyBoxClearsEvenWhileLocked()
    {
        CommandsWindow c;
        choose(c.List1(), "SAVE/CLOSE ALL FILES");
        QCOMPARE(c.cmdtxt()->toPlainText(), QString("# EoM"));
        c.Command1_Click();
        QCOMPARE(c.cmdtxt()->toPlainText(), QString());
    }

    void options_cyclesTabsWithCtrlTabFromAnyControl()
    {
        MainWindowFixture f;
        f.window->show();
        OptionsDialog* o = f.window->dialogs().showOptions();
        QVERIFY(QTest::qWaitForWindowActive(o));
        QCOMPARE(o->findChild<QGroupBox*>("fraSample1")->title(), QString("Sample 1"));
        QCOMPARE(o->findChild<QPushButton*>("cmdApply")->text(), QString("&Apply"));
        QCOMPARE(o->tbsOptions()->tabText(1), QString("Mod Source"));
        o->Combo1()->setFocus();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(o->tbsOptions()->currentIndex(), 1);
        QVERIFY(o->page(1)->isEnabled() && !o->page(0)->isEnabled());
        QVERIFY(o->page(0)->x() < 0);
        QTest::keyClick(o, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(o, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(o->tbsOptions()->currentIndex(), 3);
        QTest::keyClick(o, Qt::Key_Tab, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(o->tbsOptions()->currentIndex(), 0);
        QTest::keyClick(o, Qt::Key_Tab);
        QCOMPARE(o->tbsOptions()->currentIndex(), 0);
        delete o;
    }

    void options_applyThenCancelKeepsTheFontInTheSettingAndTheActiveDocumentOnly()
    {
        MainWindowFixture f;
        DocumentWindow* first = f.doc();
        DocumentWindow* second = f.window->NewDocument();
        OptionsDialog* o = f.window->dialogs().showOptions();
        QCOMPARE(o->Combo1()->currentText(), QString("Lucida Console"));
        QCOMPARE(o->Combo1()->count(), QFontDatabase::families().size());
        o->Combo1()->setEditText("DejaVu Sans Mono");
        o->findChild<QPushButton*>("cmdApply")->click();
        o->findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(f.settings.value("Quillwright", "Settings", "font", ""),
                 QString("DejaVu Sans Mono"));
        QCOMPARE(second->control().fontName(), QString("DejaVu Sans Mono"));
        QCOMPARE(first->control().fontName(), QString("Lucida Console"));
        QCOMPARE(f.window->NewDocument()->control().fontName(), QString("DejaVu Sans Mono"));
    }

    void options_withoutADocumentOnlyStoresTheSetting()
    {
        MainWindowFixture f;
        f.window->mdiArea()->closeAllSubWindows();
        OptionsDialog* o = f.window->dialogs().showOptions();
        QCOMPARE(o->Combo1()->currentText(), QString());
        o->Combo1()->setEditText("Courier");
        o->findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(f.settings.value("Quillwright", "Settings", "font", ""), QString("Courier"));
    }

    void splash_showsVersionAndTitleInEitherLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("warning");
        QTest::newRow("english") << int(StringTable::Language::Neutral) << "Warning";
        QTest::newRow("french") << int(StringTable::Language::French) << "Attention";
    }

    void splash_showsVersionAndTitleInEitherLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, warning);
        StringTable::overrideLanguage(StringTable::Language(language));
        SplashWindow s;
        s.setAttribute(Qt::WA_DeleteOnClose, false);
        s.Form_Load();
        QCOMPARE(s.label("lblVersion")->text(), ModFormat::versionLine());
        QCOMPARE(s.label("lblProductName")->text(), QString("Quillwright"));
        QCOMPARE(s.label("lblWarning")->text(), warning);
        for (QLabel* l : s.findChildren<QLabel*>())
            if (!l->objectName().isEmpty())
                QCOMPARE(l->font(), s.font());
    }

    void splash_closesOnAClick()
    {
        SplashWindow s;
        s.setAttribute(Qt::WA_DeleteOnClose, false);
        s.Form_Load();
        s.show();
        QTest::mouseClick(s.findChild<QLabel*>("picLogo"), Qt::LeftButton);
        QVERIFY(!s.isVisible());
    }

    void viewCommands_toggleBarsAndArrangeWindows()
    {
        MainWindowFixture f;
        f.window->resize(900, 700);
        f.window->show();
        auto* bar = f.window->findChild<QToolBar*>("tbToolBar");
        f.window->action(Command::ViewToolbar)->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!f.window->action(Command::ViewToolbar)->isChecked());
        f.window->action(Command::ViewToolbar)->trigger();
        QVERIFY(bar->isVisible());
        f.window->action(Command::ViewStatusBar)->trigger();
        QVERIFY(!f.window->statusBar()->isVisible());

        f.window->NewDocument();
        f.window->action(Command::WindowTileVertical)->trigger();
        const QList<QMdiSubWindow*> subs = f.window->mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 2);
        QCOMPARE(subs[0]->y(), subs[1]->y());
        QCOMPARE(subs[0]->x() + subs[0]->width(), subs[1]->x());
        f.window->action(Command::WindowTileHorizontal)->trigger();
        QCOMPARE(subs[0]->x(), subs[1]->x());
        QCOMPARE(subs[0]->y() + subs[0]->height(), subs[1]->y());
        f.window->action(Command::WindowCascade)->trigger();
        QVERIFY(subs[0]->pos() != subs[1]->pos());
    }

    void help_showsItsMessages()
    {
        MainWindowFixture f;
        f.window->action(Command::HelpContents)->trigger();
        QCOMPARE(f.dialogs.questions.last().title, f.window->windowTitle());
        QCOMPARE(f.dialogs.questions.last().icon, DialogService::Icon::Information);
        // What to do and the keys that reach every part, not that there is no help.
        for (const char* told : {"Properties", "F6", "Shift+F10", "F8", "F9", "Esc"})
            QVERIFY2(f.dialogs.lastText().contains(told), told);
        f.window->action(Command::HelpSearchForHelpOn)->trigger();
        QCOMPARE(f.dialogs.questions.size(), 2);
    }
};

QTEST_MAIN(TestAidWindows)
#include "tst_aidwindows.moc"
