#include "ui/platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

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

} // namespace Accessibility
