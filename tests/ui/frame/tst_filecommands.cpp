#include "support/MainWindowFixture.h"
#include "support/OutlineNodes.h"
#include "support/TestFiles.h"

#include "core/frame/StringTable.h"
#include "core/install/InstallReport.h"
#include "core/package/ModArchive.h"
#include "core/script/HeaderPlaceholders.h"
#include "core/script/ModFormat.h"
#include "core/script/ScriptFile.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/document/DiskChangeBar.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/install/InstallMenuCommands.h"
#include "ui/install/InstallPreview.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/Translations.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Quillwright;

using Button = DialogService::Button;

namespace {

// The text of a PDF, as pdftotext reads it.
QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A tmpfs of the given size, mounted for the test when the machine lets it.
struct SmallMount {
    QString path;
    bool mounted = false;
    SmallMount(const QString& where, const QString& options) : path(where)
    {
        QDir().mkpath(where);
        mounted = QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", where}) == 0;
    }
    ~SmallMount()
    {
        if (mounted)
            QProcess::execute("umount", {path});
    }
};

void edit(DocumentWindow* d, const QString& text)
{
    d->control().setSelStart(0);
    d->control().setSelText(text);
}

// A banner as the builder writes it, for scripts the tests install.
QString banner(const QString& keyword)
{
    return "#\r\n#-----[ " + keyword + " ]" + QString(42, u'-') + "\r\n#\r\n";
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT
private slots:
    void init() { StringTable::overrideLanguage(StringTable::Language::Neutral); }

    void open_loadsRepairsAndCaptionsWithThePath()
    {
        MainWindowFixture f;
        const QString path = f.path("in.mod");
        writeAll(path,
                 QByteArray(65, '#') + "\n## Author Note:x\n#\n#-----[ Open ]---\n#\n\x80\xe9\n");
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->menuBar()->setFocus(); // where a menu left it
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        DocumentWindow* d = f.doc();
        QCOMPARE(d->caption(), path);
        // The keys go to the script that was opened.
        QCOMPARE(QApplication::focusWidget(), d->mod_fly());
        QCOMPARE(d->control().text(),
                 QString(65, '#') + " \r\n## Author Note: x\r\n#\r\n#-----[ OPEN ]---\r\n#\r\n" +
                     QString::fromUtf8("\u20ac\u00e9\r\n"));
        QCOMPARE(f.dialogs.fileDialogTitles, QStringList{"Open"});
        QCOMPARE(
            f.dialogs.fileDialogFilters.first(),
            QString("all Mod Files (*.mod,*.txt) (*.mod *.txt);;phpBB2 Mod Files (*.mod) (*.mod);;"
                    "Plain Ascii text files(*.txt) (*.txt);;MOD packages (*.zip) (*.zip)"));
        QCOMPARE(childCount(d->outlineNode("actions")), 1);
        QVERIFY(d->model().UpdateBrowserTF());
        QVERIFY(!d->model().hasUnsavedChanges());
    }

    void open_twiceGivesTheSameText()
    {
        MainWindowFixture f;
        const QString path = f.path("twice.mod");
        writeAll(path, QByteArray(65, '#') + "\r\n## Author Note: n\r\n");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        const QString once = f.doc()->control().text();
        const QString saved = f.path("saved.mod");
        f.dialogs.fileNames = {saved};
        f.window->files().mnuFileSaveAs_Click();
        f.dialogs.fileNames = {saved};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.doc()->control().text(), once);
    }

