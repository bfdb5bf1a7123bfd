#include "ui/platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>

#include <vector>

namespace Quillwright {

namespace {

const char* const AnnouncerProperty = "quillwrightAnnouncer";
const char* const QuietProperty = "quillwrightQuiet";

// A widget's interface is made once, when a screen reader first hears of
// it, and kept under its id: a label must be marked before it says
// anything, or it is told as a plain label for good (clients keep the role
// they were told with the id).
void expectNothingSaid(const QLabel* label)
{
    Q_ASSERT_X(label->text().isEmpty(), "Accessibility",
               "a label is made an announcer or quiet before its first text");
    Q_UNUSED(label);
}

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

// Named by its caption ("Time") and read with its text; Qt's label tells
// no change of text once a label has a name of its own.
class QuietLabel : public QAccessibleWidget {
public:
    explicit QuietLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        auto* label = static_cast<QLabel*>(widget());
        if (t == QAccessible::Name)
            return label->accessibleName() + QStringLiteral(" ") + label->text();
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

// One page of a named tab list. Qt's own pages are private to its tab-list
// interface, which names the list after the page shown; replacing the list
// means telling its pages too.
class TabPage : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabPage(QTabBar* bar, int index) : m_bar(bar), m_index(index) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = m_bar->focusPolicy() != Qt::NoFocus;
        s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focused = s.selected && m_bar->hasFocus();
        s.disabled = !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible() || !m_bar->isTabVisible(m_index);
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return QString(m_bar->tabText(m_index)).remove(u'&');
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (isValid() && name == pressAction())
            m_bar->setCurrentIndex(m_index);
    }

private:
    QPointer<QTabBar> m_bar;
    int m_index;
};

// A tab list named for what its pages choose ("Option pages"), the page
// shown being its selected child, not its name.
class NamedTabList : public QAccessibleWidget {
public:
    explicit NamedTabList(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~NamedTabList() override
    {
        for (QAccessible::Id id : m_pages)
            QAccessible::deleteAccessibleInterface(id);
    }

    QTabBar* bar() const { return static_cast<QTabBar*>(object()); }
    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        while (int(m_pages.size()) <= index)
            m_pages.push_back(
                QAccessible::registerAccessibleInterface(new TabPage(bar(), int(m_pages.size()))));
        return QAccessible::accessibleInterface(m_pages[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* page) const override
    {
        for (size_t i = 0; i < m_pages.size(); ++i)
            if (QAccessible::accessibleInterface(m_pages[i]) == page)
                return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint at = bar()->mapFromGlobal(QPoint(x, y));
        const int index = bar()->tabAt(at);
        return index < 0 ? nullptr : child(index);
    }
    QAccessibleInterface* focusChild() const override
    {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? bar()->accessibleName() : QAccessibleWidget::text(t);
    }

private:
    mutable std::vector<QAccessible::Id> m_pages;
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (auto* bar = qobject_cast<QTabBar*>(object);
        bar && className == QLatin1String("QTabBar") && !bar->accessibleName().isEmpty())
        return new NamedTabList(bar);
    // The action builder is a tool window that stays on top, but to the user
    // a dialog: it is told as one (Qt would say "filler").
    if (className == QLatin1String("Quillwright::CommandsWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog,
                                     static_cast<QWidget*>(object)->windowTitle());
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(AnnouncerProperty).toBool())
        return new Announcer(label);
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(QuietProperty).toBool())
        return new QuietLabel(label);
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

void nameTabBar(QTabBar* bar, const QString& name)
{
    install();
    bar->setAccessibleName(name);
}

void makeAnnouncer(QLabel* label)
{
    install();
    expectNothingSaid(label);
    label->setProperty(AnnouncerProperty, true);
}

void makeQuiet(QLabel* label, const QString& name)
{
    install();
    expectNothingSaid(label);
    label->setProperty(QuietProperty, true);
    label->setAccessibleName(name);
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

} // namespace Quillwright
