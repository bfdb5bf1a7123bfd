#include "core/recovery/JournalStore.h"
#include "core/recovery/RecoveryJournal.h"
#include "core/text/LineStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Quillwright;

using RecoveryJournal::Entry;

namespace {
LineStore linesOf(const QString& text)
{
    LineStore lines;
    lines.assign(StyledText{text, {}});
    return lines;
}

QByteArray read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestRecoveryJournal : public QObject {
    Q_OBJECT
private slots:
    void encoded_decodesToTheSameEntry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::newRow("untitled") << ""
                                  << "Document 3"
                                  << "## MOD Title: x\r\n# EoM\r\n";
        QTest::newRow("empty text") << "/tmp/a.mod"
                                    << "/tmp/a.mod"
                                    << "";
        QTest::newRow("characters no code page holds")
            << QString::fromUtf8("/home/\u0141ukasz/m\u00f6d.mod") << "c"
            << QString::fromUtf8("\u4e2d\u6587 \U0001F600 \u20ac\r\n\t");
        QTest::newRow("a path with a line break and a colon") << "/tmp/odd\nname: x.mod"
                                                              << "odd\ncaption: y"
                                                              << "a\r\nb";
    }

    void encoded_decodesToTheSameEntry()
    {
        QFETCH(QString, path);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        const Entry entry{path, caption, text, TextEncoding::Utf8WithBom};
        const RecoveryJournal::Decoded d = RecoveryJournal::decode(RecoveryJournal::encode(entry));
        QVERIFY2(d.entry, qPrintable(d.problem));
        QCOMPARE(*d.entry, entry);
        // From shared lines, the same bytes.
        QCOMPARE(RecoveryJournal::encode(path, caption, TextEncoding::Utf8WithBom, linesOf(text)),
                 RecoveryJournal::encode(entry));
    }

