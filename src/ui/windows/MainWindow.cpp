#include "ui/windows/MainWindow.h"

#include "core/checker/Finding.h"
#include "core/frame/WindowPlacement.h"
#include "core/script/ModFormat.h"
#include "core/settings/SettingsStore.h"
#include "ui/dialogs/CommandsWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/Accessibility.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FocusFrame.h"
#include "ui/platform/Icons.h"
#include "ui/platform/LoadCaptions.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/EditMenuAdditions.h"
#include "ui/windows/InstallMenuCommands.h"
#include "ui/windows/ProblemsPanel.h"
#include "ui/windows/WindowList.h"
#include "ui/windows/WriteMenuCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
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
    setAcceptDrops(true); // files dropped anywhere on the window are opened
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

void MainWindow::MDIForm_Load(const QString& commandLine)
{
    LoadCaptions(this);
    nameToolbarButtons();
    SettingsStore* s = m_services.settings;
    if (s && m_forumFolder.isEmpty())
        m_forumFolder = s->value(App, SettingsSection, QStringLiteral("ForumFolder"), QString());
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
    NewDocument();
    if (!commandLine.isEmpty())
        loadCommandLineFile(commandLine);
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
                    applyUndoControls(c);
            });
    connect(doc, &DocumentWindow::findingsChanged, this, [this, doc] {
        if (activeDocument() == doc)
            updateMenus();
    });
    doc->setIgnoredRules(m_problems->ignoredRules());
    connect(doc, &DocumentWindow::ignoreRuleRequested, m_problems, &ProblemsPanel::ignoreRule);
    if (!m_forumFolder.isEmpty())
        doc->setForumFolder(m_forumFolder);
    connect(doc, &DocumentWindow::statusMessageChanged, this, &MainWindow::showDocumentStatus);
    connect(doc, &DocumentWindow::reloadRequested, this,
            [this, doc] { loadInto(doc, doc->filePath(), DocumentModel::LoadRoute::Open); });
    connect(doc, &DocumentWindow::savedTo, this, [this](const QString& path) {
        rememberRecentFile(path);
        updateMenus(); // saving may have made the script UTF-8
    });
    connect(doc, &DocumentWindow::outlineRouteRequested, this, [this](OutlineRoute route) {
        if (route == OutlineRoute::AuthorDialog)
            showAuthorDetails();
        else if (route == OutlineRoute::HeaderDialog)
            showProperties();
    });
    doc->Form_Load();
    doc->setCaption(tr("Document %1").arg(m_documentCount));
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
    if (!m_stateReportTimer && qEnvironmentVariableIsSet("QUILLWRIGHT_STATE_FILE")) {
        m_stateReportTimer = new QTimer(this);
        connect(m_stateReportTimer, &QTimer::timeout, this, &MainWindow::writeStateReport);
        m_stateReportTimer->start(500);
    }
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
    m_encodingPanel->setText(doc ? encodingName(doc->encoding()) : QString());
    m_encodingPanel->setEnabled(doc != nullptr);
    m_checkPanel->setText(doc ? Checker::summary(Checker::count(doc->findings())) : QString());
    m_editAdditions->update();
    m_installCommands->update();
    m_writeCommands->update();
    m_problems->refresh();
    showDocumentStatus();
}

void MainWindow::nameToolbarButtons()
{
    // A screen reader reads a button's text, which for the toolbar is its
    // key ("cmd", "undo"): its tooltip in the user's language says what it does.
    for (QAction* a : m_toolBar->actions())
        if (QWidget* button = m_toolBar->widgetForAction(a); button && !a->toolTip().isEmpty())
            button->setAccessibleName(a->toolTip());
    m_undoButton->setAccessibleName(toolbarButton(ToolButton::Undo)->toolTip());
}

void MainWindow::showDocumentStatus()
{
    // A document's message is its own: it goes when another is active.
    const DocumentWindow* doc = activeDocument();
    const QString message = doc ? doc->statusMessage() : QString();
    if (!message.isEmpty()) {
        if (!m_statusOwned)
            m_statusIdle = m_statusPanel->text();
        m_statusOwned = true;
        Accessibility::announce(m_statusPanel, message);
    } else if (m_statusOwned) {
        m_statusOwned = false;
        m_statusPanel->setText(m_statusIdle);
    }
}

void MainWindow::setForumFolder(const QString& folder)
{
    m_forumFolder = folder;
    for (DocumentWindow* doc : documents())
        doc->setForumFolder(folder);
}

void MainWindow::forgetForumFolder()
{
    if (m_services.settings)
        m_services.settings->setValue(App, SettingsSection, QStringLiteral("ForumFolder"),
                                      QString());
    setForumFolder(QString());
}

void MainWindow::chooseForumFolder()
{
    const QString chosen =
        m_services.dialogs->folderName(this, tr("Check against forum files"), m_forumFolder);
    if (chosen.isEmpty())
        return;
    if (m_services.settings)
        m_services.settings->setValue(App, SettingsSection, QStringLiteral("ForumFolder"), chosen);
    setForumFolder(chosen);
}

void MainWindow::applyUndoControls(const UndoControls& c)
{
    toolbarButton(ToolButton::Undo)->setEnabled(c.levelOne);
    m_undoEntries[0]->setEnabled(c.levelOne);
    m_undoEntries[1]->setEnabled(c.levelTwo);
    m_undoEntries[2]->setEnabled(c.levelThree);
    action(Command::EditUndo)->setEnabled(c.levelOne);
    m_editAdditions->update();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The last report is the one of the windows as the user left them: none
    // is written while they close.
    if (m_stateReportTimer)
        m_stateReportTimer->stop();
    writeStateReport();
    // Each document asks in turn; a Cancel keeps the program running.
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->close()) {
            if (m_stateReportTimer)
                m_stateReportTimer->start();
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

QPrinter* MainWindow::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}
