#include "core/frame/AddressHistory.h"
#include "ui/browser/BrowserWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QToolBar>

using namespace Quillwright;

namespace {
// Two small pages on 127.0.0.1, for the browser to visit.
class PageServer : public QObject {
public:
    PageServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [s] {
                    const QByteArray request = s->readAll();
                    const QByteArray page = request.startsWith("GET /b") ? "B" : "A";
                    const QByteArray body = "<html><head><title>Page " + page +
                                            "</title></head><body>" + page + "</body></html>";
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: "
                             "close\r\nContent-Length: " +
                             QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    QString url(const char* path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2")
            .arg(server.serverPort())
            .arg(QLatin1String(path));
    }
    QTcpServer server;
};

QStringList items(QComboBox* c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}
} // namespace

class TestBrowser : public QObject {
    Q_OBJECT
private slots:
    void history_movesARevisitedAddressToTheTop()
    {
        AddressHistory h;
        h.addStart("http://start");
        h.navigated("http://start/");
        QCOMPARE(h.entries(), (QStringList{"http://start/", "http://start"}));
        h.navigated("A");
        h.navigated("B");
        h.navigated("A");
        QCOMPARE(h.entries(), (QStringList{"A", "B", "http://start/", "http://start"}));
        h.navigated("a");
        QCOMPARE(h.entries().first(), QString("a")); // exact comparison
    }

    void emptyStartingAddress_navigatesNowhere()
    {
        BrowserWindow w;
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.Form_Load();
        QVERIFY(!w.timTimer().isActive());
        QCOMPARE(w.cboAddress()->count(), 0);
        QCOMPARE(w.toolBar()->actions().first()->toolTip(), QString("Back"));
    }

    void browser_visitsPagesAndKeepsItsHistory()
    {
        if (!BrowserWindow::available())
            QSKIP("this build has no Qt WebEngine; the browser window shows a note instead");
        PageServer pages;
        BrowserWindow w;
        w.setAttribute(Qt::WA_DeleteOnClose, false);
        w.resize(700, 500);
        w.StartingAddress = pages.url("/a");
        w.Form_Load();
        QVERIFY(w.timTimer().isActive());
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QString("Page A"), 30000);
        QTRY_VERIFY(!w.timTimer().isActive());

        w.cboAddress()->setEditText(pages.url("/b"));
        QTest::keyClick(w.cboAddress()->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QString("Page B"), 30000);
        QCOMPARE(items(w.cboAddress()).first(), pages.url("/b"));

        w.cboAddress()->setEditText(pages.url("/a"));
        QTest::keyClick(w.cboAddress()->lineEdit(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(w.windowTitle(), QString("Page A"), 30000);
        QTRY_VERIFY(!w.timTimer().isActive());
        QCOMPARE(items(w.cboAddress()), (QStringList{pages.url("/a"), pages.url("/b")}));

        w.tbToolBar_ButtonClick("Stop");
        QVERIFY(!w.timTimer().isActive());
        QCOMPARE(w.windowTitle(), QString("Page A"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // the engine is loaded when the first browser opens
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_browser.moc"
