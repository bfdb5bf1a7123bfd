#pragma once

#include <QObject>

class QWidget;

namespace Quillwright {

class Frame;

// The forum whose files the script checker tries each FIND against, for
// every document, and the installer installs into; remembered in the
// settings, with the folder of the script it was chosen for. Without one
// the dry run stops.
class CheckerForum : public QObject {
    Q_OBJECT
public:
    explicit CheckerForum(Frame& frame);

    QString folder() const { return m_folder; }
    // The folder of the script the forum was chosen for; empty when it was
    // chosen with no script open, or given on the command line.
    QString chosenFor() const { return m_chosenFor; }
    void setFolder(const QString& folder);
    // Asks for the folder and remembers it (for the active script).
    void choose();
    // Asks in a dialog over `parent`, titled for what the forum is wanted
    // for, and remembers it for the script in `scriptFolder`. False when
    // the user cancelled.
    bool ask(QWidget* parent, const QString& title, const QString& scriptFolder);
    void forget();

signals:
    void folderChanged(const QString& folder);

private:
    void remember(const QString& folder, const QString& scriptFolder);

    Frame& m_frame;
    QString m_folder;
    QString m_chosenFor;
};

} // namespace Quillwright
