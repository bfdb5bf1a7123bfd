// The main window's actions and menus, built from typed tables.
#include "ui/document/DocumentWindow.h"
#include "ui/editor/ModEditor.h"
#include "ui/frame/MainWindow.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Icons.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace Quillwright {

namespace {

struct CommandRow {
    Command command;
    const char* name; // the QAction's object name
    int caption;      // string-table id
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
};

// In the order of the enum, which is menu order.
const CommandRow Commands[] = {
    {Command::FileNew, "mnuFileNew", 1001, QKeySequence::New},
    {Command::FileOpen, "mnuFileOpen", 1002, QKeySequence::Open},
    {Command::FileClose, "mnuFileClose", 1003},
    {Command::FileSave, "mnuFileSave", 1004, QKeySequence::Save},
    {Command::FileSaveAs, "mnuFileSaveAs", 1005},
    {Command::FileSaveAll, "mnuFileSaveAll", 1006},
    {Command::Publish, "mnuPublish", 1071},
    {Command::FileProperties, "mnuFileProperties", 1007},
    {Command::FilePageSetup, "mnuFilePageSetup", 1008},
    {Command::FilePrintPreview, "mnuFilePrintPreview", 1009},
    {Command::FilePrint, "mnuFilePrint", 1010, QKeySequence::Print},
    {Command::FileSend, "mnuFileSend", 1011},
    {Command::FileExit, "mnuFileExit", 1012, QKeySequence::Quit},
    {Command::EditUndo, "mnuEditUndo", 1014, QKeySequence::Undo},
    {Command::EditCut, "mnuEditCut", 1015},
    {Command::EditCopy, "mnuEditCopy", 1016},
    {Command::EditPaste, "mnuEditPaste", 1017, QKeySequence::Paste},
    {Command::EditPasteSpecial, "mnuEditPasteSpecial", 1018},
    {Command::ViewToolbar, "mnuViewToolbar", 1020},
    {Command::ViewStatusBar, "mnuViewStatusBar", 1021},
    {Command::ViewRefresh, "mnuViewRefresh", 1022},
    {Command::ViewOptions, "mnuViewOptions", 1023},
    {Command::ViewWebBrowser, "mnuViewWebBrowser", 1024},
    {Command::ToolsOptions, "mnuToolsOptions", 1026},
    {Command::WindowNewWindow, "mnuWindowNewWindow", 1028},
    {Command::WindowCascade, "mnuWindowCascade", 1029},
    {Command::WindowTileHorizontal, "mnuWindowTileHorizontal", 1030},
    {Command::WindowTileVertical, "mnuWindowTileVertical", 1031},
    {Command::WindowArrangeIcons, "mnuWindowArrangeIcons", 1032},
    {Command::HelpContents, "mnuHelpContents", 1034},
    {Command::HelpSearchForHelpOn, "mnuHelpSearchForHelpOn", 1035},
    {Command::HelpAbout, "mnuHelpAbout", 1036},
};
static_assert(std::size(Commands) == CommandCount);

// A menu entry: a command, or a separator or recent-file slot by its name.
struct MenuEntry {
    enum Kind { Entry, Separator, RecentFile } kind;
    Command command = Command::Count;
    const char* name = nullptr;
};
constexpr MenuEntry entry(Command c)
{
    return {MenuEntry::Entry, c, nullptr};
}
constexpr MenuEntry bar(const char* name)
{
    return {MenuEntry::Separator, Command::Count, name};
}
constexpr MenuEntry recent()
{
    return {MenuEntry::RecentFile, Command::Count, "mnuFileMRU"};
}

struct MenuRow {
    Menu menu;
    const char* name;
    int caption;
    std::vector<MenuEntry> entries;
};

// In the order of the enum, which is the menu bar's order.
const std::vector<MenuRow>& menuTree()
{
    static const std::vector<MenuRow> tree = {
        {Menu::File,
         "mnuFile",
         1000,
         {entry(Command::FileNew),
          entry(Command::FileOpen),
          entry(Command::FileClose),
          bar("mnuFileBar0"),
          entry(Command::FileSave),
          entry(Command::FileSaveAs),
          entry(Command::FileSaveAll),
          entry(Command::Publish),
          bar("mnuFileBar1"),
          entry(Command::FileProperties),
          bar("mnuFileBar2"),
          entry(Command::FilePageSetup),
          entry(Command::FilePrintPreview),
          entry(Command::FilePrint),
          bar("mnuFileBar3"),
          entry(Command::FileSend),
          bar("mnuFileBar4"),
          recent(),
          recent(),
          recent(),
          bar("mnuFileBar5"),
          entry(Command::FileExit)}},
        {Menu::Edit,
         "mnuEdit",
         1013,
         {entry(Command::EditUndo), bar("mnuEditBar0"), entry(Command::EditCut),
          entry(Command::EditCopy), entry(Command::EditPaste), entry(Command::EditPasteSpecial)}},
        {Menu::View,
         "mnuView",
         1019,
         {entry(Command::ViewToolbar), entry(Command::ViewStatusBar), bar("mnuViewBar0"),
          entry(Command::ViewRefresh), entry(Command::ViewOptions),
          entry(Command::ViewWebBrowser)}},
        {Menu::Tools, "mnuTools", 1025, {entry(Command::ToolsOptions)}},
        {Menu::Window,
         "mnuWindow",
         1027,
         {entry(Command::WindowNewWindow), bar("mnuWindowBar0"), entry(Command::WindowCascade),
          entry(Command::WindowTileHorizontal), entry(Command::WindowTileVertical),
          entry(Command::WindowArrangeIcons)}},
        {Menu::Help,
         "mnuHelp",
         1033,
         {entry(Command::HelpContents), entry(Command::HelpSearchForHelpOn), bar("mnuHelpBar0"),
          entry(Command::HelpAbout)}},
    };
    return tree;
}

} // namespace

