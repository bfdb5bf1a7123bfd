#pragma once

#include "core/document/DocumentModel.h"
#include "core/document/Snapshots.h"
#include "core/script/ScriptFile.h"
#include "ui/windows/MainWindowCommands.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class AuthorDialog;
class EditMenuAdditions;
class InstallMenuCommands;
class ProblemsPanel;
class WriteMenuCommands;
class RecentFiles;
class WindowList;
class BusyProgress;
class CommandsWindow;
class OptionsDialog;
class DialogService;
class PropertiesDialog;
class QLineEdit;
class DocumentWindow;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class QTimer;
class QToolButton;
class JournalStore;
class SettingsStore;
namespace RecoveryJournal {
struct Entry;
}

// The services the main window is given, so that tests can hand it a
// scripted dialog service and a settings folder of their own.
struct AppServices {
    SettingsStore* settings = nullptr;
    DialogService* dialogs = nullptr;
    QString programFolder; // default.txt and TIPOFDAY.TXT live here
    // Where View, Web Browser starts; empty means the support forum topic.
    QString webStartAddress;
    JournalStore* journal = nullptr; // null: no recovery journals
};

// frmMain: the multiple-document frame with its menus, toolbar and status bar.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Load: captions, stored placement, Document 1, the command-line file.
    void MDIForm_Load(const QString& commandLine);

    DocumentWindow* NewDocument();
    // The forum whose files the script checker tries each FIND against, for
    // every document; remembered in the settings.
    void setForumFolder(const QString& folder);
    QString forumFolder() const { return m_forumFolder; }
    // The checker's field in the status bar: "2 errors, 1 warning".
    QToolButton* checkPanel() const { return m_checkPanel; }
    void chooseForumFolder();
    // The dry run stops: no forum is remembered.
    void forgetForumFolder();
    // Each file in a document window of its own, read, repaired and
    // coloured as File, Open does; a window whose file cannot be read goes.
    void openFiles(const QStringList& paths);
    int DocumentCount() const { return m_documentCount; }
    // The active child when it is a document window; null otherwise.
    DocumentWindow* activeDocument() const;
    QList<DocumentWindow*> documents() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    QAction* action(Command command) const { return m_actions[size_t(command)]; }
    QAction* toolbarButton(ToolButton button) const { return m_toolbarButtons[size_t(button)]; }
    RecentFiles* recentFiles() const { return m_recentFiles; }
    InstallMenuCommands* installCommands() const { return m_installCommands; }
    ProblemsPanel* problems() const { return m_problems; }
    WriteMenuCommands* writeCommands() const { return m_writeCommands; }
    // Opens a file of the recent list, or says it is gone and drops it.
    void openRecentFile(const QString& path);
    // The toolbar's entries in order, separators included.
    QList<QAction*> toolbarEntries() const;
    QLabel* statusPanel() const { return m_statusPanel; }
    // The active document's encoding, a permanent field of the status bar.
    // A click offers the other encoding for the next save.
    QToolButton* encodingPanel() const { return m_encodingPanel; }
    const AppServices& services() const { return m_services; }
    // The printer that Print and Page Setup share.
    QPrinter* printer();

    void loadCommandLineFile(const QString& fileName);

    // At start-up: the unsaved work of programs that ended without saving
    // it is offered back (Recover, the default, or Discard).
    void offerRecovery();
    DocumentWindow* recoverDocument(const RecoveryJournal::Entry& entry);
    // The session ends (SIGTERM, SIGHUP): every journal is written, then the
    // program quits as File, Exit would, without questions.
    void endSession();
    bool sessionEnding() const { return m_sessionEnding; }

public slots:
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileClose_Click();
    void mnuFileSaveAll_Click();
    void mnuPublish_Click();
    void mnuFileProperties_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    void mnuFileSend_Click();
    void mnuFileExit_Click();
    void mnuEditUndo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditPasteSpecial_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewRefresh_Click();
    void mnuViewOptions_Click();
    void mnuViewWebBrowser_Click();
    void mnuToolsOptions_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();
    void tbToolBar_ButtonClick(const QString& key);
    void tbToolBar_ButtonMenuClick(const QString& key);

    // Undo by 1 to 3 levels on the active document.
    void undoLevels(int levels);

    // The header dialog for the active script, shown modal.
    PropertiesDialog* showProperties();
    // The author dialog for an author field; without one, for the field of
    // the open header dialog, or of a header dialog loaded for the active
    // script and shown beside it.
    AuthorDialog* showAuthorDetails(QLineEdit* authorField = nullptr);
    PropertiesDialog* propertiesDialog() const;

    // The action builder: opened once, kept above all windows.
    CommandsWindow* showActionBuilder();
    CommandsWindow* actionBuilder() const;
    // Appends an action block to the very end of the active script.
    void appendActionBlock(const QString& block);
    OptionsDialog* showOptions();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateMenus();
    void fitIntoArea(QMdiSubWindow* sub) const;
    void applyUndoControls(const UndoControls& controls);
    void showDocumentStatus();
    void nameToolbarButtons();
    void MDIForm_Unload();
    void writeStateReport() const;
    // The header dialog, loaded (its boxes read) for the active script.
    PropertiesDialog* loadProperties();
    void showUnfinished(const QString& handler);
    // Reads the file and makes it the document's script (DocumentModel::loadScript).
    bool loadInto(DocumentWindow* doc, const QString& fileName, DocumentModel::LoadRoute route);
    // Loading in two steps, so that no window is made for a file that cannot be read.
    struct LoadedScript {
        ScriptFile::ReadResult read;
        DocumentModel::PreparedScript script;
        std::shared_ptr<BusyProgress> busy;
    };
    std::optional<LoadedScript> readScript(const QString& fileName, DocumentModel::LoadRoute route);
    void showScript(DocumentWindow* doc, const QString& fileName, LoadedScript& loaded,
                    DocumentModel::LoadRoute route);
    // The document that holds the file at `path`, if one does.
    DocumentWindow* documentOf(const QString& path) const;
    bool activateDocumentOf(const QString& path);
    void rememberRecentFile(const QString& path);

    AppServices m_services;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_coolBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_undoButton = nullptr;
    QLabel* m_statusPanel = nullptr;
    QToolButton* m_encodingPanel = nullptr;
    QToolButton* m_checkPanel = nullptr;
    QString m_forumFolder;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    std::array<QAction*, CommandCount> m_actions{};
    std::array<QAction*, ToolButtonCount> m_toolbarButtons{};
    std::array<QAction*, 3> m_undoEntries{}; // the undo button's levels one to three
    int m_documentCount = 0;
    int m_loading = 0; // loads under way, handling events meanwhile
    bool m_sessionEnding = false;
    QString m_dialogFileName; // dlgCommonDialog keeps its last file name
    std::unique_ptr<QPrinter> m_printer;
    QPointer<PropertiesDialog> m_properties;
    QPointer<CommandsWindow> m_commands;
    QTimer* m_stateReportTimer = nullptr;
    RecentFiles* m_recentFiles = nullptr;
    bool m_statusOwned = false; // the status panel shows the active document's message
    QString m_statusIdle;       // what it showed before
    EditMenuAdditions* m_editAdditions = nullptr;
    InstallMenuCommands* m_installCommands = nullptr;
    ProblemsPanel* m_problems = nullptr;
    WriteMenuCommands* m_writeCommands = nullptr;
    WindowList* m_windowList = nullptr;
};
