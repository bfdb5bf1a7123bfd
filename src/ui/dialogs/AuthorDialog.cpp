#include "ui/dialogs/AuthorDialog.h"

#include "core/script/AuthorDetails.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Quillwright {

AuthorDialog::AuthorDialog(QLineEdit* authorField, QWidget* parent)
    : QDialog(parent), m_target(authorField)
{
    setObjectName(QStringLiteral("author_dialog"));
    setWindowTitle(tr("Author Details"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto field = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(220);
        return e;
    };
    m_name = field("author_name");
    m_email = field("author_email");
    m_phpbb = field("author_phpbb");
    m_url = field("author_url");
    auto* form = new QFormLayout;
    form->addRow(tr("name:"), m_name);
    form->addRow(tr("e-mail:"), m_email);
    form->addRow(tr("phpBB username:"), m_phpbb);
    form->addRow(tr("your url:"), m_url);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true); // Enter in a field means OK
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* top = new QHBoxLayout(this);
    top->addLayout(form);
    top->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_name);
    setTabOrder(m_name, m_email);
    setTabOrder(m_email, m_phpbb);
    setTabOrder(m_phpbb, m_url);
    connect(ok, &QPushButton::clicked, this, &AuthorDialog::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &AuthorDialog::CancelButton_Click);

    // Form_Load: the current author line, split into its parts.
    m_opened = splitAuthor(m_target ? m_target->text() : QString());
    m_phpbb->setText(m_opened.phpbb);
    m_email->setText(m_opened.email);
    m_name->setText(m_opened.name);
    m_url->setText(m_opened.url);
    ok->setFocus();
}

void AuthorDialog::OKButton_Click()
{
    const AuthorParts parts{m_phpbb->text(), m_email->text(), m_name->text(), m_url->text()};
    if (m_target && parts != m_opened)
        m_target->setText(joinAuthor(parts));
    accept();
}

void AuthorDialog::CancelButton_Click()
{
    reject();
}

} // namespace Quillwright
