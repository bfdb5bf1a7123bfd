#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;

namespace Quillwright {

class DocumentWindow;
class InstallPreview;
class Frame;

// The Tools menu's commands for installing the active script, after a
// separator below its own entries: Preview Installation (F9) shows every
// change the script makes to the forum remembered for the dry run; Install
// into Folder writes a copy of that forum with the changes, never the
// forum itself.
class InstallMenuCommands : public QObject {
    Q_OBJECT
public:
    InstallMenuCommands(Frame& frame, QMenu& toolsMenu);

    void previewInstallation();
    void installIntoFolder();
    InstallPreview* preview() const;
    void update();

private:
    // The forum to install into, asked for once when none is remembered.
    QString forum();
    void goToScriptLine(DocumentWindow* script, int line);

    Frame& m_frame;
    QAction* m_previewAction;
    QAction* m_installAction;
    QPointer<InstallPreview> m_preview;
};

} // namespace Quillwright
