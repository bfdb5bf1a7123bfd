// The line-by-line change handler against the whole-text reference: the
// same edits on two in-memory documents, one handled each way, must leave
// the same text, colours, selection, outline and undo controls after every
// step. DIFFERENTIAL_SEQUENCES and DIFFERENTIAL_SEED change the run.
#include "core/control/MemoryRichTextControl.h"
#include "core/document/DocumentModel.h"
#include "core/rtf/Rtf.h"
#include "core/script/ActionBuilder.h"
#include "core/script/HeaderFields.h"
#include "core/script/ModFormat.h"

#include <QRandomGenerator>
#include <QTest>
#include <functional>

using namespace Quillwright;

namespace {

struct Side {
    MemoryRichTextControl control;
    DocumentModel model{control};
    explicit Side(bool reference)
    {
        model.setReferenceHandler(reference);
        model.initialise(QString(), QStringLiteral("Lucida Console"));
    }
};

struct Pair {
    Side fast{false};
    Side reference{true};

    // Does the same to both sides.
    void act(const std::function<void(Side&)>& action)
    {
        action(fast);
        action(reference);
    }
};

QString firstDifference(const Pair& p)
{
    const StyledText a = p.fast.control.styledText();
    const StyledText b = p.reference.control.styledText();
    if (a.text != b.text || a.runs != b.runs) {
        const std::vector<TextColor> ca = a.perCharacter();
        const std::vector<TextColor> cb = b.perCharacter();
        qsizetype at = 0;
        while (at < std::min(a.text.size(), b.text.size()) && a.text[at] == b.text[at] &&
               ca[size_t(at)] == cb[size_t(at)])
            ++at;
        return QStringLiteral("content differs at %1: line by line \"%2\" (colour %3), "
                              "reference \"%4\" (colour %5)")
            .arg(at)
            .arg(a.text.mid(std::max<qsizetype>(at - 12, 0), 30).toHtmlEscaped())
            .arg(at < a.text.size() ? ca[size_t(at)].raw() : 0, 0, 16)
            .arg(b.text.mid(std::max<qsizetype>(at - 12, 0), 30).toHtmlEscaped())
            .arg(at < b.text.size() ? cb[size_t(at)].raw() : 0, 0, 16);
    }
    if (p.fast.control.selStart() != p.reference.control.selStart() ||
        p.fast.control.selLength() != p.reference.control.selLength())
        return QStringLiteral("selection differs");
    if (p.fast.model.outline().nodes() != p.reference.model.outline().nodes())
        return QStringLiteral("outline differs");
    if (p.fast.model.undoControls() != p.reference.model.undoControls())
        return QStringLiteral("undo controls differ");
    return {};
}

const TextColor Palette[] = {MarkerColors::Blue,         MarkerColors::Green,
                             MarkerColors::DarkRed,      TextColor::rgb(255, 0, 0),
                             TextColor::rgb(10, 20, 30), TextColor::rgb(0, 128, 128)};

const QStringList Pieces = {"x",
                            " ",
                            "OPEN ",
                            " OPEN ",
                            " FIND ",
                            "IN-LINE FIND",
                            "#EoM",
                            "# EoM",
                            "\r\n",
                            "\r\n#\r\n",
                            "#-----[ OPEN ]---",
                            "#-----[ FIND", // read on to the next closing
                            " ]---",
                            "\t",
                            " OR ",
                            "OR",
                            "## MOD Author: ",
                            "Mod Title:",
                            "MOD TITLE:",
                            " AFTER, ADD ",
                            "BEFORE, ADD ",
                            "IN-LINE BEFORE, ADD ",
                            "SAVE/CLOSE ALL FILES",
                            "## Generator: ",
                            "{\\}",
                            "\u00e9",
                            "REPLACE WITH ",
                            "IN-LINE REPLACE WITH",
                            "## Author Notes: "};

StyledText randomColouredText(QRandomGenerator& rng)
{
    StyledText t;
    const int pieces = 1 + rng.bounded(4);
    for (int i = 0; i < pieces; ++i) {
        const QString piece = Pieces[rng.bounded(int(Pieces.size()))];
        if (rng.bounded(3) > 0) {
            const TextColor c = Palette[rng.bounded(int(std::size(Palette)))];
            t.runs.push_back({int(t.text.size()), int(piece.size()), c});
        }
        t.text += piece;
    }
    return normalizedStyledText(t);
}

// One random user action, the same on both sides; returns what it was.
QString randomAction(Pair& p, QRandomGenerator& rng)
{
    const int length = p.fast.control.textLength();
    const int pos = int(rng.bounded(length + 1));
    const int span = std::min(int(rng.bounded(40)), length - pos);
    switch (rng.bounded(15)) {
    case 14: // select all and Delete
        p.act([](Side& s) {
            s.control.setSelStart(0);
            s.control.setSelLength(s.control.textLength());
            s.control.setSelText(QString());
        });
        return QStringLiteral("select all and delete");
    case 0:
    case 1:
    case 2: { // typing, one key at a time
        const QString piece = Pieces[rng.bounded(int(Pieces.size()))];
        p.act([&](Side& s) {
            s.control.setSelStart(pos);
            for (int i = 0; i < piece.size(); ++i) {
                const bool lineBreak = piece.mid(i, 2) == u"\r\n";
                s.control.setSelText(lineBreak ? QStringLiteral("\r\n") : piece.mid(i, 1));
                i += lineBreak ? 1 : 0;
            }
        });
        return QStringLiteral("type \"%1\" at %2").arg(piece, QString::number(pos));
    }
    case 3:
    case 4: // deleting a stretch, line breaks included
        p.act([&](Side& s) {
            s.control.setSelStart(pos);
            s.control.setSelLength(span);
            s.control.setSelText(QString());
        });
        return QStringLiteral("delete %1 at %2").arg(span).arg(pos);
    case 5: { // pasting coloured text
        const QString rtf = Rtf::write(randomColouredText(rng), QStringLiteral("Arial"));
        p.act([&](Side& s) {
            s.control.setSelStart(pos);
            s.control.setSelLength(span);
            s.control.setSelRtf(rtf);
        });
        return QStringLiteral("paste coloured %1 at %2").arg(rtf.right(60)).arg(pos);
    }
    case 6: { // pasting plain text
        const QString text = randomColouredText(rng).text;
        p.act([&](Side& s) {
            s.control.setSelStart(pos);
            s.control.setSelText(text);
        });
        return QStringLiteral("paste \"%1\" at %2").arg(text).arg(pos);
    }
    case 7: { // the action builder's Add
        const QStringList keywords = ModFormat::builderKeywords();
        const QString block =
            ActionBuilder::buildBlock(keywords[rng.bounded(int(keywords.size()))], "a OR b");
        p.act([&](Side& s) {
            s.model.setUpdateBrowserTF(true);
            s.control.setText(s.control.text() + block);
        });
        return QStringLiteral("add a block");
    }
    case 8: { // undo after the snapshot timer has had its say
        const int levels = 1 + int(rng.bounded(3));
        p.act([&](Side& s) {
            s.model.Timer1_Timer();
            s.model.undo(levels);
        });
        return QStringLiteral("undo %1").arg(levels);
    }
    case 9: { // the Properties dialog's Apply
        HeaderValues v;
        v[HeaderValues::Title] = QStringLiteral("Mod Title: OPEN #EoM");
        v[HeaderValues::Version] = QStringLiteral("1.0.%1").arg(rng.bounded(9));
        v[HeaderValues::Author] = QStringLiteral("A OR B <a@b> (C) http://d");
        v[HeaderValues::Description] = QStringLiteral("FIND \r\nthen ADD ");
        v[HeaderValues::Notes] = QStringLiteral("## MOD Author: x\r\n#EoM");
        p.act([&](Side& s) {
            HeaderFields::ReadHeader(s.control);
            HeaderFields::WriteHeader(s.control, v);
        });
        return QStringLiteral("write the header");
    }
    case 10: { // deleting the title line
        p.act([&](Side& s) {
            const int at = int(s.control.text().indexOf(QStringLiteral("Mod Title:")));
            if (at < 0)
                return;
            const int line = s.control.lineAt(at);
            s.control.setSelStart(s.control.lineStart(line));
            s.control.setSelLength(s.control.lineStart(line + 1) - s.control.lineStart(line));
            s.control.setSelText(QString());
        });
        return QStringLiteral("delete the title line");
    }
    case 11: { // moving "# EoM" to the top, which reorders the colour table
        p.act([&](Side& s) {
            const int at = int(s.control.text().lastIndexOf(ModFormat::endOfMod()));
            if (at < 0)
                return;
            s.control.setSelStart(at);
            s.control.setSelLength(int(ModFormat::endOfMod().size()));
            s.control.setSelText(QString());
            s.control.setSelStart(0);
            s.control.setSelText(ModFormat::endOfMod() + "\r\n");
        });
        return QStringLiteral("move # EoM to the top");
    }
    case 12: // a selection left standing while the handler runs
        p.act([&](Side& s) {
            s.control.setSelStart(pos);
            s.control.setSelLength(span);
            s.control.setSelColor(Palette[pos % std::size(Palette)]);
        });
        return QStringLiteral("colour %1 at %2").arg(span).arg(pos);
    default: // the snapshot timer fires
        p.act([](Side& s) { s.model.Timer1_Timer(); });
        return QStringLiteral("snapshot tick");
    }
}

} // namespace

