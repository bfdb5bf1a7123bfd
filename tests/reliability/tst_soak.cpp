#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include "core/frame/StringTable.h"
#include "core/script/ActionBuilder.h"
#include "core/script/ModFormat.h"
#include "core/script/RepairScript.h"
#include "ui/dialogs/PropertiesDialog.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace Quillwright;

namespace {
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed blocks back (256 MB by default) to catch late
// uses of them, so a sanitized run grows by that much more before it reuses any.
constexpr long HeldFreedMb = 256;
#else
constexpr long HeldFreedMb = 0;
#endif

long residentKb()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

// Windows-1252 written here apart from the program's own table, from the
// code page's published mapping: the bytes 0x80 to 0x9F are these
// characters; the five bytes the code page leaves undefined stand for the
// control characters of the same value; the rest are Latin-1.
const QList<QPair<char16_t, int>>& highCharacters()
{
    static const QList<QPair<char16_t, int>> table = {
        {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u0192', 0x83}, {u'\u201E', 0x84},
        {u'\u2026', 0x85}, {u'\u2020', 0x86}, {u'\u2021', 0x87}, {u'\u02C6', 0x88},
        {u'\u2030', 0x89}, {u'\u0160', 0x8A}, {u'\u2039', 0x8B}, {u'\u0152', 0x8C},
        {u'\u017D', 0x8E}, {u'\u2018', 0x91}, {u'\u2019', 0x92}, {u'\u201C', 0x93},
        {u'\u201D', 0x94}, {u'\u2022', 0x95}, {u'\u2013', 0x96}, {u'\u2014', 0x97},
        {u'\u02DC', 0x98}, {u'\u2122', 0x99}, {u'\u0161', 0x9A}, {u'\u203A', 0x9B},
        {u'\u0153', 0x9C}, {u'\u017E', 0x9E}, {u'\u0178', 0x9F}, {u'\u0081', 0x81},
        {u'\u008D', 0x8D}, {u'\u008F', 0x8F}, {u'\u0090', 0x90}, {u'\u009D', 0x9D}};
    return table;
}

QByteArray cp1252(const QString& text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += char(c);
            continue;
        }
        int byte = '?';
        for (const auto& [character, value] : highCharacters())
            if (character == c)
                byte = value;
        if (byte == '?' && text[i].isHighSurrogate() && i + 1 < text.size())
            ++i; // one character to the user, one "?"
        out += char(byte);
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    for (char b : bytes) {
        const int value = static_cast<unsigned char>(b);
        QChar c = QChar(char16_t(value));
        for (const auto& [character, byte] : highCharacters())
            if (byte == value)
                c = QChar(character);
        out += c;
    }
    return out;
}

} // namespace

// A long scripted session of random user actions on several documents.
// SOAK_ACTIONS sets how many (10,000 by default).
class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomSession_losesNothingAndKeepsItsMemory()
    {
        StringTable::overrideLanguage(StringTable::Language::Neutral);
        const int actions = qEnvironmentVariableIsSet("SOAK_ACTIONS")
                                ? qEnvironmentVariableIntValue("SOAK_ACTIONS")
                                : 10000;
        MainWindowFixture f;
        // The user confirms replacing, overwriting a file changed on disk and
        // writing "?"; whether to save first is scripted.
        f.dialogs.responder =
            [](const ScriptedDialogs::Question& q) -> std::optional<DialogService::Button> {
            if (q.buttons == DialogService::Buttons::YesNo)
                return DialogService::Button::Yes;
            if (q.buttons == DialogService::Buttons::OkCancel)
                return DialogService::Button::Ok;
            return std::nullopt;
        };
        f.window->NewDocument();
        f.window->NewDocument();
        QRandomGenerator rng(1207);
        const QStringList pieces = {"x",
                                    " OPEN ",
                                    "#EoM",
                                    "\r\n",
                                    "## MOD Author: a\r\n",
                                    "$isOpen = 1;",
                                    " OR ",
                                    "IN-LINE FIND",
                                    "\u00e9\u20ac",
                                    "\\par {x}\\cf1 "};
        const QStringList keywords = ModFormat::builderKeywords();
        int saves = 0;
        long baseline = 0;
        for (int i = 0; i < actions; ++i) {
            if (i == actions / 10)
                baseline = residentKb(); // after the session has warmed up
            QList<QMdiSubWindow*> subs = f.window->mdiArea()->subWindowList();
            f.window->mdiArea()->setActiveSubWindow(subs[rng.bounded(subs.size())]);
            DocumentWindow* d = f.doc();
            QVERIFY(d);
            RichTextControl& c = d->control();
            const int action = rng.bounded(100);
            if (action < 55) {
                c.setSelStart(rng.bounded(c.textLength() + 1));
                c.setSelLength(rng.bounded(4));
                c.setSelText(pieces[rng.bounded(pieces.size())]);
            } else if (action < 65) {
                f.window->dialogs().appendActionBlock(ActionBuilder::buildBlock(
                    keywords[rng.bounded(keywords.size())], "line " + QString::number(i)));
            } else if (action < 75) {
                d->model().Timer1_Timer();
            } else if (action < 80) {
                f.window->edits().undoLevels(1 + rng.bounded(3));
            } else if (action < 85) {
                PropertiesDialog* p = f.window->dialogs().showProperties();
                p->findChild<QLineEdit*>("mod_title")->setText("Title " + QString::number(i));
                p->findChild<QPushButton*>(rng.bounded(2) ? "cmdOK" : "cmdApply")->click();
                delete p;
            } else if (action < 93) {
                const QString path = f.path(QString("soak%1.mod").arg(rng.bounded(3)));
                f.dialogs.fileNames = {path};
                f.dialogs.answers = {DialogService::Button::Yes, DialogService::Button::Ok};
                f.window->files().mnuFileSaveAs_Click();
                QCOMPARE(readAll(path), cp1252(c.text()));
                ++saves;
            } else if (!d->file().isUntitled()) {
                f.dialogs.answers = {DialogService::Button::No}; // do not save first
                f.dialogs.fileNames = {d->file().path()};
                const QByteArray onDisk = readAll(d->file().path());
                f.window->files().mnuFileOpen_Click();
                // What was saved comes back, repaired, with "#EoM" coloured into "# EoM".
                auto tight = [](QString t) { return t.replace("# EoM", "#EoM"); };
                const QString expected = RepairScript(
                    addBlankAfterProgramSeparators(normalizeLineEnds(fromCp1252(onDisk))));
                QCOMPARE(tight(f.doc()->control().text()), tight(expected));
            }
            if (c.textLength() > 150000) // keep each script a realistic size
                c.setText(ModFormat::defaultTemplate());
            f.dialogs.answers.clear();
            f.dialogs.fileNames.clear();
        }
        const long growth = residentKb() - baseline;
        qInfo("%d actions, %d saves checked, resident memory grew by %ld KB after warm-up", actions,
              saves, growth);
        QVERIFY(saves > 0);
        QVERIFY2(growth < (64 + HeldFreedMb) * 1024,
                 qPrintable(QString("grew by %1 KB").arg(growth)));
        QCOMPARE(f.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
