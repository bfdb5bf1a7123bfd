#include "core/frame/CommandLine.h"
#include "support/Contrast.h"
#include "support/MainWindowFixture.h"
#include "support/OutlineNodes.h"
#include "support/TestFiles.h"

#include "core/checker/Finding.h"
#include "core/frame/StringTable.h"
#include "core/script/ModFormat.h"
#include "core/text/TextSearch.h"
#include "ui/checker/ProblemsPanel.h"
#include "ui/dialogs/AuthorDialog.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/find/FindBar.h"
#include "ui/find/GoToLineBar.h"
#include "ui/frame/SplashWindow.h"
#include "ui/frame/TipWindow.h"
#include "ui/install/InstallMenuCommands.h"
#include "ui/install/InstallPreview.h"
#include "ui/platform/Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStringListModel>
#include <QStyleOption>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <memory>

using namespace Quillwright;

namespace {
int px(double twips, const QWidget* w)
{
    return qRound(twips * w->screen()->logicalDotsPerInch() / 1440.0);
}

QStringList names(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << a->objectName();
    return out;
}

// The entries (text, then the keys shown) of the popup menu that `ask`
// opens, which is closed again; empty when none opens.
QStringList popupEntries(const std::function<void()>& ask)
{
    QStringList seen;
    bool looked = false;
    auto* poll = new QTimer;
    int tries = 0;
    QObject::connect(poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu && ++tries < 100)
            return;
        if (menu) {
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    seen << a->text() + u'\t' + a->shortcut().toString();
            menu->close();
        }
        looked = true;
        poll->stop();
    });
    poll->start(10);
    ask();
    // A menu that never showed leaves `seen` empty, which the caller compares.
    (void)QTest::qWaitFor([&looked] { return looked; }, 3000);
    delete poll;
    return seen;
}
} // namespace