class TestLineByLine : public QObject {
    Q_OBJECT
private slots:
    void lineByLineHandler_matchesTheReferenceOnRandomEditSequences()
    {
        const int sequences = qEnvironmentVariableIsSet("DIFFERENTIAL_SEQUENCES")
                                  ? qEnvironmentVariableIntValue("DIFFERENTIAL_SEQUENCES")
                                  : 2000;
        const quint32 seed = qEnvironmentVariableIsSet("DIFFERENTIAL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("DIFFERENTIAL_SEED"))
                                 : 20261207u;
        QRandomGenerator rng(seed);
        for (int sequence = 0; sequence < sequences; ++sequence) {
            Pair p;
            QStringList done;
            const int steps = 4 + int(rng.bounded(12));
            for (int step = 0; step < steps; ++step) {
                done << randomAction(p, rng);
                const QString difference = firstDifference(p);
                if (!difference.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("seed %1, sequence %2: %3\nafter: %4")
                                         .arg(seed)
                                         .arg(sequence)
                                         .arg(difference, done.join(QStringLiteral("; ")))));
            }
        }
    }

    // Opening a plain script takes one round of change handling where the
    // reference takes three: both must end alike, for every kind of script.
    void loadingAScript_endsWhereEveryRoundEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("route");
        const QByteArray hashes(64, '#');
        const QList<QPair<const char*, QByteArray>> scripts = {
            {"template", ModFormat::defaultTemplate().toLatin1()},
            {"separators, with and without their blank", QByteArray(65, '#') + "\r\n" +
                                                             QByteArray(65, '#') + " \r\n" +
                                                             QByteArray(66, '#') + "\r\n## x\r\n"},
            {"end markers run together",
             "#EoM#EoM\r\n##EoM\r\n# EoM #EoM\r\n" + hashes + "#EoM\r\n" + hashes + "# EoM\r\n"},
            {"labels and banners to repair",
             "## author notes:x\r\n## Author Note:y\r\n#\r\n#-----[ After, Add ]---\r\n#\r\n"
             "#-----[ Open ]---\r\nOpen\r\n#EoM"},
            {"a banner naming the end marker", "#\r\n#-----[ #EoM ]---\r\n#\r\nx\r\n"},
            {"an RTF script", "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 #\\cf0 EoM\\par "
                              "#-----[ After, Add ]---\\par " +
                                  QByteArray(65, '#') + "}"},
        };
        for (const auto& [name, bytes] : scripts)
            for (int route : {0, 1})
                QTest::newRow(
                    qPrintable(QString("%1, %2").arg(name, route ? "command line" : "open")))
                    << bytes << route;
        QRandomGenerator rng(65);
        const QByteArrayList lines = {"#EoM",
                                      "# EoM",
                                      hashes + "#EoM",
                                      QByteArray(65, '#'),
                                      QByteArray(65, '#') + " ",
                                      "## author note:",
                                      "#",
                                      "#-----[ After, Add ]---",
                                      "#-----[ Open ]---",
                                      " OPEN x",
                                      "## Mod Title: t",
                                      ModFormat::backupNotice().toLatin1(),
                                      ""};
        for (int n = 0; n < 60; ++n) {
            QByteArray script;
            for (int l = 0; l < 20; ++l)
                script += lines[rng.bounded(lines.size())] + (rng.bounded(5) ? "\r\n" : "");
            QTest::newRow(qPrintable(QString("random %1").arg(n))) << script << n % 2;
        }
    }

    void loadingAScript_endsWhereEveryRoundEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, route);
        const StyledText content = Rtf::readRichOrPlain(QString::fromLatin1(bytes));
        const auto loadRoute =
            route ? DocumentModel::LoadRoute::CommandLine : DocumentModel::LoadRoute::Open;
        Pair p;
        p.act([&](Side& s) {
            s.control.setSelStart(5);
            s.model.loadScript(content, loadRoute);
        });
        // A big script is prepared as two halves at once: the same lines.
        const LineStore halves = DocumentModel::prepareScript(content, loadRoute, 0).lines;
        const LineStore whole =
            DocumentModel::prepareScript(content, loadRoute, std::numeric_limits<qsizetype>::max())
                .lines;
        QCOMPARE(halves.lineCount(), whole.lineCount());
        QCOMPARE(halves.content().text, whole.content().text);
        QCOMPARE(halves.length(), whole.length());
        QCOMPARE(firstDifference(p), QString());
        QCOMPARE(p.fast.model.UpdateBrowserTF(), p.reference.model.UpdateBrowserTF());
        QVERIFY(!p.fast.model.hasUnsavedChanges());
        // And the next keystroke, with the refresh flag still set, too.
        p.act([](Side& s) { s.control.setSelText(QStringLiteral("x")); });
        QCOMPARE(firstDifference(p), QString());
    }

    void lineByLineHandler_matchesTheReferenceOnCrafted_data()
    {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<int>("at"); // -1: at the end
        QTest::addColumn<QString>("typed");
        // What both must then show: the text's end, and a text whose first
        // character is in the keyword colour (empty: not checked).
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("blue");
        QTest::addColumn<bool>("pasted"); // the typed text comes in one change
        const QString head =
            QStringLiteral("{\\rtf1{\\colortbl ;\\red0\\green0\\blue255;\\red197\\green3\\blue3;"
                           "\\red0\\green128\\blue0;\\red255\\green0\\blue0;}");
        QTest::newRow("end marker at a line end, the next line in its colour")
            << head + "\\cf3 a # EoM\\par x\\par y}" << 0 << "b"
            << ""
            << "" << false;
        QTest::newRow("a red banner: the reset after the keyword spreads")
            << head + "\\cf4 #-----[ OPEN ]---\\par more red\\par\\cf0 plain}" << 0 << "c"
            << ""
            << "" << false;
        QTest::newRow("a tab's delimiter before a keyword")
            << head + "\\tab OPEN x\\par}" << 1 << "d"
            << ""
            << "" << false;
        QTest::newRow("a colour code's delimiter before a keyword at a line start")
            << head + "a\\par\\cf2 OPEN \\cf0 x}" << 0 << "e"
            << ""
            << "" << false;
        QTest::newRow("typing moves the first green before the red")
            << head + "\\cf4 r\\cf0  \\cf1 b\\par # EoM\\par}" << 0 << "# EoM "
            << ""
            << "" << false;
        QTest::newRow("empty lines carry the writer's colour")
            << head + "\\cf2 x\\par\\par\\par OPEN y}" << 0 << "z"
            << ""
            << "" << false;
        QTest::newRow("#EoM typed at the end keeps the caret after it")
            << QStringLiteral("a\r\nb") << -1 << "\r\n#EoM\r\nx"
            << "b\r\n# EoM\r\nx"
            << "" << false;
        QTest::newRow("#EoM typed before other text keeps the caret after it")
            << QStringLiteral("tail") << 0 << "#EoM!"
            << "# EoM!tail"
            << "" << false;
        QTest::newRow("no title label: keywords are still blue")
            << QStringLiteral("{\\rtf1{\\colortbl ;\\red0\\green128\\blue0;}x\\par "
                              "#\\par #-----[ OPEN ]---\\par # EoM\\par}")
            << -1 << " "
            << ""
            << "OPEN ]" << false;
        QTest::newRow("# EoM typed above the header: keywords stay blue")
            << "## Mod Title: t\r\n" + ModFormat::backupNotice() +
                   "\r\n#\r\n#-----[ FIND ]---\r\n# EoM"
            << 0 << "# EoM\r\n#\r\n#-----[ OPEN ]---\r\n"
            << ""
            << "OPEN ]" << false;
        QTest::newRow("a banner appears below one that reads on: that one reads otherwise")
            << QStringLiteral("#\r\n#-----[ FIND\r\nabc ]---\r\nx") << 20
            << "\r\n#\r\n#-----[ OPEN ]---\r\n"
            << ""
            << "" << false;
        QTest::newRow("a keyword after a line that ends in the title's colour")
            << QStringLiteral("## MOD Title:") << -1 << "\r\nOPEN x"
            << "\r\nOPEN x"
            << "" << false;
        QTest::newRow("a keyword at the very start of the text")
            << QStringLiteral("OPEN x") << 0 << " "
            << ""
            << "" << false;
        QTest::newRow("a keyword ends a line and a marker is coloured lines below, in one change")
            << QStringLiteral("Mod Title:## Int\r\n\r\nMOD TITLE:") << 16 << "IN-LINE REPLACE WITH"
            << "\r\n\r\nMOD TITLE:"
            << "" << true;
    }

    void lineByLineHandler_matchesTheReferenceOnCrafted()
    {
        QFETCH(QString, rtf);
        QFETCH(int, at);
        QFETCH(QString, typed);
        QFETCH(QString, end);
        QFETCH(QString, blue);
        QFETCH(bool, pasted);
        Pair p;
        p.act([&](Side& s) {
            s.model.setUpdateBrowserTF(true);
            s.control.setRtf(rtf);
            s.control.setSelStart(at < 0 ? s.control.textLength() : at);
            if (pasted)
                s.control.setSelText(typed);
            // Key by key, as typed: the handler runs after each.
            for (int i = 0; i < typed.size() && !pasted; ++i) {
                const bool lineBreak = typed.mid(i, 2) == u"\r\n";
                s.control.setSelText(lineBreak ? QStringLiteral("\r\n") : typed.mid(i, 1));
                i += lineBreak ? 1 : 0;
            }
            if (end.isEmpty()) {
                s.control.setSelStart(s.control.textLength());
                s.control.setSelText(QStringLiteral("q"));
            }
        });
        QCOMPARE(firstDifference(p), QString());
        for (Side* s : {&p.fast, &p.reference}) {
            const StyledText shown = s->control.styledText();
            if (!end.isEmpty())
                QVERIFY2(shown.text.endsWith(end), qPrintable(shown.text.right(40)));
            if (!blue.isEmpty())
                QCOMPARE(shown.colorAt(int(shown.text.indexOf(blue))), MarkerColors::Blue);
        }
    }
};

QTEST_GUILESS_MAIN(TestLineByLine)
#include "tst_linebyline.moc"
