#include "core/control/ControlContract.h"
#include "ui/editor/LineAlignment.h"
#include "ui/editor/QtRichTextControl.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

using namespace Quillwright;

namespace {
// The control does not own its widget; the editor lives as long as the control.
std::unique_ptr<RichTextControl> makeQtControl()
{
    auto* editor = new ModEditor;
    auto control = std::make_unique<QtRichTextControl>(editor);
    QObject::connect(control.get(), &QObject::destroyed, editor, [editor] { delete editor; });
    return control;
}
} // namespace

// What only the widget control has: a widget that shows the store and a
// selection the user can move.
class TestQtControl : public QObject {
    Q_OBJECT
private slots:
    // A copy brought up to date by aligning only the changed stretches must
    // equal the lines themselves.
    void changedStretches_bringACopyUpToDate()
    {
        QRandomGenerator rng(5);
        const auto lineOf = [](int n) {
            return std::make_shared<const StyledText>(StyledText{QString::number(n % 7), {}});
        };
        std::vector<LinePtr> copy;
        for (int i = 0; i < 40; ++i)
            copy.push_back(lineOf(i));
        std::vector<LinePtr> lines = copy;
        int fresh = 100;
        for (int round = 0; round < 300; ++round) {
            ChangedLines changed;
            for (int k = int(rng.bounded(6)); k >= 0; --k) {
                const int n = int(lines.size());
                const int at = int(rng.bounded(n));
                const int removed = std::min(int(rng.bounded(4)), n - at);
                const int added = int(rng.bounded(4));
                if (n - removed + added == 0)
                    continue;
                lines.erase(lines.begin() + at, lines.begin() + at + removed);
                for (int a = 0; a < added; ++a)
                    lines.insert(lines.begin() + at, lineOf(fresh++));
                changed.add({at, removed, added});
            }
            // Top down, so the copy is already renumbered above each stretch.
            for (const ChangedLines::Stretch& s : changed.stretches()) {
                const int from = s.start;
                for (const LineSplice& sp :
                     alignLines(copy, from, s.replaced, lines, s.start, s.length)) {
                    const int at = sp.line - s.start + from;
                    copy.erase(copy.begin() + at, copy.begin() + at + sp.removed);
                    copy.insert(copy.begin() + at, lines.begin() + sp.line,
                                lines.begin() + sp.line + sp.added);
                }
            }
            QCOMPARE(copy.size(), lines.size());
            for (size_t i = 0; i < lines.size(); ++i)
                QCOMPARE(copy[i]->text, lines[i]->text);
        }
    }

    void selectionMadeInTheWidget_isTheControlsSelection()
    {
        ModEditor editor;
        QtRichTextControl c(&editor);
        c.setText(QStringLiteral("abc\r\ndef"));
        c.setSelStart(1);
        QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&editor, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(c.selStart(), 1);
        QCOMPARE(c.selText(), QStringLiteral("bc\r\nde"));
        c.setSelText(QStringLiteral("X"));
        QCOMPARE(editor.toPlainText(), QStringLiteral("aXf"));
    }

    void editorOutlivingItsControl_takesKeysWithoutIt()
    {
        ModEditor editor;
        std::make_unique<QtRichTextControl>(&editor)->setText(QStringLiteral("ab"));
        editor.moveCursor(QTextCursor::End);
        QTest::keyClicks(&editor, "c");
        QCOMPARE(editor.toPlainText(), QStringLiteral("abc"));
    }

