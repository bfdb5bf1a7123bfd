#include "ui/document/DiskChangeBar.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace Quillwright {

DiskChangeBar::DiskChangeBar(QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_reload(new QPushButton(tr("Reload"), this)),
      m_save(new QPushButton(tr("Save"), this)), m_keep(new QPushButton(tr("Keep Mine"), this))
{
    setObjectName(QStringLiteral("diskChangeBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setObjectName(QStringLiteral("diskChangeText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_reload->setObjectName(QStringLiteral("diskChangeReload"));
    m_save->setObjectName(QStringLiteral("diskChangeSave"));
    m_keep->setObjectName(QStringLiteral("diskChangeKeep"));
    auto* closeButton = new QToolButton(this);
    closeButton->setObjectName(QStringLiteral("diskChangeClose"));
    closeButton->setText(QStringLiteral("\u2715"));
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setAutoRaise(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_reload);
    layout->addWidget(m_save);
    layout->addWidget(m_keep);
    layout->addWidget(closeButton);
    connect(m_reload, &QPushButton::clicked, this, &DiskChangeBar::reloadRequested);
    connect(m_save, &QPushButton::clicked, this, &DiskChangeBar::saveRequested);
    connect(m_keep, &QPushButton::clicked, this, &DiskChangeBar::close);
    connect(closeButton, &QToolButton::clicked, this, &DiskChangeBar::close);
    hide();
}

void DiskChangeBar::showFor(Kind kind, const QString& path, bool unsaved)
{
    const QString shown = QDir::toNativeSeparators(path);
    m_text->setText(kind == Kind::Deleted
                        ? tr("The file %1 was deleted from disk. Save it again?").arg(shown)
                        : tr("The file %1 was changed on disk by another program.").arg(shown));
    m_reload->setVisible(kind == Kind::Changed);
    m_save->setVisible(kind == Kind::Deleted);
    m_keep->setVisible(kind == Kind::Deleted || !unsaved);
    show();
    emit visibilityChanged();
}

void DiskChangeBar::close()
{
    if (isHidden())
        return;
    hide();
    emit visibilityChanged();
}

QString DiskChangeBar::message() const
{
    return isHidden() ? QString() : m_text->text();
}

} // namespace Quillwright
