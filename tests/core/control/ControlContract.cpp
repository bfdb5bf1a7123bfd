#include "core/control/ControlContract.h"
#include "support/TestFiles.h"

#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace Quillwright {

namespace {
const TextColor Blue = MarkerColors::Blue;
const TextColor Red = MarkerColors::DarkRed;

void colour(RichTextControl& c, int start, int length, TextColor color)
{
    c.setSelStart(start);
    c.setSelLength(length);
    c.setSelColor(color);
}

} // namespace

void ControlContract::setText_makesEveryLineEndCrLf_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lf") << "a\nb\n"
                        << "a\r\nb\r\n";
    QTest::newRow("cr") << "a\rb\r"
                        << "a\r\nb\r\n";
    QTest::newRow("crlf") << "a\r\nb"
                          << "a\r\nb";
    QTest::newRow("mixed") << "a\r\r\nb\n\rc"
                           << "a\r\n\r\nb\r\n\r\nc";
    QTest::newRow("empty lines") << "\n\n"
                                 << "\r\n\r\n";
    QTest::newRow("empty") << ""
                           << "";
}

void ControlContract::setText_makesEveryLineEndCrLf()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    auto c = make();
    c->setText(input);
    QCOMPARE(c->text(), expected);
    QCOMPARE(c->textLength(), expected.size());
}

void ControlContract::setText_putsTheCaretAtTheStart()
{
    auto c = make();
    c->setText("hello\r\nworld");
    c->setSelStart(8);
    c->setText("other text");
    QCOMPARE(c->selStart(), 0);
    QCOMPARE(c->selLength(), 0);
}

void ControlContract::positionBetweenCrAndLf_actsAsTheCr()
{
    auto c = make();
    c->setText("ab\r\ncd");
    c->setSelStart(3);
    QCOMPARE(c->selStart(), 2);
    c->setSelStart(0);
    c->setSelLength(3);
    QCOMPARE(c->selLength(), 2);
    QCOMPARE(c->selText(), QString("ab"));
    c->setSelStart(1);
    c->setSelLength(4);
    QCOMPARE(c->selText(), QString("b\r\nc"));
    c->setSelStart(100);
    QCOMPARE(c->selStart(), 6);
}

void ControlContract::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("start"); // -1: no start given
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("selStartAfter");
    QTest::addColumn<int>("selLengthAfter");
    QTest::newRow("ignores case") << "## mod title: x"
                                  << "Mod Title:" << 0 << 0 << 0 << 3 << 3 << 10;
    QTest::newRow("inside words") << "reopened"
                                  << "OPEN" << 0 << 0 << 0 << 2 << 2 << 4;
    QTest::newRow("from start onward only") << "OPEN x OPEN"
                                            << "open" << 1 << 0 << 0 << 7 << 7 << 4;
    QTest::newRow("not found keeps selection") << "abc"
                                               << "x" << 0 << 1 << 1 << -1 << 1 << 1;
    QTest::newRow("no start searches selection") << "ab ab ab"
                                                 << "ab" << -1 << 2 << 4 << 3 << 3 << 2;
    QTest::newRow("match must fit the selection") << "ab ab ab"
                                                  << "ab" << -1 << 2 << 2 << -1 << 2 << 2;
    QTest::newRow("no start no selection: everything") << "xx ab"
                                                       << "AB" << -1 << 4 << 0 << 3 << 3 << 2;
    QTest::newRow("across a line break") << "a\r\n#-----[ x"
                                         << "a\r\n#" << 0 << 0 << 0 << 0 << 0 << 4;
    QTest::newRow("start past the end") << "abc"
                                        << "a" << 10 << 0 << 0 << -1 << 0 << 0;
    QTest::newRow("empty needle") << "abc"
                                  << "" << 0 << 0 << 0 << -1 << 0 << 0;
    // Long texts, where a search need not look at the whole text at once.
    QTest::newRow("across the 65,536th character")
        << QString(65533, u'x') + "ab\r\ncd"
        << "AB\r\nC" << 0 << 0 << 0 << 65533 << 65533 << 5;
    QTest::newRow("far beyond the start") << QString(140000, u'y') + "zz"
                                          << "zz" << 3 << 0 << 0 << 140000 << 140000 << 2;
    QTest::newRow("a long selection's last characters")
        << QString(70000, u'q') + "end"
        << "END" << -1 << 10 << 69993 << 70000 << 70000 << 3;
    QTest::newRow("one character short of a long selection")
        << QString(70000, u'q') + "end"
        << "END" << -1 << 10 << 69992 << -1 << 10 << 69992;
}

