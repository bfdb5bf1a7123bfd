#include "core/checker/Finding.h"
#include "core/control/MemoryRichTextControl.h"
#include "core/rtf/Rtf.h"
#include "core/script/ModFormat.h"
#include "support/Contrast.h"
#include "support/OutlineNodes.h"
#include "support/ScriptedDialogs.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentWindow.h"
#include "ui/document/OutlineModel.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/find/FindBar.h"
#include "ui/find/GoToLineBar.h"

#include "core/control/ClipboardMime.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>
#include <cmath>

using namespace Quillwright;

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
        // Shortcuts go to the active window only.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
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
    const int to =
        w.window.control().mirror().fromDocPosition(editor->cursorForPosition(at).position());
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

// Replace All through the bar in the window; in the reference the same
// replacements, found by a regular expression of the test's own, made as one
// change with the caret at the start, as putting back lines leaves it.
void replaceAll(Window& w, Reference& ref, QRandomGenerator& rng)
{
    static const QStringList patterns = {"OPEN", "x", "EoM", "abc", "FIND", "#"};
    static const QStringList withs = {"FIND", "", "EoM x", "#-----[ ", "y"};
    const QString pattern = patterns[rng.bounded(int(patterns.size()))];
    const QString with = withs[rng.bounded(int(withs.size()))];
    const bool whole = rng.bounded(2) == 0;
    QTest::keyClick(w.editor(), Qt::Key_H, Qt::ControlModifier);
    FindBar* bar = w.window.findBar();
    QVERIFY(bar->isVisible() && bar->findField()->hasFocus());
    bar->setOptions({false, whole, false}, false);
    bar->findField()->setText(pattern);
    bar->replaceField()->setText(with);
    QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(bar->findField(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(w.editor()->hasFocus());

    QString expression = QRegularExpression::escape(pattern);
    if (whole)
        expression = "(?<!\\w)" + expression + "(?!\\w)";
    const QRegularExpression re(expression, QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::UseUnicodePropertiesOption);
    bool any = false;
    for (int line = 0; line < ref.control.lineCount() && !any; ++line)
        any = re.match(ref.control.line(line)->text).hasMatch();
    if (!any)
        return;
    // A Replace All is an undo step of its own: a snapshot before and after.
    ref.model.takeSnapshot();
    ref.control.setSelStart(0);
    {
        ChangeBatch batch(ref.control);
        for (int line = 0; line < ref.control.lineCount(); ++line) {
            StyledText made = *ref.control.line(line);
            std::vector<std::pair<int, int>> found;
            for (auto it = re.globalMatch(made.text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                found.emplace_back(int(m.capturedStart()), int(m.capturedLength()));
            }
            for (auto f = found.rbegin(); f != found.rend(); ++f)
                made = splicedStyledText(made, f->first, f->second, StyledText{with, {}});
            if (!found.empty())
                ref.control.setLine(line, made);
        }
    }
    ref.model.takeSnapshot();
    ref.control.setSelStart(0);
}

void compareStyled(const StyledText& actual, const StyledText& expected, int step)
{
    if (actual.text != expected.text || actual.runs != expected.runs) {
        int at = 0;
        while (at < std::min(actual.text.size(), expected.text.size()) &&
               actual.text[at] == expected.text[at] && actual.colorAt(at) == expected.colorAt(at))
            ++at;
        if (qEnvironmentVariableIsSet("ORACLE_TRACE"))
            for (int i = std::max(at - 40, 0); i < std::min<int>(at + 20, actual.text.size()); ++i)
                qDebug() << i << actual.text[i] << Qt::hex << actual.colorAt(i).raw()
                         << expected.colorAt(i).raw();
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
        QCOMPARE(childCount(w.window.outlineNode("actions")), 1);
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

    void findBarAndGoToLine_answerTheKeysOfCommonEditors()
    {
        Window w;
        RichTextControl& c = w.control();
        c.setText("#\r\n#-----[ OPEN ]---\r\n#\r\nindex.php\r\n#\r\n#-----[ FIND ]---\r\n"
                  "#\r\nindex page\r\n#\r\n#-----[ OPEN ]---\r\n#\r\nviewtopic.php\r\n");
        QWidget* editor = w.editor();
        FindBar* bar = w.window.findBar();
        QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(bar->isVisible() && bar->findField()->hasFocus());
        QVERIFY(!bar->replaceField()->isVisible());
        QVERIFY(w.editor()->height() + bar->height() <= w.window.height());
        // In a narrow window the options wrap to more rows instead of being cut off.
        const QSize wide = w.window.size();
        w.window.resize(260, 400);
        for (const char* name :
             {"matchCase", "wholeWords", "regularExpression", "inSelection", "findStatus"}) {
            const QWidget* part = bar->findChild<QWidget*>(name);
            const QRect inBar(part->mapTo(bar, QPoint(0, 0)), part->size());
            QVERIFY2(bar->rect().contains(inBar), name);
        }
        w.window.resize(wide);
        // Found as it is typed, from where the caret was.
        QTest::keyClicks(bar->findField(), "ind");
        QCOMPARE(c.selText(), QString("ind"));
        QCOMPARE(bar->status()->text(), QString("1 of 3")); // FIND holds it too
        // Every match in view is highlighted while the bar is open.
        const auto highlighted = [&w] {
            int n = 0;
            for (const QTextEdit::ExtraSelection& s : w.editor()->extraSelections())
                n += s.format.hasProperty(QTextFormat::BackgroundBrush) ? 1 : 0;
            return n;
        };
        QCOMPARE(highlighted(), 3);
        QTest::keyClicks(bar->findField(), "ex.");
        QCOMPARE(c.selStart(), int(c.text().indexOf("index.php")));
        QCOMPARE(bar->status()->text(), QString("1 of 1"));
        QTest::keyClick(bar->findField(), Qt::Key_Return);
        QVERIFY(bar->status()->text().startsWith("Continued from the top"));
        // Told as an alert, spoken while the focus stays in the find field.
        QAccessibleInterface* status = QAccessible::queryAccessibleInterface(bar->status());
        QCOMPARE(status->role(), QAccessible::AlertMessage);
        QCOMPARE(status->text(QAccessible::Name), bar->status()->text());
        QCOMPARE(highlighted(), 1);
        QTest::keyClick(bar->findField(), Qt::Key_Escape);
        QVERIFY(!bar->isVisible() && w.editor()->hasFocus());
        QCOMPARE(highlighted(), 0);
        // The match is not left selected: a Tab now would replace it.
        QCOMPARE(c.selLength(), 0);
        QCOMPARE(c.selStart(), int(c.text().indexOf("index.php")) + 6);
        // Tab past the bar's last control, or Shift+Tab before its first,
        // goes back to the script as Esc does: nothing is typed over a match.
        for (const bool forward : {true, false}) {
            const QString text = c.text();
            QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
            QTest::keyClick(bar->findField(), Qt::Key_Return);
            QVERIFY(c.selLength() > 0);
            int tabs = 0;
            while (bar->isVisible() && ++tabs < 20)
                QTest::keyClick(QApplication::focusWidget(),
                                forward ? Qt::Key_Tab : Qt::Key_Backtab);
            QVERIFY(!bar->isVisible() && w.editor()->hasFocus());
            QVERIFY2(forward ? tabs > 5 : tabs == 1, qPrintable(QString::number(tabs)));
            QCOMPARE(c.selLength(), 0);
            QCOMPARE(c.text(), text);
        }
        // F3 and Shift+F3 from the script, on what was last looked for.
        bar->findField()->setText("OPEN");
        c.setSelStart(0);
        QTest::keyClick(editor, Qt::Key_F3);
        QCOMPARE(c.selStart(), int(c.text().indexOf("OPEN")));
        QTest::keyClick(editor, Qt::Key_F3);
        QCOMPARE(c.selStart(), int(c.text().lastIndexOf("OPEN")));
        QTest::keyClick(editor, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(c.selStart(), int(c.text().indexOf("OPEN")));
        // A selection over several lines is the stretch searched.
        c.setSelStart(0);
        c.setSelLength(int(c.text().indexOf("index page")));
        QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(bar->findField(), Qt::Key_Tab);
        QVERIFY(bar->replaceField()->hasFocus());
        bar->findField()->setText("OPEN");
        bar->replaceField()->setText("COPY");
        QTest::keyClick(bar->replaceField(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(c.text().count("COPY"), 1);
        QCOMPARE(c.text().count("OPEN"), 1);
        QTest::keyClick(bar->replaceField(), Qt::Key_Escape);
        // Alt+R replaces the match selected and goes on to the next.
        QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
        bar->setOptions({true, true, false}, false);
        bar->findField()->setText("php");
        bar->replaceField()->setText("php3");
        c.setSelStart(0);
        QTest::keyClick(bar->findField(), Qt::Key_Return);
        QTest::keyClick(bar->findField(), Qt::Key_R, Qt::AltModifier);
        QVERIFY(c.text().contains("index.php3") && c.text().contains("viewtopic.php\r"));
        QCOMPARE(c.selText(), QString("php"));
        // Alt+A: every match (whole words: "php3" is not one), as one change
        // that one undo level takes back.
        w.window.model().Timer1_Timer();
        const QString beforeAll = c.text();
        QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(c.text().count("php3"), 2);
        // How many, and no "Not found" in red: no match left is what was asked for.
        QCOMPARE(bar->status()->text(), QString("1 replaced"));
        QCOMPARE(bar->findField()->palette().color(QPalette::Base),
                 bar->palette().color(QPalette::Base));
        w.window.model().Timer1_Timer();
        w.window.model().undo(1);
        QCOMPARE(c.text(), beforeAll);
        // Ctrl+G: the caret at the start of the line asked for.
        QTest::keyClick(editor, Qt::Key_G, Qt::ControlModifier);
        GoToLineBar* lineBar = w.window.goToLineBar();
        QVERIFY(lineBar->isVisible() && !bar->isVisible());
        lineBar->field()->selectAll();
        QTest::keyClicks(lineBar->field(), "8");
        QTest::keyClick(lineBar->field(), Qt::Key_Return);
        QCOMPARE(c.selStart(), c.lineStart(7));
        QVERIFY(!lineBar->isVisible() && w.editor()->hasFocus());
        // Any number: past the end is the last line, 0 the first.
        for (const auto& [typed, line] : {std::pair{"99999", c.lineCount() - 1}, {"0", 0}}) {
            QTest::keyClick(editor, Qt::Key_G, Qt::ControlModifier);
            lineBar->field()->selectAll();
            QTest::keyClicks(lineBar->field(), typed);
            QCOMPARE(lineBar->field()->text(), QString(typed));
            QTest::keyClick(lineBar->field(), Qt::Key_Return);
            QCOMPARE(c.selStart(), c.lineStart(line));
        }
        // The outline takes the caret to a banner, on a click or on Return.
        QModelIndex actions = w.window.outlineNode("actions");
        QCOMPARE(childCount(actions), 3);
        // Actions start collapsed, as the skeleton left them, and stay open
        // once the user opens them.
        QVERIFY(!w.window.Actionlist()->isExpanded(actions));
        w.window.Actionlist()->expand(actions);
        c.setSelStart(c.textLength());
        // 50 characters or more since the last snapshot: the outline follows.
        c.setSelText(
            "\r\n#\r\n#-----[ COPY ]---\r\n#\r\ncopy root/templates/x.gif to templates/x.gif");
        QCOMPARE(childCount(actions), 4);
        QVERIFY(w.window.Actionlist()->isExpanded(actions));
        w.window.showActionNode(childOf(actions, 2));
        QCOMPARE(c.selStart(), int(c.text().lastIndexOf("#-----[ OPEN")));
        w.window.Actionlist()->setCurrentIndex(childOf(actions, 1));
        QTest::keyClick(w.window.Actionlist(), Qt::Key_Return);
        QCOMPARE(c.selStart(), int(c.text().indexOf("#-----[ FIND")));
        w.window.showActionNode(actions); // not an action: nothing moves
        QCOMPARE(c.selStart(), int(c.text().indexOf("#-----[ FIND")));
        // Return on a header node opens its dialog, as a double-click does.
        QSignalSpy routes(&w.window, &DocumentWindow::outlineRouteRequested);
        w.window.Actionlist()->setCurrentIndex(w.window.outlineNode("author"));
        QTest::keyClick(w.window.Actionlist(), Qt::Key_Return);
        QCOMPARE(routes.count(), 1);
        QCOMPARE(routes.first().first().value<OutlineRoute>(), OutlineRoute::AuthorDialog);
        // Each action is named for assistive technology with the file it
        // works on and its banner's line.
        const auto banner = [](const char* keyword, const char* line) {
            return QString("#\r\n#-----[ %1 ]---\r\n#\r\n%2\r\n").arg(keyword, line);
        };
        c.setText(banner("COPY", "copy a to b") + banner("OPEN", "includes/page_header.php") +
                  banner("FIND", "x") + banner("IN-LINE FIND", "y") + banner("SQL", "z"));
        w.window.model().RefreshActionOutline();
        actions = w.window.outlineNode("actions");
        QStringList named;
        for (int row = 0; row < childCount(actions); ++row)
            named << childOf(actions, row).data(Qt::AccessibleTextRole).toString();
        QCOMPARE(named, (QStringList{"COPY, line 2", "OPEN includes/page_header.php, line 6",
                                     "FIND in includes/page_header.php, line 10",
                                     "IN-LINE FIND in includes/page_header.php, line 14",
                                     "SQL, line 18"}));
    }

    void findBar_saysWhatTheSearchFound_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("regularExpression");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("status"); // after typing the pattern
        QTest::addColumn<QString>("replaced");
        const QString t = "aaa\r\nab\r\nb";
        QTest::newRow("one match") << "ab" << false << "x"
                                   << "1 of 1"
                                   << "aaa\r\nx\r\nb";
        QTest::newRow("two matches, plural") << "b" << false << "B"
                                             << "1 of 2"
                                             << "aaa\r\naB\r\nB";
        QTest::newRow("a line start is a place") << "^" << true << "## "
                                                 << "1 of 3"
                                                 << "## aaa\r\n## ab\r\n## b";
        QTest::newRow("a line end is a place") << "$" << true << ";"
                                               << "1 of 3"
                                               << "aaa;\r\nab;\r\nb;";
        QTest::newRow("an empty match beside a match is no second one")
            << "a*" << true << "-"
            << "1 of 5"
            << "-\r\n-b-\r\n-b-"; // as sed and the editors built on it
        QTest::newRow("the engine's limit is said, never \"Not found\"")
            << "(a|a?)+$" << true << "x"
            << "The pattern is too complex for this text."
            << "";
    }

    void findBar_saysWhatTheSearchFound()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, regularExpression);
        QFETCH(QString, with);
        QFETCH(QString, status);
        QFETCH(QString, replaced);
        Window w;
        RichTextControl& c = w.control();
        QString text = "aaa\r\nab\r\nb";
        if (replaced.isEmpty()) // a line long enough to exhaust the engine
            text = QString(30000, u'a') + "b";
        c.setText(text);
        c.setSelStart(0);
        FindBar* bar = w.window.findBar();
        QTest::keyClick(w.editor(), Qt::Key_H, Qt::ControlModifier);
        bar->setOptions({true, false, regularExpression}, false);
        QTest::keyClicks(bar->findField(), pattern);
        QCOMPARE(bar->status()->text(), status);
        bar->replaceField()->setText(with);
        QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
        QCOMPARE(c.text(), replaced.isEmpty() ? text : replaced);
        if (replaced.isEmpty())
            return;
        // Stepping goes from place to place and comes round again.
        w.window.model().undo(1);
        bar->findField()->setText(pattern);
        c.setSelStart(0);
        QVERIFY(bar->findNext());
        const int first = c.selStart();
        QVERIFY(bar->findNext());
        QVERIFY(c.selStart() > first || bar->status()->text().startsWith("Continued"));
    }

    void replaceAll_isOneUndoStep_whateverTheLengthDoes_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("with");
        QTest::newRow("same length, match case") << "php"
                                                 << "PHP";
        QTest::newRow("shorter") << "index"
                                 << "i";
        QTest::newRow("longer") << "php"
                                << "php3";
        QTest::newRow("a banner keyword away") << "OPEN"
                                               << "COPY";
    }

    void replaceAll_isOneUndoStep_whateverTheLengthDoes()
    {
        QFETCH(QString, find);
        QFETCH(QString, with);
        Window w;
        RichTextControl& c = w.control();
        c.setText("#\r\n#-----[ OPEN ]---\r\n#\r\nindex.php\r\n#\r\n#-----[ OPEN ]---\r\n"
                  "#\r\nviewtopic.php\r\n");
        w.window.model().Timer1_Timer();
        QTest::keyClicks(w.editor(), "x"); // typed, no pause since
        const QString before = c.text();
        FindBar* bar = w.window.findBar();
        QTest::keyClick(w.editor(), Qt::Key_H, Qt::ControlModifier);
        bar->setOptions({true, false, false}, false);
        bar->findField()->setText(find);
        bar->replaceField()->setText(with);
        QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(c.text() != before);
        QVERIFY(w.window.model().undoControls().levelOne);
        // A second, lengthening Replace All: one undo goes back to the first's result.
        const QString afterFirst = c.text();
        bar->findField()->setText("#");
        bar->replaceField()->setText("##");
        QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
        w.window.model().Timer1_Timer(); // a pause changes nothing now
        w.window.model().undo(1);
        QCOMPARE(c.text(), afterFirst);
        w.window.model().undo(1);
        QCOMPARE(c.text(), before);
        // The outline shows the banners back and the bar counts the text back.
        QCOMPARE(childCount(w.window.outlineNode("actions")), 2);
        QVERIFY(textOf(childOf(w.window.outlineNode("actions"), 0)).contains("OPEN"));
        bar->findField()->setText(find);
        // A Replace All that would make a line too long is refused, with the
        // control's own word (the same rule as typing).
        c.setText(QString(19990, u'a') + "\r\nb");
        bar->findField()->setText("a");
        bar->replaceField()->setText("aa");
        QTest::keyClick(bar->findField(), Qt::Key_A, Qt::AltModifier);
        QVERIFY(c.text().startsWith(QString(19990, u'a') + "\r\n"));
        QVERIFY2(w.dialogs.lastText().contains("Line 1 would be 39980 characters long"),
                 qPrintable(w.dialogs.lastText()));
        c.setText(before);
        bar->findField()->setText(find);
        QTRY_VERIFY2(bar->status()->text().endsWith(QString::number(before.count(find))) ||
                         bar->status()->text().startsWith(QString::number(before.count(find))),
                     qPrintable(bar->status()->text()));
    }

    void outline_ofAHugeScript_holdsTheFirstActions_andMoreAsTheUserScrolls()
    {
        Window w;
        QAbstractItemModelTester tester(w.window.Actionlist()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        RichTextControl& c = w.control();
        const int total = OutlineModel::FirstActions + 700;
        QString text;
        for (int i = 0; i < total; ++i)
            text += QStringLiteral("#\r\n#-----[ OPEN ]---\r\n#\r\nfile%1.php\r\n").arg(i);
        c.setText(text);
        QTreeView* tree = w.window.Actionlist();
        const QModelIndex actions = w.window.outlineNode("actions");
        tree->expand(actions);
        const auto nodes = [&] { return w.window.model().outline().nodes(); };
        const auto shownAsNodes = [&] {
            for (int i = 0; i < childCount(actions); ++i)
                if (textOf(childOf(actions, i)) != nodes()[size_t(i)].text)
                    return false;
            return true;
        };
        QCOMPARE(int(nodes().size()), total);
        QCOMPARE(childCount(actions), int(OutlineModel::FirstActions));
        // A banner added below the rows the view has: the view hears nothing.
        QSignalSpy removed(tree->model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(tree->model(), &QAbstractItemModel::rowsInserted);
        c.setSelStart(c.textLength());
        // 50 characters or more since the last snapshot: the outline follows.
        c.setSelText(
            "\r\n#\r\n#-----[ COPY ]---\r\n#\r\ncopy root/templates/x.gif to templates/x.gif");
        QCOMPARE(int(nodes().size()), total + 1);
        QCOMPARE(removed.count() + inserted.count(), 0);
        // One removed among them: the rest move up and the view is filled again.
        const int first = int(c.text().indexOf("#-----"));
        c.setSelStart(first);
        c.setSelLength(int(c.text().indexOf("#-----", first + 1)) - first);
        c.setSelText(QString());
        QCOMPARE(int(nodes().size()), total);
        QCOMPARE(childCount(actions), int(OutlineModel::FirstActions));
        QVERIFY(shownAsNodes());
        // End goes to the last row given, and the view is given the rest.
        tree->setFocus();
        tree->setCurrentIndex(childOf(actions, 0));
        QTest::keyClick(tree, Qt::Key_End);
        QCOMPARE(childCount(actions), total);
        QVERIFY(shownAsNodes());
        QCOMPARE(tree->currentIndex(), childOf(actions, OutlineModel::FirstActions - 1));
        // Another script in place of the whole text starts again with the first actions.
        c.setSelStart(0);
        c.setSelLength(c.textLength());
        c.setSelText(QString(text).replace("OPEN", "COPY") + "#\r\n#-----[ OPEN ]---\r\n");
        QCOMPARE(int(nodes().size()), total + 1);
        QCOMPARE(nodes()[0].text, QString("COPY"));
        QCOMPARE(childCount(actions), int(OutlineModel::FirstActions));
        QVERIFY(shownAsNodes());
    }

    void checker_underlinesItsFindings_andF8GoesFromOneToTheNext()
    {
        Window w;
        RichTextControl& c = w.control();
        c.setText("## MOD Title: X\r\n#\r\n#-----[ FIND ]---\r\n#\r\nabc\r\n# EoM\r\nleft over");
        c.setSelStart(3);
        const StyledText before = c.styledText();
        QSignalSpy found(&w.window.checks(), &DocumentChecks::findingsChanged);
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, DocumentChecks::CheckPause * 3);
        const std::vector<Checker::Finding>& f = w.window.checks().findings();
        const auto has = [&](const char* rule, int line) {
            return std::any_of(f.begin(), f.end(), [&](const Checker::Finding& x) {
                return x.rule == rule && x.line == line;
            });
        };
        QVERIFY(has("find-before-open", 3));
        QVERIFY(has("after-eom", 7));
        // Underlined, wavy, red for errors; the script itself untouched.
        const QList<QTextEdit::ExtraSelection> marks = w.editor()->extraSelections();
        QVERIFY(!marks.isEmpty());
        const auto mark = std::find_if(marks.begin(), marks.end(), [](const auto& m) {
            return m.cursor.selectedText() == "FIND";
        });
        QVERIFY(mark != marks.end());
        QCOMPARE(mark->format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(mark->format.underlineColor().red() > 150, true);
        const StyledText after = c.styledText();
        QCOMPARE(after.text, before.text);
        QCOMPARE(after.runs, before.runs);
        QCOMPARE(c.selStart(), 3);
        // F8 and Shift+F8, from the caret on, round at either end.
        QTest::keyClick(w.editor(), Qt::Key_F8);
        QCOMPARE(c.lineAt(c.selStart()), 2);
        QCOMPARE(c.selStart() - c.lineStart(2), int(QString("#-----[ ").size()));
        // What F8 reached is said in words, severity first, not only underlined.
        QVERIFY2(w.window.statusMessage().startsWith("Error: FIND before any OPEN"),
                 qPrintable(w.window.statusMessage()));
        // and is the script's description while the caret is on it.
        QVERIFY2(w.editor()->accessibleDescription().startsWith("Error: FIND before any OPEN"),
                 qPrintable(w.editor()->accessibleDescription()));
        // When the focus comes into the script, what the next key acts on
        // is told with it, until the selection changes.
        const int reached = c.selStart();
        const auto focusIn = [&w] {
            w.window.Actionlist()->setFocus();
            w.editor()->setFocus(Qt::ShortcutFocusReason);
            return w.editor()->accessibleDescription();
        };
        QVERIFY2(focusIn().startsWith("nothing selected. Error: FIND before any OPEN"),
                 qPrintable(w.editor()->accessibleDescription()));
        c.setSelStart(int(c.text().indexOf("abc")));
        c.setSelLength(3);
        QVERIFY(focusIn().startsWith(QString("\u201c"
                                             "abc"
                                             "\u201d selected")));
        c.setSelLength(0);
        QVERIFY(!w.editor()->accessibleDescription().contains("selected"));
        c.setSelStart(0);
        c.setSelLength(c.lineStart(2) + 1);
        QVERIFY(focusIn().startsWith("3 lines selected"));
        c.setSelLength(c.lineStart(1));
        QVERIFY(focusIn().startsWith("1 line selected"));
        c.setSelStart(reached);
        // Warnings are dotted, a cue besides their colour (orange, not the
        // notes' blue), which stands out from the script's white as text does.
        const auto warning = std::find_if(marks.begin(), marks.end(), [](const auto& m) {
            const QColor colour = m.format.underlineColor();
            return colour.red() > colour.green() && colour.green() > colour.blue() &&
                   colour.green() > 0;
        });
        QVERIFY(warning != marks.end());
        QCOMPARE(warning->format.underlineStyle(), QTextCharFormat::DotLine);
        QVERIFY(contrast(w.editor()->palette().color(QPalette::Base),
                         warning->format.underlineColor()) >= 4.5);
        QTest::keyClick(w.editor(), Qt::Key_F8); // "# EoM" with no SAVE/CLOSE ALL FILES
        QCOMPARE(c.lineAt(c.selStart()), 5);
        QTest::keyClick(w.editor(), Qt::Key_F8);
        QCOMPARE(c.lineAt(c.selStart()), 6);
        QTest::keyClick(w.editor(), Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(c.lineAt(c.selStart()), 5);
        // Mended, the script checks clean of those.
        c.setSelStart(c.lineStart(6));
        c.setSelLength(c.textLength() - c.selStart());
        c.setSelText(QString());
        w.window.checks().checkNow();
        QVERIFY(std::none_of(w.window.checks().findings().begin(),
                             w.window.checks().findings().end(),
                             [](const Checker::Finding& x) { return x.rule == "after-eom"; }));
    }

    // A script shown in slices (an opened file) is checked once the editor
    // holds it all, however long the showing takes: never beside the load.
    void checker_waitsUntilAScriptBeingShownIsAllThere()
    {
        Window w;
        auto& control = static_cast<QtRichTextControl&>(w.control());
        int checkedWhileShowing = 0;
        QSignalSpy found(&w.window.checks(), &DocumentChecks::findingsChanged);
        connect(&w.window.checks(), &DocumentChecks::findingsChanged, this,
                [&] { checkedWhileShowing += control.mirror().isShowing(); });
        control.mirror().setShowProgress([](qint64 done, qint64) {
            if (done == EditorMirror::ShowSlice) // a slow machine, events handled meanwhile
                QTest::qWait(DocumentChecks::CheckPause * 2);
        });
        control.setText(QString("#-----[ FIND ]---\r\nabc\r\n").repeated(EditorMirror::ShowSlice));
        control.mirror().setShowProgress({});
        QCOMPARE(checkedWhileShowing, 0);
        QTRY_COMPARE_WITH_TIMEOUT(found.count(), 1, DocumentChecks::CheckPause * 3);
        const std::vector<Checker::Finding>& f = w.window.checks().findings();
        QVERIFY(std::any_of(f.begin(), f.end(), [](const Checker::Finding& x) {
            return x.rule == "find-before-open";
        }));
    }

    void checker_underlinesOnlyNearTheView_andScrollingMarksTheRest()
    {
        Window w;
        RichTextControl& c = w.control();
        const QString find = "#\r\n#-----[ FIND ]---\r\n#\r\nabc\r\n";
        c.setText(find + QString("abc\r\n").repeated(3000) + find +
                  QString("abc\r\n").repeated(1000));
        w.window.checks().checkNow();
        const auto underlinedLines = [&] {
            QList<int> lines;
            for (const QTextEdit::ExtraSelection& m : w.editor()->extraSelections())
                if (m.cursor.selectedText() == "FIND")
                    lines << m.cursor.blockNumber();
            return lines;
        };
        QScrollBar* bar = w.editor()->verticalScrollBar();
        QCOMPARE(underlinedLines(), QList<int>{1});
        bar->setValue(2995);
        QCOMPARE(underlinedLines(), QList<int>{3005});
        bar->setValue(2800);
        QCOMPARE(underlinedLines(), QList<int>{});
        // A window grown taller shows more lines, and their underlines.
        w.window.resize(w.window.width(), 400 * w.editor()->fontMetrics().height());
        QCOMPARE(bar->value(), 2800);
        QCOMPARE(underlinedLines(), QList<int>{3005});
        // Changed since the check: nothing is marked from out-of-date lines.
        c.setSelStart(0);
        c.setSelText("\r\n");
        bar->setValue(0);
        QCOMPARE(underlinedLines(), QList<int>{3006});
        w.window.checks().checkNow();
        QCOMPARE(underlinedLines(), QList<int>{2});
    }

    void lineNumbers_widenWithTheDigits_andNarrowWhenLinesGo()
    {
        Window w;
        ModEditor* editor = w.window.mod_fly();
        const int digit = editor->fontMetrics().horizontalAdvance(u'9');
        const auto digits = [&] { return (editor->lineNumbers()->width() - 8) / digit; };
        QCOMPARE(digits(), 2);
        w.control().setText(QString("x\r\n").repeated(12000));
        QCOMPARE(digits(), 5);
        QCOMPARE(editor->viewport()->x(),
                 editor->lineNumbers()->x() + editor->lineNumbers()->width());
        w.control().setSelStart(0);
        w.control().setSelLength(w.control().textLength());
        w.control().setSelText("a");
        QCOMPARE(digits(), 2);
        QCOMPARE(editor->viewport()->x(),
                 editor->lineNumbers()->x() + editor->lineNumbers()->width());
    }

    void typingAndDeleting_matchesTheReferenceAlgorithm()
    {
        Window w;
        // The outline's model keeps Qt's rules for models at every change.
        QAbstractItemModelTester tester(w.window.Actionlist()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
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
            const int action = rng.bounded(14);
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
            } else if (action == 13) {
                replaceAll(w, ref, rng);
                if (QTest::currentTestFailed())
                    return;
                ref.control.setSelStart(w.control().selStart());
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
                // The checker's underlines change nothing the handler or undo sees.
                w.window.checks().checkNow();
                w.window.model().Timer1_Timer();
                ref.model.Timer1_Timer();
            }
            if (qEnvironmentVariableIsSet("ORACLE_TRACE"))
                qDebug() << step << action << w.control().selStart() << w.control().textLength()
                         << w.window.model().snapshots().Text2.size()
                         << ref.model.snapshots().Text2.size()
                         << w.window.model().snapshots().Text1.size()
                         << ref.model.snapshots().Text1.size();
            compareStyled(w.window.control().mirror().documentContent(), ref.control.styledText(),
                          step);
            compareStyled(w.control().styledText(), w.window.control().mirror().documentContent(),
                          step);
            QCOMPARE(staleCompositions(w.editor()), 0);
            QCOMPARE(w.control().selStart(), ref.control.selStart());
            QCOMPARE(w.window.model().outline().nodes(), ref.model.outline().nodes());
            // The tree shows the nodes, changed a stretch at a time.
            const QModelIndex actions = w.window.outlineNode("actions");
            QCOMPARE(childCount(actions), int(ref.model.outline().nodes().size()));
            for (int i = 0; i < childCount(actions); ++i)
                QCOMPARE(textOf(childOf(actions, i)), ref.model.outline().nodes()[size_t(i)].text);
        }
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
