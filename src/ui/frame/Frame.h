#pragma once

#include "ui/frame/MainWindowCommands.h"

#include <QList>
#include <QMainWindow>
#include <QString>

class QAction;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QWidget;

namespace Quillwright {

class CheckerForum;
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

// What a controller of the main window sees of it: its services, its
// documents, the command table and the few things one group of commands
// needs of another. Controllers know the frame through this alone, never
// each other, so each can be read, and changed, on its own; what one
// offers the others goes through the frame or a signal the frame connects.
class Frame {
public:
    // The main window itself: the parent of dialogs, its bars.
    virtual QMainWindow* widget() const = 0;
    virtual const AppServices& services() const = 0;
    // The active child when it is a document window; null otherwise.
    virtual DocumentWindow* activeDocument() const = 0;
    virtual QList<DocumentWindow*> documents() const = 0;
    virtual DocumentWindow* NewDocument() = 0;
    virtual QMdiArea* mdiArea() const = 0;
    // A child window of the frame, at its own size but inside the area.
    virtual QMdiSubWindow* addChild(QWidget* child) = 0;
    virtual QAction* action(Command command) const = 0;
    virtual QMenu* menu(Menu menu) const = 0;
    // Brings menus, toolbar and status fields up to the active document.
    virtual void updateMenus() = 0;

    // A script from disk in a window of its own, or read again into the
    // window that holds it when that has no unsaved work.
    virtual void openScript(const QString& path) = 0;

    // The forum whose files the checker and the installer read.
    virtual CheckerForum& forum() const = 0;
    // The status bar's message, told to assistive technology as well.
    virtual void showStatus(const QString& text) = 0;
    // The session is ending: no question may be asked any more.
    virtual bool sessionEnding() const = 0;
    // Scripts are being read, and events handled meanwhile.
    virtual bool isLoading() const = 0;

protected:
    ~Frame() = default;
};

// Says that a command has no code yet ("Add '...' code.").
void showUnfinished(const Frame& frame, const QString& handler);

// The document's window is the active one, in the active main window, with
// the focus in its script: where the user's next key is meant to go after
// a dialog or a progress window has closed.
void focusScript(const Frame& frame, DocumentWindow* doc);

} // namespace Quillwright
