#pragma once

#include "ui/frame/Frame.h"

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

// frmMain: the multiple-document frame with its menus, toolbar and status
// bar. The commands are small controllers, each given the frame (its
// services and its active document, the Frame interface) and owning its
// actions' slots: the frame builds the menus from the command table, keeps
// the documents and connects what one controller offers another.
class MainWindow : public QMainWindow, public Frame {
    Q_OBJECT
public:
    explicit MainWindow(const AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Load: captions, stored placement, Document 1, the command-line file.
    void MDIForm_Load(const QString& commandLine);

    int DocumentCount() const { return m_documentCount; }

    // The frame as its controllers see it.
    QMainWindow* widget() const override { return const_cast<MainWindow*>(this); }
    const AppServices& services() const override { return m_services; }
    DocumentWindow* activeDocument() const override;
    QList<DocumentWindow*> documents() const override;
    DocumentWindow* NewDocument() override;
    QMdiArea* mdiArea() const override { return m_mdi; }
    QMdiSubWindow* addChild(QWidget* child) override;
    void openScript(const QString& path) override;
    QAction* action(Command command) const override { return m_actions[size_t(command)]; }
    QMenu* menu(Menu menu) const override { return m_menus[size_t(menu)]; }
    void updateMenus() override;
    CheckerForum& forum() const override { return *m_forum; }
    void showStatus(const QString& text) override;
    bool sessionEnding() const override;
    bool isLoading() const override;

    FileCommands& files() const { return *m_files; }
    EditCommands& edits() const { return *m_edits; }
    DialogCommands& dialogs() const { return *m_dialogs; }
    SessionCommands& session() const { return *m_session; }
    MainToolBar& toolbar() const { return *m_toolbar; }
    StatusFields& status() const { return *m_status; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The actions and menus from the command table.
    void createMenus();
    // The controllers, made once the menus are there, and what one offers another.
    void createControllers();
    // Unload: the frame's placement, read back by Load, and the repair setting.
    void MDIForm_Unload();

    AppServices m_services;
    QMdiArea* m_mdi = nullptr;
    std::array<QAction*, CommandCount> m_actions{};
    std::array<QMenu*, MenuCount> m_menus{};
    std::array<QAction*, 3> m_recentEntries{}; // the File menu's recent-file slots
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
