#pragma once

#include "ScriptedDialogs.h"
#include "core/recovery/JournalStore.h"
#include "core/settings/SettingsStore.h"
#include "ui/checker/CheckerForum.h"
#include "ui/checker/DocumentChecks.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/DialogCommands.h"
#include "ui/frame/EditCommands.h"
#include "ui/frame/FileCommands.h"
#include "ui/frame/MainToolBar.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/SessionCommands.h"
#include "ui/frame/StatusFields.h"
#include "ui/frame/ViewCommands.h"

#include <QTemporaryDir>
#include <memory>

namespace Quillwright {

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

} // namespace Quillwright