    void open_readsAnRtfFileAsRichText()
    {
        MainWindowFixture f;
        const QString path = f.path("rich.mod");
        writeAll(path,
                 "{\\rtf1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 red\\cf0  plain\\par}");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.doc()->control().text(), QString("red plain\r\n"));
    }

    void open_startsTheUndoHistoryAfresh_andShowsTheNewScriptsOutline()
    {
        MainWindowFixture f;
        DocumentModel& m = f.doc()->model();
        const QString first = f.path("first.mod");
        const QString second = f.path("second.mod");
        writeAll(first, "#\r\n#-----[ OPEN ]---\r\n#\r\na.php\r\n");
        writeAll(second, "#\r\n#-----[ COPY ]---\r\n#\r\nb.php\r\n");
        f.dialogs.fileNames = {first};
        f.window->files().mnuFileOpen_Click();
        m.Timer1_Timer();
        edit(f.doc(), QString(60, 'x'));
        m.Timer1_Timer();
        QVERIFY(f.window->action(Command::EditUndo)->isEnabled());
        f.dialogs.answers = {Button::No};
        f.dialogs.fileNames = {second};
        f.window->files().mnuFileOpen_Click();
        // Same number of banners: the node still shows the new keyword.
        QCOMPARE(textOf(childOf(f.doc()->outlineNode("actions"), 0)), QString("COPY"));
        QVERIFY(!f.window->action(Command::EditUndo)->isEnabled());
        m.Timer1_Timer();
        f.window->action(Command::EditUndo)->trigger();
        f.window->edits()
            .mnuEditUndo_Click(); // even called directly, there is no level to go back to
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(second), QByteArray("#\r\n#-----[ COPY ]---\r\n#\r\nb.php\r\n"));
    }

    void unsavedWork_survivesACrash_andIsSavedWhereItBelongs()
    {
        QTemporaryDir recovery;
        const QString folder = recovery.filePath("recovery");
        const QString script = recovery.filePath("mine.mod");
        {
            MainWindowFixture before(QString(), true, folder);
            writeAll(script, "## MOD Title: mine\r\n");
            before.dialogs.fileNames = {script};
            before.window->files().mnuFileOpen_Click();
            before.doc()->control().setSelStart(before.doc()->control().textLength());
            before.doc()->control().setSelText(QString::fromUtf8("typed \u0141"));
            before.window->NewDocument()->control().setSelText("untitled work");
            // The pause in typing writes the journals.
            QTRY_VERIFY_WITH_TIMEOUT(QDir(folder).entryList({"*.journal"}).size() == 2, 5000);
            before.journal->flush();
            before.crash();
        }
        MainWindowFixture after(QString(), true, folder);
        after.dialogs.choices = {0};
        after.window->session().offerRecovery();
        const ScriptedDialogs::Question& q = after.dialogs.questions.last();
        QCOMPARE(q.title, QString("Quillwright"));
        QCOMPARE(q.ownButtons, (QStringList{"Recover", "Discard"}));
        QCOMPARE(q.defaultChoice, 0);
        QVERIFY(q.text.contains(script) && q.text.contains("Document 2"));
        DocumentWindow* recovered = after.doc(); // the last one opened is active
        QCOMPARE(after.window->documents().size(), 3);
        DocumentWindow* file = after.window->documents()[1];
        QCOMPARE(file->file().path(), script);
        QCOMPARE(file->control().text(), QString::fromUtf8("## MOD Title: mine\r\ntyped \u0141"));
        QVERIFY(file->model().hasUnsavedChanges());
        QCOMPARE(recovered->caption(), QString("Document 2"));
        QVERIFY(recovered->file().isUntitled());
        QVERIFY(recovered->control().text().startsWith("untitled work"));
        // Only the recovered windows' own journals are left, and saving removes one.
        after.journal->flush();
        QCOMPARE(QDir(folder).entryList({"*.journal"}).size(), 2);
        after.window->show();
        after.window->mdiArea()->setActiveSubWindow(after.window->mdiArea()->subWindowList()[1]);
        QCOMPARE(after.doc(), file);
        after.dialogs.choices = {0}; // "?" for the character Windows-1252 lacks
        after.window->files().mnuFileSave_Click();
        QVERIFY(readAll(script).startsWith("## MOD Title: mine\r\ntyped ?"));
        after.journal->flush();
        QCOMPARE(QDir(folder).entryList({"*.journal"}).size(), 1);
    }

    void sessionEnd_quitsWithoutAQuestion_andTheNextStartOffersTheWork()
    {
        QTemporaryDir recovery;
        const QString folder = recovery.filePath("recovery");
        {
            MainWindowFixture before(QString(), true, folder);
            before.window->show();
            before.doc()->control().setSelText("typed just before the log-out");
            before.window->session().endSession(); // at once: no pause in typing came
            QVERIFY(before.dialogs.questions.isEmpty());
            QVERIFY(!before.window->isVisible());
        }
        MainWindowFixture after(QString(), true, folder);
        after.dialogs.choices = {0};
        after.window->session().offerRecovery();
        QVERIFY(after.doc()->control().text().startsWith("typed just before the log-out"));
    }

    void discardedWork_isGone_andWorkClosedWithoutSavingLeavesNoJournal()
    {
        QTemporaryDir recovery;
        const QString folder = recovery.filePath("recovery");
        {
            MainWindowFixture before(QString(), true, folder);
            before.doc()->control().setSelText("work");
            before.doc()->writeJournal();
            before.journal->flush();
            before.crash();
        }
        {
            MainWindowFixture after(QString(), true, folder);
            after.dialogs.choices = {1};
            after.window->session().offerRecovery();
            QCOMPARE(after.window->documents().size(), 1);
            after.doc()->control().setSelText("more");
            after.doc()->writeJournal();
            after.journal->flush();
            QCOMPARE(QDir(folder).entryList({"*.journal"}).size(), 1);
            after.dialogs.answers = {Button::No};
            QVERIFY(after.window->close());
            after.journal->flush();
        }
        QVERIFY(QDir(folder).entryList({"*.journal"}).isEmpty());
        MainWindowFixture next(QString(), true, folder);
        next.window->session().offerRecovery();
        QVERIFY(next.dialogs.questions.isEmpty());
    }

    void open_withUnsavedWorkAsksFirst_andCancelChangesNothing()
    {
        MainWindowFixture f;
        edit(f.doc(), "work ");
        f.dialogs.answers = {Button::Cancel};
        f.window->files().mnuFileOpen_Click();
        // The document is named on a line of its own.
        QCOMPARE(f.dialogs.questions.last().text,
                 QString("Would you like to Save any changes\n\nDocument 1"));
        QVERIFY(f.dialogs.fileDialogTitles.isEmpty());
        QVERIFY(f.doc()->control().text().startsWith("work "));
    }

    void open_withoutADocumentMakesOne()
    {
        MainWindowFixture f;
        f.window->mdiArea()->closeAllSubWindows();
        const QString path = f.path("a.mod");
        writeAll(path, "x\n");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.window->documents().size(), 1);
        QCOMPARE(f.doc()->control().text(), QString("x\r\n"));
        QCOMPARE(f.window->DocumentCount(), 2);
    }

    void aLongLoad_handlesEventsMeanwhile_showsItsProgress_andCancelDropsIt()
    {
        // The cancelled job runs on after the test returns: what it reads is its own.
        auto release = std::make_shared<std::atomic_bool>(false);
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        BusyProgress busy(nullptr, QStringLiteral("Opening <b>x</b>.mod..."));
        QString shownLabel;
        QTimer::singleShot(BusyProgress::ShowAfter * 2, [&] {
            QVERIFY(busy.dialog() && busy.dialog()->isVisible());
            const QLabel* label = busy.dialog()->findChild<QLabel*>();
            QCOMPARE(label->textFormat(), Qt::PlainText);
            shownLabel = label->text();
            QTest::keyClick(busy.dialog(), Qt::Key_Escape);
        });
        const std::optional<int> result = busy.run<int>([release] {
            for (int i = 0; i < 500 && !*release; ++i)
                QThread::msleep(10);
            return 1;
        });
        *release = true;
        QVERIFY(!result);
        QCOMPARE(shownLabel, QStringLiteral("Opening <b>x</b>.mod..."));
        QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks)));

        BusyProgress quick(nullptr, QStringLiteral("Opening y.mod..."));
        QCOMPARE(quick.run<int>([] { return 7; }), std::optional<int>(7));
        QVERIFY(!quick.dialog());
    }

    void droppedFiles_openEachInAWindowOfItsOwn_andAreNeverPastedAsNames()
    {
        MainWindowFixture f;
        f.window->show();
        const QString good = f.path("dropped.mod");
        writeAll(good, "#\n#-----[ OPEN ]---\n#\nindex.php\n#EoM\n");
        const QString other = f.path("notes.txt");
        writeAll(other, "plain notes\n");
        DocumentWindow* first = f.doc();
        const QString before = first->control().text();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(good), QUrl::fromLocalFile(f.path("missing.mod")),
                      QUrl::fromLocalFile(other)});
        mime.setText(good); // file managers offer the names as text too
        QWidget* target = first->mod_fly()->viewport();
        const QPoint at(10, 10);
        QDragEnterEvent entering(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &entering);
        QVERIFY(entering.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents();
        QCOMPARE(first->control().text(), before);
        const QList<DocumentWindow*> docs = f.window->documents();
        QCOMPARE(docs.size(), 3); // the missing file's window went again
        QCOMPARE(docs[1]->file().path(), good);
        QVERIFY(docs[1]->control().text().contains("# EoM"));
        QCOMPARE(docs[1]->model().outline().nodes().size(), size_t(1));
        QVERIFY(!docs[1]->model().hasUnsavedChanges());
        QCOMPARE(docs[2]->file().path(), other);
        QVERIFY(f.dialogs.lastText().contains("missing.mod"));
        // Nothing was made for the file that could not be read: no empty frame, no number used.
        QCOMPARE(f.window->mdiArea()->subWindowList().size(), 3);
        QCOMPARE(docs[2]->caption(), other);
        QCOMPARE(f.window->DocumentCount(), 3);
        // A file already open is shown, not opened again.
        f.window->files().openFiles({good, f.path("missing.mod")});
        QCOMPARE(f.window->documents().size(), 3);
        QCOMPARE(f.doc(), docs[1]);
        // The Window menu lists them, the active one checked.
        auto* menu = f.window->findChild<QMenu*>("mnuWindow");
        emit menu->aboutToShow();
        QAction* second = menu->findChild<QAction*>("mnuWindowList2");
        QVERIFY(second);
        QCOMPARE(second->text(), "&2 " + QDir::toNativeSeparators(good));
        QVERIFY(second->isChecked());
        menu->findChild<QAction*>("mnuWindowList3")->trigger();
        QCOMPARE(f.doc(), docs[2]);
        // The File menu's recent files: the newest first, a gone file dropped with a word.
        QList<QAction*> recent;
        for (QAction* a : f.window->findChild<QMenu*>("mnuFile")->actions())
            if (a->objectName() == "mnuFileMRU")
                recent << a;
        QCOMPARE(recent[0]->text(), QString("&1 notes.txt"));
        QCOMPARE(recent[1]->text(), QString("&2 dropped.mod"));
        QVERIFY(!recent[2]->isVisible());
        QCOMPARE(recent[1]->statusTip(), QDir::toNativeSeparators(good));
        QFile::remove(other);
        recent[0]->trigger();
        QVERIFY(f.dialogs.lastText().contains("no longer exists"));
        QCOMPARE(recent[0]->text(), QString("&1 dropped.mod"));
        QVERIFY(!recent[1]->isVisible());
        // Kept for the next start.
        MainWindow next(AppServices{&f.settings, &f.dialogs, f.path("program"), "", nullptr});
        QAction* kept = nullptr;
        for (QAction* a : next.findChild<QMenu*>("mnuFile")->actions())
            if (a->objectName() == "mnuFileMRU" && !kept)
                kept = a;
        QCOMPARE(kept->text(), QString("&1 dropped.mod"));
        // Files of one name (every MOD has an install.txt) say their folder.
        QDir(f.path("a")).mkpath(".");
        QDir(f.path("b & c")).mkpath(".");
        for (const char* folder : {"a", "b & c"}) {
            writeAll(f.path(folder) + "/install.txt", "## MOD Title: x\r\n");
            f.window->files().openFiles({f.path(folder) + "/install.txt"});
        }
        QCOMPARE(recent[0]->text(),
                 "&1 install.txt in " + QDir::toNativeSeparators(f.path("b && c")));
        QCOMPARE(recent[1]->text(), "&2 install.txt in " + QDir::toNativeSeparators(f.path("a")));
        QCOMPARE(recent[2]->text(), QString("&3 dropped.mod"));
    }

    void open_failureIsReportedAndTheDocumentKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.mod"
                                 << "does not exist";
        QTest::newRow("folder") << "folder"
                                << "folder";
        QTest::newRow("too large") << "huge.mod"
                                   << "MB";
        QTest::newRow("a zip with no script") << "images.zip"
                                              << "no MOD script";
        QTest::newRow("a damaged zip") << "damaged.zip"
                                       << "not a zip archive that can be read";
    }

    void open_failureIsReportedAndTheDocumentKept()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        MainWindowFixture f;
        QDir().mkpath(f.path("folder"));
        QFile huge(f.path("huge.mod"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(65LL * 1024 * 1024));
        huge.close();
        writeAll(f.path("images.zip"),
                 ModArchive::pack({{"root/logo.gif", "GIF89a", 0644, {}}}).bytes);
        writeAll(f.path("damaged.zip"),
                 ModArchive::pack({{"a.mod", "x", 0644, {}}}).bytes.left(40));
        const QString before = f.doc()->control().text();
        f.dialogs.fileNames = {f.path(name)};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.doc()->control().text(), before);
        QCOMPARE(f.doc()->caption(), QString("Document 1"));
        QVERIFY(f.dialogs.lastText().contains(f.path(name)));
        QVERIFY2(f.dialogs.lastText().contains(reason), qPrintable(f.dialogs.lastText()));
    }

    // A MOD package as downloaded: its scripts offered, the chosen one shown
    // read-only with the archive's root/ as its package.
    void open_ofAZipPackage_offersItsScripts_andInstallsWithItsRoot()
    {
        MainWindowFixture f;
        const QString forum = f.path("forum");
        QDir().mkpath(forum);
        writeAll(forum + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n?>");
        const QByteArray install =
            ("## MOD Title: Quick Reply\r\n" + banner("COPY") + "copy root/qr.php to qr.php\r\n" +
             banner("OPEN") + "viewtopic.php\r\n" + banner("FIND") + "$colspan\r\n" +
             banner("AFTER, ADD") + "$quick = 1;\r\n# EoM")
                .toLatin1();
        const QByteArray upgrade = "## MOD Title: Quick Reply upgrade\r\n" + install.mid(27);
        const ModArchive::Packed zip =
            ModArchive::pack({{"QR/contrib/upgrade.mod", upgrade, 0644, {}},
                              {"QR/install.mod", install, 0644, {}},
                              {"QR/root/qr.php", "<?php // quick reply\n", 0644, {}}});
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        const QString path = f.path("quick-reply.zip");
        writeAll(path, zip.bytes);
        // Cancelled: nothing opened, the installer's choice offered first.
        const QString before = f.doc()->control().text();
        f.dialogs.fileNames = {path};
        f.dialogs.itemChoices = {-1};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QCOMPARE(f.dialogs.questions[0].items,
                 (QStringList{"QR/contrib/upgrade.mod", "QR/install.mod"}));
        QCOMPARE(f.dialogs.questions[0].currentItem, 1);
        QCOMPARE(f.doc()->control().text(), before);
        QCOMPARE(f.doc()->caption(), QString("Document 1"));
        f.dialogs.fileNames = {path};
        f.dialogs.itemChoices = {1};
        f.window->files().mnuFileOpen_Click();
        DocumentWindow* d = f.doc();
        QCOMPARE(d->caption(), path + "/QR/install.mod");
        QCOMPARE(d->control().text().toLatin1(), install);
        QVERIFY(d->file().isUntitled());
        // Shown, not edited: a key changes nothing and the status bar says why.
        QTest::keyClick(d->findChild<QPlainTextEdit*>("mod_fly"), Qt::Key_X);
        QCOMPARE(d->control().text().toLatin1(), install);
        QVERIFY2(d->statusMessage().contains("read-only"), qPrintable(d->statusMessage()));
        QCOMPARE(f.dialogs.questions.size(), 2);
        // Installed with the archive's root/: COPY lands.
        f.dialogs.fileNames = {forum, f.path("copy")};
        f.window->findChild<InstallMenuCommands*>()->installIntoFolder();
        QCOMPARE(readAll(f.path("copy/qr.php")), QByteArray("<?php // quick reply\n"));
        QVERIFY(readAll(f.path("copy/viewtopic.php")).contains("$quick = 1;"));
        // Opened again, dropped say: the window that holds it is shown, no second one.
        const qsizetype windows = f.window->findChildren<DocumentWindow*>().size();
        f.dialogs.itemChoices = {1};
        f.window->files().openFiles({path});
        QCOMPARE(f.window->findChildren<DocumentWindow*>().size(), windows);
        QCOMPARE(f.doc(), d);
        // Saved, it is a copy beside the archive that can be changed.
        f.dialogs.fileNames = {f.path("install.mod")};
        f.window->files().mnuFileSave_Click();
        QCOMPARE(f.dialogs.fileDialogStartNames.last(), f.path("install.mod"));
        QCOMPARE(readAll(f.path("install.mod")), install);
        QCOMPARE(d->file().path(), f.path("install.mod"));
        QVERIFY(!d->file().inArchive());
        edit(d, "## ");
        QVERIFY(d->control().text().startsWith("## ## MOD Title"));
    }

    void save_writesTheCaptionPathAsCrLfWindows1252WithoutColours()
    {
        MainWindowFixture f;
        const QString path = f.path("out.mod");
        f.doc()->file().setPath(path);
        edit(f.doc(), QString::fromUtf8("#-----[ OPEN ]---\n\u20ac\u00e9 "));
        f.window->files().mnuFileSave_Click();
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("#-----[ OPEN ]---\r\n\x80\xe9 ####"));
        QVERIFY(!bytes.contains("\\cf"));
        QVERIFY(!bytes.contains("\n\n") && bytes.count("\n") == bytes.count("\r\n"));
        QVERIFY(f.dialogs.fileDialogTitles.isEmpty());
        QVERIFY(!f.doc()->model().hasUnsavedChanges());
    }

    void save_ofAnUntitledDocumentNamesTheWindowSoTheNextSaveAsksNothing()
    {
        MainWindowFixture f;
        const QString path = f.path("first.mod");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(path), ModFormat::defaultTemplate().toLatin1());
        QCOMPARE(f.doc()->caption(), path);
        QCOMPARE(f.doc()->file().path(), path);
        f.doc()->control().setSelText("more ");
        f.window->files().mnuFileSave_Click();
        QVERIFY(readAll(path).startsWith("more "));
        QCOMPARE(f.dialogs.fileDialogTitles, (QStringList{"Save"}));
        QCOMPARE(f.dialogs.questions.size(), 0);
        QCOMPARE(
            f.dialogs.fileDialogFilters.first(),
            QString("phpbb2 Mod Files (*.mod) (*.mod);;Plain Ascii text files(*.txt) (*.txt)"));
    }

    void saveAs_setsTheCaptionAndAsksBeforeReplacingAnotherFile()
    {
        MainWindowFixture f;
        const QString other = f.path("other.mod");
        writeAll(other, "keep");
        f.dialogs.fileNames = {other};
        f.dialogs.answers = {Button::No};
        f.window->files().mnuFileSaveAs_Click();
        QCOMPARE(readAll(other), QByteArray("keep"));
        QCOMPARE(f.doc()->caption(), QString("Document 1"));
        f.dialogs.fileNames = {f.path("noext")};
        f.window->files().mnuFileSaveAs_Click();
        QCOMPARE(f.doc()->caption(), f.path("noext"));
        QVERIFY(QFile::exists(f.path("noext")));
        QCOMPARE(f.dialogs.fileDialogTitles.last(), QString("Save As"));
        QCOMPARE(f.dialogs.fileDialogFilters.last(), QString("Mod files (*.mod) (*.mod)"));
        // Saving again over its own file asks nothing.
        f.dialogs.fileNames = {f.path("noext")};
        f.window->files().mnuFileSaveAs_Click();
        QCOMPARE(f.dialogs.unexpected, 0);
    }

    void save_withCharactersOutsideWindows1252WarnsAndCanBeCancelled()
    {
        MainWindowFixture f;
        const QString path = f.path("u.mod");
        writeAll(path, "old");
        f.doc()->file().setPath(path);
        edit(f.doc(), QString::fromUtf8("a\nb \u4e2d\u6587"));
        f.dialogs.choices = {2};
        f.window->files().mnuFileSave_Click();
        QVERIFY(f.dialogs.lastText().contains("2 character(s)"));
        // Return must not write "?" over the characters.
        QCOMPARE(f.dialogs.questions.last().ownButtons,
                 (QStringList{"Save", "Save as UTF-8", "Cancel"}));
        QCOMPARE(f.dialogs.questions.last().defaultChoice, 2);
        QVERIFY(f.dialogs.lastText().contains("line 2"));
        QCOMPARE(readAll(path), QByteArray("old"));
        f.dialogs.choices = {0};
        f.window->files().mnuFileSave_Click();
        QVERIFY(readAll(path).startsWith("a\r\nb ??####"));
        // Saved as UTF-8: nothing lost, and the script stays UTF-8.
        edit(f.doc(), QString::fromUtf8("\u4e2d"));
        f.dialogs.choices = {1};
        f.window->files().mnuFileSave_Click();
        QVERIFY(readAll(path).startsWith(QString::fromUtf8("\u4e2da\r\nb ").toUtf8()));
        QCOMPARE(f.doc()->file().encoding(), TextEncoding::Utf8);
        QCOMPARE(f.window->status().encodingPanel()->text(), QString("UTF-8"));
        const qsizetype asked = f.dialogs.questions.size();
        edit(f.doc(), "y");
        f.window->files().mnuFileSave_Click();
        QCOMPARE(f.dialogs.questions.size(), asked);
        // The encoding field offers the other encoding for the next save.
        QMenu* encodings = f.window->status().encodingPanel()->menu();
        QCOMPARE(encodings->actions().size(), 2);
        encodings->actions()[0]->trigger(); // Windows-1252
        QCOMPARE(f.doc()->file().encoding(), TextEncoding::Windows1252);
        QCOMPARE(f.window->status().encodingPanel()->text(), QString("Windows-1252"));
    }

    // A script of megabytes is written in two halves at once: every line in
    // its place, and what the code page lacks counted in both halves, the
    // first of it named by its line.
    void save_ofABigScript_keepsEveryLineInOrder_andFindsWhatItCannotHold()
    {
        MainWindowFixture f;
        const QString path = f.path("big.mod");
        writeAll(path, "old");
        f.doc()->file().setPath(path);
        QStringList lines;
        for (int i = 0; i < 60000; ++i)
            lines << QString("line %1 of a script long enough to be written in halves").arg(i);
        lines[45000] += QString::fromUtf8(" \u4e2d \U0001F600");
        lines[50000] += QString::fromUtf8(" \u6587");
        f.doc()->control().setText(lines.join("\r\n"));
        QVERIFY(f.doc()->control().textLength() > (1 << 21));
        f.dialogs.choices = {0};
        f.window->files().mnuFileSave_Click();
        QVERIFY(f.dialogs.lastText().contains("3 character(s)"));
        QVERIFY(f.dialogs.lastText().contains("line 45001"));
        lines[45000].replace(QString::fromUtf8("\u4e2d \U0001F600"), "? ?");
        lines[50000].replace(QString::fromUtf8("\u6587"), "?");
        QCOMPARE(readAll(path), lines.join("\r\n").toLatin1());
    }

    void save_ofAFileChangedOnDisk_asksFirst_andTheStatusBarSaysSo()
    {
        MainWindowFixture f;
        const QString path = f.path("shared.mod");
        writeAll(path, "## MOD Title: mine\r\n");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        edit(f.doc(), "my edit ");
        {
            QFile other(path); // another program appends to the file
            QVERIFY(other.open(QIODevice::Append));
            other.write("## written by another program\r\n");
        }
        QTRY_VERIFY(f.window->status().statusPanel()->text().contains("changed on disk"));
        // Unsaved work here: the bar offers Reload only, and the message is this document's.
        DiskChangeBar* bar = f.doc()->file().changeBar();
        QVERIFY(bar->isVisibleTo(f.doc()));
        QVERIFY(bar->findChild<QPushButton*>("diskChangeReload")->isVisibleTo(bar));
        QVERIFY(!bar->findChild<QPushButton*>("diskChangeKeep")->isVisibleTo(bar));
        DocumentWindow* mine = f.doc();
        f.window->NewDocument();
        QVERIFY(!f.window->status().statusPanel()->text().contains("changed on disk"));
        f.window->mdiArea()->activatePreviousSubWindow();
        QCOMPARE(f.doc(), mine);
        QVERIFY(f.window->status().statusPanel()->text().contains("changed on disk"));
        f.dialogs.answers = {Button::Cancel};
        f.window->files().mnuFileSave_Click();
        const ScriptedDialogs::Question& q = f.dialogs.questions.last();
        QVERIFY(q.text.contains("has changed on disk since it was opened"));
        QCOMPARE(q.defaultButton, std::optional(Button::Cancel));
        QVERIFY(readAll(path).endsWith("## written by another program\r\n"));
        QVERIFY(f.doc()->model().hasUnsavedChanges());
        f.dialogs.answers = {Button::Ok};
        f.window->files().mnuFileSave_Click();
        QVERIFY(readAll(path).startsWith("my edit ## MOD Title"));
        QVERIFY(!bar->isVisibleTo(f.doc()));
        QVERIFY(!f.window->status().statusPanel()->text().contains("changed on disk"));
        // Saved: the next Save asks nothing.
        edit(f.doc(), "x");
        const qsizetype asked = f.dialogs.questions.size();
        f.window->files().mnuFileSave_Click();
        QCOMPARE(f.dialogs.questions.size(), asked);
    }

    void fileChangedOnDisk_withNothingUnsaved_isReloadedFromTheBar_andADeletedOneSavedAgain()
    {
        MainWindowFixture f;
        const QString path = f.path("shared.mod");
        writeAll(path, "## MOD Title: mine\r\n");
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        writeAll(path, "## MOD Title: theirs\r\n");
        DiskChangeBar* bar = f.doc()->file().changeBar();
        QTRY_VERIFY(bar->isVisibleTo(f.doc()));
        QVERIFY(bar->findChild<QPushButton*>("diskChangeKeep")->isVisibleTo(bar));
        bar->findChild<QPushButton*>("diskChangeReload")->click();
        QVERIFY(f.doc()->control().text().contains("theirs"));
        QVERIFY(!f.doc()->model().hasUnsavedChanges());
        QVERIFY(!bar->isVisibleTo(f.doc()));
        QCOMPARE(f.dialogs.questions.size(), 0); // nothing of ours was lost
        // Deleted: said so, and Save writes it again.
        QVERIFY(QFile::remove(path));
        QTRY_VERIFY(bar->isVisibleTo(f.doc()));
        QVERIFY(bar->message().contains("was deleted from disk. Save it again?"));
        QVERIFY(f.window->status().statusPanel()->text().contains("was deleted from disk"));
        bar->findChild<QPushButton*>("diskChangeSave")->click();
        QVERIFY(readAll(path).contains("theirs"));
        QVERIFY(!bar->isVisibleTo(f.doc()));
        QCOMPARE(f.dialogs.questions.size(), 0);
        // Deleted again, and saved from the menu: the question says what happened.
        QVERIFY(QFile::remove(path));
        edit(f.doc(), "x");
        f.dialogs.answers = {Button::Ok};
        f.window->files().mnuFileSave_Click();
        QCOMPARE(f.dialogs.lastText(),
                 "The file " + path + " was deleted from disk. Save it again?");
        QVERIFY(readAll(path).startsWith("x"));
    }

    void previewInstallation_showsEveryChange_followsTheScript_andInstallsIntoACopy()
    {
        MainWindowFixture f;
        f.window->show();
        const QString forum = f.path("forum");
        QDir().mkpath(forum);
        writeAll(forum + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n?>");
        f.dialogs.fileNames = {forum}; // asked once: no forum is remembered yet
        const QString dashes(42, u'-');
        f.doc()->control().setText("#\r\n#-----[ OPEN ]" + dashes +
                                   "\r\n#\r\nviewtopic.php\r\n"
                                   "#\r\n#-----[ FIND ]" +
                                   dashes +
                                   "\r\n#\r\n$colspan\r\n"
                                   "#\r\n#-----[ AFTER, ADD ]" +
                                   dashes +
                                   "\r\n#\r\n$mine = 1;\r\n"
                                   "#\r\n#-----[ SQL ]" +
                                   dashes + "\r\n#\r\nDROP TABLE x;\r\n# EoM");
        QAction* preview = f.window->findChild<QAction*>("mnuToolsPreviewInstallation");
        QCOMPARE(preview->shortcut(), QKeySequence(Qt::Key_F9));
        preview->trigger();
        InstallPreview* p = f.window->findChild<InstallMenuCommands*>()->preview();
        QVERIFY(p && p->isVisible());
        QCOMPARE(f.window->forum().folder(), forum);
        QCOMPARE(p->files()->topLevelItem(0)->text(0), QString("viewtopic.php"));
        QCOMPARE(p->files()->topLevelItem(0)->text(1), QString("changed"));
        QVERIFY(p->diff()->toPlainText().contains("    3 + $mine = 1;"));
        QCOMPARE(p->toDo()->count(), 1);
        QVERIFY(readAll(forum + "/viewtopic.php").endsWith("?>")); // nothing written
        // An edit that makes the FIND fail: shown at the pause, and a click on it
        // takes the script to the banner.
        RichTextControl& c = f.doc()->control();
        c.setSelStart(int(c.text().indexOf("$colspan")));
        c.setSelLength(8);
        c.setSelText("$nowhere");
        QTRY_COMPARE(p->files()->topLevelItem(0)->text(1), QString("failed"));
        QTreeWidgetItem* why = p->files()->topLevelItem(0)->child(0);
        QVERIFY(why->text(0).contains("FIND matches nothing"));
        c.setSelStart(0);
        p->files()->setCurrentItem(why);
        QCOMPARE(c.lineAt(c.selStart()),
                 int(c.text().left(c.text().indexOf("#-----[ FIND")).count("\r\n")));
        c.setSelStart(int(c.text().indexOf("$nowhere")));
        c.setSelLength(8);
        c.setSelText("$colspan");
        QTRY_COMPARE(p->files()->topLevelItem(0)->text(1), QString("changed"));
        // Install into Folder: never into the forum, then a whole copy and its report.
        f.dialogs.fileNames = {forum + "/inside"};
        f.window->findChild<InstallMenuCommands*>()->installIntoFolder();
        QVERIFY(f.dialogs.lastText().contains("inside it"));
        const QString copy = f.path("copy");
        f.dialogs.fileNames = {copy};
        f.window->findChild<InstallMenuCommands*>()->installIntoFolder();
        QVERIFY2(f.dialogs.lastText().contains("1 file changed"), qPrintable(f.dialogs.lastText()));
        QVERIFY(readAll(copy + "/viewtopic.php").contains("$mine = 1;\r\n"));
        QVERIFY(readAll(copy + ".report.txt").contains("to do by hand: DROP TABLE x;"));
        QVERIFY(readAll(forum + "/viewtopic.php").endsWith("$colspan = 2;\r\n?>"));
    }

    void previewInstallation_followsTheActiveScript_andInstallsWhatItShows()
    {
        MainWindowFixture f;
        f.window->show();
        const QString forum = f.path("forum");
        QDir().mkpath(forum);
        writeAll(forum + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n?>");
        writeAll(forum + "/index.php", "<?php\r\n$page_title = '';\r\n?>");
        // Two packages, each script named as packages name it, in a folder of its own.
        QDir().mkpath(f.path("quick-reply"));
        QDir().mkpath(f.path("page-title"));
        const QString a = f.path("quick-reply/install.mod");
        const QString b = f.path("page-title/install.mod");
        writeAll(a, (banner("OPEN") + "viewtopic.php\r\n" + banner("FIND") + "$colspan\r\n" +
                     banner("AFTER, ADD") + "$quick = 1;\r\n# EoM")
                        .toUtf8());
        writeAll(b, (banner("OPEN") + "index.php\r\n" + banner("FIND") + "$page_title\r\n" +
                     banner("AFTER, ADD") + "$title = 1;\r\n" + banner("SQL") +
                     "CREATE TABLE phpbb_titles (\r\n  id INT\r\n);\r\n# EoM")
                        .toUtf8());
        f.dialogs.fileNames = {a};
        f.window->files().mnuFileOpen_Click();
        DocumentWindow* docA = f.doc();
        f.window->NewDocument();
        f.dialogs.fileNames = {b};
        f.window->files().mnuFileOpen_Click();
        DocumentWindow* docB = f.doc();
        QVERIFY(docA != docB);
        QMdiArea* area = f.window->mdiArea();
        const auto activate = [&](DocumentWindow* d) {
            for (QMdiSubWindow* sub : area->subWindowList())
                if (sub->widget() == d)
                    area->setActiveSubWindow(sub);
            QCOMPARE(f.doc(), d);
        };
        activate(docA);
        // No forum yet: the dialog says what it is asked for.
        f.dialogs.fileNames = {forum};
        f.window->findChild<QAction*>("mnuToolsPreviewInstallation")->trigger();
        QCOMPARE(f.dialogs.fileDialogTitles.last(), QString("The forum to install into"));
        InstallPreview* p = f.window->findChild<InstallMenuCommands*>()->preview();
        QVERIFY(p && p->isVisible());
        // The main window's own window (so above it), inside the screen.
        QVERIFY(p->isWindow());
        QCOMPARE(p->parentWidget(), f.window.get());
        QCOMPARE(p->windowType(), Qt::Dialog);
        QVERIFY(p->screen()->availableGeometry().contains(p->frameGeometry()));
        QCOMPARE(p->windowTitle(), "Preview Installation - " + a);
        QCOMPARE(p->files()->topLevelItem(0)->text(0), QString("viewtopic.php"));
        QCOMPARE(p->files()->topLevelItem(0)->toolTip(0), forum + "/viewtopic.php");
        // A wider window widens the file column too (maximised, say).
        const int column = p->files()->header()->sectionSize(0);
        p->resize(p->width() + 600, p->height());
        QTRY_VERIFY(p->files()->header()->sectionSize(0) > column + 100);
        auto* forumLabel = p->findChild<QLabel*>("previewForum");
        QCOMPARE(forumLabel->text(), "Forum: " + forum);

        // Another script made active from the main window: the preview is on
        // it without taking the focus, and says whose forum it uses.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        activate(docB);
        QCOMPARE(QApplication::activeWindow(), f.window.get());
        QCOMPARE(p->script(), docB);
        QCOMPARE(p->windowTitle(), "Preview Installation - " + b);
        QCOMPARE(p->files()->topLevelItem(0)->text(0), QString("index.php"));
        QVERIFY2(
            forumLabel->text().contains("It was chosen for the script in " + f.path("quick-reply")),
            qPrintable(forumLabel->text()));
        // Its to-do keeps the script's lines, and is copied as they are.
        QCOMPARE(p->toDo()->count(), 1);
        QVERIFY2(p->toDo()->item(0)->text().endsWith("\nCREATE TABLE phpbb_titles (\n  id INT\n);"),
                 qPrintable(p->toDo()->item(0)->text()));
        p->toDo()->setCurrentRow(0);
        QTest::keyClick(p->toDo(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("CREATE TABLE phpbb_titles (\n  id INT\n);"));

        // Install into Folder from the menu: the active script, named; the
        // report whole on disk before the message shows.
        const QString copyB = f.path("copy-b");
        f.dialogs.fileNames = {copyB};
        QByteArray reportAtMessage;
        f.dialogs.responder = [&](const ScriptedDialogs::Question& q) -> std::optional<Button> {
            if (q.text.contains("installed is in"))
                reportAtMessage = readAll(copyB + ".report.txt");
            return std::nullopt;
        };
        f.window->findChild<QAction*>("mnuToolsInstallIntoFolder")->trigger();
        QCOMPARE(f.dialogs.fileDialogTitles.last(), QString("Install into Folder"));
        QCOMPARE(f.dialogs.lastText(),
                 "The forum with " + b + " installed is in " + copyB +
                     ": 3 actions applied, 0 failed; 1 file changed; 1 thing left to do "
                     "by hand.\n\nThe report is in " +
                     copyB + ".report.txt.");
        QVERIFY(reportAtMessage.contains("CREATE TABLE phpbb_titles ("));
        QVERIFY(readAll(copyB + "/index.php").contains("$title = 1;"));
        QVERIFY(!readAll(copyB + "/viewtopic.php").contains("$quick"));

        // Change Forum, over the preview, says what it asks for; the forum is B's now.
        f.dialogs.fileNames = {forum};
        p->findChild<QPushButton*>("previewChangeForum")->click();
        QCOMPARE(f.dialogs.fileDialogTitles.last(), QString("The forum to install into"));
        QCOMPARE(forumLabel->text(), "Forum: " + forum);

        // The preview's own Install into Folder, with A active again: A.
        activate(docA);
        QVERIFY(forumLabel->text().contains(f.path("page-title")));
        const QString copyA = f.path("copy-a");
        f.dialogs.fileNames = {copyA};
        auto* install = p->findChild<QPushButton*>("previewInstall");
        QVERIFY(install->isDefault());
        install->click();
        QVERIFY(f.dialogs.lastText().startsWith("The forum with " + a + " installed is in"));
        QTRY_COMPARE(QApplication::activeWindow(), p); // back where the user asked
        QVERIFY(readAll(copyA + "/viewtopic.php").contains("$quick = 1;"));
        QVERIFY(!readAll(copyA + "/index.php").contains("$title"));
        QVERIFY(p->findChild<QLabel*>("previewStatus")
                    ->text()
                    .startsWith(a + " is installed into " + copyA + ": "));
        // Esc closes it.
        QTest::keyClick(p->files(), Qt::Key_Escape);
        QVERIFY(!p->isVisible());
    }

    void previewInstallation_keepsItsPlaceThroughReRuns_andNeverTakesTheFocus()
    {
        MainWindowFixture f;
        f.window->show();
        const QString forum = f.path("forum");
        QDir().mkpath(forum);
        writeAll(forum + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n?>");
        QByteArray index = "<?php\r\n";
        for (int i = 1; i <= 40; ++i)
            index += "$line" + QByteArray::number(i) + " = " + QByteArray::number(i) + ";\r\n";
        writeAll(forum + "/index.php", index + "?>");
        f.dialogs.fileNames = {forum};
        RichTextControl& c = f.doc()->control();
        c.setText(banner("OPEN") + "viewtopic.php\r\n" + banner("FIND") + "$colspan\r\n" +
                  banner("AFTER, ADD") + "$quick = 1;\r\n" + banner("OPEN") + "index.php\r\n" +
                  banner("FIND") + "$line20 =\r\n" + banner("AFTER, ADD") + "$mine = 1;\r\n" +
                  banner("FIND") + "$line30 =\r\n" + banner("REPLACE WITH") +
                  "$line30 = 300;\r\n# EoM");
        f.window->findChild<QAction*>("mnuToolsPreviewInstallation")->trigger();
        InstallPreview* p = f.window->findChild<InstallMenuCommands*>()->preview();
        QCOMPARE(p->files()->topLevelItemCount(), 2);
        p->files()->setCurrentItem(p->files()->topLevelItem(1));
        // The diff is read line by line: the caret moves, and each line's kind
        // and numbers go with it.
        QPlainTextEdit* diff = p->diff();
        QCOMPARE(diff->textCursor().blockNumber(), 0);
        QCOMPARE(diff->accessibleDescription(), QString("Changes from line 19"));
        QTest::keyClick(diff, Qt::Key_Down);
        QCOMPARE(diff->textCursor().blockNumber(), 1);
        QCOMPARE(diff->accessibleDescription(),
                 QString("Unchanged, line 19, line 19 once installed"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(diff, Qt::Key_Down);
        QCOMPARE(diff->accessibleDescription(), QString("Added, line 22 once installed"));
        QTest::keyClick(diff, Qt::Key_PageDown);
        QCOMPARE(diff->textCursor().blockNumber(), diff->blockCount() - 1);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(diff, Qt::Key_Up);
        QCOMPARE(diff->accessibleDescription(), QString("Removed, line 31"));
        const int caretLine = diff->textCursor().blockNumber();

        // The user types in the script: the preview runs again at the pause,
        // keeps the chosen file and the caret in its diff, and leaves the
        // focus in the script.
        f.window->activateWindow();
        f.doc()->mod_fly()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        c.setSelStart(int(c.text().indexOf("# EoM")));
        c.setSelText(banner("SQL") + "DROP TABLE x;\r\n");
        QTRY_COMPARE(p->toDo()->count(), 1);
        QCOMPARE(p->files()->currentItem(), p->files()->topLevelItem(1));
        QCOMPARE(diff->textCursor().blockNumber(), caretLine);
        // A third file opened: the list is new, the chosen file is still chosen.
        c.setSelStart(c.text().indexOf("#\r\n#-----[ SQL"));
        c.setSelText(banner("OPEN") + "faq.php\r\n");
        QTRY_COMPARE(p->files()->topLevelItemCount(), 3);
        QCOMPARE(p->files()->currentItem()->text(0), QString("index.php"));
        QCOMPARE(diff->textCursor().blockNumber(), caretLine);
        // A failure chosen, then more typing: the script's caret stays where the user is.
        c.setSelStart(int(c.text().indexOf("$line30 =")));
        c.setSelLength(7);
        c.setSelText("$nothing");
        QTRY_COMPARE(p->files()->topLevelItem(1)->text(1), QString("failed"));
        p->files()->setCurrentItem(p->files()->topLevelItem(1)->child(0));
        auto* failure = p->findChild<QPlainTextEdit*>("previewFailure");
        QVERIFY(failure->isVisibleTo(p));
        // In full, with the notes that explain it.
        QVERIFY2(failure->toPlainText().contains("FIND matches nothing") &&
                     failure->toPlainText().contains("\n    line ") &&
                     failure->toPlainText().contains("$nothing ="),
                 qPrintable(failure->toPlainText()));
        c.setSelStart(5);
        c.setSelText("x");
        const int typedAt = c.selStart();
        QTRY_VERIFY(p->files()->topLevelItem(1)->child(0)->text(0).contains("FIND"));
        QTest::qWait(DocumentChecks::CheckPause * 2);
        QCOMPARE(c.selStart(), typedAt);
        QCOMPARE(QApplication::focusWidget(), f.doc()->mod_fly());
    }

    void installIntoFolder_takesANewFolderNameTypedInItsDialog()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath("empty"));
        QtDialogService real;
        // The name typed in the real dialog, then Return, as a user does: a
        // new folder's, or an existing one's.
        for (const QString& typed : {QString("forum with quick reply"), dir.filePath("empty")}) {
            QTimer typing;
            connect(&typing, &QTimer::timeout, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                typing.stop();
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                name->setText(typed);
                QTest::keyClick(name, Qt::Key_Return);
            });
            typing.start(50);
            QCOMPARE(real.newFolderName(nullptr, "Install into Folder", dir.path()),
                     QDir(dir.path()).absoluteFilePath(typed));
        }
    }

    void installSummary_saysOneInTheSingular_inBothLanguages_data()
    {
        QTest::addColumn<bool>("french");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("said");
        QTest::newRow("one") << false << 1
                             << "1 action applied, 1 failed; 1 file changed; 1 thing left to do by "
                                "hand";
        QTest::newRow("two") << false << 2
                             << "2 actions applied, 2 failed; 2 files changed; 2 things left to do "
                                "by hand";
        QTest::newRow("none") << false << 0
                              << "0 actions applied, 0 failed; 0 files changed; 0 things left to "
                                 "do by hand";
        QTest::newRow("french, one")
            << true << 1
            << QString::fromUtf8("1 action appliquée, 1 en échec ; 1 fichier modifié ; 1 chose à "
                                 "faire à la main");
        QTest::newRow("french, none is singular")
            << true << 0
            << QString::fromUtf8("0 action appliquée, 0 en échec ; 0 fichier modifié ; 0 chose à "
                                 "faire à la main");
        QTest::newRow("french, two")
            << true << 2
            << QString::fromUtf8("2 actions appliquées, 2 en échec ; 2 fichiers modifiés ; 2 "
                                 "choses à faire à la main");
    }

    void installSummary_saysOneInTheSingular_inBothLanguages()
    {
        QFETCH(bool, french);
        QFETCH(int, count);
        QFETCH(QString, said);
        Install::Result r;
        r.applied = count;
        r.failed = count;
        r.files.resize(size_t(count));
        r.todo.resize(size_t(count));
        Translations::use(french ? StringTable::Language::French : StringTable::Language::Neutral);
        const QString summary = Install::summary(r);
        Translations::use(StringTable::Language::Neutral);
        QCOMPARE(summary, said);
    }

    void newScriptFromChanges_writesThePackage_andRewritingKeepsTheAuthorsHeader()
    {
        MainWindowFixture f;
        f.window->show();
        const QString original = f.path("phpBB");
        const QString changed = f.path("my-mod");
        const QString package = f.path("package");
        QDir().mkpath(original);
        QDir().mkpath(changed + "/images");
        writeAll(original + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n?>");
        writeAll(changed + "/viewtopic.php", "<?php\r\n$colspan = 2;\r\n$mine = 1;\r\n?>");
        writeAll(changed + "/images/mine.gif", QByteArray("GIF89a\0", 7));
        // Never inside a forum it is written from.
        f.dialogs.fileNames = {original, changed, changed + "/package"};
        f.window->findChild<QAction*>("mnuToolsNewScriptFromChanges")->trigger();
        QVERIFY(f.dialogs.lastText().contains("inside the forum"));
        QVERIFY(!QFileInfo::exists(changed + "/package"));
        f.dialogs.fileNames = {original, changed, package};
        f.window->findChild<QAction*>("mnuToolsNewScriptFromChanges")->trigger();
        QCOMPARE(readAll(package + "/root/images/mine.gif"), QByteArray("GIF89a\0", 7));
        QCOMPARE(f.doc()->file().path(), package + "/install.mod");
        RichTextControl& c = f.doc()->control();
        QVERIFY(c.text().contains("## MOD Title: " + HeaderPlaceholders::title() + "\r\n"));
        QVERIFY(c.text().contains("#-----[ AFTER, ADD ]"));
        QVERIFY(c.text().contains("copy root/images/mine.gif to images/mine.gif\r\n"));
        QCOMPARE(f.window->status().statusPanel()->text(),
                 QString("Installs back exactly: 2 files, 4 actions."));
        // The rest of the header is the author's to write, from its first placeholder.
        PropertiesDialog* properties = f.window->dialogs().propertiesDialog();
        QVERIFY(properties);
        auto* title = properties->findChild<QLineEdit*>("mod_title");
        QCOMPARE(title->selectedText(), HeaderPlaceholders::title());
        properties->close();
        // Written again into the same folder: asked, then the script and root/
        // are replaced and the author's other files stay.
        QDir().mkpath(package + "/contrib");
        writeAll(package + "/contrib/README", "mine");
        writeAll(changed + "/images/mine.gif", QByteArray("GIF89a\1", 7));
        f.dialogs.fileNames = {original, changed, package};
        f.dialogs.answers = {Button::Yes};
        f.window->findChild<QAction*>("mnuToolsNewScriptFromChanges")->trigger();
        QVERIFY(f.dialogs.lastText().contains("holds files already"));
        QCOMPARE(readAll(package + "/root/images/mine.gif"), QByteArray("GIF89a\1", 7));
        QCOMPARE(readAll(package + "/contrib/README"), QByteArray("mine"));
        QCOMPARE(QDir(package).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 (QStringList{"contrib", "install.mod", "root"}));
        f.window->dialogs().propertiesDialog()->close();
        // The author's title stays when the actions are written again.
        c.setText(QString(c.text()).replace(HeaderPlaceholders::title(), "Quick Reply"));
        f.doc()->model().Timer1_Timer();
        const QString before = c.text();
        writeAll(changed + "/viewtopic.php", "<?php\r\n$colspan = 3;\r\n?>");
        f.dialogs.fileNames = {original, changed}; // offered where they were
        f.window->findChild<QAction*>("mnuToolsRewriteActions")->trigger();
        QCOMPARE(f.dialogs.fileDialogStartNames.mid(9, 2), (QStringList{original, changed}));
        QVERIFY(c.text().contains("## MOD Title: Quick Reply\r\n"));
        QVERIFY(c.text().contains("$colspan = 3;"));
        QVERIFY(!c.text().contains("$mine"));
        f.window->edits().undoLevels(1);
        QCOMPARE(c.text(), before);
        // The upgrade between two versions, each with its package's root/.
        const auto version = [&](const QString& v, const QByteArray& line) {
            QDir().mkpath(f.path(v + "/root"));
            writeAll(f.path(v + "/root/qr.php"), "<?php // " + v.toLatin1() + "\n");
            writeAll(f.path(v + "/install.mod"),
                     "## MOD Title: Quick Reply\r\n## MOD Version: " + v.toLatin1() +
                         "\r\n#\r\n#-----[ COPY ]---\r\n#\r\ncopy root/qr.php to "
                         "qr.php\r\n#\r\n#-----[ OPEN ]---\r\n#\r\nviewtopic.php\r\n#\r\n"
                         "#-----[ FIND ]---\r\n#\r\n$colspan = 2;\r\n#\r\n#-----[ AFTER, ADD "
                         "]---\r\n#\r\n" +
                         line + "\r\n#\r\n#-----[ SAVE/CLOSE ALL FILES ]---\r\n# EoM\r\n");
        };
        version("1.0.0", "$qr = 1;");
        version("1.1.0", "$qr = 2;");
        f.dialogs.fileNames = {f.path("1.0.0/install.mod"), f.path("1.1.0/install.mod"), original,
                               f.path("upgrade")};
        f.window->findChild<QAction*>("mnuToolsNewUpgradeScript")->trigger();
        QCOMPARE(f.doc()->file().path(), f.path("upgrade/install.mod"));
        QVERIFY2(f.doc()->control().text().startsWith(
                     "## MOD Title: Quick Reply upgrade from 1.0.0 to 1.1.0\r\n"),
                 qPrintable(f.doc()->control().text()));
        QVERIFY(f.doc()->control().text().contains("$qr = 2;"));
        QCOMPARE(f.window->status().statusPanel()->text(),
                 QString("Installs back exactly: 2 files, 6 actions."));
    }

    void save_keepsThePermissionBits_andAsksBeforeAFileNoOneMayWrite()
    {
        MainWindowFixture f;
        const QString path = f.path("perm.mod");
        writeAll(path, "old\r\n");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        edit(f.doc(), "new ");
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(path), QByteArray("new old\r\n"));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0640);
        // No one may write it: asked first, even as root; Cancel is the default.
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
        edit(f.doc(), "newer ");
        f.dialogs.answers = {Button::Cancel};
        f.window->files().mnuFileSave_Click();
        QVERIFY(f.dialogs.lastText().contains("read-only"));
        QCOMPARE(f.dialogs.questions.last().defaultButton, std::optional(Button::Cancel));
        QCOMPARE(readAll(path), QByteArray("new old\r\n"));
        f.dialogs.answers = {Button::Ok};
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(path), QByteArray("newer new old\r\n"));
        QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
        QCOMPARE(int(st.st_mode & 07777), 0444);
    }

    void save_asAnOrdinaryUser_isRefusedWhereThatUserMayNotWrite()
    {
        // Run as a user that is not root, even when the tests run as root:
        // a child process gives up root and saves.
        QTemporaryDir dir;
        const QString path = dir.filePath("theirs.mod");
        writeAll(path, "theirs\r\n");
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0644) == 0);
        const pid_t child = fork();
        if (child == 0) {
            if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
                _exit(2);
            if (geteuid() == 0)
                _exit(3);
            const ScriptFile::WriteResult r = ScriptFile::write(path, "mine\r\n");
            const bool refused = r.error.startsWith("You may not change this file") &&
                                 !r.error.contains("not writable");
            _exit(!r.ok && refused ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status));
        if (WEXITSTATUS(status) == 3)
            QSKIP("no user to run as (owning the folder already)");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readAll(path), QByteArray("theirs\r\n"));
    }

    void open_readsEachEncoding_andSavesItBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("savedAfterTyping"); // "\u0141 " typed at the start
        // What saving the script as it was read writes, when the code page has
        // two codes for a character; empty: the bytes read.
        QTest::addColumn<QByteArray>("savedUnchanged");
        QTest::newRow("Windows-1252 accents stay Windows-1252")
            << QByteArray("caf\xe9 \x80\r\n") << QString::fromUtf8("caf\u00e9 \u20ac\r\n")
            << "Windows-1252" << QByteArray("? caf\xe9 \x80\r\n") << QByteArray();
        QTest::newRow("UTF-8 with letters beyond ASCII")
            << QByteArray("\xc5\x81ukasz\r\n") << QString::fromUtf8("\u0141ukasz\r\n") << "UTF-8"
            << QByteArray("\xc5\x81 \xc5\x81ukasz\r\n") << QByteArray();
        QTest::newRow("a UTF-8 byte-order mark is kept and not shown")
            << QByteArray("\xef\xbb\xbf## x\r\n") << QString("## x\r\n") << "UTF-8 with BOM"
            << QByteArray("\xef\xbb\xbf\xc5\x81 ## x\r\n") << QByteArray();
        QTest::newRow("plain ASCII") << QByteArray("## x\r\n") << QString("## x\r\n")
                                     << "Windows-1252" << QByteArray("? ## x\r\n") << QByteArray();
        QTest::newRow("Windows-1252 letters among long runs of ASCII")
            << QByteArray(
                   "## MOD Title: caf\xe9 cr\xe8me \x80 and more\r\nabcdefgh\x80ijklmnop\r\n")
            << QString::fromUtf8("## MOD Title: caf\u00e9 cr\u00e8me \u20ac and more\r\n"
                                 "abcdefgh\u20acijklmnop\r\n")
            << "Windows-1252"
            << QByteArray(
                   "? ## MOD Title: caf\xe9 cr\xe8me \x80 and more\r\nabcdefgh\x80ijklmnop\r\n")
            << QByteArray();
        // Translations saved in their language's code page are read in it,
        // shown as written and saved back in it, byte for byte.
        QTest::newRow("a Chinese translation in Big5")
            << QByteArray("## \xb4M\xa7\xe4 \xa5\xb4\xb6} \xa4\xa7\xab\xe1, \xa5[\xa4W\r\n")
            << QString::fromUtf8("## 尋找 打開 之後, 加上\r\n") << "Big5"
            << QByteArray("? ## \xb4M\xa7\xe4 \xa5\xb4\xb6} \xa4\xa7\xab\xe1, \xa5[\xa4W\r\n")
            << QByteArray();
        QTest::newRow("a Chinese translation in GB2312")
            << QByteArray(
                   "## \xd1\xb0\xd5\xd2 \xb4\xf2\xbf\xaa \xd6\xae\xba\xf3, \xbc\xd3\xc9\xcf\r\n")
            << QString::fromUtf8("## 寻找 打开 之后, 加上\r\n") << "GBK"
            << QByteArray(
                   "? ## \xd1\xb0\xd5\xd2 \xb4\xf2\xbf\xaa \xd6\xae\xba\xf3, \xbc\xd3\xc9\xcf\r\n")
            << QByteArray();
        QTest::newRow("a Russian translation in Windows-1251")
            << QByteArray("$lang['Reply'] = '\xc1\xfb\xf1\xf2\xf0\xfb\xe9 \xee\xf2\xe2\xe5\xf2 "
                          "\xed\xe0 \xf1\xee\xee\xe1\xf9\xe5\xed\xe8\xe5';\r\n")
            << QString::fromUtf8("$lang['Reply'] = 'Быстрый ответ на сообщение';\r\n")
            << "Windows-1251"
            << QByteArray("? $lang['Reply'] = '\xc1\xfb\xf1\xf2\xf0\xfb\xe9 \xee\xf2\xe2\xe5\xf2 "
                          "\xed\xe0 \xf1\xee\xee\xe1\xf9\xe5\xed\xe8\xe5';\r\n")
            << QByteArray();
        QTest::newRow("a Polish translation in Windows-1250, which holds the letter typed")
            << QByteArray("## Prosz\xea nie instalowa\xe6 tego t\xb3umaczenia, u\xbfytkownik mo\xbf"
                          "e\r\n")
            << QString::fromUtf8("## Proszę nie instalować tego tłumaczenia, użytkownik może\r\n")
            << "Windows-1250"
            << QByteArray("\xa3 ## Prosz\xea nie instalowa\xe6 tego t\xb3umaczenia, u\xbfytkownik "
                          "mo\xbf"
                          "e\r\n")
            << QByteArray();
        // Big5 has two codes for some characters: the second comes back as the
        // first, and the user is told so when the script opens.
        QTest::newRow("a Big5 character with two codes")
            << QByteArray("## \xb4M\xa7\xe4 \xa5\xb4\xb6} \xa2\xcc\r\n")
            << QString::fromUtf8("## 尋找 打開 十\r\n") << "Big5"
            << QByteArray("? ## \xb4M\xa7\xe4 \xa5\xb4\xb6} \xa4Q\r\n")
            << QByteArray("## \xb4M\xa7\xe4 \xa5\xb4\xb6} \xa4Q\r\n");
    }

    void open_readsEachEncoding_andSavesItBack()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QString, encoding);
        QFETCH(QByteArray, savedAfterTyping);
        QFETCH(QByteArray, savedUnchanged);
        MainWindowFixture f;
        const QString path = f.path("enc.mod");
        writeAll(path, bytes);
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.doc()->control().text(), shown);
        QCOMPARE(encodingName(f.doc()->file().encoding()), encoding);
        QCOMPARE(f.window->status().encodingPanel()->text(), encoding);
        // A code page of its own is said once, as the script opens.
        const bool legacy = isLegacyEncoding(f.doc()->file().encoding());
        QCOMPARE(f.dialogs.questions.size(), legacy ? 1 : 0);
        if (legacy) {
            const QString told = f.dialogs.questions.front().text;
            QVERIFY2(told.contains("encoded as " + encoding), qPrintable(told));
            QCOMPARE(told.contains("writes other bytes"), !savedUnchanged.isEmpty());
        }
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(path), savedUnchanged.isEmpty() ? bytes : savedUnchanged);
        edit(f.doc(), QString::fromUtf8("\u0141 "));
        f.dialogs.choices = {0}; // "?" where Windows-1252 lacks the letter
        f.window->files().mnuFileSave_Click();
        QCOMPARE(readAll(path), savedAfterTyping);
    }

    void save_failuresKeepTheOldFileTheTextAndTheCaption_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("invalid path") << "invalid";
        QTest::newRow("full disk") << "full";
        QTest::newRow("read-only folder") << "readonly";
        QTest::newRow("a file replaced by a named pipe") << "fifo";
    }

    void save_failuresKeepTheOldFileTheTextAndTheCaption()
    {
        QFETCH(QString, kind);
        MainWindowFixture f;
        QString path;
        std::unique_ptr<SmallMount> mount;
        if (kind == "folder") {
            path = f.path("dir.mod");
            QDir().mkpath(path);
        } else if (kind == "fifo") {
            path = f.path("pipe.mod");
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == "invalid") {
            writeAll(f.path("plainfile"), "x");
            path = f.path("plainfile/inside.mod");
        } else {
            mount = std::make_unique<SmallMount>(f.path("mnt"), "size=16k");
            if (!mount->mounted)
                QSKIP("this machine does not let the test mount a small file system");
            path = f.path("mnt/script.mod");
            writeAll(path, "previous");
            if (kind == "readonly") {
                QVERIFY(QProcess::execute("mount", {"-o", "remount,ro", f.path("mnt")}) == 0);
            } else {
                edit(f.doc(), (QString(10000, 'x') + "\r\n").repeated(4));
            }
        }
        f.doc()->file().setPath(path);
        const QByteArray before = QFileInfo(path).isFile() ? readAll(path) : QByteArray();
        const QString text = f.doc()->control().text();
        f.window->files().mnuFileSave_Click();
        QVERIFY2(f.dialogs.lastText().contains("Could not save"), qPrintable(f.dialogs.lastText()));
        QVERIFY(f.dialogs.lastText().contains(path));
        if (QFileInfo(path).isFile())
            QCOMPARE(readAll(path), before);
        QCOMPARE(f.doc()->control().text(), text);
        QCOMPARE(f.doc()->caption(), path);
    }

    void save_toADeviceThatIsFullIsReported()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full on this machine");
        MainWindowFixture f;
        f.doc()->file().setPath("/dev/full");
        f.window->files().mnuFileSave_Click();
        QVERIFY(f.dialogs.lastText().contains("Could not save /dev/full"));
        QVERIFY(QFileInfo("/dev/full").isFile() == false); // the device is still a device
    }

    void commandsWithoutADocument_doNothing()
    {
        MainWindowFixture f;
        f.window->mdiArea()->closeAllSubWindows();
        for (ToolButton b : {ToolButton::Save, ToolButton::Print, ToolButton::Cut, ToolButton::Copy,
                             ToolButton::Paste, ToolButton::Undo})
            f.window->toolbar().tbToolBar_ButtonClick(b);
        f.window->files().mnuFileSaveAs_Click();
        QCOMPARE(f.dialogs.questions.size(), 0);
        QVERIFY(f.dialogs.fileDialogTitles.isEmpty());
        QCOMPARE(f.dialogs.printCalls, 0);
        f.window->toolbar().tbToolBar_ButtonClick(ToolButton::New);
        QCOMPARE(f.window->documents().size(), 1);
        f.window->toolbar().tbToolBar_ButtonClick(ToolButton::Find);
        QCOMPARE(f.dialogs.lastText(), QString("Add 'Find' button code."));
    }

    void documentCommands_ignoreABrowserWindow()
    {
        MainWindowFixture f;
        const QString before = f.doc()->control().text();
        f.window->action(Command::ViewWebBrowser)->trigger();
        f.window->action(Command::ViewWebBrowser)->trigger();
        QCOMPARE(f.window->mdiArea()->subWindowList().size(), 3);
        QVERIFY(!f.window->activeDocument());
        f.window->files().mnuFileSave_Click();
        f.window->files().mnuFileSaveAs_Click();
        f.window->files().mnuFilePrint_Click();
        f.window->edits().undoLevels(1);
        f.window->dialogs().appendActionBlock("#\r\n");
        QVERIFY(f.dialogs.fileDialogTitles.isEmpty());
        QCOMPARE(f.dialogs.printCalls, 0);
        QCOMPARE(f.window->documents().first()->control().text(), before);
        QVERIFY(!f.window->action(Command::EditUndo)->isEnabled());
    }

    void unfinishedCommands_sayWhatToAdd_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("close") << "mnuFileClose"
                               << "Add 'mnuFileClose_Click' code.";
        QTest::newRow("save all") << "mnuFileSaveAll"
                                  << "Add 'mnuFileSaveAll_Click' code.";
        QTest::newRow("preview") << "mnuFilePrintPreview"
                                 << "Add 'mnuFilePrintPreview_Click' code.";
        QTest::newRow("send") << "mnuFileSend"
                              << "Add 'mnuFileSend_Click' code.";
        QTest::newRow("paste special") << "mnuEditPasteSpecial"
                                       << "Add 'mnuEditPasteSpecial_Click' code.";
        QTest::newRow("refresh") << "mnuViewRefresh"
                                 << "Add 'mnuViewRefresh_Click' code.";
        QTest::newRow("about") << "mnuHelpAbout" << ModFormat::versionLine();
    }

    void unfinishedCommands_sayWhatToAdd()
    {
        QFETCH(QString, action);
        QFETCH(QString, text);
        MainWindowFixture f;
        f.window->findChild<QAction*>(action)->trigger();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QCOMPARE(f.dialogs.questions.last().title, QString("Quillwright"));
        QCOMPARE(f.dialogs.questions.last().text, text);
    }

    void publish_opensTheModDatabasePage()
    {
        MainWindowFixture f;
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        f.window->action(Command::Publish)->trigger();
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl("http://www.phpbb.com/mods/downloads/")});
    }

    void print_printsTheSelectionOrEverything()
    {
        MainWindowFixture f;
        const QString pdf = f.path("out.pdf");
        const int at = int(f.doc()->control().text().indexOf("## Mod Version"));
        f.doc()->control().setSelStart(at);
        f.doc()->control().setSelLength(21);
        f.window->files().printer()->setOutputFormat(QPrinter::PdfFormat);
        f.window->files().printer()->setOutputFileName(pdf);
        f.dialogs.printAccepted = false;
        f.window->files().mnuFilePrint_Click();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(f.dialogs.lastPrintSelectionOnly);
        f.dialogs.printAccepted = true;
        f.window->files().mnuFilePrint_Click();
        QVERIFY(readAll(pdf).startsWith("%PDF"));
        const QString selection = pdfText(pdf);
        QVERIFY2(selection.contains("## Mod Version: 1.0.0"), qPrintable(selection));
        QVERIFY(!selection.contains("Generator"));
        // Nothing selected: the whole script.
        f.doc()->control().setSelStart(0);
        f.window->files().mnuFilePrint_Click();
        QVERIFY(!f.dialogs.lastPrintSelectionOnly);
        const QString all = pdfText(pdf);
        QVERIFY(all.contains(ModFormat::generatorLine()));
        QVERIFY(all.contains("## Before Adding This MOD To Your Forum"));
    }

    void undoLevels_restoreTheSnapshots_data()
    {
        QTest::addColumn<int>("levels");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one") << 1 << "B";
        QTest::newRow("two") << 2 << "C";
        QTest::newRow("three") << 3 << "D";
    }

    void undoLevels_restoreTheSnapshots()
    {
        QFETCH(int, levels);
        QFETCH(QString, shown);
        MainWindowFixture f;
        Snapshots& s = f.doc()->model().snapshots();
        s.Text1 = QString("A");
        s.Text2 = QString("B");
        s.Text3 = QString("C");
        s.Text4 = QString("D");
        f.window->toolbar().tbToolBar_ButtonMenuClick(levels);
        QCOMPARE(f.doc()->control().text(), shown);
        QCOMPARE(s.Text1.text(), shown);
        QCOMPARE(f.window->action(Command::EditUndo)->isEnabled(), !s.Text2.isEmpty());
    }

    void copyAndPaste_keepColoursInside_andGiveOtherProgramsPlainText()
    {
        MainWindowFixture f;
        RichTextControl& c = f.doc()->control();
        const int at = int(c.text().indexOf("Generator:"));
        c.setSelStart(at);
        c.setSelLength(10);
        f.window->edits().mnuEditCopy_Click();
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(), QString("Generator:"));
        QVERIFY(mime->data("text/rtf").startsWith("{\\rtf1"));
        QVERIFY(mime->hasFormat("application/rtf"));
        c.setSelStart(0);
        f.window->edits().mnuEditPaste_Click();
        QVERIFY(c.text().startsWith("Generator:####"));
        QCOMPARE(c.styledText().colorAt(0), MarkerColors::Blue);
        // Another program's plain text arrives plain.
        QApplication::clipboard()->setText("plain words");
        c.setSelStart(0);
        f.window->edits().mnuEditPaste_Click();
        QVERIFY(c.text().startsWith("plain wordsGenerator:"));
        QCOMPARE(c.styledText().colorAt(0), TextColor());
    }

    void cut_removesTheSelection_andWithoutOneChangesNothing()
    {
        MainWindowFixture f;
        RichTextControl& c = f.doc()->control();
        const QString before = c.text();
        c.setSelStart(0);
        f.window->edits().mnuEditCut_Click();
        QCOMPARE(c.text(), before);
        c.setSelLength(5);
        f.window->edits().mnuEditCut_Click();
        QCOMPARE(c.text(), before.mid(5));
        QCOMPARE(QApplication::clipboard()->text(), before.left(5));
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
