#include "ui/frame/MainWindow.h"

#include "core/checker/Finding.h"
#include "core/frame/Twips.h"
#include "core/frame/WindowPlacement.h"
#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"
#include "ui/checker/CheckerForum.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/checker/ProblemsPanel.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/dialogs/PropertiesDialog.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/ModEditor.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/find/FindBar.h"
#include "ui/find/GoToLineBar.h"
#include "ui/frame/DialogCommands.h"
#include "ui/frame/EditCommands.h"
#include "ui/frame/FileCommands.h"
#include "ui/frame/FocusPanes.h"
#include "ui/frame/MainToolBar.h"
#include "ui/frame/RecentFiles.h"
#include "ui/frame/SessionCommands.h"
#include "ui/frame/StateReport.h"
#include "ui/frame/StatusFields.h"
#include "ui/frame/ViewCommands.h"
#include "ui/frame/WindowCommands.h"
#include "ui/frame/WindowList.h"
#include "ui/install/InstallMenuCommands.h"
#include "ui/install/WriteMenuCommands.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/ActiveWindow.h"
#include "ui/platform/ContextMenuKeys.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FocusFrame.h"
#include "ui/platform/Icons.h"
#include "ui/platform/LoadCaptions.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <climits>

namespace Quillwright {

namespace {

const QString App = ModFormat::programTitle();
const QString SettingsSection = QStringLiteral("Settings");

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
    Accessibility::install();
    FocusFrame::install();
    ContextMenuKeys::install();
    ActiveWindow::install();
    setWindowTitle(ModFormat::programTitle());
    setWindowIcon(Icons::byName(QStringLiteral("app")));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::updateMenus);
    createMenus();
    createControllers();
    updateMenus();
}

void MainWindow::createControllers()
{
    m_forum = new CheckerForum(*this);
    m_files = new FileCommands(*this);
    m_views = new ViewCommands(*this);
    m_dialogs = new DialogCommands(*this);
    m_windows = new WindowCommands(*this);
    m_session = new SessionCommands(*this);
    m_recentFiles = new RecentFiles(m_services.settings, m_recentEntries, this);
    m_edits = new EditCommands(*this, *menu(Menu::Edit));
    m_problems = new ProblemsPanel(*this, *menu(Menu::Tools));
    addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    m_installCommands = new InstallMenuCommands(*this, *menu(Menu::Tools));
    m_writeCommands = new WriteMenuCommands(*this, *menu(Menu::Tools));
    m_windowList = new WindowList(*m_mdi, *menu(Menu::Window));
    m_toolbar = new MainToolBar(*this);
    m_status = new StatusFields(*this);
    m_stateReport = new StateReport(*this, m_status->statusPanel(), m_toolbar->undoButton());
    new FocusPanes(this, [this] {
        std::vector<FocusPanes::Pane> panes;
        if (DocumentWindow* doc = activeDocument()) {
            panes.push_back({doc->mod_fly(), doc->mod_fly()});
            if (!doc->findBar()->isHidden())
                panes.push_back({doc->findBar(), doc->findBar()->findField()});
            if (!doc->goToLineBar()->isHidden())
                panes.push_back({doc->goToLineBar(), doc->goToLineBar()->field()});
            panes.push_back({doc->Actionlist(), doc->Actionlist()});
        }
        if (m_problems->isVisible())
            panes.push_back({m_problems, m_problems->list()});
        for (QWidget* button : {static_cast<QWidget*>(m_status->checkPanel()),
                                static_cast<QWidget*>(m_status->encodingPanel())})
            if (button->isVisible() && button->isEnabled())
                panes.push_back({button, button});
        return panes;
    });

    connect(m_recentFiles, &RecentFiles::openRequested, m_files, &FileCommands::openRecentFile);
    connect(m_files, &FileCommands::fileOpened, m_recentFiles, &RecentFiles::add);
    connect(m_files, &FileCommands::recentFileGone, m_recentFiles, &RecentFiles::remove);
    connect(m_files, &FileCommands::propertiesRequested, m_dialogs,
            [this] { m_dialogs->showProperties(); });
    connect(m_edits, &EditCommands::undoControlsApplied, m_toolbar,
            &MainToolBar::applyUndoControls);
    connect(m_toolbar, &MainToolBar::undoRequested, m_edits, &EditCommands::undoLevels);
    connect(m_toolbar, &MainToolBar::actionBuilderRequested, m_dialogs,
            [this] { m_dialogs->showActionBuilder(); });
    connect(m_views, &ViewCommands::toolbarShown, m_toolbar, &MainToolBar::setVisible);
    connect(m_views, &ViewCommands::optionsRequested, m_dialogs,
            [this] { m_dialogs->showOptions(); });
    connect(m_status, &StatusFields::ruleMenuRequested, m_problems, &ProblemsPanel::addRuleActions);
    connect(m_writeCommands, &WriteMenuCommands::headerToFinish, m_dialogs, [this] {
        if (PropertiesDialog* properties = m_dialogs->showProperties())
            properties->selectFirstPlaceholder();
    });
}

MainWindow::~MainWindow()
{
    // Closing the children while the window is half destroyed must not call
    // back into it, nor into its controllers (the window list reads the area).
    disconnect(m_mdi, &QMdiArea::subWindowActivated, nullptr, nullptr);
    for (DocumentWindow* d : documents()) {
        d->model().disconnect(this);
        d->disconnect(this);
    }
}