namespace {
// What a window shows in words, and the fields a screen reader could not name.
struct Walked {
    QStringList texts;
    QStringList unnamed;
    QStringList namedByValue; // what a screen reader says of them is their value
};

void addText(Walked& w, QString text)
{
    text.remove(u'&');
    if (text.contains(QRegularExpression("[A-Za-z]{2}")))
        w.texts << text;
}

void walk(QWidget* root, Walked& w)
{
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    QSet<const QWidget*> labelled;
    for (QWidget* x : all)
        if (auto* label = qobject_cast<QLabel*>(x); label && label->buddy())
            labelled.insert(label->buddy());
    for (QWidget* x : all) {
        if (x->isWindow())
            addText(w, x->windowTitle());
        addText(w, x->toolTip());
        addText(w, x->accessibleName());
        // Dates and times are the locale's, not words of the program.
        if (auto* label = qobject_cast<QLabel*>(x);
            label && label->objectName() != "datePanel" && label->objectName() != "timePanel")
            addText(w, label->text());
        // A tool button that shows its icon alone says its tooltip.
        auto* tool = qobject_cast<QToolButton*>(x);
        if (auto* button = qobject_cast<QAbstractButton*>(x);
            button && !(tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            addText(w, button->text());
        if (tool && tool->menu())
            for (QAction* entry : tool->menu()->actions())
                addText(w, entry->text());
        if (auto* group = qobject_cast<QGroupBox*>(x))
            addText(w, group->title());
        if (auto* tabs = qobject_cast<QTabBar*>(x))
            for (int i = 0; i < tabs->count(); ++i)
                addText(w, tabs->tabText(i));
        if (auto* line = qobject_cast<QLineEdit*>(x))
            addText(w, line->placeholderText());
        if (auto* bar = qobject_cast<QMenuBar*>(x))
            for (QAction* menu : bar->actions()) {
                addText(w, menu->text());
                if (menu->menu())
                    for (QAction* entry : menu->menu()->actions())
                        addText(w, entry->text());
            }
        if (auto* toolbar = qobject_cast<QToolBar*>(x))
            for (QAction* a : toolbar->actions())
                addText(w, a->toolTip());
        const bool field = qobject_cast<QLineEdit*>(x) || qobject_cast<QPlainTextEdit*>(x) ||
                           qobject_cast<QComboBox*>(x) || qobject_cast<QAbstractSpinBox*>(x) ||
                           qobject_cast<QListWidget*>(x) || qobject_cast<QTreeView*>(x);
        // A line edit inside a combo box or a spin box is named with it.
        const bool part = qobject_cast<QComboBox*>(x->parentWidget()) ||
                          qobject_cast<QAbstractSpinBox*>(x->parentWidget());
        if (field && !part && x->accessibleName().isEmpty() && !labelled.contains(x))
            w.unnamed << x->objectName() + " in " + root->objectName();
        // What assistive technology is told: every actionable object has a
        // name, and the name is not its value (a combo named "Lucida Console").
        // A frame that takes the focus (the tip's) is read when it gets it.
        const bool actionable =
            field || qobject_cast<QAbstractButton*>(x) || qobject_cast<QToolBar*>(x) ||
            qobject_cast<QTabBar*>(x) ||
            (x->metaObject() == &QFrame::staticMetaObject && x->focusPolicy() != Qt::NoFocus);
        // The edit part of a combo box is read on its own when it has the focus.
        const bool spinPart = qobject_cast<QAbstractSpinBox*>(x->parentWidget());
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(x);
            a && actionable && !spinPart && x->isVisibleTo(root)) {
            const QString name = a->text(QAccessible::Name);
            const QString value = a->text(QAccessible::Value);
            // Each page of a tab list is read by its own caption.
            if (auto* tabs = qobject_cast<QTabBar*>(x))
                for (int i = 0; i < tabs->count(); ++i)
                    if (a->childCount() != tabs->count() ||
                        a->child(i)->text(QAccessible::Name) != tabs->tabText(i).remove('&'))
                        w.unnamed << "page " + QString::number(i) + " of " + x->objectName() +
                                         " in " + root->objectName();
            if (name.trimmed().isEmpty())
                w.unnamed << x->metaObject()->className() + QString(" ") + x->objectName() +
                                 " in " + root->objectName();
            // A list's "value" is its name again: only fields and buttons are checked.
            else if ((name == value && !qobject_cast<QAbstractItemView*>(x)) ||
                     (qobject_cast<QComboBox*>(x) &&
                      name == static_cast<QComboBox*>(x)->currentText()) ||
                     name == x->objectName() || // "undo", "CoolBar1": names that say nothing
                     // a tab list named after the page it shows ("General")
                     (qobject_cast<QTabBar*>(x) &&
                      name == static_cast<QTabBar*>(x)->tabText(
                                  static_cast<QTabBar*>(x)->currentIndex())) ||
                     // a toolbar button read by its key ("cmd") though its tooltip says more
                     (qobject_cast<QToolButton*>(x) &&
                      static_cast<QToolButton*>(x)->defaultAction() &&
                      name == static_cast<QToolButton*>(x)->defaultAction()->property("key") &&
                      !x->toolTip().isEmpty() && x->toolTip() != name))
                w.namedByValue << x->objectName() + " (" + name + ") in " + root->objectName();
        }
    }
}

// Every window and dialog of the program with its bars open, and the
// messages two failures give.
Walked walkEverything()
{
    Walked w;
    MainWindowFixture f;
    f.window->show();
    DocumentWindow* doc = f.doc();
    doc->findBar()->open(FindBar::Mode::Replace);
    f.window->findChild<QAction*>("mnuToolsProblems")->trigger();
    walk(f.window.get(), w);
    doc->goToLineBar()->open();
    walk(doc, w);
    f.dialogs.fileNames = {f.path("missing.mod")};
    f.window->files().mnuFileOpen_Click();
    for (const ScriptedDialogs::Question& q : f.dialogs.questions)
        addText(w, q.text);
    for (const QString& title : f.dialogs.fileDialogTitles)
        addText(w, title);
    {
        PropertiesDialog properties(&doc->control());
        walk(&properties, w);
        QLineEdit author;
        AuthorDialog details(&author);
        walk(&details, w);
        OptionsDialog options(&f.settings, &doc->control());
        walk(&options, w);
        CommandsWindow builder;
        walk(&builder, w);
        InstallPreview preview;
        preview.setForum(f.path("forum"), QString());
        walk(&preview, w);
    }
    auto* tip = new TipWindow(&f.settings, f.path("nowhere"), [] { return 0.0; });
    tip->Form_Load();
    walk(tip, w);
    delete tip;
    auto* splash = new SplashWindow;
    splash->Form_Load();
    walk(splash, w);
    delete splash;
    return w;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { StringTable::overrideLanguage(StringTable::Language::Neutral); }

    void firstRun_opensAtDefaultPlacementWithDocument1()
    {
        MainWindowFixture f;
        MainWindow& w = *f.window;
        QCOMPARE(w.windowTitle(), QString("Quillwright"));
        QCOMPARE(w.pos(), QPoint(px(1000, &w), px(1000, &w)));
        QCOMPARE(w.size(), QSize(px(6500, &w), px(6500, &w)));
        DocumentWindow* d = f.doc();
        QVERIFY(d);
        QCOMPARE(d->caption(), QString("Document 1"));
        QCOMPARE(d->control().text(), ModFormat::defaultTemplate());
        QCOMPARE(d->control().selStart(), 0);
        QCOMPARE(w.DocumentCount(), 1);
        QVERIFY(!w.action(Command::EditUndo)->isEnabled());
        QVERIFY(!w.toolbar().button(ToolButton::Undo)->isEnabled());
        // Nothing of the web browser before its window opens: the engine and
        // the shared OpenGL context it needs cost every session otherwise.
        QFile maps("/proc/self/maps");
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libQt6WebEngine"));
        QVERIFY(!QOpenGLContext::globalShareContext());
    }

    void outlineSkeleton_hasItsKeysTextsAndParents()
    {
        MainWindowFixture f;
        DocumentWindow* d = f.doc();
        const QStringList header = {"title", "version", "author",   "description",
                                    "level", "time",    "editfiles"};
        QModelIndex root = d->outlineNode("mod");
        QVERIFY(root.isValid() && !root.parent().isValid() && d->Actionlist()->isExpanded(root));
        QCOMPARE(textOf(root), QString("Mod"));
        QModelIndex h = d->outlineNode("header");
        QCOMPARE(h.parent(), root);
        QVERIFY(!d->Actionlist()->isExpanded(h));
        QCOMPARE(childCount(h), header.size());
        for (int i = 0; i < header.size(); ++i)
            QCOMPARE(childOf(h, i).data(Qt::UserRole).toString(), header[i]);
        QCOMPARE(textOf(d->outlineNode("level")), QString("Installation level"));
        QCOMPARE(d->outlineNode("actions").parent(), root);
        QCOMPARE(childCount(d->outlineNode("actions")), 0);
    }

    void storedPlacement_isUsedAndWhatCannotBeFallsBack_data()
    {
        QTest::addColumn<QStringList>("stored"); // MainLeft, MainTop, MainWidth, MainHeight
        QTest::addColumn<QList<int>>("twips");   // where the window opens
        QTest::newRow("stored values")
            << QStringList{"2880", "1500", "7000", "6000"} << QList<int>{2880, 1500, 7000, 6000};
        QTest::newRow("text that is no number: that value's default")
            << QStringList{"2880", "abc", "7000", "6000"} << QList<int>{2880, 1000, 7000, 6000};
        const QList<int> defaults{1000, 1000, 6500, 6500};
        QTest::newRow("a width that overflows")
            << QStringList{"0", "0", "1e30", "6000"} << defaults;
        QTest::newRow("not a number, which counts as no number")
            << QStringList{"nan", "0", "7000", "6000"} << QList<int>{1000, 0, 7000, 6000};
        QTest::newRow("infinite, which counts as no number")
            << QStringList{"0", "0", "7000", "-inf"} << QList<int>{0, 0, 7000, 6500};
        QTest::newRow("too small to use") << QStringList{"0", "0", "150", "150"} << defaults;
        QTest::newRow("off every screen")
            << QStringList{"9000000", "9000000", "7000", "6000"} << defaults;
        QTest::newRow("above the top of the screen")
            << QStringList{"0", "-30000", "7000", "6000"} << defaults;
    }

    void storedPlacement_isUsedAndWhatCannotBeFallsBack()
    {
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, twips);
        MainWindowFixture f(QString(), false);
        const QStringList keys{"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < 4; ++i)
            f.settings.setValue("Quillwright", "Settings", keys[i], stored[i]);
        f.window->MDIForm_Load(QString());
        const QWidget* w = f.window.get();
        QCOMPARE(f.window->pos(), QPoint(px(twips[0], w), px(twips[1], w)));
        QCOMPARE(f.window->size(), QSize(px(twips[2], w), px(twips[3], w)));
    }

    void menuTree_isCompleteAndInOrder()
    {
        MainWindowFixture f;
        QStringList titles;
        QStringList menuNames;
        for (QAction* a : f.window->menuBar()->actions()) {
            titles << a->text();
            menuNames << a->menu()->objectName();
        }
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Window", "&Help"}));
        QCOMPARE(menuNames, (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuTools", "mnuWindow",
                                         "mnuHelp"}));
        auto* file = f.window->findChild<QMenu*>("mnuFile");
        QCOMPARE(names(file->actions()),
                 (QStringList{"mnuFileNew",          "mnuFileOpen",  "mnuFileClose",
                              "mnuFileBar0",         "mnuFileSave",  "mnuFileSaveAs",
                              "mnuFileSaveAll",      "mnuPublish",   "mnuFileBar1",
                              "mnuFileProperties",   "mnuFileBar2",  "mnuFilePageSetup",
                              "mnuFilePrintPreview", "mnuFilePrint", "mnuFileBar3",
                              "mnuFileSend",         "mnuFileBar4",  "mnuFileMRU",
                              "mnuFileMRU",          "mnuFileMRU",   "mnuFileBar5",
                              "mnuFileExit"}));
        QVERIFY(file->actions()[3]->isSeparator());
        QCOMPARE(file->actions()[7]->text(), QString("Publish"));
        auto* help = f.window->findChild<QMenu*>("mnuHelp");
        QCOMPARE(names(help->actions()), (QStringList{"mnuHelpContents", "mnuHelpSearchForHelpOn",
                                                      "mnuHelpBar0", "mnuHelpAbout"}));
        QCOMPARE(help->actions()[3]->text(), QString("&About "));
        QCOMPARE(names(f.window->findChild<QMenu*>("mnuWindow")->actions()),
                 (QStringList{"mnuWindowNewWindow", "mnuWindowBar0", "mnuWindowCascade",
                              "mnuWindowTileHorizontal", "mnuWindowTileVertical",
                              "mnuWindowArrangeIcons", "mnuWindowBar1", "mnuWindowList1"}));
        // What editors have in Edit comes after the menu's own entries.
        auto* edit = f.window->findChild<QMenu*>("mnuEdit");
        QCOMPARE(names(edit->actions()),
                 (QStringList{"mnuEditUndo", "mnuEditBar0", "mnuEditCut", "mnuEditCopy",
                              "mnuEditPaste", "mnuEditPasteSpecial", "mnuEditBar1", "mnuEditRedo",
                              "mnuEditFind", "mnuEditReplace", "mnuEditGoToLine",
                              "mnuEditNextProblem", "mnuEditPreviousProblem"}));
        QCOMPARE(edit->actions()[7]->shortcuts(),
                 (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        QCOMPARE(edit->actions()[8]->shortcut(),
                 QKeySequence::keyBindings(QKeySequence::Find).value(0));
        // Cut and Copy show the keys the script answers, without taking them.
        for (QAction* shown : {edit->actions()[2], edit->actions()[3]}) {
            QVERIFY(!shown->shortcut().isEmpty());
            QCOMPARE(shown->shortcutContext(), Qt::WidgetShortcut);
        }
        QCOMPARE(edit->actions()[2]->shortcut(), QKeySequence(QKeySequence::Cut));
        // The entries act on the active document; Ctrl+F, which they show, too.
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        edit->actions()[10]->trigger(); // Go to Line...
        QVERIFY(f.doc()->goToLineBar()->isVisible());
        f.doc()->mod_fly()->setFocus();
        QTest::keyClick(f.doc()->mod_fly(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(f.doc()->findBar()->isVisible());
        // What was looked for is offered again, in another document too, newest first.
        for (const char* looked : {"MOD", "Title", "MOD"}) {
            f.doc()->findBar()->findField()->setText(looked);
            QTest::keyClick(f.doc()->findBar()->findField(), Qt::Key_Return);
        }
        DocumentWindow* first = f.doc();
        f.window->NewDocument();
        f.doc()->findBar()->open(FindBar::Mode::Find);
        QTest::keyClick(f.doc()->findBar()->findField(), Qt::Key_Down);
        auto* offered = f.doc()->findBar()->findField()->findChild<QCompleter*>();
        QVERIFY(offered && offered->popup()->isVisible());
        QCOMPARE(static_cast<QStringListModel*>(offered->model())->stringList(),
                 (QStringList{"MOD", "Title"}));
        offered->popup()->hide();
        f.doc()->close();
        f.window->mdiArea()->setActiveSubWindow(f.window->mdiArea()->subWindowList().first());
        QCOMPARE(f.doc(), first);
        // Redo after an undo, from its key, until something is typed.
        f.doc()->model().Timer1_Timer();
        f.doc()->control().setSelText("typed");
        f.doc()->model().Timer1_Timer();
        const QString typed = f.doc()->control().text();
        f.window->edits().undoLevels(1);
        QVERIFY(edit->actions()[7]->isEnabled());
        f.doc()->mod_fly()->setFocus();
        QTest::keyClick(f.doc()->mod_fly(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.doc()->control().text(), typed);
        QVERIFY(!edit->actions()[7]->isEnabled());
    }

    void menus_readFrenchOnAFrenchInterface()
    {
        StringTable::overrideLanguage(StringTable::Language::French);
        MainWindowFixture f;
        QStringList titles;
        for (QAction* a : f.window->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"&Fichier", "&Editer", "Affichage", "Outils",
                                      QString::fromUtf8("Fenêtres"), "Aide"}));
        QCOMPARE(f.window->toolbar().button(ToolButton::Cmd)->toolTip(),
                 QString::fromUtf8("Insérer nouvelle commande"));
        QCOMPARE(f.window->windowTitle(), QString("Quillwright"));
    }

    void everyWindow_speaksFrenchOnAFrenchInterface_andNamesEveryField()
    {
        const Walked english = walkEverything();
        QVERIFY(english.texts.size() > 100);
        StringTable::overrideLanguage(StringTable::Language::French);
        Translations::use(StringTable::Language::French);
        const Walked french = walkEverything();
        // The find bar's word on a pattern that is not one, where Qt's own French has none.
        const QString regexError = TextSearch("a(b", {false, false, true}).error();
        // Qt's own file dialog in French, the type of a folder included.
        const QStringList fileDialog = {QCoreApplication::translate("QFileDialog", "Directory:"),
                                        QCoreApplication::translate("QAbstractFileIconProvider",
                                                                    "Folder",
                                                                    "All other platforms")};
        Translations::use(StringTable::Language::Neutral);
        QCOMPARE(regexError, QString::fromUtf8("parenthèse fermante manquante"));
        QCOMPARE(fileDialog, (QStringList{"Dossier :", "Dossier"}));
        // What stays the same in both languages: names, keywords, and words
        // French shares with English.
        const QStringList sameInBoth = {
            "Quillwright",  "OK",          "Options",    "Options...",   "Version", "Document 1",
            "Windows-1252", "Mod",         "Cascade",    "Publish",      "TEXT",    "LIST",
            "Actions",      "Description", "Mod Header", "Regex",        "Script",  "Exemple 1",
            "Exemple 2",    "Exemple 3",   "Exemple 4",  "1 Document 1", "UTF-8",   "Date"};
        const QStringList keywords = ModFormat::builderKeywords();
        QStringList english_left;
        for (const QString& text : french.texts)
            if (english.texts.contains(text) && !sameInBoth.contains(text) &&
                !keywords.contains(text) && !text.contains("MOD") && !text.startsWith("Version ") &&
                !english_left.contains(text))
                english_left << text;
        QVERIFY2(english_left.isEmpty(), qPrintable(english_left.join(" | ")));
        QVERIFY2(english.unnamed.isEmpty(), qPrintable(english.unnamed.join(", ")));
        QVERIFY2(english.namedByValue.isEmpty(), qPrintable(english.namedByValue.join(", ")));
    }

    void focusFrame_ofTheOutlinesCurrentItem_reachesFourAndAHalfToOne()
    {
        MainWindowFixture f;
        QTreeView* outline = f.doc()->Actionlist();
        const QColor base = outline->palette().color(QPalette::Base);
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(base);
        QStyleOptionFocusRect option;
        option.initFrom(outline);
        option.rect = image.rect();
        option.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        QPainter painter(&image);
        outline->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, outline);
        painter.end();
        // WCAG's contrast of the frame's strongest pixel against the list.
        double best = 1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                best = std::max(best, contrast(image.pixelColor(x, y), base));
        QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
        // A selected row's text on the selection, as text must be.
        const QPalette p = outline->palette();
        QVERIFY(contrast(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)) >= 4.5);
    }

    void focus_standsOutFromItsUnfocusedState_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("check box") << "box";
        QTest::newRow("default button") << "button";
        QTest::newRow("tab") << "tabs";
    }

    void focus_standsOutFromItsUnfocusedState()
    {
        QFETCH(QString, control);
        MainWindowFixture f; // the program's style
        QDialog dialog;
        auto* field = new QLineEdit(&dialog);
        auto* box = new QCheckBox("Match case", &dialog);
        box->setObjectName("box");
        auto* button = new QPushButton("OK", &dialog);
        button->setObjectName("button");
        button->setDefault(true);
        auto* tabs = new QTabBar(&dialog);
        tabs->setObjectName("tabs");
        tabs->addTab("TEXT");
        tabs->addTab("LIST");
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w : std::initializer_list<QWidget*>{field, box, button, tabs})
            layout->addWidget(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* target = dialog.findChild<QWidget*>(control);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab); // the focus moves by keys from now on
        QVERIFY(dialog.testAttribute(Qt::WA_KeyboardFocusChange));
        const auto grab = [&](QWidget* focus) {
            focus->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            return dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage off = grab(field);
        const QImage on = grab(target);
        // The pixels the focus changes: enough of them, and changed enough
        // (3:1 between the focused and the unfocused state).
        const QRect around =
            QRect(target->mapTo(&dialog, QPoint()), target->size()).adjusted(-3, -3, 3, 3);
        int strong = 0;
        double best = 1;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x) {
                const double c = contrast(on.pixelColor(x, y), off.pixelColor(x, y));
                best = std::max(best, c);
                strong += c >= 3 ? 1 : 0;
            }
        QVERIFY2(best >= 3 && strong >= 100,
                 qPrintable(QString("%1:1, %2 pixels").arg(best).arg(strong)));
    }

