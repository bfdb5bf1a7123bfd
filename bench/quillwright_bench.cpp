// What a user waits for, in one configuration per process so that peak
// memory belongs to that configuration alone:
//   quillwright_bench CONFIG BYTES
// Each operation is timed until the event loop is idle after a forced
// repaint of the view, so layout and paint count. CONFIG is
//   ours       the program's main window: open, first key, typing, snapshot,
//              undo, paste, cut, select all + Delete, save (taking turns
//              with its floor, the same bytes written with QSaveFile),
//              journal
//   plain      a bare QPlainTextEdit given the same text: the floor for
//              open, memory and select all + Delete
//   peer       a QPlainTextEdit with a QSyntaxHighlighter colouring the same
//              keywords: the peer for typing
//   longline   typing at the end of the longest line a script may have
//   find       the find bar: F3 to the next match, and Replace All of
//              10,000 matches spread over the script
//   check      the script checker at the pause, on a script that keeps to
//              the template's conventions
//   install    a script of a hundred actions installed in memory into a
//              forum of phpBB 2.0's size, and the preview's first picture;
//              then the script written back from the forum and that result
// and prints one line of name=value figures (milliseconds, kilobytes).
//   quillwright_bench rest SECONDS FILE...
// starts the main window as the program does with the first file on its
// command line, has the others dropped on it, and after SECONDS (the
// colouring, the check and the release of the load's memory done) prints
// the resident set and its high-water mark, for measuring several scripts
// held at once beside another program given the same files.
#include "SyntheticForum.h"
#include "SyntheticScript.h"

#include "core/checker/ScriptChecker.h"
#include "core/encoding/Windows1252.h"
#include "core/install/ForumFolder.h"
#include "core/install/ModInstaller.h"
#include "core/recovery/JournalStore.h"
#include "core/script/ModReader.h"
#include "core/script/ScriptFile.h"
#include "core/settings/SettingsStore.h"
#include "core/writer/ScriptWriter.h"
#include "ui/checker/CheckerForum.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/find/FindBar.h"
#include "ui/frame/EditCommands.h"
#include "ui/frame/FileCommands.h"
#include "ui/frame/MainWindow.h"
#include "ui/install/InstallMenuCommands.h"
#include "ui/install/InstallPreview.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FreedMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSyntaxHighlighter>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

using namespace Quillwright;

namespace {

class KeywordHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override
    {
        static const QRegularExpression keywords(
            "IN-LINE FIND|IN-LINE AFTER, ADD|IN-LINE REPLACE WITH| OPEN | FIND | AFTER, ADD | "
            "BEFORE, ADD "
            "| REPLACE WITH | OR |SAVE/CLOSE ALL FILES|## (MOD Author|MOD Description|MOD Version|"
            "Installation Level|Installation Time|Files To Edit|Included Files|Generator|Author "
            "Notes): ");
        static const QRegularExpression end("# ?EoM");
        QTextCharFormat blue;
        blue.setForeground(Qt::blue);
        QTextCharFormat green;
        green.setForeground(QColor(0, 128, 0));
        for (auto it = keywords.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            setFormat(int(m.capturedStart()), int(m.capturedLength()), blue);
        }
        for (auto it = end.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            setFormat(int(m.capturedStart()), int(m.capturedLength()), green);
        }
    }
};

// Answers every question as a user who confirms it would; asks for the file
// given, so that File, Open and File, Save run as they do for a user.
class BenchDialogs : public DialogService {
public:
    QString file;
    Button ask(QWidget*, const QString&, const QString&, Buttons buttons, Icon,
               std::optional<Button>) override
    {
        return buttons == Buttons::YesNoCancel ? Button::No : Button::Ok;
    }
    int choose(QWidget*, const QString&, const QString&, const QStringList&, int, Icon) override
    {
        return 1;
    }
    int chooseItem(QWidget*, const QString&, const QString&, const QStringList&,
                   int current) override
    {
        return current;
    }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
    QString newFolderName(QWidget*, const QString&, const QString&) override { return {}; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return file;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return file;
    }
    bool print(QWidget*, QPrinter*, bool) override { return false; }
    bool pageSetup(QWidget*, QPrinter*) override { return false; }
};

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

QWidget* g_view = nullptr; // the viewport that is repainted before a timing ends