void MainWindow::MDIForm_Load(const QString& commandLine)
{
    LoadCaptions(this);
    m_toolbar->nameButtons();
    SettingsStore* s = m_services.settings;
    const double dpi = screenDpi(this);
    auto twips = [&](const char* key, double def) {
        return s ? s->number(App, SettingsSection, QString::fromLatin1(key), def) : def;
    };
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect placed =
        WindowPlacement::place({twips("MainLeft", WindowPlacement::DefaultLeft),
                                twips("MainTop", WindowPlacement::DefaultTop),
                                twips("MainWidth", WindowPlacement::DefaultWidth),
                                twips("MainHeight", WindowPlacement::DefaultHeight)},
                               dpi, screens);
    move(placed.topLeft());
    resize(placed.size());
    m_problems->restorePlace(*this);
    NewDocument();
    if (commandLine.isEmpty())
        return;
    // The frame shows before a file named on the command line is read: the
    // user sees the window and the progress at once, and the script's widget
    // takes its size while it holds the template. Sized after, the widget
    // would lay out every line of a big script again, at half a kilobyte a
    // line that stays.
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!m_session->sessionEnding())
        m_files->loadCommandLineFile(commandLine);
}

DocumentWindow* MainWindow::NewDocument()
{
    if (m_documentCount == INT_MAX) {
        m_services.dialogs->message(this, ModFormat::programTitle(),
                                    tr("No more document windows can be numbered."),
                                    DialogService::Icon::Warning);
        return nullptr;
    }
    ++m_documentCount;
    DocumentServices ds;
    ds.settings = m_services.settings;
    ds.dialogs = m_services.dialogs;
    ds.programFolder = m_services.programFolder;
    ds.journal = m_services.journal;
    ds.number = m_documentCount;
    auto* doc = new DocumentWindow(ds);
    connect(&doc->model(), &DocumentModel::undoControlsChanged, this,
            [this, doc](const UndoControls& c) {
                if (activeDocument() == doc)
                    m_edits->applyUndoControls(c);
            });
    connect(&doc->checks(), &DocumentChecks::findingsChanged, this, [this, doc] {
        if (activeDocument() == doc)
            updateMenus();
    });
    doc->mod_fly()->setProgramActions(action(Command::EditUndo), m_edits->redo(),
                                      action(Command::EditPaste));
    doc->checks().setIgnoredRules(m_problems->ignoredRules());
    connect(&doc->checks(), &DocumentChecks::ignoreRuleRequested, m_problems,
            &ProblemsPanel::ignoreRule);
    if (!m_forum->folder().isEmpty())
        doc->checks().setForumFolder(m_forum->folder());
    connect(doc, &DocumentWindow::statusMessageChanged, m_status,
            &StatusFields::showDocumentStatus);
    connect(&doc->file(), &DocumentFile::reloadRequested, this,
            [this, doc] { m_files->reload(doc); });
    connect(&doc->file(), &DocumentFile::savedTo, this, [this](const QString& path) {
        m_recentFiles->add(path);
        updateMenus(); // saving may have made the script UTF-8
    });
    connect(doc, &DocumentWindow::outlineRouteRequested, this, [this](OutlineRoute route) {
        if (route == OutlineRoute::AuthorDialog)
            m_dialogs->showAuthorDetails();
        else if (route == OutlineRoute::HeaderDialog)
            m_dialogs->showProperties();
    });
    doc->Form_Load();
    doc->setCaption(tr("Document %1").arg(m_documentCount));
    QMdiSubWindow* sub = addChild(doc);
    doc->show();
    m_mdi->setActiveSubWindow(sub);
    updateMenus();
    return doc;
}

QMdiSubWindow* MainWindow::addChild(QWidget* child)
{
    QMdiSubWindow* sub = m_mdi->addSubWindow(child);
    sub->setWindowIcon(child->windowIcon());
    sub->resize(sub->sizeHint());
    WindowCommands::fitIntoArea(*m_mdi, sub);
    return sub;
}

void MainWindow::openScript(const QString& path)
{
    m_files->openFiles({path});
    DocumentWindow* doc = activeDocument();
    if (doc && doc->file().path() == path && !doc->model().hasUnsavedChanges())
        m_files->reload(doc);
}

void MainWindow::showStatus(const QString& text)
{
    Accessibility::announce(m_status->statusPanel(), text);
}

bool MainWindow::sessionEnding() const
{
    return m_session->sessionEnding();
}

bool MainWindow::isLoading() const
{
    return m_files->isLoading();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_stateReport->start();
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        WindowCommands::fitIntoArea(*m_mdi, sub);
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
    m_edits->update();
    m_status->update();
    m_installCommands->update();
    m_writeCommands->update();
    m_problems->refresh();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_stateReport->writeLast();
    // Each document asks in turn; a Cancel keeps the program running.
    if (!m_session->closeAll()) {
        m_stateReport->resume();
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

void MainWindow::MDIForm_Unload()
{
    if (SettingsStore* s = m_services.settings) {
        if (!isMinimized()) {
            const double dpi = screenDpi(this);
            auto twips = [dpi](int px) { return QString::number(qRound(pixelsToTwips(px, dpi))); };
            s->setValue(App, SettingsSection, QStringLiteral("MainLeft"), twips(pos().x()));
            s->setValue(App, SettingsSection, QStringLiteral("MainTop"), twips(pos().y()));
            s->setValue(App, SettingsSection, QStringLiteral("MainWidth"), twips(width()));
            s->setValue(App, SettingsSection, QStringLiteral("MainHeight"), twips(height()));
            m_problems->savePlace();
        }
        s->setValue(App, SettingsSection, QStringLiteral("Repair"), QStringLiteral("YES"));
    }
    if (CommandsWindow* builder = m_dialogs->actionBuilder())
        builder->close();
}

} // namespace Quillwright