    void widgetShowsWhatTheStoreHolds_afterEditsAndLineChanges()
    {
        ModEditor editor;
        QtRichTextControl c(&editor);
        QRandomGenerator rng(11);
        const QStringList pieces = {"x", "\r\n", "ab\r\ncd", "", "\r\n\r\n"};
        for (int step = 0; step < 300; ++step) {
            const int length = c.textLength();
            c.setSelStart(int(rng.bounded(length + 1)));
            c.setSelLength(int(rng.bounded(6)));
            if (rng.bounded(4) == 0)
                c.setSelColor(TextColor::rgb(0, 0, int(rng.bounded(2)) * 255));
            else if (rng.bounded(4) == 0)
                c.setLine(
                    int(rng.bounded(c.lineCount())),
                    StyledText{QStringLiteral("L%1").arg(step), {{0, 1, MarkerColors::Green}}});
            else
                c.setSelText(pieces[rng.bounded(int(pieces.size()))]);
            const StyledText shown = c.mirror().documentContent();
            const StyledText held = c.styledText();
            QCOMPARE(shown.text, held.text);
            QCOMPARE(canonicalRuns(shown.runs), held.runs);
            const QTextCursor cursor = editor.textCursor();
            QCOMPARE(c.mirror().fromDocPosition(cursor.selectionStart()), c.selStart());
            QCOMPARE(c.mirror().fromDocPosition(cursor.selectionEnd()),
                     c.selStart() + c.selLength());
        }
    }

    void manyLinesShownInSlices_giveTheSameDocument_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("at"); // line the many lines go in at; -1: replace all
        QTest::newRow("into an empty document") << QString() << -1;
        QTest::newRow("among other lines") << QStringLiteral("a\r\nb\r\nc") << 1;
        QTest::newRow("after the last line") << QStringLiteral("a\r\nb") << 2;
    }
    void manyLinesShownInSlices_giveTheSameDocument()
    {
        QFETCH(QString, before);
        QFETCH(int, at);
        ModEditor editor;
        QtRichTextControl c(&editor);
        c.setText(before);
        QStringList many;
        for (int i = 0; i < 2 * EditorMirror::ShowSlice + 7; ++i)
            many << (i % 3 == 0 ? QStringLiteral("#-----[ FIND ]--")
                                : QStringLiteral("line %1").arg(i));
        std::vector<qint64> reported;
        c.mirror().setShowProgress([&](qint64 done, qint64 total) {
            reported.push_back(done);
            QVERIFY(total >= qint64(many.size()) - 1); // the first may fill the empty line
            QVERIFY(c.mirror().isShowing());
        });
        if (at < 0) {
            c.setText(many.join(QStringLiteral("\r\n")));
        } else {
            const bool atEnd = at >= c.lineCount();
            c.setSelStart(atEnd ? c.textLength() : c.lineStart(at));
            c.setSelText(atEnd ? QStringLiteral("\r\n") + many.join(QStringLiteral("\r\n"))
                               : many.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        }
        c.setSelStart(0);
        c.setSelLength(16);
        c.setSelColor(MarkerColors::Green);
        QCOMPARE(reported,
                 (std::vector<qint64>{EditorMirror::ShowSlice, 2 * EditorMirror::ShowSlice}));
        QVERIFY(!c.mirror().isShowing());
        const StyledText shown = c.mirror().documentContent();
        const StyledText held = c.styledText();
        QCOMPARE(shown.text, held.text);
        QCOMPARE(canonicalRuns(shown.runs), held.runs);
        QCOMPARE(editor.document()->blockCount(), c.lineCount());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As a cut or a drop does: straight on the document, past the control.
    const auto outsideEdit = [](RichTextControl& c, int pos, int removed, const QString& insert) {
        auto& qt = static_cast<QtRichTextControl&>(c);
        QTextCursor cursor(qt.editor()->document());
        cursor.setPosition(qt.mirror().toDocPosition(pos));
        cursor.setPosition(qt.mirror().toDocPosition(pos + removed), QTextCursor::KeepAnchor);
        cursor.insertText(QString(insert).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    ControlContract contract(makeQtControl, outsideEdit);
    TestQtControl own;
    return QTest::qExec(&contract, argc, argv) | QTest::qExec(&own, argc, argv);
}

#include "tst_qtcontrol.moc"
