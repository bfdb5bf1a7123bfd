#include "ui/frame/SplashWindow.h"

#include "core/script/ModFormat.h"
#include "ui/platform/Icons.h"
#include "ui/platform/LoadCaptions.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace Quillwright {

namespace {
QPixmap logoPixmap(int size, qreal ratio)
{
    Icons::byName(QStringLiteral("app")); // makes sure the resources are loaded
    QSvgRenderer svg(QStringLiteral(":/logo.svg"));
    QPixmap pm(QSize(size, size) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    svg.render(&p, QRectF(0, 0, size, size));
    return pm;
}
} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_frame(new QFrame(this)),
      m_logo(new QLabel(m_frame))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont base(QStringLiteral("DejaVu Sans"), 11);
    setFont(base);
    m_frame->setObjectName(QStringLiteral("fraMainFrame"));
    m_frame->setFrameShape(QFrame::NoFrame);
    m_logo->setObjectName(QStringLiteral("picLogo"));
    m_logo->setPixmap(logoPixmap(112, devicePixelRatioF()));

    auto label = [this](const char* name, int tag, const char* design) {
        auto* l = new QLabel(QString::fromLatin1(design), m_frame);
        l->setTextFormat(Qt::PlainText);
        l->setObjectName(QString::fromLatin1(name));
        l->setProperty("tag", QString::number(tag));
        return l;
    };
    QLabel* product = label("lblProductName", 1051, "Product");
    QLabel* version = label("lblVersion", 1048, "Version");
    QLabel* platform = label("lblPlatform", 1049, "Platform");
    QLabel* companyProduct = label("lblCompanyProduct", 1050, "CompanyProduct");
    QLabel* warning = label("lblWarning", 1047, "Warning");
    QLabel* company = label("lblCompany", 1046, "Company");
    QLabel* copyright = label("lblCopyright", 1045, "Copyright");
    QLabel* rights = label("lblRights", 1052, "All rights reserved");
    // Designed in a font of its own; the caption loader gives every label
    // the window's font, so the look comes from colour alone.
    product->setFont(QFont(QStringLiteral("DejaVu Serif"), 26, QFont::Bold));
    warning->setWordWrap(true);

    auto* grid = new QGridLayout(m_frame);
    grid->setContentsMargins(28, 24, 28, 20);
    grid->setHorizontalSpacing(24);
    grid->addWidget(m_logo, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(companyProduct, 0, 1);
    grid->addWidget(product, 1, 1);
    grid->addWidget(version, 2, 1);
    grid->addWidget(platform, 3, 1, Qt::AlignTop);
    grid->addWidget(warning, 4, 0, 1, 2);
    grid->addWidget(company, 5, 0, 1, 2);
    grid->addWidget(copyright, 6, 0, 1, 2);
    grid->addWidget(rights, 7, 0, 1, 2);
    auto* outer = new QGridLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);
    setStyleSheet(
        QStringLiteral("QLabel { color: #dfe7f3; }"
                       "QLabel#lblProductName { color: #ffffff; }"
                       "QLabel#lblVersion { color: #f2c14e; }"
                       "QLabel#lblCompanyProduct, QLabel#lblPlatform { color: #9fb3cf; }"
                       "QLabel#lblWarning, QLabel#lblCompany, QLabel#lblCopyright, QLabel#lblRights"
                       " { color: #8ea3c0; }"));
    setFixedSize(460, 300);

    for (QWidget* w : {static_cast<QWidget*>(m_frame), static_cast<QWidget*>(m_logo)})
        w->installEventFilter(this);
}

void SplashWindow::Form_Load()
{
    LoadCaptions(this);
    label("lblVersion")->setText(ModFormat::versionLine());
    label("lblProductName")->setText(ModFormat::programTitle());
}

QLabel* SplashWindow::label(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), height());
    g.setColorAt(0, QColor(0x2b, 0x4a, 0x7a));
    g.setColorAt(1, QColor(0x10, 0x1c, 0x33));
    p.fillRect(rect(), g);
    p.setPen(QColor(0xf2, 0xc1, 0x4e));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    close();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == m_frame || watched == m_logo)) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Quillwright
