#include "MainWindow.h"

#include "aids/CommandsWindow.h"
#include "app/LoadCaptions.h"
#include "document/DocumentWindow.h"
#include "document/ModFormat.h"
#include "platform/DialogService.h"
#include "platform/Icons.h"
#include "platform/QtRichTextControl.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <climits>

namespace {

const QString App = QStringLiteral("Quillwright");
const QString SettingsSection = QStringLiteral("Settings");

struct MenuEntry {
    const char* name;
    int id; // 0: separator
};

struct Menu {
    const char* name;
    int id;
    std::vector<MenuEntry> entries;
};

const std::vector<Menu>& menuTree()
{
    static const std::vector<Menu> tree = {
        {"mnuFile",
         1000,
         {{"mnuFileNew", 1001},
          {"mnuFileOpen", 1002},
          {"mnuFileClose", 1003},
          {"mnuFileBar0", 0},
          {"mnuFileSave", 1004},
          {"mnuFileSaveAs", 1005},
          {"mnuFileSaveAll", 1006},
          {"mnuPublish", 1071},
          {"mnuFileBar1", 0},
          {"mnuFileProperties", 1007},
          {"mnuFileBar2", 0},
          {"mnuFilePageSetup", 1008},
          {"mnuFilePrintPreview", 1009},
          {"mnuFilePrint", 1010},
          {"mnuFileBar3", 0},
          {"mnuFileSend", 1011},
          {"mnuFileBar4", 0},
          {"mnuFileMRU", -1},
          {"mnuFileMRU", -1},
          {"mnuFileMRU", -1},
          {"mnuFileBar5", 0},
          {"mnuFileExit", 1012}}},
        {"mnuEdit",
         1013,
         {{"mnuEditUndo", 1014},
          {"mnuEditBar0", 0},
          {"mnuEditCut", 1015},
          {"mnuEditCopy", 1016},
          {"mnuEditPaste", 1017},
          {"mnuEditPasteSpecial", 1018}}},
        {"mnuView",
         1019,
         {{"mnuViewToolbar", 1020},
          {"mnuViewStatusBar", 1021},
          {"mnuViewBar0", 0},
          {"mnuViewRefresh", 1022},
          {"mnuViewOptions", 1023},
          {"mnuViewWebBrowser", 1024}}},
        {"mnuTools", 1025, {{"mnuToolsOptions", 1026}}},
        {"mnuWindow",
         1027,
         {{"mnuWindowNewWindow", 1028},
          {"mnuWindowBar0", 0},
          {"mnuWindowCascade", 1029},
          {"mnuWindowTileHorizontal", 1030},
          {"mnuWindowTileVertical", 1031},
          {"mnuWindowArrangeIcons", 1032}}},
        {"mnuHelp",
         1033,
         {{"mnuHelpContents", 1034},
          {"mnuHelpSearchForHelpOn", 1035},
          {"mnuHelpBar0", 0},
          {"mnuHelpAbout", 1036}}},
    };
    return tree;
}

double screenDpi(const QWidget* w)
{
    const QScreen* screen = w->screen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

MainWindow::MainWindow(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ModFormat::programTitle());
    setWindowIcon(Icons::byName(QStringLiteral("app")));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::updateMenus);
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    updateMenus();
}

MainWindow::~MainWindow()
{
    // Closing the children while the window is half destroyed must not call back into it.
    m_mdi->disconnect(this);
    for (DocumentWindow* d : documents()) {
        d->model().disconnect(this);
        d->disconnect(this);
    }
}

QAction* MainWindow::action(const QString& objectName) const
{
    return m_actions.value(objectName);
}

QAction* MainWindow::toolbarButton(const QString& key) const
{
    return m_toolbarButtons.value(key);
}

QList<QAction*> MainWindow::toolbarEntries() const
{
    return m_toolBar->actions();
}

