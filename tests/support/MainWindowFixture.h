#pragma once

#include "ScriptedDialogs.h"
#include "core/recovery/JournalStore.h"
#include "core/settings/SettingsStore.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/CheckerForum.h"
#include "ui/windows/DialogCommands.h"
#include "ui/windows/DocumentChecks.h"
#include "ui/windows/DocumentFile.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/EditCommands.h"
#include "ui/windows/FileCommands.h"
#include "ui/windows/MainToolBar.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/SessionCommands.h"
#include "ui/windows/StatusFields.h"
#include "ui/windows/ViewCommands.h"

#include <QTemporaryDir>
#include <memory>

// A main window with its own settings folder and scripted dialogs, and
// recovery journals in `journalFolder` when one is given.
struct MainWindowFixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings")};
    ScriptedDialogs dialogs;
    std::unique_ptr<JournalStore> journal;
    std::unique_ptr<MainWindow> window;

    explicit MainWindowFixture(const QString& commandLine = QString(), bool load = true,
                               const QString& journalFolder = QString())
    {
        if (!journalFolder.isEmpty())
            journal = std::make_unique<JournalStore>(journalFolder);
        window = std::make_unique<MainWindow>(AppServices{
            &settings, &dialogs, dir.filePath("program"), "about:blank", journal.get()});
        if (load)
            window->MDIForm_Load(commandLine);
    }
    // The program ends as in a crash: no window is closed, no journal removed.
    void crash()
    {
        window.reset();
        journal.reset();
    }
    DocumentWindow* doc() const { return window->activeDocument(); }
    QString path(const QString& name) const { return dir.filePath(name); }
};
