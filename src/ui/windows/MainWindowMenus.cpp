// The main window's menus, toolbar and status bar, built from typed tables.
#include "ui/editor/ModEditor.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/Icons.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/EditMenuAdditions.h"
#include "ui/windows/InstallMenuCommands.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/ProblemsPanel.h"
#include "ui/windows/RecentFiles.h"
#include "ui/windows/WindowList.h"
#include "ui/windows/WriteMenuCommands.h"

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

namespace {

using Handler = void (MainWindow::*)();

struct CommandRow {
    Command command;
    const char* name; // the QAction's object name
    int caption;      // string-table id
    Handler handler;  // null: connected by hand
    QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey;
};

// In the order of the enum, which is menu order.
const CommandRow Commands[] = {
    {Command::FileNew, "mnuFileNew", 1001, nullptr, QKeySequence::New},
    {Command::FileOpen, "mnuFileOpen", 1002, &MainWindow::mnuFileOpen_Click, QKeySequence::Open},
    {Command::FileClose, "mnuFileClose", 1003, &MainWindow::mnuFileClose_Click},
    {Command::FileSave, "mnuFileSave", 1004, &MainWindow::mnuFileSave_Click, QKeySequence::Save},
    {Command::FileSaveAs, "mnuFileSaveAs", 1005, &MainWindow::mnuFileSaveAs_Click},
    {Command::FileSaveAll, "mnuFileSaveAll", 1006, &MainWindow::mnuFileSaveAll_Click},
    {Command::Publish, "mnuPublish", 1071, &MainWindow::mnuPublish_Click},
    {Command::FileProperties, "mnuFileProperties", 1007, &MainWindow::mnuFileProperties_Click},
    {Command::FilePageSetup, "mnuFilePageSetup", 1008, &MainWindow::mnuFilePageSetup_Click},
    {Command::FilePrintPreview, "mnuFilePrintPreview", 1009,
     &MainWindow::mnuFilePrintPreview_Click},
    {Command::FilePrint, "mnuFilePrint", 1010, &MainWindow::mnuFilePrint_Click,
     QKeySequence::Print},
    {Command::FileSend, "mnuFileSend", 1011, &MainWindow::mnuFileSend_Click},
    {Command::FileExit, "mnuFileExit", 1012, &MainWindow::mnuFileExit_Click, QKeySequence::Quit},
    {Command::EditUndo, "mnuEditUndo", 1014, &MainWindow::mnuEditUndo_Click, QKeySequence::Undo},
    {Command::EditCut, "mnuEditCut", 1015, &MainWindow::mnuEditCut_Click},
    {Command::EditCopy, "mnuEditCopy", 1016, &MainWindow::mnuEditCopy_Click},
    {Command::EditPaste, "mnuEditPaste", 1017, &MainWindow::mnuEditPaste_Click,
     QKeySequence::Paste},
    {Command::EditPasteSpecial, "mnuEditPasteSpecial", 1018,
     &MainWindow::mnuEditPasteSpecial_Click},
    {Command::ViewToolbar, "mnuViewToolbar", 1020, &MainWindow::mnuViewToolbar_Click},
    {Command::ViewStatusBar, "mnuViewStatusBar", 1021, &MainWindow::mnuViewStatusBar_Click},
    {Command::ViewRefresh, "mnuViewRefresh", 1022, &MainWindow::mnuViewRefresh_Click},
    {Command::ViewOptions, "mnuViewOptions", 1023, &MainWindow::mnuViewOptions_Click},
    {Command::ViewWebBrowser, "mnuViewWebBrowser", 1024, &MainWindow::mnuViewWebBrowser_Click},
    {Command::ToolsOptions, "mnuToolsOptions", 1026, &MainWindow::mnuToolsOptions_Click},
    {Command::WindowNewWindow, "mnuWindowNewWindow", 1028, nullptr},
    {Command::WindowCascade, "mnuWindowCascade", 1029, &MainWindow::mnuWindowCascade_Click},
    {Command::WindowTileHorizontal, "mnuWindowTileHorizontal", 1030,
     &MainWindow::mnuWindowTileHorizontal_Click},
    {Command::WindowTileVertical, "mnuWindowTileVertical", 1031,
     &MainWindow::mnuWindowTileVertical_Click},
    {Command::WindowArrangeIcons, "mnuWindowArrangeIcons", 1032,
     &MainWindow::mnuWindowArrangeIcons_Click},
    {Command::HelpContents, "mnuHelpContents", 1034, &MainWindow::mnuHelpContents_Click},
    {Command::HelpSearchForHelpOn, "mnuHelpSearchForHelpOn", 1035,
     &MainWindow::mnuHelpSearchForHelpOn_Click},
    {Command::HelpAbout, "mnuHelpAbout", 1036, &MainWindow::mnuHelpAbout_Click},
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

struct Menu {
    const char* name;
    int caption;
    std::vector<MenuEntry> entries;
};

const std::vector<Menu>& menuTree()
{
    static const std::vector<Menu> tree = {
        {"mnuFile",
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
        {"mnuEdit",
         1013,
         {entry(Command::EditUndo), bar("mnuEditBar0"), entry(Command::EditCut),
          entry(Command::EditCopy), entry(Command::EditPaste), entry(Command::EditPasteSpecial)}},
        {"mnuView",
         1019,
         {entry(Command::ViewToolbar), entry(Command::ViewStatusBar), bar("mnuViewBar0"),
          entry(Command::ViewRefresh), entry(Command::ViewOptions),
          entry(Command::ViewWebBrowser)}},
        {"mnuTools", 1025, {entry(Command::ToolsOptions)}},
        {"mnuWindow",
         1027,
         {entry(Command::WindowNewWindow), bar("mnuWindowBar0"), entry(Command::WindowCascade),
          entry(Command::WindowTileHorizontal), entry(Command::WindowTileVertical),
          entry(Command::WindowArrangeIcons)}},
        {"mnuHelp",
         1033,
         {entry(Command::HelpContents), entry(Command::HelpSearchForHelpOn), bar("mnuHelpBar0"),
          entry(Command::HelpAbout)}},
    };
    return tree;
}

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

void MainWindow::createActions()
{
    for (const CommandRow& row : Commands) {
        auto* a = new QAction(QString::number(row.caption), this);
        a->setObjectName(QString::fromLatin1(row.name));
        if (row.shortcut != QKeySequence::UnknownKey)
            a->setShortcut(row.shortcut);
        if (row.handler)
            connect(a, &QAction::triggered, this, row.handler);
        m_actions[size_t(row.command)] = a;
    }
    // New and New Window both make an untitled document.
    connect(action(Command::FileNew), &QAction::triggered, this, [this] { NewDocument(); });
    connect(action(Command::WindowNewWindow), &QAction::triggered, this, [this] { NewDocument(); });
    for (Command c : {Command::ViewToolbar, Command::ViewStatusBar}) {
        action(c)->setCheckable(true);
        action(c)->setChecked(true);
    }
}

void MainWindow::createMenus()
{
    std::array<QAction*, RecentFiles::Count> recentEntries{};
    size_t recentCount = 0;
    for (const Menu& menu : menuTree()) {
        QMenu* m = menuBar()->addMenu(QString::number(menu.caption));
        m->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuEntry& e : menu.entries) {
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
                recentEntries[recentCount++] = a;
            }
            m->addAction(a);
        }
    }
    // A menu closed with Esc leaves the focus on the menu bar, where letters
    // and F6 do nothing and a dialog gives it back there: the script takes it.
    for (QMenu* m : menuBar()->findChildren<QMenu*>())
        connect(m, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (QApplication::focusWidget() == menuBar() && !QApplication::activePopupWidget())
                    if (DocumentWindow* doc = activeDocument())
                        doc->mod_fly()->setFocus(Qt::MenuBarFocusReason);
            });
        });
    m_recentFiles = new RecentFiles(m_services.settings, recentEntries, this);
    connect(m_recentFiles, &RecentFiles::openRequested, this, &MainWindow::openRecentFile);
    auto* edit = menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    m_editAdditions = new EditMenuAdditions(*this, *edit);
    auto* tools = menuBar()->findChild<QMenu*>(QStringLiteral("mnuTools"));
    m_problems = new ProblemsPanel(*this, *tools);
    addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    m_installCommands = new InstallMenuCommands(*this, *tools);
    m_writeCommands = new WriteMenuCommands(*this, *tools);
    auto* window = menuBar()->findChild<QMenu*>(QStringLiteral("mnuWindow"));
    m_windowList = new WindowList(*m_mdi, *window);
}

