#include "core/control/MemoryRichTextControl.h"
#include "core/script/ModFormat.h"
#include "core/script/StampGenerator.h"

#include <QTest>

using namespace Quillwright;

namespace {
const QString Notice = QString(62, '#') +
                       " \r\n## For Security Purposes, Please Check: "
                       "http://www.phpbb.com/mods/downloads/ for the \r\n## latest version\r\n";
const QString Current = ModFormat::generatorLine();

QString forumScript(const QString& generator)
{
    return "## MOD Title: x\r\n## Included Files: n/a\r\n" + generator + "\r\n" + Notice +
           "## rest\r\n";
}
} // namespace

class TestStampGenerator : public QObject {
    Q_OBJECT
private slots:
    void stamp_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("expected");
        const QString tmpl = ModFormat::defaultTemplate();
        QTest::newRow("template is current") << tmpl << 0 << 0 << tmpl;
        QTest::newRow("older line replaced in place")
            << forumScript("## Generator: Quillwright 0.1.50") << 0 << 0 << forumScript(Current);
        QTest::newRow("several lines up to the notice replaced")
            << forumScript("## Generator: Other\r\n## extra line") << 0 << 0
            << forumScript(Current);
        QTest::newRow("current line left alone")
            << forumScript(Current) << 0 << 0 << forumScript(Current);
        QTest::newRow("case differs: replaced")
            << forumScript(ModFormat::generatorLine().toLower()) << 0 << 0 << forumScript(Current);
        QTest::newRow("no generator line: inserted above the notice")
            << "## x\r\n" + Notice << 0 << 0 << "## x\r\n" + Current + "\r\n" + Notice;
        QString older = ModFormat::defaultTemplate();
        older.replace(Current, "## Generator: Quillwright 0.1.50");
        QTest::newRow("template without notice separator: unchanged") << older << 0 << 0 << older;
        QTest::newRow("label at the very start counts as missing")
            << "## Generator: old\r\n" + Notice << 0 << 0
            << "## Generator: old\r\n" + Current + "\r\n" + Notice;
        QTest::newRow("notice at the very start: unchanged")
            << Notice + "## Generator: old\r\n"
            << 0 << 0 << Notice + "## Generator: old\r\n";
        QTest::newRow("old label after the notice: unchanged")
            << "x\r\n" + Notice + "## Generator: old\r\n"
            << 0 << 0 << "x\r\n" + Notice + "## Generator: old\r\n";
        const QString script = forumScript("## Generator: Quillwright 0.1.50");
        QTest::newRow("selection without the line: the line still replaced in place")
            << script << 0 << 5 << forumScript(Current);
        QTest::newRow("selection after the current line: nothing added")
            << forumScript(Current) << int(forumScript(Current).indexOf("## rest")) << 4
            << forumScript(Current);
    }

    void stamp()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, expected);
        MemoryRichTextControl c;
        c.setText(text);
        c.setSelStart(selStart);
        c.setSelLength(selLength);
        StampGenerator(c);
        QCOMPARE(c.text(), expected);
        QCOMPARE(c.selStart(), 0);
        QCOMPARE(c.selLength(), 0);
    }
};

QTEST_GUILESS_MAIN(TestStampGenerator)
#include "tst_stampgenerator.moc"
