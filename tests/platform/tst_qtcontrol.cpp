#include "document/ControlContract.h"
#include "platform/QtRichTextControl.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>

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
            const StyledText shown = c.documentContent();
            const StyledText held = c.styledText();
            QCOMPARE(shown.text, held.text);
            QCOMPARE(canonicalRuns(shown.runs), held.runs);
            const QTextCursor cursor = editor.textCursor();
            QCOMPARE(c.fromDocPosition(cursor.selectionStart()), c.selStart());
            QCOMPARE(c.fromDocPosition(cursor.selectionEnd()), c.selStart() + c.selLength());
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As a cut or a drop does: straight on the document, past the control.
    const auto outsideEdit = [](RichTextControl& c, int pos, int removed, const QString& insert) {
        auto& qt = static_cast<QtRichTextControl&>(c);
        QTextCursor cursor(qt.editor()->document());
        cursor.setPosition(qt.toDocPosition(pos));
        cursor.setPosition(qt.toDocPosition(pos + removed), QTextCursor::KeepAnchor);
        cursor.insertText(QString(insert).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    ControlContract contract(makeQtControl, outsideEdit);
    TestQtControl own;
    return QTest::qExec(&contract, argc, argv) | QTest::qExec(&own, argc, argv);
}

#include "tst_qtcontrol.moc"