    void hostileJournals_areRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        const QByteArray good =
            RecoveryJournal::encode(Entry{"/tmp/x.mod", "/tmp/x.mod", "abc\r\ndef"});
        QTest::newRow("empty") << QByteArray() << "empty";
        QTest::newRow("garbage") << QByteArray("\x00\x01garbage\xff", 11) << "not a recovery file";
        QTest::newRow("header only") << good.first(good.indexOf("\n\n")) << "not a recovery file";
        QTest::newRow("cut short") << good.chopped(3) << "cut short (5 of 8 bytes)";
        QTest::newRow("one byte changed") << QByteArray(good).replace("def", "deF") << "damaged";
        QTest::newRow("bytes after the text") << good + "x"
                                              << "damaged";
        QByteArray huge = good;
        huge.replace("length: 8", "length: 99999999999999");
        QTest::newRow("an absurd length") << huge << "not a recovery file";
        QByteArray negative = good;
        negative.replace("length: 8", "length: -8");
        QTest::newRow("a negative length") << negative << "not a recovery file";
        QByteArray missing = good;
        missing.replace("caption: ", "title: ");
        QTest::newRow("a field missing") << missing << "not a recovery file";
        QByteArray unknown = good;
        unknown.replace("encoding: Windows-1252", "encoding: EBCDIC");
        QTest::newRow("an encoding not known") << unknown << "not a recovery file";
        const QByteArray invalid("\xff\xfe\xfd", 3);
        QTest::newRow("text that is not UTF-8")
            << RecoveryJournal::encode(Entry{"", "", ""})
                       .replace("length: 0", "length: 3")
                       .replace("sha1: da39a3ee5e6b4b0d3255bfef95601890afd80709",
                                "sha1: " +
                                    QCryptographicHash::hash(invalid, QCryptographicHash::Sha1)
                                        .toHex()) +
                   invalid
            << "not valid text";
        QTest::newRow("a NUL in the text")
            << RecoveryJournal::encode(Entry{"", "", QString::fromLatin1("a\0b", 3)})
            << "binary, not a script";
    }

    void hostileJournals_areRefusedWithAReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const RecoveryJournal::Decoded d = RecoveryJournal::decode(bytes);
        QVERIFY(!d.entry);
        QCOMPARE(d.problem, problem);
    }

    void journalsOfAProgramThatEnded_areOfferedOnce_andALiveProgramsNever()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        JournalStore live(folder);
        QVERIFY(live.active());
        live.write(1, "/tmp/live.mod", "/tmp/live.mod", TextEncoding::Windows1252, linesOf("live"));
        {
            JournalStore ended(folder);
            ended.write(1, "", "Document 1", TextEncoding::Windows1252, linesOf("first"));
            ended.write(1, "", "Document 1", TextEncoding::Windows1252, linesOf("first, later"));
            ended.write(2, "/tmp/b.mod", "/tmp/b.mod", TextEncoding::Utf8, linesOf("second"));
            ended.write(3, "", "Document 3", TextEncoding::Windows1252, linesOf("gone"));
            ended.remove(3);
        } // ended without removing its journals, as after a crash
        live.flush();
        // Unsaved scripts are private.
        struct stat mode {};
        QCOMPARE(::stat(QFile::encodeName(live.journalPath(1)).constData(), &mode), 0);
        QCOMPARE(mode.st_mode & 0777, 0600u);
        // A program that died with nothing unsaved leaves only its lock file.
        const pid_t dead = fork();
        if (dead == 0)
            _exit(0);
        waitpid(dead, nullptr, 0);
        const QString deadLock = folder + "/" + QString::number(dead) + "-0badc0de.lock";
        write(deadLock, QByteArray::number(dead) + "\n" +
                            QCoreApplication::applicationName().toUtf8() + "\n" +
                            QSysInfo::machineHostName().toUtf8() + "\n");
        JournalStore next(folder);
        const QList<JournalStore::Orphan> orphans = next.claimOrphans();
        QStringList texts;
        for (const JournalStore::Orphan& o : orphans)
            texts << (o.entry ? o.entry->text : o.problem);
        texts.sort();
        QCOMPARE(texts, (QStringList{"first, later", "second"}));
        QVERIFY(!QFile::exists(deadLock));
        QVERIFY(QDir(folder).entryList({"*.lock"}).size() >= 2); // the live ones stay
        // Claimed: a third program starting now finds nothing to offer.
        JournalStore third(folder);
        QVERIFY(third.claimOrphans().isEmpty());
        next.settleOrphans(orphans, true);
        QVERIFY(JournalStore(folder).claimOrphans().isEmpty());
        QCOMPARE(read(live.journalPath(1)).contains("live"), true);
    }

    void unreadableJournals_areKeptAside_andUnsettledOnesOfferedAgain()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        QDir().mkpath(folder);
        write(folder + "/1234-abcd-1.journal", "garbage");
        write(folder + "/1234-abcd-2.journal",
              RecoveryJournal::encode(Entry{"", "Document 2", "ok"}));
        {
            JournalStore first(folder);
            const QList<JournalStore::Orphan> orphans = first.claimOrphans();
            QCOMPARE(orphans.size(), 2);
            QVERIFY(orphans[0].entry && !orphans[1].entry); // readable ones first
            first.settleOrphans(orphans, false);
        }
        JournalStore second(folder);
        const QList<JournalStore::Orphan> again = second.claimOrphans();
        QCOMPARE(again.size(), 2);
        second.settleOrphans(again, true);
        QVERIFY(!QFile::exists(folder + "/1234-abcd-2.journal"));
        QCOMPARE(read(folder + "/1234-abcd-1.journal.damaged"), QByteArray("garbage"));
    }

    void aFolderThatCannotBeMade_keepsNothing_andNothingFails()
    {
        JournalStore none(QString("/proc/no-such-folder/recovery"));
        QVERIFY(!none.active());
        none.write(1, "", "Document 1", TextEncoding::Windows1252, linesOf("x"));
        none.flush();
        QVERIFY(none.claimOrphans().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecoveryJournal)
#include "tst_recoveryjournal.moc"