void MainWindow::createActions()
{
    using Handler = void (MainWindow::*)();
    const QHash<QString, Handler> handlers = {
        {"mnuFileOpen", &MainWindow::mnuFileOpen_Click},
        {"mnuFileClose", &MainWindow::mnuFileClose_Click},
        {"mnuFileSave", &MainWindow::mnuFileSave_Click},
        {"mnuFileSaveAs", &MainWindow::mnuFileSaveAs_Click},
        {"mnuFileSaveAll", &MainWindow::mnuFileSaveAll_Click},
        {"mnuPublish", &MainWindow::mnuPublish_Click},
        {"mnuFileProperties", &MainWindow::mnuFileProperties_Click},
        {"mnuFilePageSetup", &MainWindow::mnuFilePageSetup_Click},
        {"mnuFilePrintPreview", &MainWindow::mnuFilePrintPreview_Click},
        {"mnuFilePrint", &MainWindow::mnuFilePrint_Click},
        {"mnuFileSend", &MainWindow::mnuFileSend_Click},
        {"mnuFileExit", &MainWindow::mnuFileExit_Click},
        {"mnuEditUndo", &MainWindow::mnuEditUndo_Click},
        {"mnuEditCut", &MainWindow::mnuEditCut_Click},
        {"mnuEditCopy", &MainWindow::mnuEditCopy_Click},
        {"mnuEditPaste", &MainWindow::mnuEditPaste_Click},
        {"mnuEditPasteSpecial", &MainWindow::mnuEditPasteSpecial_Click},
        {"mnuViewToolbar", &MainWindow::mnuViewToolbar_Click},
        {"mnuViewStatusBar", &MainWindow::mnuViewStatusBar_Click},
        {"mnuViewRefresh", &MainWindow::mnuViewRefresh_Click},
        {"mnuViewOptions", &MainWindow::mnuViewOptions_Click},
        {"mnuViewWebBrowser", &MainWindow::mnuViewWebBrowser_Click},
        {"mnuToolsOptions", &MainWindow::mnuToolsOptions_Click},
        {"mnuWindowCascade", &MainWindow::mnuWindowCascade_Click},
        {"mnuWindowTileHorizontal", &MainWindow::mnuWindowTileHorizontal_Click},
        {"mnuWindowTileVertical", &MainWindow::mnuWindowTileVertical_Click},
        {"mnuWindowArrangeIcons", &MainWindow::mnuWindowArrangeIcons_Click},
        {"mnuHelpContents", &MainWindow::mnuHelpContents_Click},
        {"mnuHelpSearchForHelpOn", &MainWindow::mnuHelpSearchForHelpOn_Click},
        {"mnuHelpAbout", &MainWindow::mnuHelpAbout_Click},
    };
    for (const Menu& menu : menuTree()) {
        for (const MenuEntry& e : menu.entries) {
            auto* a = new QAction(this);
            const QString name = QString::fromLatin1(e.name);
            a->setObjectName(name);
            if (e.id == 0) {
                // No caption: a styled separator would show it as a heading.
                a->setSeparator(true);
                continue;
            }
            if (e.id < 0) {
                a->setVisible(false); // recent files: nothing fills them
                a->setEnabled(false);
                continue;
            }
            a->setText(QString::number(e.id));
            m_actions.insert(name, a);
            if (const Handler h = handlers.value(name))
                connect(a, &QAction::triggered, this, h);
        }
    }
    // New and New Window both make an untitled document.
    connect(action("mnuFileNew"), &QAction::triggered, this, [this] { NewDocument(); });
    connect(action("mnuWindowNewWindow"), &QAction::triggered, this, [this] { NewDocument(); });
    action("mnuViewToolbar")->setCheckable(true);
    action("mnuViewToolbar")->setChecked(true);
    action("mnuViewStatusBar")->setCheckable(true);
    action("mnuViewStatusBar")->setChecked(true);
    action("mnuFileNew")->setShortcut(QKeySequence::New);
    action("mnuFileOpen")->setShortcut(QKeySequence::Open);
    action("mnuFileSave")->setShortcut(QKeySequence::Save);
    action("mnuFilePrint")->setShortcut(QKeySequence::Print);
    action("mnuFileExit")->setShortcut(QKeySequence::Quit);
    action("mnuEditUndo")->setShortcut(QKeySequence::Undo);
    action("mnuEditPaste")->setShortcut(QKeySequence::Paste);
}

void MainWindow::createMenus()
{
    // Actions were created in menu order; the separators and recent-file
    // entries are found again by walking the children in that order.
    const QList<QAction*> all = findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    qsizetype next = 0;
    for (const Menu& menu : menuTree()) {
        QMenu* m = menuBar()->addMenu(QString::number(menu.id));
        m->setObjectName(QString::fromLatin1(menu.name));
        for (size_t i = 0; i < menu.entries.size(); ++i)
            m->addAction(all[next++]);
    }
}

