#pragma once

#include <QObject>
#include <optional>

class QAction;
class QMenu;

namespace Quillwright {

class Frame;
namespace Writer {
struct Written;
}

// The Tools menu's commands that write a script from an author's changes:
// New Script from Changes asks for the original forum and the changed copy
// and opens the script in a window of its own; Rewrite Actions from Changes
// writes the active script's actions again, keeping the header the author
// wrote. The status bar says whether the script installs back exactly.
class WriteMenuCommands : public QObject {
    Q_OBJECT
public:
    WriteMenuCommands(Frame& frame, QMenu& toolsMenu);

    void newScriptFromChanges();
    void rewriteActionsFromChanges();
    void update();

private:
    // The two folders, asked for (starting where they were last time).
    bool askFolders(QString& original, QString& changed);
    std::optional<Writer::Written> writeFrom(const QString& original, const QString& changed,
                                             const QStringList& header);
    void say(const Writer::Written& written);

    Frame& m_frame;
    QAction* m_rewrite;
};

} // namespace Quillwright
