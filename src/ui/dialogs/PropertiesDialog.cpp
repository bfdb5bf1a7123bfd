#include "ui/dialogs/PropertiesDialog.h"

#include "core/control/RichTextControl.h"
#include "core/script/HeaderPlaceholders.h"
#include "core/script/ModFormat.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Twips.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace Quillwright {

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
    // Laid out in a grid, in the places the twips gave it, so that longer
    // captions (French) push the boxes over instead of being cut off.
    resize(twipsToPx(this, 4560), twipsToPx(this, 5160));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(twipsToPx(this, 60));
    grid->setColumnStretch(1, 1);

    auto label = [this](const char* text) {
        auto* l = new QLabel(tr(text), this);
        l->setTextFormat(Qt::PlainText);
        QFont small = l->font();
        small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
        l->setFont(small);
        return l;
    };
    auto line = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto multi = [this](const char* name) {
        auto* e = new QPlainTextEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumHeight(twipsToPx(this, 930));
        e->setTabChangesFocus(true);
        return e;
    };
    auto button = [this](const char* name, const char* text, int width) {
        auto* b = new QPushButton(tr(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumWidth(twipsToPx(this, width));
        // Return on a button presses it, as Space does; elsewhere it is OK,
        // the default, whichever button had the focus last.
        b->setAutoDefault(false);
        b->installEventFilter(this);
        return b;
    };

    QLabel* labels[] = {label(QT_TR_NOOP("Title:")),
                        label(QT_TR_NOOP("Version:")),
                        label(QT_TR_NOOP("Author:")),
                        label(QT_TR_NOOP("Description:")),
                        label(QT_TR_NOOP("Installation level:")),
                        label(QT_TR_NOOP("Installation time:")),
                        label(QT_TR_NOOP("Author Notes:"))};
    m_title = line("mod_title");
    m_version = line("mod_version");
    m_author = line("mod_author");
    auto* command1 = button("Command1", "...", 255);
    command1->setMaximumWidth(twipsToPx(this, 400));
    m_desc = multi("mod_desc");
    m_level = line("mod_level");
    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    m_combo->addItems({QStringLiteral("easy"), QStringLiteral("moderate"), QStringLiteral("hard")});
    m_combo->hide();
    m_combo->installEventFilter(this);
    auto* command2 = button("Command2", "...", 255);
    command2->setMaximumWidth(twipsToPx(this, 400));
    m_time = line("mod_time");
    m_notes = multi("mod_authnote");
    QWidget* boxes[] = {m_title, m_version, m_author, m_desc, m_level, m_time, m_notes};
    for (int row = 0; row < int(std::size(labels)); ++row) {
        grid->addWidget(labels[row], row, 0, Qt::AlignLeft | Qt::AlignTop);
        const bool withButton = boxes[row] == m_author || boxes[row] == m_level;
        grid->addWidget(boxes[row], row, 1, 1, withButton ? 1 : 2);
    }
    grid->addWidget(m_combo, 4, 1); // takes the level box's place while it is shown
    grid->addWidget(command1, 2, 2);
    grid->addWidget(command2, 4, 2);
    // Each box is named by its label, for screen readers and Alt keys alike.
    for (size_t i = 0; i < std::size(labels); ++i)
        labels[i]->setBuddy(boxes[i]);
    Accessibility::nameComboBox(m_combo, tr("Installation level"));
    command1->setAccessibleName(tr("Author details"));
    command2->setAccessibleName(tr("Choose the installation level"));
    auto* ok = button("cmdOK", QT_TR_NOOP("OK"), 1095);
    auto* cancel = button("cmdCancel", QT_TR_NOOP("Cancel"), 1095);
    auto* apply = button("cmdApply", QT_TR_NOOP("Apply"), 1095);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    grid->addLayout(buttons, int(std::size(labels)), 0, 1, 3);

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

    ok->setDefault(true);
    centreOnScreen(this);
    ReadHeader();
    ok->setFocus(Qt::TabFocusReason);
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
        setBoxes(HeaderFields::ReadHeader(*m_control));
    m_written = boxes();
}

void PropertiesDialog::WriteHeader()
{
    if (!m_control)
        return;
    // Only the boxes the user changed since they were read or last written.
    const HeaderValues now = boxes();
    HeaderFields::WriteHeader(*m_control, now, m_written);
    m_written = now;
}

void PropertiesDialog::selectFirstPlaceholder()
{
    const QStringList& placeholders = HeaderPlaceholders::written();
    for (QLineEdit* box : {m_title, m_author})
        if (placeholders.contains(box->text().trimmed())) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
            return;
        }
    if (placeholders.contains(m_desc->toPlainText().trimmed())) {
        m_desc->setFocus(Qt::OtherFocusReason);
        m_desc->selectAll();
    }
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
    // The dialog opens with the focus on OK, from the keyboard: its focus
    // ring shows, as after a Tab (the window's activation would hide it).
    if (qobject_cast<QPushButton*>(watched) && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
        setAttribute(Qt::WA_KeyboardFocusChange);
    if (auto* button = qobject_cast<QPushButton*>(watched);
        button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    // Return in the level choice takes the level, as leaving it does; it
    // is not yet OK.
    if (watched == m_combo && event->type() == QEvent::KeyPress && !m_combo->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_level->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    // Leaving the level choice puts its text into the level box. A popup of
    // the combo's own list is not leaving it.
    if (watched == m_combo && event->type() == QEvent::FocusOut && m_combo->isVisible() &&
        !m_combo->view()->isVisible()) {
        m_level->setText(m_combo->currentText());
        m_combo->hide();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace Quillwright