void MainWindow::createToolBar()
{
    m_coolBar = addToolBar(QStringLiteral("CoolBar1"));
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    m_toolBar = new QToolBar(QStringLiteral("tbToolBar"), m_coolBar);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_coolBar->addWidget(m_toolBar);

    struct Button {
        const char* key;
        const char* icon;
        int tooltip; // string id, 0: none
    };
    const Button buttons[] = {
        {"New", "new", 1037},   {"Open", "open", 1038},   {"Save", "save", 1039},
        {nullptr, nullptr, 0},  {"Print", "print", 1040}, {nullptr, nullptr, 0},
        {"undo", "undo", 0},    {nullptr, nullptr, 0},    {"Cut", "cut", 1041},
        {"Copy", "copy", 1042}, {"Paste", "paste", 1043}, {nullptr, nullptr, 0},
        {"Find", "find", 1044}, {nullptr, nullptr, 0},    {"cmd", "cmd", 1068},
    };
    for (const Button& b : buttons) {
        if (!b.key) {
            m_toolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(b.key);
        auto* a = new QAction(Icons::byName(QString::fromLatin1(b.icon)), key, this);
        a->setProperty("key", key);
        a->setToolTip(b.tooltip ? QString::number(b.tooltip) : QString());
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        if (key == u"cmd")
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)); // "add an action"
        m_toolbarButtons.insert(key, a);
        if (key != u"undo") {
            m_toolBar->addAction(a);
            continue;
        }
        a->setToolTip(QStringLiteral("Undo"));
        auto* menu = new QMenu(m_toolBar);
        const std::pair<const char*, const char*> entries[] = {
            {"one", "one undo level"}, {"two", "two undo levels"}, {"three", "three undo levels"}};
        for (const auto& [entryKey, text] : entries) {
            auto* entry = menu->addAction(QString::fromLatin1(text));
            const QString k = QString::fromLatin1(entryKey);
            entry->setProperty("key", k);
            connect(entry, &QAction::triggered, this, [this, k] { tbToolBar_ButtonMenuClick(k); });
            m_undoEntries.insert(k, entry);
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
    m_statusPanel = new QLabel(QStringLiteral("Status"), bar);
    m_datePanel = new QLabel(bar);
    m_timePanel = new QLabel(bar);
    bar->addWidget(m_statusPanel, 1);
    bar->addPermanentWidget(m_datePanel);
    bar->addPermanentWidget(m_timePanel);
    auto refresh = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_datePanel->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        m_timePanel->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    refresh();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, refresh);
    clock->start(1000);
}

void MainWindow::MDIForm_Load(const QString& commandLine)
{
    LoadCaptions(this);
    SettingsStore* s = m_services.settings;
    const double dpi = screenDpi(this);
    auto twips = [&](const char* key, double def) {
        return s ? s->number(App, SettingsSection, QString::fromLatin1(key), def) : def;
    };
    auto px = [dpi](double t) { return int(t * dpi / 1440.0 + 0.5); };
    move(px(twips("MainLeft", 1000)), px(twips("MainTop", 1000)));
    resize(std::max(px(twips("MainWidth", 6500)), 1), std::max(px(twips("MainHeight", 6500)), 1));
    NewDocument();
    if (!commandLine.isEmpty())
        loadCommandLineFile(commandLine);
}

QString MainWindow::commandLineFileName(const QStringList& arguments)
{
    QString name = arguments.mid(1).join(QLatin1Char(' '));
    name.remove(QLatin1Char('"'));
    return name;
}

DocumentWindow* MainWindow::NewDocument()
{
    if (m_documentCount == INT_MAX) {
        m_services.dialogs->message(this, ModFormat::programTitle(),
                                    QStringLiteral("No more document windows can be numbered."),
                                    DialogService::Icon::Warning);
        return nullptr;
    }
    ++m_documentCount;
    DocumentServices ds;
    ds.settings = m_services.settings;
    ds.dialogs = m_services.dialogs;
    ds.programFolder = m_services.programFolder;
    auto* doc = new DocumentWindow(ds);
    connect(&doc->model(), &DocumentModel::undoControlsChanged, this,
            [this, doc](const UndoControls& c) {
                if (activeDocument() == doc)
                    applyUndoControls(c);
            });
    connect(doc, &DocumentWindow::outlineRouteRequested, this, [this](OutlineRoute route) {
        if (route == OutlineRoute::AuthorDialog)
            showAuthorDetails();
        else if (route == OutlineRoute::HeaderDialog)
            showProperties();
    });
    doc->Form_Load();
    doc->setCaption(QStringLiteral("Document %1").arg(m_documentCount));
    QMdiSubWindow* sub = m_mdi->addSubWindow(doc);
    sub->setWindowIcon(doc->windowIcon());
    sub->resize(sub->sizeHint());
    fitIntoArea(sub);
    doc->show();
    m_mdi->setActiveSubWindow(sub);
    updateMenus();
    return doc;
}

