#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include "HostileInputs.h"
#include "core/control/ClipboardMime.h"
#include "core/frame/StringTable.h"
#include "core/script/ModFormat.h"

#include "core/encoding/Windows1252.h"
#include "core/rtf/Rtf.h"
#include "core/script/ScriptFile.h"
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <QDir>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Quillwright;

namespace {
// Reads the file in a child process that has given up root, and says
// whether the read was refused for lack of permission.
bool readAsUnprivilegedUserFails(const QString& path)
{
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        const ScriptFile::ReadResult r = ScriptFile::read(path);
        _exit(!r.ok && r.error.contains("ermission") ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void init() { StringTable::overrideLanguage(StringTable::Language::Neutral); }

    void hostileFiles_openWithoutCrashing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("savedAsRead"); // the bytes come back as they were
        // Plain text keeps its bytes; RTF is read as rich text and saved as
        // the plain text it shows; lone CRs and LFs are saved as CR LF.
        for (const auto& [name, bytes] : hostileInputs())
            QTest::newRow(name) << bytes << (!bytes.startsWith("{\\rtf") && !bytes.contains('\n'));
        QTest::newRow("NUL bytes between CR LF lines")
            << QByteArray("a\0b\r\n\0\0\r\nc\0", 11) << true;
        QByteArray high;
        for (int b = 0x80; b < 256; ++b)
            high.append(char(b));
        QTest::newRow("every byte from 0x80, the five Windows leaves undefined among them")
            << high << true;
    }

    void hostileFiles_openWithoutCrashing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, savedAsRead);
        MainWindowFixture f;
        const QString path = f.path("hostile.mod");
        writeAll(path, bytes);
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        if (bytes.contains('\0')) {
            // An archive or an image holds NUL bytes: refused, so never written back.
            QVERIFY2(f.dialogs.lastText().contains("It is a binary file, not a MOD script."),
                     qPrintable(f.dialogs.lastText()));
            QCOMPARE(f.doc()->caption(), QString("Document 1"));
            QCOMPARE(readAll(path), bytes);
            return;
        }
        QCOMPARE(f.dialogs.questions.size(), 0);
        QCOMPARE(f.doc()->caption(), path);
        // Whatever came in is a script now: it saves and opens again.
        f.dialogs.choices = {0};
        f.window->files().mnuFileSave_Click();
        QVERIFY(f.dialogs.questions.isEmpty() || f.dialogs.lastText().contains("cannot hold"));
        if (savedAsRead)
            QCOMPARE(readAll(path), bytes);
        const qsizetype asked = f.dialogs.questions.size();
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.dialogs.questions.size(), asked); // opened again without a word
        QCOMPARE(f.doc()->file().path(), path);
    }

    void refusedFiles_leaveTheActiveDocumentAsItWas_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("100 MB file") << "huge"
                                     << "larger than 64 MB";
        QTest::newRow("single 10 MB line") << "longline"
                                           << "Line 1 is 10485760 characters long";
        QTest::newRow("a directory") << "dir"
                                     << "folder";
        QTest::newRow("vanished after the dialog") << "vanished"
                                                   << "does not exist";
        QTest::newRow("no read permission") << "unreadable"
                                            << "ermission";
        QTest::newRow("a named pipe") << "fifo"
                                      << "It is not a regular file.";
        QTest::newRow("a socket") << "socket"
                                  << "It is not a regular file.";
        QTest::newRow("a character device") << "device"
                                            << "It is not a regular file.";
        QTest::newRow("UTF-16 with its mark") << "utf16le"
                                              << "encoded as UTF-16";
        QTest::newRow("UTF-16, big end first") << "utf16be"
                                               << "encoded as UTF-16";
        QTest::newRow("UTF-16 without a mark") << "utf16"
                                               << "encoded as UTF-16";
        // Read as the MOD package it looks like, whatever its name: a broken one is refused.
        QTest::newRow("a broken zip archive named .mod")
            << "zip"
            << "It is not a zip archive that can be read";
        QTest::newRow("a line that grows past the limit as its end markers are written out")
            << "markers"
            << "Line 1 is 20001 characters long";
    }

    void refusedFiles_leaveTheActiveDocumentAsItWas()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        MainWindowFixture f;
        QString path = f.path("x.mod");
        int socketFd = -1;
        const auto closeSocket = qScopeGuard([&] {
            if (socketFd >= 0)
                ::close(socketFd);
        });
        if (kind == "huge") {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(100LL * 1024 * 1024));
        } else if (kind == "longline") {
            writeAll(path, QByteArray(10 * 1024 * 1024, 'x'));
        } else if (kind == "dir") {
            QDir().mkpath(path);
        } else if (kind == "fifo") {
            QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == "socket") {
            socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
            std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
            QVERIFY(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
        } else if (kind == "device") {
            path = "/dev/zero";
        } else if (kind.startsWith("utf16")) {
            const QString text = "## MOD Title: x\r\n";
            QByteArray bytes = kind == "utf16be" ? QByteArray("\xfe\xff") : QByteArray();
            if (kind == "utf16le")
                bytes = "\xff\xfe";
            for (QChar c : text) {
                const char lo = char(c.unicode() & 0xff);
                bytes += kind == "utf16be" ? QByteArray(1, '\0') + lo : QByteArray(1, lo) + '\0';
            }
            writeAll(path, bytes);
        } else if (kind == "zip") {
            // A stored zip entry: local header, name, data with a lone CR, central directory.
            writeAll(path, QByteArray("PK\x03\x04\x14\0\0\0\0\0", 10) + "install.mod" +
                               QByteArray("#-----[ OPEN ]---\r x\0\0PK\x01\x02", 26));
        } else if (kind == "markers") {
            writeAll(path, QByteArray(19996, 'x') + "#EoM");
        } else if (kind == "unreadable") {
            writeAll(path, "secret");
            QFile::setPermissions(path, QFileDevice::WriteOwner);
            QFile::setPermissions(f.dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ExeOther);
            if (geteuid() == 0) {
                // Root reads any file: the reading is checked as an ordinary user instead.
                QVERIFY(readAsUnprivilegedUserFails(path));
                return;
            }
        }
        f.doc()->control().setSelText("my work ");
        const QString before = f.doc()->control().text();
        f.dialogs.answers = {DialogService::Button::No}; // do not save "my work" first
        f.dialogs.fileNames = {path};
        f.window->files().mnuFileOpen_Click();
        QCOMPARE(f.doc()->control().text(), before);
        QCOMPARE(f.doc()->caption(), QString("Document 1"));
        QVERIFY(f.dialogs.lastText().contains(path));
        QVERIFY2(f.dialogs.lastText().contains(reason), qPrintable(f.dialogs.lastText()));
    }

    void saveKilledHalfway_leavesThePreviousFileByteForByte()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("target.mod");
        const QByteArray previous = "## the previous script\r\n";
        writeAll(target, previous);
        const QString started = dir.filePath("started");
        const pid_t child = fork();
        if (child == 0) {
            const QByteArray big(512 * 1024 * 1024, 'x');
            QFile(started).open(QIODevice::WriteOnly);
            ScriptFile::write(target, big);
            _exit(0);
        }
        // Kill the writer while it writes: half a gigabyte takes far longer
        // than the pause.
        QElapsedTimer clock;
        clock.start();
        while (!QFile::exists(started) && clock.elapsed() < 20000)
            QThread::msleep(1);
        QThread::msleep(30);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), previous);
    }

    void hostileRtf_pastedFromTheClipboard_neverCrashes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lineBefore"); // characters already on the line pasted into
        for (const auto& [name, bytes] : hostileInputs())
            QTest::newRow(name) << bytes << 0;
        QTest::newRow("single 10 MB line") << QByteArray(10 * 1024 * 1024, 'x') << 0;
        QTest::newRow("15,000 characters onto a 15,000-character line")
            << QByteArray(15000, 'y') << 15000;
        QTest::newRow("19,999 characters onto a 19,990-character line")
            << QByteArray(19999, 'z') << 19990;
        QTest::newRow("ten characters onto a 19,990-character line")
            << QByteArray(10, 'w') << 19990;
        QTest::newRow("eleven characters onto a 19,990-character line")
            << QByteArray(11, 'w') << 19990;
    }

    void hostileRtf_pastedFromTheClipboard_neverCrashes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lineBefore);
        MainWindowFixture f;
        RichTextControl& c = f.doc()->control();
        const QString line(lineBefore, 'q');
        c.setText(line + "\r\n" + ModFormat::defaultTemplate());
        const QString before = c.text();
        QSignalSpy refusals(&c, &RichTextControl::editRefused);
        for (const QString& type : {QStringLiteral("text/rtf"), QStringLiteral("text/plain")}) {
            QMimeData mime;
            mime.setData(type, bytes);
            // What the clipboard holds, as the readers read it: RTF markup is
            // read as rich text, also when it comes as text.
            const bool rtf = type == u"text/rtf";
            const QString held = rtf ? Windows1252::decode(bytes) : mime.text();
            const QString pasted = Rtf::looksLikeRtf(held)
                                       ? normalizedStyledText(Rtf::read(held)).text
                                       : (rtf ? QString() : normalizeLineEnds(held));
            const QString made = line + pasted.section("\r\n", 0, 0);
            const bool tooLong =
                ScriptFile::findOverlongLine(made + "\r\n" + pasted.section("\r\n", 1)).number > 0;
            c.setText(before);
            c.setSelStart(lineBefore);
            refusals.clear();
            const ClipboardMime::PasteResult r = ClipboardMime::paste(c, &mime);
            if (pasted.isEmpty() || tooLong) {
                QCOMPARE(c.text(), before);
                QVERIFY(!r.pasted || pasted.isEmpty());
                QCOMPARE(!r.refusal.isEmpty() || !refusals.isEmpty(), tooLong);
                continue;
            }
            QVERIFY(r.pasted);
            QCOMPARE(c.text(), line + pasted + before.mid(lineBefore));
        }
    }
};

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
