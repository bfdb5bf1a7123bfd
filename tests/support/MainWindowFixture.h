#pragma once

#include "ScriptedDialogs.h"
#include "core/settings/SettingsStore.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/MainWindow.h"

#include <QTemporaryDir>
#include <memory>

// A main window with its own settings folder and scripted dialogs.
struct MainWindowFixture {
    QTemporaryDir dir;
    SettingsStore settings{dir.filePath("settings")};
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;

    explicit MainWindowFixture(const QString& commandLine = QString(), bool load = true)
    {
        window = std::make_unique<MainWindow>(
            AppServices{&settings, &dialogs, dir.filePath("program"), "about:blank"});
        if (load)
            window->MDIForm_Load(commandLine);
    }
    DocumentWindow* doc() const { return window->activeDocument(); }
    QString path(const QString& name) const { return dir.filePath(name); }
};