void ControlContract::find()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, start);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, expected);
    QFETCH(int, selStartAfter);
    QFETCH(int, selLengthAfter);
    auto c = make();
    c->setText(text);
    c->setSelStart(selStart);
    c->setSelLength(selLength);
    const int r = start < 0 ? c->find(needle) : c->find(needle, start);
    QCOMPARE(r, expected);
    QCOMPARE(c->selStart(), selStartAfter);
    QCOMPARE(c->selLength(), selLengthAfter);
}

void ControlContract::setSelText_replacesSelectionAndLeavesCaretBehind_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("refused");
    QTest::newRow("insert at caret") << "abc" << 1 << 0 << "XY"
                                     << "aXYbc" << 3 << false;
    QTest::newRow("replace selection") << "abcdef" << 1 << 3 << "Z"
                                       << "aZef" << 2 << false;
    QTest::newRow("delete selection") << "abcdef" << 0 << 6 << ""
                                      << "" << 0 << false;
    QTest::newRow("lf becomes crlf") << "ab" << 1 << 0 << "\n"
                                     << "a\r\nb" << 3 << false;
    QTest::newRow("insert across lines") << "a\r\nb" << 0 << 4 << "x\r\ny\r\n"
                                         << "x\r\ny\r\n"
                                         << 6 << false;
    QTest::newRow("append at end") << "a\r\n"
                                   << 3 << 0 << "#"
                                   << "a\r\n#" << 4 << false;
    // A line may be 20,000 characters long, counting the blank each "#EoM"
    // gains when it is written out: an edit that would pass that is refused.
    const QString full(20000, 'a');
    QTest::newRow("a full line takes no more") << "x\r\n" + full << 20003 << 0 << "b"
                                               << "x\r\n" + full << 20003 << true;
    QTest::newRow("the blank an end marker gains counts")
        << QString(19996, 'a') << 0 << 0 << "#EoM" << QString(19996, 'a') << 0 << true;
    QTest::newRow("a paste onto a long line")
        << QString(15000, 'a') << 15000 << 0 << QString(15000, 'b') << QString(15000, 'a') << 15000
        << true;
    QTest::newRow("a paste whose last line meets a long one")
        << QString(15000, 'a') << 0 << 0 << "x\r\n" + QString(5001, 'b') << QString(15000, 'a') << 0
        << true;
    QTest::newRow("a full line can be shortened")
        << full << 0 << 1 << "" << QString(19999, 'a') << 0 << false;
    QTest::newRow("a line break splits a full line")
        << full << 10000 << 0 << "\r\n"
        << QString(10000, 'a') + "\r\n" + QString(10000, 'a') << 10002 << false;
}

void ControlContract::setSelText_replacesSelectionAndLeavesCaretBehind()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, insert);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    QFETCH(bool, refused);
    auto c = make();
    c->setText(text);
    c->setSelStart(selStart);
    c->setSelLength(selLength);
    QSignalSpy refusals(c.get(), &RichTextControl::editRefused);
    c->setSelText(insert);
    QCOMPARE(c->text(), expected);
    QCOMPARE(c->selStart(), caret);
    QCOMPARE(c->selLength(), 0);
    QCOMPARE(refusals.size(), refused ? 1 : 0);
    // Pasted as rich text, the same.
    c->setText(text);
    c->setSelStart(selStart);
    c->setSelLength(selLength);
    c->setSelRtf(Rtf::write(StyledText{insert, {}}, c->fontName()));
    QCOMPARE(c->text(), expected);
    QCOMPARE(refusals.size(), refused ? 2 : 0);
}

void ControlContract::insertedText_takesColourOfCharacterBeforeOnSameLine()
{
    auto c = make();
    c->setText("OPEN\r\nx");
    colour(*c, 0, 4, Blue);
    c->setSelStart(4);
    c->setSelText("ED");
    c->setSelStart(8); // start of the second line
    c->setSelText("y");
    const StyledText s = c->styledText();
    QCOMPARE(s.text, QString("OPENED\r\nyx"));
    QCOMPARE(s.colorAt(5), Blue);
    QCOMPARE(s.colorAt(8), TextColor());
}

