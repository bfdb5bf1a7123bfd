#include "core/rtf/Rtf.h"
#include "core/script/ModFormat.h"
#include "core/text/MemoryRichTextControl.h"
#include "support/ScriptedDialogs.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/DocumentWindow.h"

#include "core/text/ClipboardMime.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
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

// What an input method such as IBus sends: the composition with its
// attributes, then the result with an empty composition.
void compose(QWidget* editor, const QString& preedit, const QString& commit)
{
    QInputMethodEvent composing(
        preedit, {{QInputMethodEvent::TextFormat, 0, int(preedit.size()), QTextCharFormat()},
                  {QInputMethodEvent::Cursor, int(preedit.size()), 1, {}}});
    QApplication::sendEvent(editor, &composing);
    QInputMethodEvent done;
    done.setCommitString(commit);
    QApplication::sendEvent(editor, &done);
}

// Lines whose layout still shows a composition that has ended.
int staleCompositions(QPlainTextEdit* editor)
{
    int stale = 0;
    for (QTextBlock b = editor->document()->begin(); b.isValid(); b = b.next())
        stale += b.layout() && !b.layout()->preeditAreaText().isEmpty() ? 1 : 0;
    return stale;
}

// Text dragged within the window: the drag carries what Copy puts on the
// clipboard, and the drop arrives at a visible point of the view, moving
// the text or, with Ctrl, copying it. The reference does the same edits as
// one change.
void dragAndDrop(Window& w, Reference& ref, QRandomGenerator& rng)
{
    QPlainTextEdit* editor = w.editor();
    const int length = w.control().textLength();
    const int from = rng.bounded(length);
    w.control().setSelStart(from);
    w.control().setSelLength(rng.bounded(std::min(25, length - from)) + 1);
    const int start = w.control().selStart();
    const int count = w.control().selLength();
    editor->copy();
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const QRect view = editor->viewport()->rect();
    const QPoint at(rng.bounded(view.width()), rng.bounded(view.height()));
    const int to = w.window.control().fromDocPosition(editor->cursorForPosition(at).position());
    const bool copy = rng.bounded(3) == 0;
    const Qt::KeyboardModifiers mods = copy ? Qt::ControlModifier : Qt::NoModifier;
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent entering(at, actions, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(editor->viewport(), &entering);
    QDragMoveEvent moving(at, actions, mime, Qt::LeftButton, mods);
    QApplication::sendEvent(editor->viewport(), &moving);
    // A drag the editor starts proposes a move; Ctrl makes it a copy.
    QDropEvent drop(at, actions, mime, Qt::LeftButton, mods);
    drop.setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    QApplication::sendEvent(editor->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    ChangeBatch batch(ref.control);
    if (copy) {
        ref.control.setSelStart(to);
        ClipboardMime::paste(ref.control, mime);
        return;
    }
    ref.control.setSelStart(start);
    ref.control.setSelLength(count);
    if (to >= start && to <= start + count)
        return; // dropped onto itself: still selected
    const QString moved = ref.control.selRtf();
    ref.control.setSelText(QString());
    ref.control.setSelStart(to > start ? to - count : to);
    ref.control.setSelRtf(moved);
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

    void longComposition_leavesNoStaleLayout_andPageUpReturns()
    {
        Window w;
        w.control().setSelStart(w.control().textLength());
        QTest::keyClicks(w.editor(), "caf");
        compose(w.editor(), QString(61, QChar(0x00b4)), QString::fromUtf8("\u00e9"));
        QCOMPARE(staleCompositions(w.editor()), 0);
        QVERIFY(w.control().text().endsWith(QString::fromUtf8("caf\u00e9")));
        // The page loop walks the layouts: a stale one kept it spinning.
        QTest::keyClick(w.editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(w.editor(), Qt::Key_PageUp);
        QVERIFY(w.control().selStart() < w.control().textLength());
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
        for (int step = 0; step < 500; ++step) {
            const int length = w.control().textLength();
            const int action = rng.bounded(13);
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
            } else if (action == 10) {
                // Alt with a letter that no menu takes types nothing.
                QTest::keyClick(w.editor(), Qt::Key_V, Qt::AltModifier);
            } else if (action == 11 && length > 0) {
                dragAndDrop(w, ref, rng);
            } else if (action == 12) {
                // A dead key through an input method: a composition, then its result.
                const int pos = rng.bounded(length + 1);
                w.control().setSelStart(pos);
                ref.control.setSelStart(w.control().selStart());
                compose(w.editor(), QString::fromUtf8("\u00b4"), QString::fromUtf8("\u00e9"));
                ref.control.setSelText(QString::fromUtf8("\u00e9"));
            } else if (action == 9 && step % 3 == 1) {
                const int levels = 1 + rng.bounded(3);
                w.window.model().Timer1_Timer();
                ref.model.Timer1_Timer();
                w.window.model().undo(levels);
                ref.model.undo(levels);
            } else if (action == 9 && step % 29 == 2) {
                // Select all and Delete, then paste back a piece of what was there.
                const StyledText was = w.control().styledText();
                const QString piece = Rtf::write(
                    slicedStyledText(was, 0, std::min(int(was.text.size()), 400)), "Arial");
                QTest::keyClick(w.editor(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(w.editor(), Qt::Key_Delete);
                ref.control.setSelStart(0);
                ref.control.setSelLength(ref.control.textLength());
                ref.control.setSelText(QString());
                w.control().setSelRtf(piece);
                ref.control.setSelRtf(piece);
            } else {
                w.window.model().Timer1_Timer();
                ref.model.Timer1_Timer();
            }
            if (qEnvironmentVariableIsSet("ORACLE_TRACE"))
                qDebug() << step << action << w.control().selStart() << w.control().textLength();
            compareStyled(w.window.control().documentContent(), ref.control.styledText(), step);
            compareStyled(w.control().styledText(), w.window.control().documentContent(), step);
            QCOMPARE(staleCompositions(w.editor()), 0);
            QCOMPARE(w.control().selStart(), ref.control.selStart());
            QCOMPARE(w.window.model().outline().nodes(), ref.model.outline().nodes());
            // The tree shows the nodes, changed a stretch at a time.
            const QTreeWidgetItem* actions = w.window.outlineNode("actions");
            QCOMPARE(actions->childCount(), int(ref.model.outline().nodes().size()));
            for (int i = 0; i < actions->childCount(); ++i)
                QCOMPARE(actions->child(i)->text(0), ref.model.outline().nodes()[size_t(i)].text);
        }
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