void MainWindow::fitIntoArea(QMdiSubWindow* sub) const
{
    // A child larger than the area would leave the area scrolled sideways.
    const QSize area = m_mdi->viewport()->size();
    if (!isVisible() || area.width() < 200 || area.height() < 150)
        return;
    sub->resize(sub->size().boundedTo(area));
    if (!QRect(QPoint(0, 0), area).contains(sub->geometry()))
        sub->move(0, 0);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(200, this, &MainWindow::writeStateReport);
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        fitIntoArea(sub);
}

DocumentWindow* MainWindow::activeDocument() const
{
    QMdiSubWindow* sub = m_mdi->activeSubWindow();
    if (!sub)
        sub = m_mdi->currentSubWindow();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

QList<DocumentWindow*> MainWindow::documents() const
{
    QList<DocumentWindow*> docs;
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (auto* d = qobject_cast<DocumentWindow*>(sub->widget()))
            docs << d;
    return docs;
}

void MainWindow::updateMenus()
{
    DocumentWindow* doc = activeDocument();
    applyUndoControls(doc ? doc->model().undoControls() : UndoControls{});
}

void MainWindow::applyUndoControls(const UndoControls& c)
{
    m_toolbarButtons.value(QStringLiteral("undo"))->setEnabled(c.levelOne);
    m_undoEntries.value(QStringLiteral("one"))->setEnabled(c.levelOne);
    m_undoEntries.value(QStringLiteral("two"))->setEnabled(c.levelTwo);
    m_undoEntries.value(QStringLiteral("three"))->setEnabled(c.levelThree);
    action(QStringLiteral("mnuEditUndo"))->setEnabled(c.levelOne);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    writeStateReport();
    // Each document asks in turn; a Cancel keeps the program running.
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->close()) {
            event->ignore();
            return;
        }
    }
    MDIForm_Unload();
    event->accept();
}

void MainWindow::MDIForm_Unload()
{
    if (SettingsStore* s = m_services.settings) {
        if (!isMinimized()) {
            const double dpi = screenDpi(this);
            auto twips = [dpi](int px) { return QString::number(qRound(px * 1440.0 / dpi)); };
            s->setValue(App, SettingsSection, QStringLiteral("MainLeft"), twips(pos().x()));
            s->setValue(App, SettingsSection, QStringLiteral("MainTop"), twips(pos().y()));
            s->setValue(App, SettingsSection, QStringLiteral("MainWidth"), twips(width()));
            s->setValue(App, SettingsSection, QStringLiteral("MainHeight"), twips(height()));
        }
        s->setValue(App, SettingsSection, QStringLiteral("Repair"), QStringLiteral("YES"));
    }
    if (m_commands)
        m_commands->close();
}

void MainWindow::writeStateReport() const
{
    // A plain description of what the program shows, for end-to-end tests
    // that drive it from outside: QUILLWRIGHT_STATE_FILE names the file.
    const QString path = qEnvironmentVariable("QUILLWRIGHT_STATE_FILE");
    if (path.isEmpty())
        return;
    QJsonArray menus;
    for (QAction* a : menuBar()->actions())
        menus.append(a->text());
    QJsonArray docs;
    for (DocumentWindow* d : documents()) {
        QJsonArray actions;
        for (const ActionOutline::Node& n : d->model().outline().nodes())
            actions.append(n.text);
        docs.append(QJsonObject{{"caption", d->caption()},
                                {"font", d->control().fontName()},
                                {"text", d->control().text()},
                                {"actions", actions}});
    }
    QJsonArray children;
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        const QPoint global = sub->mapToGlobal(QPoint(0, 0));
        children.append(QJsonObject{{"title", sub->windowTitle()},
                                    {"x", sub->x()},
                                    {"y", sub->y()},
                                    {"width", sub->width()},
                                    {"height", sub->height()},
                                    {"globalX", global.x()},
                                    {"globalY", global.y()}});
    }
    QJsonObject report{
        {"title", windowTitle()}, {"menus", menus}, {"documents", docs}, {"children", children}};
    if (m_undoButton && m_undoButton->isVisible()) {
        const QRect r(m_undoButton->mapToGlobal(QPoint(0, 0)), m_undoButton->size());
        report.insert(
            "undoButton",
            QJsonObject{{"x", r.x()}, {"y", r.y()}, {"width", r.width()}, {"height", r.height()}});
    }
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(QJsonDocument(report).toJson());
}

QPrinter* MainWindow::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}