void ControlContract::selColor_answersMixedForTwoColours_andIgnoresLineBreaks()
{
    auto c = make();
    c->setText("ab\r\ncd");
    colour(*c, 0, 6, Blue);
    c->setSelStart(0);
    c->setSelLength(6);
    QCOMPARE(c->selColor(), Blue);
    colour(*c, 5, 1, Red);
    c->setSelStart(0);
    c->setSelLength(6);
    const TextColor mixed = c->selColor();
    QVERIFY(mixed.isMixed());
    QVERIFY(mixed != Blue && mixed != Red && mixed != TextColor());
    c->setSelStart(2);
    c->setSelLength(2);
    QCOMPARE(c->selColor(), TextColor());
}

void ControlContract::setSelColor_colorsOnlyTheSelection()
{
    auto c = make();
    c->setText("one two three");
    colour(*c, 4, 3, Red);
    const StyledText s = c->styledText();
    QCOMPARE(s.runs.size(), size_t(1));
    QCOMPARE(s.runs[0], (ColorRun{4, 3, Red}));
    QCOMPARE(c->text(), QString("one two three"));
}

void ControlContract::changeNotification_followsEveryChange_unlessBlocked()
{
    auto c = make();
    QSignalSpy spy(c.get(), &RichTextControl::changed);
    c->setText("abc");
    QCOMPARE(spy.count(), 1);
    c->setText("abc"); // writing the same text back is still a change
    QCOMPARE(spy.count(), 2);
    c->setSelStart(1);
    c->setSelText("x");
    QCOMPARE(spy.count(), 3);
    colour(*c, 0, 2, Blue);
    QCOMPARE(spy.count(), 4);
    c->setSelStart(0); // moving the caret is no change
    c->find("b", 0);
    QCOMPARE(spy.count(), 4);
    {
        NotificationBlocker block(*c);
        c->setRtf(c->rtf());
        c->setSelText("zz");
        colour(*c, 0, 1, Red);
    }
    QCOMPARE(spy.count(), 4);
    c->setText("again");
    QCOMPARE(spy.count(), 5);
}

void ControlContract::rtf_writesTheFlatRichEditForm()
{
    auto c = make();
    c->setText(" OPEN ");
    colour(*c, 1, 4, Blue);
    QCOMPARE(
        c->rtf(),
        QString("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl{\\f0\\fnil\\fcharset0 "
                "Lucida Console;}}\r\n{\\colortbl ;\\red0\\green0\\blue255;}\r\n"
                "\\viewkind4\\uc1\\pard\\f0\\fs20  \\cf1 OPEN\\cf0  }"));
    c->setText("a\\{b}\tc\r\n\r\n\u00e9\u20ac\u0100");
    QCOMPARE(
        c->rtf(),
        QString("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3081{\\fonttbl{\\f0\\fnil\\fcharset0 "
                "Lucida Console;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20 a\\\\\\{b\\}\\tab c"
                "\\par\r\n\\par\r\n\\'e9\\'80\\u256?}"));
}

void ControlContract::rtf_listsColoursInOrderOfFirstOccurrence()
{
    auto c = make();
    c->setText("a b c d");
    colour(*c, 6, 1, Blue);
    colour(*c, 0, 1, MarkerColors::Green);
    colour(*c, 2, 1, Blue);
    colour(*c, 4, 1, Red);
    const QString rtf = c->rtf();
    QVERIFY2(rtf.contains("{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
                          "\\red197\\green3\\blue3;}"),
             qPrintable(rtf));
    QVERIFY(rtf.contains("\\cf1 a\\cf0  \\cf2 b\\cf0  \\cf3 c\\cf0  \\cf2 d}"));
}

void ControlContract::rtf_roundTripKeepsTextAndColours_data()
{
    QTest::addColumn<QString>("text");
    QString every;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            every += Windows1252::decodeByte(static_cast<unsigned char>(b));
    QTest::newRow("every windows-1252 character") << every;
    QTest::newRow("braces and backslashes") << "{\\rtf1 \\par}\\\\{{}}";
    QTest::newRow("tabs and empty lines") << "\t\r\n\r\n\t x\t\r\n";
    QTest::newRow("beyond windows-1252") << QString::fromUtf8("\u0100 \u4e2d \U0001F600 \uFFFF");
    QTest::newRow("empty") << "";
}

