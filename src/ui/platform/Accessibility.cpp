#include "ui/platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const AnnouncerProperty = "quillwrightAnnouncer";

class Announcer : public QAccessibleWidget {
public:
    explicit Announcer(QLabel* label) : QAccessibleWidget(label, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        auto* box = static_cast<QComboBox*>(widget());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->isEditable() && box->lineEdit() ? box->lineEdit()->text()
                                                        : box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    // The action builder is a tool window that stays on top, but to the user
    // a dialog: it is told as one (Qt would say "filler").
    if (className == QLatin1String("CommandsWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog,
                                     static_cast<QWidget*>(object)->windowTitle());
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(AnnouncerProperty).toBool())
        return new Announcer(label);
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box || box->accessibleName().isEmpty())
        return nullptr;
    return new NamedComboBox(box);
}

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void nameComboBox(QComboBox* box, const QString& name)
{
    install();
    box->setAccessibleName(name);
    if (QLineEdit* edit = box->lineEdit())
        edit->setAccessibleName(name);
}

void makeAnnouncer(QLabel* label)
{
    install();
    label->setProperty(AnnouncerProperty, true);
}

void announce(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (text.isEmpty() || !label->isVisible())
        return;
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace Accessibility
