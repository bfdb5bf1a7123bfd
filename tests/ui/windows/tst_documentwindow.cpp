#include "core/script/ModFormat.h"
#include "core/text/MemoryRichTextControl.h"
#include "support/ScriptedDialogs.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/DocumentWindow.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidget>

namespace {
const TextColor Blue = MarkerColors::Blue;

// The literal algorithm on the in-memory control, for comparison.
struct Reference {
    MemoryRichTextControl control;
    DocumentModel model{control};
    Reference()
    {
        model.setReferenceHandler(true);
        model.initialise(QString(), "Lucida Console");
    }
};

struct Window {
    ScriptedDialogs dialogs;
    DocumentWindow window{DocumentServices{nullptr, &dialogs, QString()}};
    Window()
    {
        window.Form_Load();
        window.show();
    }
    QPlainTextEdit* editor() { return window.mod_fly(); }
    RichTextControl& control() { return window.control(); }
};

// Types like a person: one key press per character, Return for a line break.
void type(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(w, Qt::Key_Return);
        else
            QTest::keyClicks(w, QString(c));
    }
}

void compareStyled(const StyledText& actual, const StyledText& expected, int step)
{
    if (actual.text != expected.text || actual.runs != expected.runs) {
        int at = 0;
        while (at < std::min(actual.text.size(), expected.text.size()) &&
               actual.text[at] == expected.text[at] && actual.colorAt(at) == expected.colorAt(at))
            ++at;
        QFAIL(qPrintable(QString("step %1 differs at %2: window \"%3\" reference \"%4\"")
                             .arg(step)
                             .arg(at)
                             .arg(actual.text.mid(std::max(at - 10, 0), 30).toHtmlEscaped(),
                                  expected.text.mid(std::max(at - 10, 0), 30).toHtmlEscaped())));
    }
}
} // namespace

class TestDocumentWindow : public QObject {
    Q_OBJECT
private slots:
    void newWindow_coloursOnItsFirstChangeAndClearsTheFlag()
    {
        Window w;
        QVERIFY(w.window.model().UpdateBrowserTF());
        w.editor()->setFocus();
        QTest::keyClicks(w.editor(), "x");
        QVERIFY(!w.window.model().UpdateBrowserTF());
        const StyledText s = w.control().styledText();
        QVERIFY(s.text.startsWith("x#####"));
        QCOMPARE(s.colorAt(int(s.text.indexOf("Mod Title:"))), Blue);
        QCOMPARE(s.colorAt(int(s.text.indexOf("Included Files:"))), Blue);
        QCOMPARE(w.control().selStart(), 1);
    }

    void typedBanner_colouresItsKeywordButNotALineStart()
    {
        Window w;
        w.control().setSelStart(w.control().textLength());
        type(w.editor(), "OPEN x\n#\n#-----[ OPEN ]---\n");
        const StyledText s = w.control().styledText();
        const int lineStart = int(s.text.lastIndexOf("OPEN x"));
        const int banner = int(s.text.lastIndexOf("[ OPEN ]")) + 2;
        QCOMPARE(s.colorAt(lineStart), TextColor());
        QCOMPARE(s.colorAt(banner), Blue);
        QCOMPARE(w.window.outlineNode("actions")->childCount(), 1);
        QCOMPARE(w.control().selStart(), w.control().textLength());
    }

    void selection_isWhereItWasAfterTheHandler()
    {
        Window w;
        w.control().setSelStart(20);
        w.control().setSelLength(7);
        w.control().setSelColor(MarkerColors::Green);
        QCOMPARE(w.control().selStart(), 20);
        QCOMPARE(w.control().selLength(), 7);
    }

    void widgetUndo_isOffSoCtrlZNeverRestoresAColourlessText()
    {
        Window w;
        QVERIFY(!w.editor()->isUndoRedoEnabled());
        const StyledText before = w.control().styledText();
        QTest::keyClick(w.editor(), Qt::Key_Z, Qt::ControlModifier);
        compareStyled(w.control().styledText(), before, 0);
    }

    void typingAndDeleting_matchesTheReferenceAlgorithm()
    {
        Window w;
        Reference ref;
        compareStyled(w.control().styledText(), ref.control.styledText(), -1);
        const QStringList pieces = {" OPEN ",
                                    "#EoM",
                                    "# EoM",
                                    "\n",
                                    "## MOD Author: ",
                                    "x",
                                    " OR ",
                                    "IN-LINE FIND",
                                    "[ BEFORE, ADD ]",
                                    "Mod Title:",
                                    "\n#\n#-----[ FIND ]---\n",
                                    "## Author Notes: ",
                                    "abc",
                                    "SAVE/CLOSE ALL FILES"};
        QRandomGenerator rng(20261207);
        for (int step = 0; step < 400; ++step) {
            const int length = w.control().textLength();
            const int action = rng.bounded(10);
            if (action < 6 || length < 10) {
                const int pos = rng.bounded(length + 1);
                const QString piece = pieces[rng.bounded(pieces.size())];
                w.control().setSelStart(pos);
                ref.control.setSelStart(w.control().selStart());
                type(w.editor(), piece);
                for (QChar c : piece)
                    ref.control.setSelText(c == u'\n' ? QStringLiteral("\r\n") : QString(c));
            } else if (action < 9) {
                const int pos = rng.bounded(length);
                const int len = rng.bounded(std::min(20, length - pos)); // 0: a plain Backspace
                w.control().setSelStart(pos);
                w.control().setSelLength(len);
                int start = w.control().selStart();
                int end = start + w.control().selLength();
                if (start == end) { // a plain Backspace: one character, or a whole line break
                    const QString text = w.control().text();
                    start = end < 2 || text[end - 1] != u'\n' ? end - 1 : end - 2;
                }
                QTest::keyClick(w.editor(), Qt::Key_Backspace);
                if (start >= 0) {
                    ref.control.setSelStart(start);
                    ref.control.setSelLength(end - start);
                    ref.control.setSelText(QString());
                }
            } else if (action == 9 && step % 3 == 0 && length > 0) {
                // A cut made by the widget itself, past the control's edits.
                const int pos = rng.bounded(length);
                w.control().setSelStart(pos);
                w.control().setSelLength(rng.bounded(std::min(30, length - pos)) + 1);
                ref.control.setSelStart(w.control().selStart());
                ref.control.setSelLength(w.control().selLength());
                w.editor()->cut();
                ref.control.setSelText(QString());
            } else if (action == 9 && step % 3 == 1) {
                w.window.model().Timer1_Timer();
                ref.model.Timer1_Timer();
                w.window.model().undo(1);
                ref.model.undo(1);
            } else {
                w.window.model().Timer1_Timer();
                ref.model.Timer1_Timer();
            }
            if (qEnvironmentVariableIsSet("ORACLE_TRACE"))
                qDebug() << step << action << w.control().selStart() << w.control().textLength();
            compareStyled(w.window.control().documentContent(), ref.control.styledText(), step);
            compareStyled(w.control().styledText(), w.window.control().documentContent(), step);
            QCOMPARE(w.control().selStart(), ref.control.selStart());
            QCOMPARE(w.window.model().outline().nodes(), ref.model.outline().nodes());
        }
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
