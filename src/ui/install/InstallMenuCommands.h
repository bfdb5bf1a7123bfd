#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

namespace Quillwright {

class DocumentWindow;
class InstallPreview;
class Frame;

// The Tools menu's commands for installing the active script, after a
// separator below its own entries: Preview Installation (F9) shows every
// change the script makes to the forum remembered for the dry run; Install
// into Folder writes a copy of that forum with the changes, never the
// forum itself. The preview follows the active script, so that what it
// shows, and what either command installs, is the script the user is in.
class InstallMenuCommands : public QObject {
    Q_OBJECT
public:
    InstallMenuCommands(Frame& frame, QMenu& toolsMenu);

    void previewInstallation();
    // The active script, asked about over the main window.
    void installIntoFolder();
    InstallPreview* preview() const;
    void update();

private:
    // The forum to install into, asked for over `over` when none is remembered.
    QString forum(QWidget* over, DocumentWindow* doc);
    // What the preview says of the forum when it was chosen for a script of
    // another package.
    QString forumNote(DocumentWindow* doc) const;
    void changeForum();
    void install(QWidget* over, DocumentWindow* doc);
    void goToScriptLine(DocumentWindow* script, int line);

    Frame& m_frame;
    QAction* m_previewAction;
    QAction* m_installAction;
    QPointer<InstallPreview> m_preview;
};

} // namespace Quillwright
