#pragma once

#include "ui/frame/MainWindowCommands.h"

#include <QMainWindow>
#include <array>

class QAction;
class QMdiArea;

namespace Quillwright {

class CheckerForum;
class DialogCommands;
class EditCommands;
class EditMenuAdditions;
class FileCommands;
class MainToolBar;
class SessionCommands;
class StateReport;
class StatusFields;
class ViewCommands;
class WindowCommands;
class InstallMenuCommands;
class ProblemsPanel;
class WriteMenuCommands;
class RecentFiles;
class WindowList;
class DialogService;
class DocumentWindow;
class JournalStore;
class SettingsStore;

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

// frmMain: the multiple-document frame with its menus, toolbar and status
// bar. The commands are small controllers, each given the frame (its
// services and its active document) and owning its actions' slots: the
// frame builds the menus from the command table and keeps the documents.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Load: captions, stored placement, Document 1, the command-line file.
    void MDIForm_Load(const QString& commandLine);

    DocumentWindow* NewDocument();
    int DocumentCount() const { return m_documentCount; }
    // The active child when it is a document window; null otherwise.
    DocumentWindow* activeDocument() const;
    QList<DocumentWindow*> documents() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    QAction* action(Command command) const { return m_actions[size_t(command)]; }
    const AppServices& services() const { return m_services; }
    // Brings menus, toolbar and status fields up to the active document.
    void updateMenus();

    FileCommands& files() const { return *m_files; }
    EditCommands& edits() const { return *m_edits; }
    ViewCommands& views() const { return *m_views; }
    DialogCommands& dialogs() const { return *m_dialogs; }
    SessionCommands& session() const { return *m_session; }
    MainToolBar& toolbar() const { return *m_toolbar; }
    StatusFields& status() const { return *m_status; }
    CheckerForum& forum() const { return *m_forum; }
    RecentFiles* recentFiles() const { return m_recentFiles; }
    InstallMenuCommands* installCommands() const { return m_installCommands; }
    ProblemsPanel* problems() const { return m_problems; }
    WriteMenuCommands* writeCommands() const { return m_writeCommands; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void createMenus();
    // Unload: the frame's placement, read back by Load, and the repair setting.
    void MDIForm_Unload();

    AppServices m_services;
    QMdiArea* m_mdi = nullptr;
    std::array<QAction*, CommandCount> m_actions{};
    int m_documentCount = 0;
    FileCommands* m_files = nullptr;
    EditCommands* m_edits = nullptr;
    ViewCommands* m_views = nullptr;
    DialogCommands* m_dialogs = nullptr;
    WindowCommands* m_windows = nullptr;
    SessionCommands* m_session = nullptr;
    MainToolBar* m_toolbar = nullptr;
    StatusFields* m_status = nullptr;
    CheckerForum* m_forum = nullptr;
    StateReport* m_stateReport = nullptr;
    RecentFiles* m_recentFiles = nullptr;
    EditMenuAdditions* m_editAdditions = nullptr;
    InstallMenuCommands* m_installCommands = nullptr;
    ProblemsPanel* m_problems = nullptr;
    WriteMenuCommands* m_writeCommands = nullptr;
    WindowList* m_windowList = nullptr;
};

} // namespace Quillwright
