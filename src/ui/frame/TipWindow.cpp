#include "ui/frame/TipWindow.h"

#include "core/frame/Tips.h"
#include "core/settings/SettingsStore.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Twips.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>

namespace Quillwright {

namespace {
const QString Section = QStringLiteral("Options");
const QString Key = QStringLiteral("Show Tips at Startup");
} // namespace

TipWindow::TipWindow(SettingsStore* settings, const QString& programFolder,
                     std::function<double()> random, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_folder(programFolder), m_random(std::move(random))
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(tr("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPx(this, 5415), twipsToPx(this, 3285));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(this, 4080, 120, 1215, 375));
    ok->setDefault(true); // Enter; Esc closes the dialog too
    auto* next = new QPushButton(tr("&Next Tip"), this);
    next->setObjectName(QStringLiteral("cmdNextTip"));
    next->setGeometry(twipsRect(this, 4080, 600, 1215, 375));
    next->setAutoDefault(false);
    m_check = new QCheckBox(tr("&Show Tips at Startup"), this);
    m_check->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    m_check->setGeometry(twipsRect(this, 120, 2940, 2055, 315));
    // The design width was measured for a narrower font than ours.
    m_check->resize(std::max(m_check->width(), m_check->sizeHint().width()), m_check->height());
    auto* picture = new QFrame(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twipsRect(this, 120, 120, 3735, 2715));
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAutoFillBackground(true);
    picture->setBackgroundRole(QPalette::Base);
    picture->setFocusPolicy(Qt::TabFocus);
    // It takes the focus, so it says what it holds.
    picture->setAccessibleName(tr("Tip of the Day"));
    auto* did = new QLabel(tr("Did you know..."), picture);
    did->setTextFormat(Qt::PlainText);
    did->setObjectName(QStringLiteral("Label1"));
    did->setGeometry(twipsRect(this, 540, 180, 2655, 255));
    QFont bold = did->font();
    bold.setBold(true);
    did->setFont(bold);
    m_tip = new QLabel(picture);
    m_tip->setObjectName(QStringLiteral("lblTipText"));
    m_tip->setGeometry(twipsRect(this, 180, 840, 3255, 1635));
    m_tip->setWordWrap(true);
    m_tip->setTextFormat(Qt::PlainText); // a tip is text from a file, never markup
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Next Tip leaves the focus on its button: the new tip is told as it shows.
    Accessibility::makeAnnouncer(m_tip);

    setTabOrder(ok, picture);
    setTabOrder(picture, next);
    setTabOrder(next, m_check);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(next, &QPushButton::clicked, this, &TipWindow::PickNextTip);
    connect(m_check, &QCheckBox::clicked, this, &TipWindow::chkLoadTipsAtStartup_Click);
}

bool TipWindow::Form_Load()
{
    const QString stored =
        m_settings ? m_settings->value(SettingsStore::executableName(), Section, Key, "1")
                   : QStringLiteral("1");
    if (stored.trimmed().toInt() == 0) {
        close();
        return false;
    }
    m_check->setChecked(true);
    if (!m_random) {
        auto generator = std::make_shared<QRandomGenerator>(
            quint32(QDateTime::currentMSecsSinceEpoch() & 0xffffffff));
        m_random = [generator] { return generator->generateDouble(); };
    }
    if (!LoadTips(Tips::locate(m_folder)))
        m_tip->setText(Tips::missingFileText());
    return true;
}

bool TipWindow::LoadTips(const QString& fileName)
{
    const std::optional<QStringList> tips = Tips::loadTips(fileName);
    if (!tips)
        return false;
    m_tips = *tips;
    PickNextTip();
    return true;
}

void TipWindow::PickNextTip()
{
    if (m_random)
        m_current = Tips::pickTip(m_random(), int(m_tips.size()));
    DisplayCurrentTip();
}

void TipWindow::DisplayCurrentTip()
{
    if (!m_tips.isEmpty() && m_current >= 1 && m_current <= m_tips.size())
        Accessibility::announce(m_tip, m_tips[m_current - 1]);
}

void TipWindow::chkLoadTipsAtStartup_Click()
{
    if (m_settings)
        m_settings->setValue(SettingsStore::executableName(), Section, Key,
                             m_check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace Quillwright