// Milliseconds from the start of `action` until the event loop is idle after
// the view was repainted.
double timed(const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    action();
    QCoreApplication::processEvents();
    if (g_view)
        g_view->repaint();
    QCoreApplication::processEvents();
    return double(clock.nsecsElapsed()) / 1e6;
}

void press(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &up);
}

void type(QWidget* w, char c)
{
    press(w, Qt::Key_A + (c - 'a'), QString(QChar(c)));
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

// 200 keystrokes in the middle of the text, as a user editing an action would.
std::vector<double> typing(QWidget* editor)
{
    std::vector<double> costs;
    for (int i = 0; i < 200; ++i)
        costs.push_back(timed([&] { type(editor, char('a' + i % 26)); }));
    return costs;
}

void print(const char* name, double value)
{
    std::printf(" %s=%.3f", name, value);
}

// Pastes 100 KB at a third of the text and cuts 100 KB there again, five
// times, and prints the median of each: the first paste also meets glyphs and
// pictures for the first time, a cost that has nothing to do with the size
// of the script.
void pasteAndCut(const std::function<int()>& length, const std::function<void(int, int)>& select,
                 const std::function<void()>& paste, const std::function<void()>& cut)
{
    const QString chunk = syntheticScript(100000, 7);
    QApplication::clipboard()->setText(chunk);
    std::vector<double> pastes;
    std::vector<double> cuts;
    for (int i = 0; i < 5; ++i) {
        select(length() / 3, 0);
        pastes.push_back(timed(paste));
        select(length() / 3, int(chunk.size()));
        cuts.push_back(timed(cut));
    }
    print("paste_ms", percentile(pastes, 0.5));
    print("cut_ms", percentile(cuts, 0.5));
}

// An operation bound by the disk (a save, an installation that syncs its
// files) beside its floor: the disk is shared and its speed drifts from one
// moment to the next, so the two take turns, each pair of runs meets the
// same disk, and what is printed is the median of each and of the pairs'
// ratios: NAME_ms, NAME_floor_ms and NAME_ratio.
void interleaved(const char* name, int rounds, const std::function<void()>& program,
                 const std::function<void()>& floor)
{
    std::vector<double> ours;
    std::vector<double> floors;
    std::vector<double> ratios;
    for (int i = 0; i < rounds; ++i) {
        ours.push_back(timed(program));
        floors.push_back(timed(floor));
        ratios.push_back(ours.back() / floors.back());
    }
    const QByteArray n(name);
    print((n + "_ms").constData(), percentile(ours, 0.5));
    print((n + "_floor_ms").constData(), percentile(floors, 0.5));
    print((n + "_ratio").constData(), percentile(ratios, 0.5));
}

// How many turns each process takes at a figure bound by the disk.
int diskRounds()
{
    const int rounds = qEnvironmentVariableIntValue("BENCH_DISK_ROUNDS");
    return rounds > 0 ? rounds : 7;
}

int ours(const QString& path, const QString& dir)
{
    SettingsStore settings(dir + "/settings");
    BenchDialogs dialogs;
    dialogs.file = path;
    JournalStore journal(dir + "/recovery");
    MainWindow window(AppServices{&settings, &dialogs, dir, "about:blank", nullptr});
    window.MDIForm_Load(QString());
    window.resize(1100, 800);
    window.show();
    QCoreApplication::processEvents();
    DocumentWindow* doc = window.activeDocument();
    QPlainTextEdit* editor = doc->mod_fly();
    g_view = editor->viewport();
    RichTextControl& c = doc->control();

    {
        // How long the window goes at most without handling an event while
        // the script opens.
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        sinceTick.start();
        ticker.start(10);
        print("open_ms", timed([&] { window.files().mnuFileOpen_Click(); }));
        longestGap = std::max(longestGap, sinceTick.elapsed());
        print("open_gap_ms", double(longestGap));
    }
    // Actions opens collapsed; open it as a user reading the outline would,
    // so that the edits below pay for what the view does with the actions.
    doc->Actionlist()->expand(doc->outlineNode(QStringLiteral("actions")));
    QCoreApplication::processEvents();
    c.setSelStart(c.textLength() / 2);
    print("first_ms", timed([&] { type(editor, 'x'); }));
    const std::vector<double> keys = typing(editor);
    print("median_ms", percentile(keys, 0.5));
    print("p95_ms", percentile(keys, 0.95));

    // Pauses, each after a few more keys, fill the undo levels with
    // snapshots that differ from the text by the same few lines at any size,
    // then go on turning them: a tick takes under a millisecond, so its
    // median wants more than the four the levels hold.
    std::vector<double> ticks;
    for (int level = 0; level < 16; ++level) {
        type(editor, 'q');
        ticks.push_back(timed([&] { doc->model().Timer1_Timer(); }));
    }
    print("snapshot_ms", percentile(ticks, 0.5));
    type(editor, 'z');
    print("undo1_ms", timed([&] { window.edits().undoLevels(1); }));
    type(editor, 'z');
    doc->model().Timer1_Timer();
    print("undo3_ms", timed([&] { window.edits().undoLevels(3); }));
    print("peak_kb", double(peakKb()));

    pasteAndCut([&] { return c.textLength(); },
                [&](int start, int length) {
                    c.setSelStart(start);
                    c.setSelLength(length);
                },
                [&] { window.edits().mnuEditPaste_Click(); },
                [&] { window.edits().mnuEditCut_Click(); });

    // The floor writes the same text, encoded, to a file of its own beside
    // the script: a write to the script's own file would be a change by
    // another program to the document.
    const QString text = c.text();
    const QString floorPath = path + QStringLiteral(".floor");
    interleaved(
        "save", diskRounds(), [&] { window.files().mnuFileSave_Click(); },
        [&] {
            QSaveFile out(floorPath);
            out.open(QIODevice::WriteOnly);
            out.write(Windows1252::encode(text).bytes);
            out.commit();
        });
    const LineStore lines = c.lineSnapshot();
    print("journal_ms", timed([&] {
              journal.write(1, path, path, TextEncoding::Windows1252, lines);
              journal.flush();
          }));

    editor->setFocus();
    print("selectall_delete_ms", timed([&] {
              press(editor, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
              press(editor, Qt::Key_Delete, QString());
          }));
    std::printf("\n");
    return c.textLength() == 0 ? 0 : 1;
}

int plain(const QString& path, bool highlighted)
{
    QPlainTextEdit editor;
    editor.resize(1100, 800);
    editor.show();
    QCoreApplication::processEvents();
    g_view = editor.viewport();
    print("open_ms", timed([&] {
              QFile f(path);
              f.open(QIODevice::ReadOnly);
              if (highlighted)
                  new KeywordHighlighter(editor.document());
              editor.setPlainText(Windows1252::decode(f.readAll()));
          }));
    QTextCursor middle = editor.textCursor();
    middle.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(middle);
    const std::vector<double> keys = typing(&editor);
    print("median_ms", percentile(keys, 0.5));
    print("p95_ms", percentile(keys, 0.95));
    print("peak_kb", double(peakKb()));
    // The same paste and cut, for what the widget's own growth is.
    pasteAndCut([&] { return editor.document()->characterCount() - 1; },
                [&](int start, int length) {
                    QTextCursor c(editor.document());
                    c.setPosition(start);
                    c.setPosition(start + length, QTextCursor::KeepAnchor);
                    editor.setTextCursor(c);
                },
                [&] { editor.paste(); }, [&] { editor.cut(); });
    editor.setFocus();
    print("selectall_delete_ms", timed([&] {
              press(&editor, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
              press(&editor, Qt::Key_Delete, QString());
          }));
    std::printf("\n");
    return editor.document()->isEmpty() ? 0 : 1;
}

int longLine(const QString& dir)
{
    DocumentWindow doc(DocumentServices{});
    doc.resize(1100, 800);
    doc.Form_Load();
    doc.show();
    QCoreApplication::processEvents();
    g_view = doc.mod_fly()->viewport();
    QString line;
    while (line.size() < ScriptFile::MaxLineLength - 30)
        line += QStringLiteral("$a = $b OR $c; ");
    line.truncate(ScriptFile::MaxLineLength - 30);
    doc.control().setSelStart(doc.control().textLength());
    doc.control().setSelText(line);
    std::vector<double> keys;
    for (int i = 0; i < 20; ++i)
        keys.push_back(timed([&] { type(doc.mod_fly(), char('a' + i)); }));
    print("longline_ms", percentile(keys, 0.5));
    std::printf("\n");
    Q_UNUSED(dir);
    return 0;
}

// A script of about `bytes` with a word of its own on 10,000 of its lines,
// spread evenly: what Replace All is timed on.
QString findScript(qsizetype bytes)
{
    QStringList lines = syntheticScript(bytes).split(QStringLiteral("\r\n"));
    const int step = std::max(1, int(lines.size() / 10000));
    int placed = 0;
    for (int i = 0; i < lines.size() && placed < 10000; i += step, ++placed)
        lines[i] += QStringLiteral(" qwtoken");
    return lines.join(QStringLiteral("\r\n"));
}

// A main window with `script` written to `path` and opened in it, its
// script's viewport the one repainted before each timing ends.
struct OpenedScript {
    SettingsStore settings;
    BenchDialogs dialogs;
    MainWindow window;
    DocumentWindow* doc = nullptr;

    OpenedScript(const QString& path, const QString& dir, const QString& script)
        : settings(dir + "/settings"),
          window(AppServices{&settings, &dialogs, dir, "about:blank", nullptr})
    {
        {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(Windows1252::encode(script).bytes);
        }
        dialogs.file = path;
        window.MDIForm_Load(QString());
        window.resize(1100, 800);
        window.show();
        QCoreApplication::processEvents();
        window.files().mnuFileOpen_Click();
        doc = window.activeDocument();
        g_view = doc->mod_fly()->viewport();
    }
};

int find(const QString& path, const QString& dir, qsizetype bytes)
{
    OpenedScript opened(path, dir, findScript(bytes));
    DocumentWindow* doc = opened.doc;
    FindBar* bar = doc->findBar();
    bar->open(FindBar::Mode::Replace);
    bar->findField()->setText(QStringLiteral("include"));
    doc->control().setSelStart(0);
    // The first step counts every match for "n of m"; the steps after it
    // look the next one up in what was found.
    print("find_first_ms", timed([&] { bar->findNext(); }));
    std::vector<double> steps;
    for (int i = 0; i < 50; ++i)
        steps.push_back(timed([&] { bar->findNext(); }));
    print("find_next_ms", percentile(steps, 0.5));
    bar->findField()->setText(QStringLiteral("qwtoken"));
    bar->replaceField()->setText(QStringLiteral("qwreplaced"));
    int replaced = 0;
    print("replace_all_ms", timed([&] { replaced = bar->replaceAll(); }));
    print("replaced", replaced);
    std::printf("\n");
    return replaced == 10000 ? 0 : 1;
}

int check(const QString& path, const QString& dir, qsizetype bytes)
{
    OpenedScript opened(path, dir, conventionalScript(bytes));
    DocumentWindow* doc = opened.doc;
    // The rules over every line, and the underlines of what they find.
    std::vector<double> checks;
    for (int i = 0; i < 9; ++i)
        checks.push_back(timed([&] { doc->checks().checkNow(); }));
    print("check_ms", percentile(checks, 0.5));
    print("findings", double(doc->checks().findings().size()));
    // 1,600 scripts of the template's style (15 MB), each read from its
    // bytes and checked, in one process, as quillwright-check over a folder.
    std::vector<QByteArray> corpus;
    for (quint32 i = 0; i < 1600; ++i)
        corpus.push_back(Windows1252::encode(conventionalScript(9400, i + 1)).bytes);
    int corpusFindings = 0;
    print("check_corpus_ms", timed([&] {
              for (const QByteArray& file : corpus) {
                  TextEncoding encoding = TextEncoding::Windows1252;
                  const QStringList lines = ModReader::readLines(file, &encoding);
                  corpusFindings += int(Checker::checkScript(lines, encoding).size());
              }
          }));
    print("corpus_findings", corpusFindings);
    std::printf("\n");
    return 0;
}
int install(const QString& path, const QString& dir)
{
    const SyntheticForum forum(dir + QStringLiteral("/forum"));
    const QString script = forum.script();
    const QStringList lines = script.split(QStringLiteral("\r\n"));
    const QString root = dir + QStringLiteral("/forum");
    // Reading the ten files the script opens counts: each run starts afresh.
    std::vector<double> runs;
    Install::Result result;
    for (int i = 0; i < 9; ++i)
        runs.push_back(timed([&] {
            result = Install::install(
                {{"bench.mod", lines, {}}}, FileTree([&root](const QString& p) {
                    QFile f(QDir(root).filePath(p));
                    return f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt;
                }));
        }));
    print("install_ms", percentile(runs, 0.5));
    print("install_applied", result.applied);
    print("install_failed", result.failed);
    // The script written from the forum and the forum with those changes:
    // ten files changed, as a MOD of that size changes them.
    const Writer::Tree original = Writer::readTree(root);
    Writer::Tree changed = original;
    for (const Install::ChangedFile& f : result.files)
        changed[f.path] = f.result;
    std::vector<double> writes;
    Writer::Written written;
    for (int i = 0; i < 5; ++i)
        writes.push_back(timed([&] { written = Writer::write(original, changed); }));
    print("write_ms", percentile(writes, 0.5));
    print("write_exact", written.exact() ? 1 : 0);
    print("write_actions", written.actions);
    print("write_script_bytes", double(written.script.size()));
    print("hand_script_bytes", double(script.size()));
    // The preview from the command to its first picture, in the program's window.
    OpenedScript opened(path, dir, script);
    opened.window.forum().setFolder(root);
    print("preview_ms",
          timed([&] { opened.window.findChild<InstallMenuCommands*>()->previewInstallation(); }));
    std::printf("\n");
    return result.failed == 0 && result.applied == 100 ? 0 : 1;
}
} // namespace

// Kilobytes of a field of /proc/self/status (VmRSS, VmHWM).
long statusKb(const QByteArray& field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

int rest(const QStringList& files, int seconds)
{
    SettingsStore settings;
    QtDialogService dialogs;
    QTemporaryDir dir;
    JournalStore journal(dir.filePath("recovery"));
    MainWindow window(AppServices{&settings, &dialogs, dir.path(), "about:blank", &journal});
    window.MDIForm_Load(files.value(0));
    window.show();
    window.files().openFiles(files.mid(1));
    // Read before quitting: the end of the session lets the documents go.
    QTimer::singleShot(seconds * 1000, qApp, [] {
        print("rss_kb", double(statusKb("VmRSS")));
        print("hwm_kb", double(statusKb("VmHWM")));
        std::printf("\n");
        QCoreApplication::quit();
    });
    QApplication::exec();
    return int(window.documents().size()) == std::max<int>(1, int(files.size())) ? 0 : 1;
}

int main(int argc, char** argv)
{
    // The program's own allocator settings wherever the program is
    // measured; the floors (a bare widget, QSaveFile) keep the C library's.
    if (const QByteArray which = argc > 1 ? QByteArray(argv[1]) : QByteArray();
        which != "plain" && which != "peer")
        FreedMemory::configure();
    QApplication app(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "rest") {
        QStringList files;
        for (int i = 3; i < argc; ++i)
            files << QString::fromLocal8Bit(argv[i]);
        std::printf("rest %d", int(files.size()));
        return rest(files, QByteArray(argv[2]).toInt());
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: %s ours|plain|peer|longline|find|check|install BYTES\n"
                     "       %s script BYTES FILE [SEED]   (writes a real-style script)\n"
                     "       %s rest SECONDS FILE...\n",
                     argv[0], argv[0], argv[0]);
        return 2;
    }
    const QString config = QString::fromLatin1(argv[1]);
    const qsizetype bytes = QByteArray(argv[2]).toLongLong();
    if (config == "script") { // for measuring programs from outside (memory at rest)
        QFile f(argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString());
        const quint32 seed = argc > 4 ? QByteArray(argv[4]).toUInt() : 11;
        return f.open(QIODevice::WriteOnly) &&
                       f.write(Windows1252::encode(realStyleScript(bytes, seed)).bytes) > 0
                   ? 0
                   : 1;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mod");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(Windows1252::encode(syntheticScript(bytes)).bytes);
    }
    std::printf("%s %lld", argv[1], static_cast<long long>(bytes));
    if (config == "ours")
        return ours(path, dir.path());
    if (config == "plain" || config == "peer")
        return plain(path, config == "peer");
    if (config == "longline")
        return longLine(dir.path());
    if (config == "find")
        return find(path, dir.path(), bytes);
    if (config == "check")
        return check(path, dir.path(), bytes);
    if (config == "install")
        return install(path, dir.path());
    std::fprintf(stderr, "unknown configuration %s\n", argv[1]);
    return 2;
}