void ControlContract::rtf_roundTripKeepsTextAndColours()
{
    QFETCH(QString, text);
    auto c = make();
    c->setText(text);
    for (int i = 0; i + 2 < c->textLength(); i += 3)
        colour(*c, i, 2, i % 2 ? Blue : MarkerColors::Green);
    const StyledText before = c->styledText();
    auto d = make();
    d->setRtf(c->rtf());
    QCOMPARE(d->text(), before.text);
    QCOMPARE(d->styledText().runs, before.runs);
    QCOMPARE(d->rtf(), c->rtf());
}

void ControlContract::setRtf_withPlainTextShowsItAsText()
{
    auto c = make();
    c->setRtf("not {\\rtf at the start\n");
    QCOMPARE(c->text(), QString("not {\\rtf at the start\r\n"));
    QVERIFY(c->styledText().runs.empty());
}

void ControlContract::selRtf_copyAndPasteKeepsColours()
{
    auto c = make();
    c->setText("#-----[ OPEN ]---\r\nx");
    colour(*c, 8, 4, Blue);
    c->setSelStart(6);
    c->setSelLength(8);
    const QString copied = c->selRtf();
    c->setSelStart(c->textLength());
    c->setSelRtf(copied);
    QCOMPARE(c->text(), QString("#-----[ OPEN ]---\r\nx[ OPEN ]"));
    const StyledText s = c->styledText();
    QCOMPARE(s.colorAt(21), TextColor());
    QCOMPARE(s.colorAt(22), Blue);
    QCOMPARE(s.colorAt(25), Blue);
    QCOMPARE(s.colorAt(26), TextColor());
    QCOMPARE(c->selStart(), c->textLength());
}

void ControlContract::loadFile_readsRtfAsRichTextAndOtherFilesAsWindows1252()
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("a.mod");
    writeAll(plain, QByteArray("#\n#-----[ OPEN ]---\n\x80\xe9\xff\n"));
    auto c = make();
    QVERIFY(c->loadFile(plain));
    QCOMPARE(c->text(), QString::fromUtf8("#\r\n#-----[ OPEN ]---\r\n\u20ac\u00e9\u00ff\r\n"));

    const QString rich = dir.filePath("b.mod");
    writeAll(rich, QByteArray("{\\rtf1\\ansi{\\colortbl ;\\red0\\green0\\blue255;}x\\cf1 KEY\\cf0 "
                              " y\\par\r\nz\\'e9}"));
    QVERIFY(c->loadFile(rich));
    QCOMPARE(c->text(), QString::fromUtf8("xKEY y\r\nz\u00e9"));
    QCOMPARE(c->styledText().runs, (std::vector<ColorRun>{{1, 3, Blue}}));
}

void ControlContract::loadFile_failureKeepsContentAndSaysWhy()
{
    QTemporaryDir dir;
    auto c = make();
    c->setText("keep me");
    QSignalSpy spy(c.get(), &RichTextControl::changed);
    QString error;
    QVERIFY(!c->loadFile(dir.filePath("missing.mod"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!c->loadFile(dir.path(), &error));
    QVERIFY(error.contains("folder"));
    QCOMPARE(c->text(), QString("keep me"));
    QCOMPARE(spy.count(), 0);
}

void ControlContract::saveFile_writesCrLfWindows1252PlainText()
{
    QTemporaryDir dir;
    auto c = make();
    c->setText(QString::fromUtf8("a\nOPEN \u20ac\u00e9\n"));
    colour(*c, 3, 4, Blue);
    const QString path = dir.filePath("out.mod");
    QVERIFY(c->saveFile(path));
    QCOMPARE(readAll(path), QByteArray("a\r\nOPEN \x80\xe9\r\n"));
}

void ControlContract::fontName_defaultsToLucidaConsoleAndIsKept()
{
    auto c = make();
    QCOMPARE(c->fontName(), QString("Lucida Console"));
    c->setFontName("No Such Font Family");
    QCOMPARE(c->fontName(), QString("No Such Font Family"));
    QVERIFY(c->rtf().contains("\\fcharset0 No Such Font Family;"));
}

void ControlContract::lines_agreeWithTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("one line") << "abc";
    QTest::newRow("trailing break") << "abc\r\n";
    QTest::newRow("empty lines") << "\r\n\r\nx\r\n\r\n";
}

void ControlContract::lines_agreeWithTheText()
{
    QFETCH(QString, text);
    auto c = make();
    c->setText(text);
    colour(*c, 0, c->textLength(), Blue);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(c->lineCount(), lines.size());
    int start = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(c->lineStart(i), start);
        const StyledText line = *c->line(i);
        QCOMPARE(line.text, lines[i]);
        if (!line.text.isEmpty())
            QCOMPARE(line.runs, (std::vector<ColorRun>{{0, int(line.text.size()), Blue}}));
        for (int pos = start; pos <= start + lines[i].size(); ++pos)
            QCOMPARE(c->lineAt(pos), i);
        start += int(lines[i].size()) + 2;
    }
}