void MainWindow::createMenus()
{
    for (const CommandRow& row : Commands) {
        auto* a = new QAction(QString::number(row.caption), this);
        a->setObjectName(QString::fromLatin1(row.name));
        if (row.shortcut != QKeySequence::UnknownKey)
            a->setShortcut(row.shortcut);
        m_actions[size_t(row.command)] = a;
    }
    // New and New Window both make an untitled document.
    connect(action(Command::FileNew), &QAction::triggered, this, [this] { NewDocument(); });
    connect(action(Command::WindowNewWindow), &QAction::triggered, this, [this] { NewDocument(); });
    size_t recentCount = 0;
    for (const MenuRow& row : menuTree()) {
        QMenu* m = menuBar()->addMenu(QString::number(row.caption));
        m->setObjectName(QString::fromLatin1(row.name));
        m_menus[size_t(row.menu)] = m;
        for (const MenuEntry& e : row.entries) {
            if (e.kind == MenuEntry::Entry) {
                m->addAction(action(e.command));
                continue;
            }
            auto* a = new QAction(this);
            a->setObjectName(QString::fromLatin1(e.name));
            if (e.kind == MenuEntry::Separator) {
                // No caption: a styled separator would show it as a heading.
                a->setSeparator(true);
            } else {
                a->setVisible(false); // a recent file: shown once there is one
                a->setEnabled(false);
                m_recentEntries[recentCount++] = a;
            }
            m->addAction(a);
        }
    }
    // A menu closed with Esc leaves the focus on the menu bar, where letters
    // and F6 do nothing and a dialog gives it back there: the script takes it.
    for (QMenu* m : m_menus)
        connect(m, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::focusWidget() == menuBar() && !QApplication::activePopupWidget())
                    if (DocumentWindow* doc = activeDocument())
                        doc->mod_fly()->setFocus(Qt::MenuBarFocusReason);
            });
        });
}

} // namespace Quillwright
