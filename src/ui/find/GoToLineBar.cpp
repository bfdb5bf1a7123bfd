#include "ui/find/GoToLineBar.h"

#include "ui/editor/QtRichTextControl.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <limits>

namespace Quillwright {

GoToLineBar::GoToLineBar(QtRichTextControl& control, QWidget* parent)
    : QWidget(parent), m_control(control), m_field(new QSpinBox(this)), m_of(new QLabel(this))
{
    setObjectName(QStringLiteral("goToLineBar"));
    setAutoFillBackground(true);
    m_field->setObjectName(QStringLiteral("goToLineField"));
    m_field->setAccessibleName(tr("Line number"));
    // Any number is taken, as in the editors users know: past the end is the
    // last line, 0 the first. A maximum of the line count would drop digits.
    m_field->setRange(0, std::numeric_limits<int>::max());
    m_of->setTextFormat(Qt::PlainText);
    auto* label = new QLabel(tr("Go to line:"), this);
    label->setBuddy(m_field);
    auto* go = new QPushButton(tr("Go"), this);
    go->setObjectName(QStringLiteral("goToLineButton"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addWidget(m_of);
    layout->addWidget(go);
    layout->addStretch();
    m_field->installEventFilter(this);
    connect(go, &QPushButton::clicked, this, [this] { goToLine(m_field->value()); });
    hide();
}

void GoToLineBar::open()
{
    const int lines = m_control.lineCount();
    m_field->setValue(m_control.lineAt(m_control.selStart()) + 1);
    m_of->setText(tr("of %1").arg(lines));
    m_field->setAccessibleName(tr("Line number, of %1").arg(lines));
    show();
    emit visibilityChanged();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void GoToLineBar::close()
{
    hide();
    emit visibilityChanged();
    m_control.editor()->setFocus(Qt::OtherFocusReason);
}

void GoToLineBar::goToLine(int number)
{
    const int line = std::clamp(number, 1, m_control.lineCount()) - 1;
    m_control.setSelStart(m_control.lineStart(line));
    close();
    m_control.editor()->centerCursor();
}

bool GoToLineBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_field->interpretText();
            goToLine(m_field->value());
            return true;
        }
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace Quillwright
