#include "ui/dialogs/PropertiesDialog.h"

#include "core/text/RichTextControl.h"
#include "ui/platform/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {
// The boxes hold CR LF text, as the script does; the widgets use LF. The
// document's raw text keeps non-breaking spaces, which toPlainText() turns
// into blanks.
QString fromWidget(const QPlainTextEdit* box)
{
    QString t = box->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}
QString toWidget(const QString& s)
{
    QString t = s;
    return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

PropertiesDialog::PropertiesDialog(RichTextControl* control, QWidget* parent)
    : QDialog(parent), m_control(control)
{
    setObjectName(QStringLiteral("frmproperties"));
    setWindowTitle(tr("Properties"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPx(this, 4560), twipsToPx(this, 5160));

    auto label = [this](const char* text, int top) {
        auto* l = new QLabel(tr(text), this);
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(twipsRect(this, 120, top, 930, 375));
        l->setWordWrap(true);
        QFont small = l->font(); // two-word captions wrap onto a second line
        small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
        l->setFont(small);
        return l;
    };
    auto line = [this](const char* name, int top, int width) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(twipsRect(this, 1080, top, width, 325));
        return e;
    };
    auto multi = [this](const char* name, int top) {
        auto* e = new QPlainTextEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setGeometry(twipsRect(this, 1080, top, 3375, 930));
        e->setTabChangesFocus(true);
        return e;
    };
    auto button = [this](const char* name, const char* text, int left, int top, int width,
                         int height) {
        auto* b = new QPushButton(tr(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(twipsRect(this, left, top, width, height));
        b->setAutoDefault(false); // Enter presses no button
        return b;
    };

    QLabel* labels[] = {label(QT_TR_NOOP("Title:"), 120),
                        label(QT_TR_NOOP("Version:"), 600),
                        label(QT_TR_NOOP("Author:"), 1080),
                        label(QT_TR_NOOP("Description:"), 1560),
                        label(QT_TR_NOOP("Installation level:"), 2640),
                        label(QT_TR_NOOP("Installation time:"), 3120),
                        label(QT_TR_NOOP("Author Notes:"), 3600)};
    m_title = line("mod_title", 120, 3375);
    m_version = line("mod_version", 600, 3375);
    m_author = line("mod_author", 1080, 3135);
    auto* command1 = button("Command1", "...", 4200, 1080, 255, 325);
    m_desc = multi("mod_desc", 1560);
    m_level = line("mod_level", 2640, 3135);
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    m_combo->addItems({QStringLiteral("easy"), QStringLiteral("moderate"), QStringLiteral("hard")});
    m_combo->setGeometry(twipsRect(this, 1080, 2640, 3135, 315));
    m_combo->hide();
    m_combo->installEventFilter(this);
    auto* command2 = button("Command2", "...", 4200, 2640, 255, 325);
    m_time = line("mod_time", 3120, 3375);
    m_notes = multi("mod_authnote", 3600);
    // Each box is named by its label, for screen readers and Alt keys alike.
    const QWidget* boxes[] = {m_title, m_version, m_author, m_desc, m_level, m_time, m_notes};
    for (size_t i = 0; i < std::size(labels); ++i)
        labels[i]->setBuddy(const_cast<QWidget*>(boxes[i]));
    m_combo->setAccessibleName(tr("Installation level"));
    command1->setAccessibleName(tr("Author details"));
    command2->setAccessibleName(tr("Choose the installation level"));
    auto* ok = button("cmdOK", QT_TR_NOOP("OK"), 960, 4680, 1095, 375);
    auto* cancel = button("cmdCancel", QT_TR_NOOP("Cancel"), 2160, 4680, 1095, 375);
    auto* apply = button("cmdApply", QT_TR_NOOP("Apply"), 3360, 4680, 1095, 375);

    const QList<QWidget*> order = {ok,      cancel, apply,   m_title,  m_version, m_author, m_desc,
                                   m_level, m_time, m_notes, command1, command2,  m_combo};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(ok, &QPushButton::clicked, this, &PropertiesDialog::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &PropertiesDialog::cmdCancel_Click);
    connect(apply, &QPushButton::clicked, this, &PropertiesDialog::cmdApply_Click);
    connect(command1, &QPushButton::clicked, this,
            [this] { emit authorDetailsRequested(m_author); });
    connect(command2, &QPushButton::clicked, this, &PropertiesDialog::Command2_Click);

    centreOnScreen(this);
    ReadHeader();
    ok->setFocus();
}

HeaderValues PropertiesDialog::boxes() const
{
    HeaderValues v;
    v[HeaderValues::Title] = m_title->text();
    v[HeaderValues::Version] = m_version->text();
    v[HeaderValues::Author] = m_author->text();
    v[HeaderValues::Description] = fromWidget(m_desc);
    v[HeaderValues::Level] = m_level->text();
    v[HeaderValues::Time] = m_time->text();
    v[HeaderValues::Notes] = fromWidget(m_notes);
    return v;
}

void PropertiesDialog::setBoxes(const HeaderValues& v)
{
    m_title->setText(v[HeaderValues::Title]);
    m_version->setText(v[HeaderValues::Version]);
    m_author->setText(v[HeaderValues::Author]);
    m_desc->setPlainText(toWidget(v[HeaderValues::Description]));
    m_level->setText(v[HeaderValues::Level]);
    m_time->setText(v[HeaderValues::Time]);
    m_notes->setPlainText(toWidget(v[HeaderValues::Notes]));
}

void PropertiesDialog::ReadHeader()
{
    if (m_control)
        setBoxes(::ReadHeader(*m_control));
    m_written = boxes();
}

void PropertiesDialog::WriteHeader()
{
    if (!m_control)
        return;
    // Only the boxes the user changed since they were read or last written.
    const HeaderValues now = boxes();
    ::WriteHeader(*m_control, now, m_written);
    m_written = now;
}

void PropertiesDialog::cmdApply_Click()
{
    WriteHeader();
}

void PropertiesDialog::cmdOK_Click()
{
    WriteHeader();
    accept();
}

void PropertiesDialog::cmdCancel_Click()
{
    reject();
}

void PropertiesDialog::Command2_Click()
{
    m_combo->setEditText(m_level->text());
    m_combo->show();
    m_combo->raise();
    m_combo->setFocus();
}

bool PropertiesDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the level choice puts its text into the level box. A popup of
    // the combo's own list is not leaving it.
    if (watched == m_combo && event->type() == QEvent::FocusOut && m_combo->isVisible() &&
        !m_combo->view()->isVisible()) {
        m_level->setText(m_combo->currentText());
        m_combo->hide();
    }
    return QDialog::eventFilter(watched, event);
}
