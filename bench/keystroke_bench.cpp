// Cost of one keystroke and of opening a script, in one configuration per
// process so that peak memory belongs to that configuration alone:
//   quillwright_bench CONFIG BYTES KEYSTROKES
// CONFIG is "ours" (a document window with its change handler), "floor"
// (a bare QTextEdit) or "peer" (a QPlainTextEdit with a QSyntaxHighlighter
// colouring the same keywords). Prints one line of figures.
#include "SyntheticScript.h"

#include "core/rtf/Rtf.h"
#include "core/script/RepairScript.h"
#include "core/script/ScriptFile.h"
#include "core/script/Windows1252.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/DocumentWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

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

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

__attribute__((noinline)) void press(QWidget* w, char c)
{
    // QUILLWRIGHT_BENCH_RETURN makes every other key a Return: a new line
    // costs more than a letter, as the line tables move.
    const bool enter = qEnvironmentVariableIsSet("QUILLWRIGHT_BENCH_RETURN") && c % 2;
    const int key = enter ? Qt::Key_Return : Qt::Key_A + (c - 'a');
    const QString text = enter ? QStringLiteral("\r") : QString(QChar(c));
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ours|floor|peer BYTES KEYSTROKES\n", argv[0]);
        return 2;
    }
    const QString config = QString::fromLatin1(argv[1]);
    const qsizetype bytes = QByteArray(argv[2]).toLongLong();
    const int keystrokes = QByteArray(argv[3]).toInt();

    QTemporaryDir dir;
    const QString path = dir.filePath("bench.mod");
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(Windows1252::encode(syntheticScript(bytes)).bytes);
    }

    QWidget* editor = nullptr;
    std::unique_ptr<DocumentWindow> doc;
    std::unique_ptr<QTextEdit> bare;
    std::unique_ptr<QPlainTextEdit> plain;
    QElapsedTimer clock;
    clock.start();
    if (config == "ours") {
        doc = std::make_unique<DocumentWindow>(DocumentServices{});
        doc->resize(1000, 700);
        doc->Form_Load();
        doc->show();
        QApplication::processEvents();
        clock.restart();
        // What File, Open does: load, blanks, repair, then the first colouring.
        const ScriptFile::ReadResult r = ScriptFile::read(path);
        doc->model().setUpdateBrowserTF(true);
        doc->control().setStyledText(r.content);
        doc->control().setText(addBlankAfterProgramSeparators(doc->control().text()));
        doc->control().setText(RepairScript(doc->control().text()));
        editor = doc->mod_fly();
    } else if (config == "floor") {
        bare = std::make_unique<QTextEdit>();
        bare->resize(800, 700);
        bare->show();
        QApplication::processEvents();
        clock.restart();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        bare->setPlainText(Windows1252::decode(f.readAll()));
        editor = bare.get();
    } else {
        plain = std::make_unique<QPlainTextEdit>();
        plain->resize(800, 700);
        plain->show();
        QApplication::processEvents();
        clock.restart();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        new KeywordHighlighter(plain->document());
        plain->setPlainText(Windows1252::decode(f.readAll()));
        editor = plain.get();
    }
    QApplication::processEvents();
    const double openMs = double(clock.nsecsElapsed()) / 1e6;

    // Type in the middle of the script, as a user editing an action would.
    if (doc) {
        doc->model().snapshots().Text2 = QString(doc->control().text().left(100));
        doc->control().setSelStart(doc->control().textLength() / 2);
    } else if (bare) {
        QTextCursor c = bare->textCursor();
        c.setPosition(bare->document()->characterCount() / 2);
        bare->setTextCursor(c);
    } else {
        QTextCursor c = plain->textCursor();
        c.setPosition(plain->document()->characterCount() / 2);
        plain->setTextCursor(c);
    }
    std::vector<double> costs;
    for (int i = 0; i < keystrokes; ++i) {
        clock.restart();
        press(editor, char('a' + i % 26));
        costs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    if (qEnvironmentVariableIsSet("QUILLWRIGHT_BENCH_EACH"))
        for (double c : costs)
            std::printf("%.3f ", c);
    std::printf("%s %lld open_ms=%.2f median_ms=%.3f p95_ms=%.3f peak_kb=%ld\n", argv[1],
                static_cast<long long>(bytes), openMs, percentile(costs, 0.5),
                percentile(costs, 0.95), peakKb());
    return 0;
}
