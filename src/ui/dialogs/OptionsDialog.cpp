#include "ui/dialogs/OptionsDialog.h"

#include "core/script/ModFormat.h"

#include "core/control/RichTextControl.h"
#include "core/frame/OptionsTabs.h"
#include "core/settings/SettingsStore.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/LoadCaptions.h"
#include "ui/platform/Twips.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace Quillwright {

OptionsDialog::OptionsDialog(SettingsStore* settings, RichTextControl* control, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_control(control), m_tabs(new QTabBar(this))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Options"));
    setProperty("tag", QStringLiteral("1053"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPx(this, 6000), twipsToPx(this, 4600));

    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    Accessibility::nameTabBar(m_tabs, tr("Option pages"));
    for (const char* caption : {QT_TR_NOOP("General"), QT_TR_NOOP("Mod Source"),
                                QT_TR_NOOP("Colour Coding"), QT_TR_NOOP("Compatibility")})
        m_tabs->addTab(tr(caption));
    m_tabs->setGeometry(twipsRect(this, 105, 120, 5790, 360));

    const char* frameCaptions[4] = {QT_TR_NOOP("Fonts"), QT_TR_NOOP("Sample 2"),
                                    QT_TR_NOOP("Sample 3"), QT_TR_NOOP("Sample 4")};
    for (int i = 0; i < 4; ++i) {
        auto* pageArea = new QWidget(this);
        pageArea->setObjectName(QStringLiteral("picOptions%1").arg(i));
        pageArea->setGeometry(twipsRect(this, 210, 540, 5580, 3240));
        auto* frame = new QGroupBox(tr(frameCaptions[i]), pageArea);
        frame->setObjectName(QStringLiteral("fraSample%1").arg(i + 1));
        frame->setProperty("tag", QString::number(1054 + i));
        frame->setGeometry(0, 0, pageArea->width(), pageArea->height());
        m_pages[i] = pageArea;
    }
    m_fonts = new QComboBox(m_pages[0]->findChild<QGroupBox*>());
    m_fonts->setObjectName(QStringLiteral("Combo1"));
    m_fonts->setEditable(true);
    Accessibility::nameComboBox(m_fonts, tr("Font"));
    m_fonts->setInsertPolicy(QComboBox::NoInsert);
    m_fonts->setGeometry(twipsRect(this, 240, 480, 3800, 330));

    auto button = [this](const char* name, const char* caption, int tag, int left) {
        auto* b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", QString::number(tag));
        b->setGeometry(twipsRect(this, left, 3960, 1095, 375));
        return b;
    };
    auto* ok = button("cmdOK", QT_TR_NOOP("OK"), 1060, 2490);
    auto* cancel = button("cmdCancel", QT_TR_NOOP("Cancel"), 1059, 3690);
    auto* apply = button("cmdApply", QT_TR_NOOP("&Apply"), 1058, 4890);
    ok->setDefault(true); // Return in the font box is OK, Esc is Cancel
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::cmdCancel_Click);
    connect(apply, &QPushButton::clicked, this, &OptionsDialog::cmdApply_Click);
    connect(m_tabs, &QTabBar::currentChanged, this, &OptionsDialog::tbsOptions_Click);

    // Form_Load
    LoadCaptions(this);
    m_fonts->addItems(QFontDatabase::families()); // the platform's order, unsorted
    if (m_control)
        m_fonts->setEditText(m_control->fontName());
    else
        m_fonts->setEditText(QString());
    tbsOptions_Click();

    // The dialog sees key presses before the control that has the focus.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    installEventFilter(this);
    m_fonts->setFocus(); // the one control that does anything
}

void OptionsDialog::cmdApply_Click()
{
    const QString font = m_fonts->currentText();
    if (m_settings)
        m_settings->setValue(ModFormat::programTitle(), QStringLiteral("Settings"),
                             QStringLiteral("font"), font);
    if (m_control)
        m_control->setFontName(font);
}

void OptionsDialog::cmdOK_Click()
{
    cmdApply_Click();
    accept();
}

void OptionsDialog::cmdCancel_Click()
{
    reject();
}

void OptionsDialog::Form_KeyDown(int keyCode, int shiftState)
{
    const int current = m_tabs->currentIndex() + 1;
    const int next = OptionsTabs::nextTab(current, m_tabs->count(), keyCode, shiftState);
    if (next != current)
        m_tabs->setCurrentIndex(next - 1); // runs tbsOptions_Click as a click does
}

void OptionsDialog::tbsOptions_Click()
{
    const int selected = m_tabs->currentIndex();
    for (int i = 0; i < 4; ++i) {
        const bool shown = i == selected;
        m_pages[i]->move(twipsToPx(this, shown ? 210 : -20000), m_pages[i]->y());
        m_pages[i]->setEnabled(shown);
    }
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            int shift = 0;
            if (key->modifiers() & Qt::ShiftModifier || key->key() == Qt::Key_Backtab)
                shift |= 1;
            if (key->modifiers() & Qt::ControlModifier)
                shift |= 2;
            if (key->modifiers() & Qt::AltModifier)
                shift |= 4;
            if (shift & 2) {
                if (event->type() == QEvent::KeyPress)
                    Form_KeyDown(OptionsTabs::TabKey, shift);
                event->accept();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Quillwright
