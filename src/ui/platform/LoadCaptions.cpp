#include "ui/platform/LoadCaptions.h"

#include "core/frame/StringTable.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>

namespace Quillwright {

using StringTable::leadingNumber;
using StringTable::wholeNumber;

namespace {

QString tagOf(const QObject* o)
{
    return o->property("tag").toString();
}

std::optional<QString> textForWhole(const QString& idText)
{
    const std::optional<int> id = wholeNumber(idText);
    return id ? StringTable::text(*id) : std::nullopt;
}

std::optional<QString> textForLeading(const QString& idText)
{
    const int id = leadingNumber(idText);
    return id > 0 ? StringTable::text(id) : std::nullopt;
}

// The designed caption of a control of "any other" type.
const char* captionProperty(const QObject* o)
{
    for (const char* name : {"text", "title"})
        if (o->metaObject()->indexOfProperty(name) >= 0)
            return name;
    return o->isWidgetType() ? "windowTitle" : nullptr;
}

void loadTabs(QObject* control)
{
    QTabBar* bar = qobject_cast<QTabBar*>(control);
    if (!bar)
        if (auto* tabs = qobject_cast<QTabWidget*>(control))
            bar = tabs->tabBar();
    if (!bar)
        return;
    for (int i = 0; i < bar->count(); ++i) {
        const QVariantMap data = bar->tabData(i).toMap();
        if (const auto t = textForWhole(data.value(QStringLiteral("tag")).toString()))
            bar->setTabText(i, *t);
        if (const auto t = textForWhole(bar->tabToolTip(i)))
            bar->setTabToolTip(i, *t);
    }
}

void loadToolbar(QObject* control)
{
    auto* bar = qobject_cast<QToolBar*>(control);
    if (!bar)
        return;
    for (QAction* button : bar->actions())
        if (const auto t = textForWhole(button->toolTip()))
            button->setToolTip(*t);
}

void loadListView(QObject* control)
{
    auto* tree = qobject_cast<QTreeWidget*>(control);
    if (!tree || !tree->headerItem())
        return;
    QTreeWidgetItem* header = tree->headerItem();
    for (int i = 0; i < tree->columnCount(); ++i)
        if (const auto t = textForWhole(header->data(i, Qt::UserRole).toString()))
            header->setText(i, *t);
}

void loadOther(QObject* control)
{
    if (const auto t = textForLeading(tagOf(control)))
        if (const char* prop = captionProperty(control))
            control->setProperty(prop, *t);
    if (const auto t = textForLeading(control->property("toolTip").toString()))
        control->setProperty("toolTip", *t);
}

} // namespace

QString controlTypeName(const QObject* o)
{
    const QVariant declared = o->property("controlType");
    if (declared.isValid())
        return declared.toString();
    if (qobject_cast<const QMenu*>(o) || qobject_cast<const QAction*>(o))
        return QStringLiteral("Menu");
    if (qobject_cast<const QLabel*>(o))
        return QStringLiteral("Label");
    if (qobject_cast<const QTabBar*>(o) || qobject_cast<const QTabWidget*>(o))
        return QStringLiteral("TabStrip");
    if (qobject_cast<const QToolBar*>(o))
        return QStringLiteral("Toolbar");
    return QString::fromLatin1(o->metaObject()->className());
}

void LoadCaptions(QWidget* form)
{
    if (const auto t = textForWhole(tagOf(form)))
        form->setWindowTitle(*t);
    const QFont font = form->font();
    for (QObject* control : form->findChildren<QObject*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue; // not a designed control
        if (auto* w = qobject_cast<QWidget*>(control))
            w->setFont(font);
        else if (auto* a = qobject_cast<QAction*>(control))
            a->setFont(font);
        const QString type = controlTypeName(control);
        if (type == u"Label") {
            if (const auto t = textForWhole(tagOf(control)))
                control->setProperty("text", *t);
        } else if (type == u"Menu") {
            if (auto* menu = qobject_cast<QMenu*>(control)) {
                if (const auto t = textForWhole(menu->title()))
                    menu->setTitle(*t);
            } else if (auto* action = qobject_cast<QAction*>(control)) {
                if (const auto t = textForWhole(action->text()))
                    action->setText(*t);
            }
        } else if (type == u"TabStrip") {
            loadTabs(control);
        } else if (type == u"Toolbar") {
            loadToolbar(control);
        } else if (type == u"ListView") {
            loadListView(control);
        } else {
            loadOther(control);
        }
    }
}

} // namespace Quillwright
