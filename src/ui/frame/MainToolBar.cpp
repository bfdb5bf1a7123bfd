// The main window's toolbar, built from its table of buttons.
#include "ui/frame/MainToolBar.h"

#include "core/document/Snapshots.h"
#include "core/script/ModFormat.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/Icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace Quillwright {

namespace {

struct ButtonRow {
    ToolButton button;
    const char* key;
    const char* icon;
    int tooltip; // string id, 0: none
};
// In toolbar order; separators stand between the groups.
const ButtonRow Buttons[] = {
    {ToolButton::New, "New", "new", 1037},    {ToolButton::Open, "Open", "open", 1038},
    {ToolButton::Save, "Save", "save", 1039}, {ToolButton::Print, "Print", "print", 1040},
    {ToolButton::Undo, "undo", "undo", 0},    {ToolButton::Cut, "Cut", "cut", 1041},
    {ToolButton::Copy, "Copy", "copy", 1042}, {ToolButton::Paste, "Paste", "paste", 1043},
    {ToolButton::Find, "Find", "find", 1044}, {ToolButton::Cmd, "cmd", "cmd", 1068},
};
static_assert(std::size(Buttons) == ToolButtonCount);
// A separator goes before these buttons.
bool separatorBefore(ToolButton b)
{
    return b == ToolButton::Print || b == ToolButton::Undo || b == ToolButton::Cut ||
           b == ToolButton::Find || b == ToolButton::Cmd;
}

} // namespace

MainToolBar::MainToolBar(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    m_coolBar = frame.widget()->addToolBar(QStringLiteral("CoolBar1"));
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    m_coolBar->setWindowTitle(tr("Toolbar")); // what assistive technology calls it
    m_toolBar = new QToolBar(QStringLiteral("tbToolBar"), m_coolBar);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setWindowTitle(tr("Commands"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_coolBar->addWidget(m_toolBar);

    for (const ButtonRow& b : Buttons) {
        if (separatorBefore(b.button))
            m_toolBar->addSeparator();
        const QString key = QString::fromLatin1(b.key);
        auto* a = new QAction(Icons::byName(QString::fromLatin1(b.icon)), key, frame.widget());
        a->setProperty("key", key);
        a->setToolTip(b.tooltip ? QString::number(b.tooltip) : QString());
        connect(a, &QAction::triggered, this,
                [this, button = b.button] { tbToolBar_ButtonClick(button); });
        m_buttons[size_t(b.button)] = a;
        if (b.button == ToolButton::Cmd)
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)); // "add an action"
        if (b.button != ToolButton::Undo) {
            m_toolBar->addAction(a);
            continue;
        }
        a->setToolTip(tr("Undo"));
        auto* menu = new QMenu(m_toolBar);
        const std::pair<const char*, const char*> levels[] = {
            {"one", QT_TR_NOOP("one undo level")},
            {"two", QT_TR_NOOP("two undo levels")},
            {"three", QT_TR_NOOP("three undo levels")}};
        for (size_t i = 0; i < std::size(levels); ++i) {
            auto* level = menu->addAction(tr(levels[i].second));
            level->setProperty("key", QString::fromLatin1(levels[i].first));
            connect(level, &QAction::triggered, this,
                    [this, levels = int(i) + 1] { tbToolBar_ButtonMenuClick(levels); });
            m_undoEntries[i] = level;
        }
        m_undoButton = new QToolButton(m_toolBar);
        m_undoButton->setObjectName(QStringLiteral("undo"));
        m_undoButton->setDefaultAction(a);
        m_undoButton->setMenu(menu);
        m_undoButton->setPopupMode(QToolButton::MenuButtonPopup);
        QAction* holder = m_toolBar->addWidget(m_undoButton);
        holder->setProperty("key", key);
    }
}

QList<QAction*> MainToolBar::entries() const
{
    return m_toolBar->actions();
}

void MainToolBar::setVisible(bool visible)
{
    m_toolBar->setVisible(visible);
    m_coolBar->setVisible(visible);
}

void MainToolBar::nameButtons()
{
    // A screen reader reads a button's text, which for the toolbar is its
    // key ("cmd", "undo"): its tooltip in the user's language says what it does.
    for (QAction* a : m_toolBar->actions())
        if (QWidget* button = m_toolBar->widgetForAction(a); button && !a->toolTip().isEmpty())
            button->setAccessibleName(a->toolTip());
    m_undoButton->setAccessibleName(button(ToolButton::Undo)->toolTip());
    // The button a toolbar shows when the window is too narrow for it.
    for (QToolBar* bar : {m_coolBar, m_toolBar})
        for (QToolButton* more : bar->findChildren<QToolButton*>(
                 QStringLiteral("qt_toolbar_ext_button"), Qt::FindDirectChildrenOnly))
            more->setAccessibleName(tr("More buttons"));
}

void MainToolBar::applyUndoControls(const UndoControls& c)
{
    button(ToolButton::Undo)->setEnabled(c.levelOne);
    m_undoEntries[0]->setEnabled(c.levelOne);
    m_undoEntries[1]->setEnabled(c.levelTwo);
    m_undoEntries[2]->setEnabled(c.levelThree);
}

void MainToolBar::tbToolBar_ButtonClick(ToolButton button)
{
    switch (button) {
    case ToolButton::New:
        m_frame.action(Command::FileNew)->trigger();
        break;
    case ToolButton::Open:
        m_frame.action(Command::FileOpen)->trigger();
        break;
    case ToolButton::Save:
        m_frame.action(Command::FileSave)->trigger();
        break;
    case ToolButton::Print:
        m_frame.action(Command::FilePrint)->trigger();
        break;
    case ToolButton::Cut:
        m_frame.action(Command::EditCut)->trigger();
        break;
    case ToolButton::Copy:
        m_frame.action(Command::EditCopy)->trigger();
        break;
    case ToolButton::Paste:
        m_frame.action(Command::EditPaste)->trigger();
        break;
    case ToolButton::Find:
        m_frame.services().dialogs->message(m_frame.widget(), ModFormat::programTitle(),
                                            tr("Add 'Find' button code."));
        break;
    case ToolButton::Cmd:
        emit actionBuilderRequested();
        break;
    case ToolButton::Undo:
        emit undoRequested(1);
        break;
    case ToolButton::Count:
        break;
    }
}

void MainToolBar::tbToolBar_ButtonMenuClick(int levels)
{
    if (levels >= 1 && levels <= 3)
        emit undoRequested(levels);
}

} // namespace Quillwright