    void menus_giveEachLetterOnce_data()
    {
        QTest::addColumn<bool>("french");
        QTest::newRow("English") << false;
        QTest::newRow("French") << true;
    }

    void menus_giveEachLetterOnce()
    {
        QFETCH(bool, french);
        StringTable::overrideLanguage(french ? StringTable::Language::French
                                             : StringTable::Language::Neutral);
        Translations::use(french ? StringTable::Language::French : StringTable::Language::Neutral);
        MainWindowFixture f;
        Translations::use(StringTable::Language::Neutral);
        for (QAction* title : f.window->menuBar()->actions()) {
            QMap<QKeySequence, QString> letters;
            for (QAction* a : title->menu()->actions()) {
                const QKeySequence letter = QKeySequence::mnemonic(a->text());
                if (a->isSeparator() || !a->isVisible() || letter.isEmpty())
                    continue;
                QVERIFY2(!letters.contains(letter),
                         qPrintable(letters[letter] + " and " + a->text()));
                letters[letter] = a->text();
            }
        }
    }

    void keys_reachEveryPane_andEveryContextMenu()
    {
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        DocumentWindow* d = f.doc();
        ProblemsPanel* problems = f.window->findChild<ProblemsPanel*>();
        problems->toggle()->trigger();
        d->findBar()->open(FindBar::Mode::Find);
        d->mod_fly()->setFocus();
        const QString text = d->control().text();
        // F6 round the panes, Shift+F6 back; no key lands in the script.
        const QList<QWidget*> round = {d->findBar()->findField(),
                                       d->Actionlist(),
                                       problems->list(),
                                       f.window->status().checkPanel(),
                                       f.window->status().encodingPanel(),
                                       d->mod_fly()};
        for (QWidget* next : round) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        for (int i = round.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), round[i]);
        }
        QCOMPARE(d->control().text(), text);
        // Shift+F10 opens the menu of the list's current item, as the Menu key does.
        problems->list()->setFocus();
        QTreeWidgetItem* item = problems->list()->topLevelItem(1);
        problems->list()->setCurrentItem(item);
        QStringList entries = popupEntries(
            [&] { QTest::keyClick(problems->list(), Qt::Key_F10, Qt::ShiftModifier); });
        QVERIFY2(entries.value(0).contains("(" + item->text(2) + ")"),
                 qPrintable(entries.join('|')));
        entries = popupEntries([&] {
            QTest::keyClick(f.window->status().checkPanel(), Qt::Key_F10, Qt::ShiftModifier);
        });
        QVERIFY2(entries.value(0).startsWith("Check against forum files..."),
                 qPrintable(entries.join('|')));
        // The script's menu offers the program's Undo and Redo, with the
        // keys the Edit menu shows, and the finding at the caret.
        d->findBar()->close();
        d->checks().checkNow();
        d->checks().goToFinding(1);
        entries =
            popupEntries([&] { QTest::keyClick(d->mod_fly(), Qt::Key_F10, Qt::ShiftModifier); });
        QCOMPARE(entries.value(0), f.window->action(Command::EditUndo)->text() + "\tCtrl+Z");
        QCOMPARE(entries.value(1), "&Redo\tCtrl+Y");
        QVERIFY2(entries.filter("\tCtrl+V").size() == 1, qPrintable(entries.join('|')));
        QVERIFY2(entries.last().startsWith("Don't Report This Kind of Problem"),
                 qPrintable(entries.join('|')));
        QCOMPARE(d->control().text(), text);
    }

    void problemsList_keepsItsPlaceForTheNextStart()
    {
        MainWindowFixture f;
        f.window->show();
        ProblemsPanel* problems = f.window->findChild<ProblemsPanel*>();
        f.window->addDockWidget(Qt::RightDockWidgetArea, problems);
        problems->show();
        f.window->resizeDocks({problems}, {260}, Qt::Horizontal);
        QTRY_VERIFY(problems->width() > 200);
        const int width = problems->width();
        QVERIFY(f.window->close());
        const auto start = [&f] {
            auto next = std::make_unique<MainWindow>(
                AppServices{&f.settings, &f.dialogs, f.path("program"), "", nullptr});
            next->MDIForm_Load(QString());
            next->show();
            return next;
        };
        std::unique_ptr<MainWindow> next = start();
        ProblemsPanel* kept = next->findChild<ProblemsPanel*>();
        QCOMPARE(next->dockWidgetArea(kept), Qt::RightDockWidgetArea);
        QVERIFY(kept->isVisible() && !kept->isFloating());
        QTRY_VERIFY2(std::abs(kept->width() - width) < 10,
                     qPrintable(QString("%1 for %2").arg(kept->width()).arg(width)));
        // In a window of its own, or closed: so again.
        kept->setFloating(true);
        kept->setGeometry(200, 150, 320, 240);
        QVERIFY(next->close());
        next = start();
        kept = next->findChild<ProblemsPanel*>();
        QVERIFY(kept->isFloating() && kept->isVisible());
        QCOMPARE(kept->geometry().size(), QSize(320, 240));
        kept->hide();
        QVERIFY(next->close());
        next = start();
        QVERIFY(next->findChild<ProblemsPanel*>()->isHidden());
    }

    void checkPanel_summarisesTheActiveScript_andAForumIsRemembered()
    {
        MainWindowFixture f;
        f.doc()->checks().checkNow();
        const Checker::Counts counts = Checker::count(f.doc()->checks().findings());
        // The template leaves the title empty: a warning (nothing an installer
        // would fail on).
        QVERIFY(counts.warnings > 0);
        QCOMPARE(counts.errors, 0);
        QCOMPARE(f.window->status().checkPanel()->text(), Checker::summary(counts));
        // A forum chosen in the field's menu: its files are tried, and it is kept.
        QDir(f.path("forum")).mkpath(".");
        f.dialogs.fileNames = {f.path("forum")};
        f.doc()->control().setText(f.doc()->control().text() +
                                   "#\r\n#-----[ OPEN ]---\r\n#\r\nviewtopic.php\r\n");
        f.window->status().checkPanel()->actions().first()->trigger();
        QCOMPARE(f.settings.value("Quillwright", "Settings", "ForumFolder", ""), f.path("forum"));
        const auto& found = f.doc()->checks().findings();
        QVERIFY(std::any_of(found.begin(), found.end(),
                            [](const Checker::Finding& x) { return x.rule == "open-missing"; }));
        MainWindowFixture next;
        QCOMPARE(next.window->forum().folder(), QString()); // its own settings folder
        // Tools, Problems: every finding in line order, and where the dry run looks.
        ProblemsPanel* problems = f.window->findChild<ProblemsPanel*>();
        f.window->findChild<QAction*>("mnuToolsProblems")->trigger();
        QVERIFY(problems->isVisibleTo(f.window.get()));
        QTreeWidget* list = problems->list();
        QCOMPARE(list->topLevelItemCount(), int(f.doc()->checks().findings().size()));
        QVERIFY(problems->findChild<QLabel*>("problemsForum")
                    ->text()
                    .contains(QDir::toNativeSeparators(f.path("forum"))));
        const int last = list->topLevelItemCount() - 1;
        emit list->itemActivated(list->topLevelItem(last), 0);
        RichTextControl& c = f.doc()->control();
        QCOMPARE(c.lineAt(c.selStart()) + 1, f.doc()->checks().findings().back().line);
        // A kind of problem not to report: the one at the caret, remembered,
        // and offered back from the same menu.
        const QString rule = f.doc()->checks().ruleAtCaret();
        QVERIFY(std::any_of(f.doc()->checks().findings().begin(),
                            f.doc()->checks().findings().end(), [&](const Checker::Finding& x) {
                                return x.rule == rule &&
                                       x.line == f.doc()->checks().findings().back().line;
                            }));
        QMenu menu;
        problems->addRuleActions(menu, rule);
        menu.findChild<QAction*>("ignoreRule")->trigger();
        const auto& now = f.doc()->checks().findings();
        QVERIFY(std::none_of(now.begin(), now.end(),
                             [&](const Checker::Finding& x) { return x.rule == rule; }));
        QCOMPARE(f.settings.value("Quillwright", "Checker", "Ignored", ""), rule);
        QCOMPARE(list->topLevelItemCount(), int(now.size()));
        QMenu again;
        problems->addRuleActions(again, QString());
        again.findChild<QMenu*>("reportAgain")->actions().first()->trigger();
        QVERIFY(std::any_of(f.doc()->checks().findings().begin(),
                            f.doc()->checks().findings().end(),
                            [&](const Checker::Finding& x) { return x.rule == rule; }));
        // Forgotten: no forum is tried, and none is remembered.
        problems->findChild<QPushButton*>("problemsForgetForum")->click();
        QCOMPARE(f.window->forum().folder(), QString());
        QCOMPARE(f.settings.value("Quillwright", "Settings", "ForumFolder", "x"), QString());
    }

    void toolbar_hasItsKeysInOrderWithUndoSeventh()
    {
        MainWindowFixture f;
        QStringList keys;
        for (QAction* a : f.window->toolbar().entries())
            keys << (a->isSeparator() ? QString("-") : a->property("key").toString());
        QCOMPARE(keys, (QStringList{"New", "Open", "Save", "-", "Print", "-", "undo", "-", "Cut",
                                    "Copy", "Paste", "-", "Find", "-", "cmd"}));
        QCOMPARE(f.window->toolbar().button(ToolButton::New)->toolTip(), QString("New"));
        QCOMPARE(f.window->toolbar().button(ToolButton::Find)->toolTip(), QString("Find"));
        auto* undo = f.window->findChild<QToolButton*>("undo");
        QVERIFY(undo && undo->menu());
        QStringList entries;
        for (QAction* a : undo->menu()->actions())
            entries << a->property("key").toString() + "=" + a->text();
        QCOMPARE(entries, (QStringList{"one=one undo level", "two=two undo levels",
                                       "three=three undo levels"}));
    }

    void newDocuments_areNumberedOnwardAcrossCloses()
    {
        MainWindowFixture f;
        QCOMPARE(f.window->NewDocument()->caption(), QString("Document 2"));
        f.window->mdiArea()->closeAllSubWindows();
        QCoreApplication::processEvents();
        QVERIFY(f.window->documents().isEmpty());
        QCOMPARE(f.window->NewDocument()->caption(), QString("Document 3"));
        QCOMPARE(f.window->DocumentCount(), 3);
    }

    // A document closed, or the program ended, in the middle of its work:
    // nothing that heard it runs on into what is gone (the sanitized run
    // stops at any that does), and what outlives it knows it went.
    void closing_inTheMiddleOfWork_leavesNothingListening_data()
    {
        QTest::addColumn<QString>("busyWith");
        QTest::addColumn<bool>("program"); // the program ends, not the document
        for (const bool program : {false, true}) {
            const char* what = program ? "program" : "document";
            QTest::addRow("%s, findings underlined, one under the mouse", what)
                << "findings" << program;
            QTest::addRow("%s, the find bar marking matches", what) << "find" << program;
            QTest::addRow("%s, the go-to-line bar open", what) << "line" << program;
            QTest::addRow("%s, the outline's tooltip shown", what) << "outline" << program;
            QTest::addRow("%s, the preview following it", what) << "preview" << program;
            QTest::addRow("%s, the header dialog open on it", what) << "header" << program;
        }
    }

    void closing_inTheMiddleOfWork_leavesNothingListening()
    {
        QFETCH(QString, busyWith);
        QFETCH(bool, program);
        MainWindowFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QPointer<DocumentWindow> doc = f.doc();
        const QString dashes(42, u'-');
        doc->control().setText("#\r\n#-----[ OPEN ]" + dashes + "\r\n#\r\nviewtopic.php\r\n" +
                               ModFormat::defaultTemplate());
        QPlainTextEdit* editor = doc->mod_fly();
        const auto askTip = [](QWidget* over, QPoint at) {
            QHelpEvent help(QEvent::ToolTip, at, over->mapToGlobal(at));
            QCoreApplication::sendEvent(over, &help);
        };
        QPointer<InstallPreview> preview;
        QPointer<PropertiesDialog> header;
        if (busyWith == "findings") {
            doc->checks().checkNow();
            QVERIFY(!doc->checks().findings().empty());
            askTip(editor->viewport(), editor->cursorRect(editor->textCursor()).center());
        } else if (busyWith == "find") {
            doc->findBar()->open(FindBar::Mode::Find);
            QTest::keyClicks(doc->findBar()->findField(), "#");
            QVERIFY(!editor->extraSelections().isEmpty());
        } else if (busyWith == "line") {
            doc->goToLineBar()->open();
        } else if (busyWith == "outline") {
            QTreeView* outline = doc->Actionlist();
            outline->expandAll();
            const QModelIndex open =
                outline->model()->index(0, 0, doc->outlineNode(QStringLiteral("actions")));
            QVERIFY(open.isValid());
            askTip(outline->viewport(), outline->visualRect(open).center());
        } else if (busyWith == "preview") {
            QDir().mkpath(f.path("forum"));
            f.dialogs.fileNames = {f.path("forum")};
            f.window->findChild<QAction*>("mnuToolsPreviewInstallation")->trigger();
            preview = f.window->findChild<InstallMenuCommands*>()->preview();
            QVERIFY(preview && preview->script() == doc);
        } else {
            header = f.window->dialogs().showProperties();
            QVERIFY(header);
        }
        f.dialogs.answers = {DialogService::Button::No}; // not saved
        if (program) {
            QVERIFY(f.window->close());
            f.window.reset();
            QVERIFY(!doc);
            QCOMPARE(f.dialogs.unexpected, 0);
            return;
        }
        f.window->mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(!doc);
        QCOMPARE(f.window->status().statusPanel()->text(), QString("Status")); // no word of it
        if (preview) {
            QVERIFY(!preview->script());
            preview->refresh(); // as its pause after a change would
            QCOMPARE(preview->findChild<QLabel*>("previewSummary")->text(),
                     QString("No script is open."));
        }
        if (header) { // Apply with the script gone writes nowhere
            header->findChild<QLineEdit*>("mod_title")->setText("Gone");
            header->findChild<QPushButton*>("cmdApply")->click();
        }
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void commandLine_joinsArgumentsAndDropsQuotes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("name");
        const int run = int(CommandLine::Action::Run);
        QTest::newRow("none") << QStringList{"quillwright"} << run << "";
        QTest::newRow("quoted path with blanks")
            << QStringList{"quillwright", "\"/tmp/My Mods/x.mod\""} << run << "/tmp/My Mods/x.mod";
        QTest::newRow("split path")
            << QStringList{"quillwright", "/tmp/My", "Mods/x.mod"} << run << "/tmp/My Mods/x.mod";
        QTest::newRow("two files are one name")
            << QStringList{"quillwright", "\"a.mod\"", "\"b.mod\""} << run << "a.mod b.mod";
        QTest::newRow("help") << QStringList{"quillwright", "--help"}
                              << int(CommandLine::Action::Help) << "";
        QTest::newRow("version") << QStringList{"quillwright", "--version"}
                                 << int(CommandLine::Action::Version) << "";
        QTest::newRow("an option among other words is part of the name")
            << QStringList{"quillwright", "--help", "me.mod"} << run << "--help me.mod";
        QTest::newRow("a forum for the checker, then the file")
            << QStringList{"quillwright", "--forum", "/srv/phpBB2", "My", "Mods/x.mod"} << run
            << "My Mods/x.mod";
    }

    void commandLine_joinsArgumentsAndDropsQuotes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, action);
        QFETCH(QString, name);
        const CommandLine::Request r = CommandLine::parse(args);
        QCOMPARE(int(r.action), action);
        QCOMPARE(r.fileName, name);
        QCOMPARE(r.forumFolder, args.value(1) == "--forum" ? args.value(2) : QString());
    }

    void commandLineFile_isLoadedRepairedAndCaptionedAsGiven()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("My Mods"));
        const QString path = dir.filePath("My Mods/x.mod");
        writeAll(path, QByteArray(65, '#') +
                           " \n## Author Notes: hi\n#\n#-----[ After, Add ]---\n#\nOpen\n");
        MainWindowFixture f(CommandLine::fileName({"quillwright", "\"" + path + "\""}));
        DocumentWindow* d = f.doc();
        QCOMPARE(d->caption(), path);
        QCOMPARE(d->control().text(),
                 QString(65, '#') +
                     "\r\n## Author Note: hi\r\n#\r\n#-----[ AFTER, ADD ]---\r\n#\r\nOpen\r\n");
        QCOMPARE(childCount(d->outlineNode("actions")), 1);
        // The outline shows the repaired keyword, with its picture.
        QCOMPARE(textOf(childOf(d->outlineNode("actions"), 0)), QString("AFTER, ADD"));
        QVERIFY(hasPicture(childOf(d->outlineNode("actions"), 0)));
        QVERIFY(!d->model().hasUnsavedChanges());
        QCOMPARE(f.dialogs.questions.size(), 0);
    }

    void commandLineFile_inAFolderNamedDocuments_isSavedWithoutAskingForAName()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("Documents"));
        writeAll(dir.filePath("Documents/x.mod"), "## MOD Title: x\r\n");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        MainWindowFixture f("Documents/x.mod");
        f.doc()->control().setSelText("y");
        f.window->files().mnuFileSave_Click();
        QDir::setCurrent(previous);
        QVERIFY(f.dialogs.fileDialogTitles.isEmpty());
        QVERIFY(readAll(dir.filePath("Documents/x.mod")).startsWith("y## MOD Title: x"));
    }

    void commandLineFile_thatCannotBeReadIsReportedAndStartUpGoesOn()
    {
        MainWindowFixture f("/no/such/folder/missing.mod");
        DocumentWindow* d = f.doc();
        QVERIFY(d);
        QCOMPARE(d->caption(), QString("Document 1"));
        QCOMPARE(d->control().text(), ModFormat::defaultTemplate());
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.lastText().contains("/no/such/folder/missing.mod"));
        QVERIFY(f.dialogs.lastText().contains("does not exist"));
    }

    void exit_storesPlacementAndRepair()
    {
        MainWindowFixture f;
        f.window->move(px(1440, f.window.get()), px(720, f.window.get()));
        QVERIFY(f.window->close());
        QCOMPARE(f.settings.value("Quillwright", "Settings", "MainLeft", ""), QString("1440"));
        QCOMPARE(f.settings.value("Quillwright", "Settings", "MainTop", ""), QString("720"));
        QCOMPARE(f.settings.value("Quillwright", "Settings", "Repair", ""), QString("YES"));
    }

    void exit_whileMinimisedKeepsTheStoredPlacement()
    {
        MainWindowFixture f;
        f.settings.setValue("Quillwright", "Settings", "MainLeft", "1234");
        f.window->show();
        f.window->showMinimized();
        QTRY_VERIFY(f.window->isMinimized());
        QVERIFY(f.window->close());
        QCOMPARE(f.settings.value("Quillwright", "Settings", "MainLeft", ""), QString("1234"));
        QCOMPARE(f.settings.value("Quillwright", "Settings", "Repair", ""), QString("YES"));
    }

    void closePrompt_cancelKeepsEverythingOpen()
    {
        MainWindowFixture f;
        f.doc()->control().setSelStart(0);
        f.doc()->control().setSelText("x");
        f.dialogs.answers = {DialogService::Button::Cancel};
        QVERIFY(!f.window->close());
        QCOMPARE(f.dialogs.questions.last().title, QString("Save changes"));
        QCOMPARE(f.dialogs.questions.last().text,
                 QString("Would you like to Save any changes\n\nDocument 1"));
        QCOMPARE(f.window->documents().size(), 1);
        QVERIFY(!f.settings.value("Quillwright", "Settings", "Repair", "").size());
    }

    void closePrompt_noClosesWithoutSaving_yesSavesToTheCaptionPath()
    {
        MainWindowFixture f;
        const QString path = f.path("saved.mod");
        writeAll(path, "old");
        DocumentWindow* d = f.doc();
        d->file().setPath(path);
        d->control().setSelStart(0);
        d->control().setSelText("x");
        DocumentWindow* d2 = f.window->NewDocument();
        d2->control().setSelStart(0);
        d2->control().setSelText("y");
        f.dialogs.answers = {DialogService::Button::Yes, DialogService::Button::No};
        QVERIFY(f.window->close());
        QCOMPARE(readAll(path), ("x" + ModFormat::defaultTemplate()).toLatin1());
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void closePrompt_untitledYesThenCancelledDialogKeepsTheWindow()
    {
        MainWindowFixture f;
        DocumentWindow* d = f.doc();
        d->control().setSelText("changed ");
        f.dialogs.answers = {DialogService::Button::Yes};
        QVERIFY(!f.window->close());
        QCOMPARE(f.dialogs.fileDialogTitles, QStringList{"Save"});
        QCOMPARE(f.window->documents().size(), 1);
    }

    void closePrompt_isNotAskedWithoutChanges_evenAfterSnapshots()
    {
        MainWindowFixture f;
        f.doc()->model().Timer1_Timer();
        QVERIFY(f.window->close());
        QCOMPARE(f.dialogs.questions.size(), 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
