#include "ui/browser/BrowserWindow.h"

#include "core/script/ModFormat.h"
#include "ui/browser/WebView.h"
#include "ui/browser/WebViewLoader.h"
#include "ui/platform/CommandKeys.h"
#include "ui/platform/Icons.h"
#include "ui/platform/LoadCaptions.h"
#include "ui/platform/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace Quillwright {

bool BrowserWindow::available()
{
    return WebViewLoader::available();
}

BrowserWindow::BrowserWindow(QWidget* parent)
    : QWidget(parent), m_toolBar(new QToolBar(this)), m_picAddress(new QWidget(this)),
      m_label(new QLabel(QStringLiteral("1067"), m_picAddress)),
      m_address(new QComboBox(m_picAddress))
{
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Icons::byName(QStringLiteral("find")));

    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setGeometry(twipsRect(this, 0, 0, 6540, 480));
    const std::pair<const char*, QStyle::StandardPixmap> buttons[] = {
        {"Back", QStyle::SP_ArrowBack},   {"Forward", QStyle::SP_ArrowForward},
        {"Stop", QStyle::SP_BrowserStop}, {"Refresh", QStyle::SP_BrowserReload},
        {"Home", QStyle::SP_DirHomeIcon}, {"Search", QStyle::SP_FileDialogContentsView},
    };
    int tooltip = 1061;
    for (const auto& [key, icon] : buttons) {
        const QString k = QString::fromLatin1(key);
        QAction* a = m_toolBar->addAction(style()->standardIcon(icon), k);
        a->setProperty("key", k);
        a->setToolTip(QString::number(tooltip++));
        connect(a, &QAction::triggered, this, [this, k] { tbToolBar_ButtonClick(k); });
    }

    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    m_picAddress->setGeometry(twipsRect(this, 0, 480, 6540, 675));
    m_label->setObjectName(QStringLiteral("lblAddress"));
    m_label->setProperty("tag", QStringLiteral("1067"));
    m_label->setGeometry(twipsRect(this, 45, 60, 3075, 255));
    m_label->setBuddy(m_address);
    m_label->setTextFormat(Qt::PlainText);
    m_address->setObjectName(QStringLiteral("cboAddress"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert); // typed text enters only as reported
    m_address->setGeometry(twipsRect(this, 45, 300, 3795, 315));
    connect(m_address, &QComboBox::activated, this, [this] { cboAddress_Click(); });
    connect(m_address->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboAddress_Click(); });
    m_address->lineEdit()->installEventFilter(new AltKeysTypeNothing(m_address));

    // The engine is loaded now, the first time a browser opens.
    m_view = WebViewLoader::createView(this);
    QWidget* page = m_view ? m_view->widget() : nullptr;
    if (m_view) {
        m_view->onLoadStarted([this] { m_busy = true; });
        m_view->onLoadFinished([this](bool) {
            m_busy = false;
            brwWebBrowser_DownloadComplete();
            brwWebBrowser_NavigateComplete();
        });
    } else {
        const QString why = WebViewLoader::lastError();
        auto* note = new QLabel(
            why.isEmpty() ? tr("This build of Quillwright has no web browser component.")
                          : tr("The web browser component could not be loaded:\n%1").arg(why),
            this);
        note->setAlignment(Qt::AlignCenter);
        note->setWordWrap(true);
        page = note;
    }
    page->setObjectName(QStringLiteral("brwWebBrowser"));
    page->setGeometry(twipsRect(this, 50, 1215, 5393, 3734));
    m_page = page;
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &BrowserWindow::timTimer_Timer);
}

void BrowserWindow::Form_Load()
{
    LoadCaptions(this);
    show();
    m_toolBar->update();
    Form_Resize();
    m_address->move(twipsToPx(this, 50), m_label->y() + m_label->height() + twipsToPx(this, 15));
    if (StartingAddress.isEmpty())
        return;
    m_address->setEditText(StartingAddress);
    m_history.addStart(StartingAddress);
    m_address->addItem(StartingAddress);
    m_timer.start();
    navigate(StartingAddress);
}

void BrowserWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void BrowserWindow::Form_Resize()
{
    const int margin = twipsToPx(this, 100);
    m_toolBar->resize(width(), m_toolBar->height());
    m_picAddress->resize(width(), m_picAddress->height());
    m_address->resize(std::max(width() - margin, 1), m_address->height());
    QWidget* browser = m_page;
    const int height = this->height() - (m_picAddress->y() + m_picAddress->height()) - margin;
    if (height > 0 && width() - margin > 0)
        browser->resize(width() - margin, height);
}

void BrowserWindow::navigate(const QString& address)
{
    if (!m_view)
        return;
    m_busy = true;
    m_view->load(QUrl::fromUserInput(address));
}

QString BrowserWindow::pageTitle() const
{
    return m_view ? m_view->title() : QString();
}

void BrowserWindow::cboAddress_Click()
{
    if (SuppressNavigate)
        return;
    m_timer.start();
    navigate(m_address->currentText());
}

void BrowserWindow::timTimer_Timer()
{
    if (busy()) {
        setWindowTitle(tr("Working..."));
    } else {
        m_timer.stop();
        setWindowTitle(pageTitle());
    }
}

void BrowserWindow::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(pageTitle());
}

void BrowserWindow::brwWebBrowser_NavigateComplete()
{
    if (!m_view)
        return;
    setWindowTitle(pageTitle());
    const QString current = m_view->url().toString();
    SuppressNavigate = true;
    m_history.navigated(current);
    m_address->clear();
    m_address->addItems(m_history.entries());
    m_address->setCurrentIndex(0);
    SuppressNavigate = false;
}

void BrowserWindow::tbToolBar_ButtonClick(const QString& key)
{
    m_timer.start();
    if (!m_view) {
        m_timer.stop();
        return;
    }
    if (key == u"Back")
        m_view->back();
    else if (key == u"Forward")
        m_view->forward();
    else if (key == u"Refresh")
        m_view->reload();
    else if (key == u"Home")
        navigate(StartingAddress);
    else if (key == u"Search")
        navigate(ModFormat::forumSearchUrl());
    if (key == u"Stop") {
        m_timer.stop();
        m_view->stop();
        m_busy = false;
        setWindowTitle(pageTitle());
    }
}

} // namespace Quillwright