void ControlContract::setLine_changesThatLineAlone()
{
    auto c = make();
    c->setText(QStringLiteral("one\r\n#EoM x\r\nthree"));
    colour(*c, 0, 3, Red);
    c->setSelStart(1);
    c->setSelLength(2);
    c->takeLineChanges();
    StyledText replacement{QStringLiteral("# EoM x"), {{0, 5, Blue}}};
    c->setLine(1, replacement);
    QCOMPARE(c->text(), QStringLiteral("one\r\n# EoM x\r\nthree"));
    QCOMPARE(c->line(1)->runs, replacement.runs);
    QCOMPARE(c->line(0)->runs, (std::vector<ColorRun>{{0, 3, Red}}));
    QCOMPARE(c->takeLineChanges().splices, (std::vector<LineSplice>{{1, 1, 1}}));
    replacement.runs = {{2, 3, Red}}; // colours alone
    c->setLine(1, replacement);
    QCOMPARE(c->line(1)->runs, replacement.runs);
    QCOMPARE(c->selStart(), 1);
    QCOMPARE(c->selLength(), 2);
}

// Replays the listed splices on a copy of the lines taken before the
// changes: every line they do not name must still be what it was.
void ControlContract::lineChanges_coverEveryLineThatChanged()
{
    auto c = make();
    c->setText(QStringLiteral("a\r\nbb\r\nccc\r\n\r\ndddd\r\neeeee"));
    QRandomGenerator rng(7);
    const QStringList inserts = {"x", "\r\n", "y\r\nz", "\r\n\r\n", "", "w\r\n"};
    for (int step = 0; step < 300; ++step) {
        std::vector<std::optional<StyledText>> shadow;
        for (int i = 0; i < c->lineCount(); ++i)
            shadow.push_back(*c->line(i));
        c->takeLineChanges();
        const int length = c->textLength();
        const int pos = int(rng.bounded(length + 1));
        const int span = std::min(int(rng.bounded(8)), length - pos);
        const QString insert = inserts[rng.bounded(int(inserts.size()))];
        switch (rng.bounded(m_outside ? 5 : 4)) {
        case 0:
            c->setSelStart(pos);
            c->setSelLength(span);
            c->setSelText(insert);
            break;
        case 1:
            colour(*c, pos, span, rng.bounded(2) ? Blue : Red);
            break;
        case 2:
            c->setLine(int(rng.bounded(c->lineCount())),
                       StyledText{QStringLiteral("L%1").arg(step), {{0, 1, Blue}}});
            break;
        case 3: {
            QString t = c->text();
            t.insert(pos, insert);
            c->setText(t);
            break;
        }
        default:
            m_outside(*c, pos, span, insert);
        }
        const LineChanges changes = c->takeLineChanges();
        if (changes.everything)
            continue;
        for (const LineSplice& s : changes.splices) {
            QVERIFY(s.line >= 0 && s.removed >= 0 && s.line + s.removed <= int(shadow.size()));
            shadow.erase(shadow.begin() + s.line, shadow.begin() + s.line + s.removed);
            shadow.insert(shadow.begin() + s.line, size_t(s.added), std::nullopt);
        }
        QCOMPARE(int(shadow.size()), c->lineCount());
        for (int i = 0; i < c->lineCount(); ++i) {
            if (!shadow[size_t(i)])
                continue;
            const StyledText now = *c->line(i);
            if (now.text != shadow[size_t(i)]->text || now.runs != shadow[size_t(i)]->runs)
                QFAIL(qPrintable(
                    QStringLiteral("step %1: line %2 changed unlisted").arg(step).arg(i)));
        }
    }
}

} // namespace Quillwright