void MainWindow::createToolBar()
{
    m_coolBar = addToolBar(QStringLiteral("CoolBar1"));
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
        auto* a = new QAction(Icons::byName(QString::fromLatin1(b.icon)), key, this);
        a->setProperty("key", key);
        a->setToolTip(b.tooltip ? QString::number(b.tooltip) : QString());
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        m_toolbarButtons[size_t(b.button)] = a;
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
            const QString k = QString::fromLatin1(levels[i].first);
            level->setProperty("key", k);
            connect(level, &QAction::triggered, this, [this, k] { tbToolBar_ButtonMenuClick(k); });
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

void MainWindow::createStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    m_statusPanel = new QLabel(tr("Status"), bar);
    Accessibility::makeAnnouncer(m_statusPanel);
    m_encodingPanel = new QToolButton(bar);
    m_encodingPanel->setObjectName(QStringLiteral("encodingPanel"));
    m_encodingPanel->setToolTip(
        tr("The encoding the script is saved in: a click chooses it for the next save"));
    m_encodingPanel->setAutoRaise(true);
    m_encodingPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_encodingPanel->setPopupMode(QToolButton::InstantPopup);
    auto* encodings = new QMenu(m_encodingPanel);
    encodings->setObjectName(QStringLiteral("encodingMenu"));
    for (TextEncoding e : {TextEncoding::Windows1252, TextEncoding::Utf8}) {
        QAction* a = encodings->addAction(encodingName(e));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, e] {
            DocumentWindow* doc = activeDocument();
            if (!doc)
                return;
            // UTF-8 with its mark is UTF-8 already: the mark stays.
            const bool utf8Already = doc->encoding() != TextEncoding::Windows1252;
            if (e == TextEncoding::Windows1252 || !utf8Already)
                doc->setEncoding(e);
            updateMenus();
        });
    }
    connect(encodings, &QMenu::aboutToShow, this, [this, encodings] {
        const DocumentWindow* doc = activeDocument();
        const bool utf8 = doc && doc->encoding() != TextEncoding::Windows1252;
        encodings->actions()[0]->setChecked(doc && !utf8);
        encodings->actions()[1]->setChecked(utf8);
    });
    m_encodingPanel->setMenu(encodings);
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(QStringLiteral("datePanel"));
    m_timePanel = new QLabel(bar);
    m_timePanel->setObjectName(QStringLiteral("timePanel"));
    // The status names files: plain text, whatever their names hold.
    for (QLabel* panel : {m_statusPanel, m_datePanel, m_timePanel})
        panel->setTextFormat(Qt::PlainText);
    bar->addWidget(m_statusPanel, 1);
    // The checker's findings, after the status: a click or F8 goes to the next.
    m_checkPanel = new QToolButton(bar);
    m_checkPanel->setObjectName(QStringLiteral("checkPanel"));
    m_checkPanel->setAutoRaise(true);
    m_checkPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_checkPanel->setToolTip(tr("The script checker's findings: a click or F8 goes to the next "
                                "(Shift+F8 the one before)"));
    m_checkPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* forum = new QAction(tr("Check against forum files..."), m_checkPanel);
    forum->setObjectName(QStringLiteral("checkAgainstForum"));
    m_checkPanel->addAction(forum);
    connect(forum, &QAction::triggered, this, &MainWindow::chooseForumFolder);
    // The forum, and the kinds of problem not to report (the one at the caret).
    connect(m_checkPanel, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu;
        menu.addActions(m_checkPanel->actions());
        DocumentWindow* doc = activeDocument();
        m_problems->addRuleActions(menu, doc ? doc->ruleAtCaret() : QString());
        menu.exec(m_checkPanel->mapToGlobal(at));
    });
    connect(m_checkPanel, &QToolButton::clicked, this, [this] {
        if (DocumentWindow* doc = activeDocument())
            doc->goToFinding(1);
    });
    bar->addPermanentWidget(m_checkPanel);
    bar->addPermanentWidget(m_encodingPanel);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);
    auto refresh = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        // Set only when the words change: each setting tells assistive
        // technology the name changed, and a clock must not speak every second.
        const QString date = QLocale().toString(now.date(), QLocale::ShortFormat);
        const QString time = QLocale().toString(now.time(), QLocale::ShortFormat);
        if (m_datePanel->text() != date)
            m_datePanel->setText(date);
        if (m_timePanel->text() != time)
            m_timePanel->setText(time);
    };
    refresh();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, refresh);
    clock->start(1000);
}

QList<QAction*> MainWindow::toolbarEntries() const
{
    return m_toolBar->actions();
}
