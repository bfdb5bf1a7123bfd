#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include "core/frame/StringTable.h"
#include "core/script/ActionBuilder.h"
#include "core/script/ModFormat.h"
#include "core/script/RepairScript.h"
#include "core/script/Windows1252.h"
#include "ui/dialogs/PropertiesDialog.h"

#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {
long residentKb()
{
    QFile f("/proc/self/statm");
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
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
                f.window->appendActionBlock(ActionBuilder::buildBlock(
                    keywords[rng.bounded(keywords.size())], "line " + QString::number(i)));
            } else if (action < 75) {
                d->model().Timer1_Timer();
            } else if (action < 80) {
                f.window->undoLevels(1 + rng.bounded(3));
            } else if (action < 85) {
                PropertiesDialog* p = f.window->showProperties();
                p->findChild<QLineEdit*>("mod_title")->setText("Title " + QString::number(i));
                p->findChild<QPushButton*>(rng.bounded(2) ? "cmdOK" : "cmdApply")->click();
                delete p;
            } else if (action < 93) {
                const QString path = f.path(QString("soak%1.mod").arg(rng.bounded(3)));
                f.dialogs.fileNames = {path};
                f.dialogs.answers = {DialogService::Button::Yes, DialogService::Button::Ok};
                f.window->mnuFileSaveAs_Click();
                QCOMPARE(readAll(path), Windows1252::encode(c.text()).bytes);
                ++saves;
            } else if (!d->isUntitled()) {
                f.dialogs.answers = {DialogService::Button::No};
                f.dialogs.fileNames = {d->filePath()};
                const QByteArray onDisk = readAll(d->filePath());
                f.window->mnuFileOpen_Click();
                // What was saved comes back, repaired, with "#EoM" coloured into "# EoM".
                auto tight = [](QString t) { return t.replace("# EoM", "#EoM"); };
                const QString expected = RepairScript(
                    addBlankAfterProgramSeparators(normalizeLineEnds(Windows1252::decode(onDisk))));
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
        QVERIFY2(growth < 64 * 1024, qPrintable(QString("grew by %1 KB").arg(growth)));
        QCOMPARE(f.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
