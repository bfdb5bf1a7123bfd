#include "core/control/MemoryRichTextControl.h"
#include "core/document/DocumentModel.h"
#include "core/script/ModFormat.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Quillwright;

namespace {
const TextColor Blue = MarkerColors::Blue;

QString block(const QString& keyword, const QString& body)
{
    return "#\r\n#-----[ " + keyword + " ]------------------------------------------\r\n#\r\n" +
           body + "\r\n";
}

struct Doc {
    MemoryRichTextControl control;
    DocumentModel model{control};
    explicit Doc(const QString& defaultTxt = QString())
    {
        model.initialise(defaultTxt, "Lucida Console");
    }
    TextColor colorOf(const QString& needle, int offset = 0) const
    {
        const StyledText s = control.styledText();
        const int at = int(s.text.indexOf(needle));
        return at < 0 ? TextColor::mixed() : s.colorAt(at + offset);
    }
    void append(const QString& text)
    {
        control.setSelStart(control.textLength());
        control.setSelText(text);
    }
};
} // namespace

class TestDocumentModel : public QObject {
    Q_OBJECT
private slots:
    void newDocument_holdsTheColouredTemplateWithCaretAtStart()
    {
        Doc d;
        QCOMPARE(d.control.text(), ModFormat::defaultTemplate());
        QCOMPARE(d.control.selStart(), 0);
        QVERIFY(d.model.UpdateBrowserTF()); // until the first change colours everything again
        QVERIFY(d.model.outline().nodes().empty());
        QCOMPARE(d.model.undoControls(), UndoControls{});
        QVERIFY(!d.model.hasUnsavedChanges());
        QVERIFY(d.model.Timer1().isActive());
        // The marker pass makes blue entry 1, so the rewrite's labels are blue.
        QCOMPARE(d.colorOf("Mod Title:"), Blue);
        QCOMPARE(d.colorOf("## Installation Level: ", 3), Blue);
        QCOMPARE(d.colorOf("## Installation Level: ", 0), TextColor());
        QCOMPARE(d.colorOf("Generator:"), Blue);
        QCOMPARE(d.colorOf("Before Adding"), MarkerColors::DarkRed);
        QCOMPARE(d.colorOf("## Mod Version:", 3), TextColor()); // template case is not a label
        d.append("x");
        QVERIFY(!d.model.UpdateBrowserTF());
    }

    void newDocument_takesDefaultTxtAndStampsItsGenerator()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath("default.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("## MOD Title: mine\n## Generator: Quillwright 0.1.50\n" + QByteArray(62, '#') +
                " \n## For Security Purposes, Please Check: http://www.phpbb.com/mods/downloads/ "
                "for the \n#\n#-----[ OPEN ]---\n#\nindex.php\n");
        f.close();
        Doc d(f.fileName());
        QVERIFY(d.control.text().startsWith("## MOD Title: mine\r\n" + ModFormat::generatorLine() +
                                            "\r\n"));
        QCOMPARE(d.model.outline().nodes().size(), size_t(1));
        QCOMPARE(d.model.outline().nodes()[0].picture, 14);
        QCOMPARE(d.colorOf("OPEN"), Blue);
    }

    void newDocument_withUnreadableDefaultTxtKeepsTheTemplate()
    {
        QTemporaryDir dir;
        Doc missing(dir.filePath("default.txt"));
        QCOMPARE(missing.control.text(), ModFormat::defaultTemplate());
        Doc folder(dir.path());
        QCOMPARE(folder.control.text(), ModFormat::defaultTemplate());
    }

    void change_coloursBannerKeywordsButNotLineStarts()
    {
        Doc d;
        d.append(block("OPEN", "OPEN x") + block("SAVE/CLOSE ALL FILES", "#EoM"));
        const StyledText s = d.control.styledText();
        const int banner = int(s.text.indexOf("[ OPEN ]")) + 2;
        QCOMPARE(s.colorAt(banner), Blue);
        const int lineStart = int(s.text.indexOf("OPEN x"));
        QCOMPARE(s.colorAt(lineStart), TextColor());
        QVERIFY(s.text.endsWith("# EoM\r\n"));
        QCOMPARE(d.model.outline().nodes().size(), size_t(2));
        QCOMPARE(d.model.outline().nodes()[1].text, QString("SAVE/CLOSE ALL FILES"));
    }

    void change_keepsTheCaretWhereTheEditLeftIt()
    {
        Doc d;
        d.control.setSelStart(40);
        d.control.setSelText(" OR ");
        QCOMPARE(d.control.selStart(), 44);
        QCOMPARE(d.control.selLength(), 0);
        d.control.setSelStart(10);
        d.control.setSelLength(5);
        d.control.setSelColor(MarkerColors::Green); // a change with a selection
        QCOMPARE(d.control.selStart(), 10);
        QCOMPARE(d.control.selLength(), 5);
    }

    void change_disablesUndoWhileText2IsEmpty()
    {
        Doc d;
        QSignalSpy spy(&d.model, &DocumentModel::undoControlsChanged);
        d.append("x");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).value<UndoControls>(), UndoControls{});
        d.model.snapshots().Text2 = QString("older");
        d.append("y");
        QCOMPARE(spy.last().at(0).value<UndoControls>(), (UndoControls{true, false, false}));
    }

    void unsavedChanges_areSeenEvenWhenTheTextOnlyShrank()
    {
        Doc d;
        d.model.Timer1_Timer(); // first snapshot: Text1 only
        QVERIFY(d.model.snapshots().Text2.isEmpty());
        d.control.setSelStart(0);
        d.control.setSelLength(3);
        d.control.setSelText("");
        d.model.Timer1_Timer();
        QVERIFY(d.model.snapshots().Text2.isEmpty()); // shorter: no snapshot
        QVERIFY(d.model.hasUnsavedChanges());
        d.model.markUnchanged();
        QVERIFY(!d.model.hasUnsavedChanges());
    }

    void undo_showsTheOlderSnapshot()
    {
        Doc d;
        d.model.Timer1_Timer();
        d.append("first addition that is long\r\n");
        d.model.Timer1_Timer();
        d.append("second addition\r\n");
        d.model.Timer1_Timer();
        QCOMPARE(d.model.undoControls(), (UndoControls{true, true, false}));
        const QString both = d.control.text();
        d.append("typed, no pause");
        const QString typed = d.control.text();
        QVERIFY(!d.model.canRedo());
        d.model.undo(2);
        QCOMPARE(d.control.text(), ModFormat::defaultTemplate());
        QCOMPARE(d.model.undoControls(), UndoControls{});
        QCOMPARE(d.colorOf("Mod Title:"), Blue);
        // Redo takes the undo back, with the levels it had.
        QVERIFY(d.model.canRedo());
        d.model.redo();
        QCOMPARE(d.control.text(), typed);
        QCOMPARE(d.model.undoControls(), (UndoControls{true, true, false}));
        QVERIFY(!d.model.canRedo());
        // Two undos, two redos; anything typed in between ends the redos.
        d.model.undo(1);
        QCOMPARE(d.control.text(), both.left(both.indexOf("second addition")));
        d.model.undo(1);
        d.model.redo();
        d.model.redo();
        QCOMPARE(d.control.text(), typed);
        d.model.undo(1);
        d.append("x");
        QVERIFY(!d.model.canRedo());
        d.model.redo();
        QVERIFY(d.control.text().endsWith("x"));
    }
};

QTEST_GUILESS_MAIN(TestDocumentModel)
#include "tst_documentmodel.moc"
