#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QMenu;

namespace Quillwright {

class Frame;
namespace Writer {
struct Written;
}

// The Tools menu's commands that write a script from an author's changes:
// New Script from Changes asks for the original forum, the changed copy and
// a folder for the MOD's package, writes the package there and opens its
// script, with the header dialog on the fields left to the author; Rewrite
// Actions from Changes writes the active script's actions again, keeping
// the header the author wrote; New Upgrade Script installs two versions of
// a MOD on the forum and writes the package from the first to the second.
// The status bar says whether what was written installs back exactly.
class WriteMenuCommands : public QObject {
    Q_OBJECT
public:
    WriteMenuCommands(Frame& frame, QMenu& toolsMenu);

    void newScriptFromChanges();
    void rewriteActionsFromChanges();
    void newUpgradeScript();
    void update();

signals:
    // A package's script was opened: the header dialog, on the fields the
    // author has still to fill in.
    void headerToFinish();

private:
    // The two folders, asked for (starting where they were last time).
    bool askFolders(QString& original, QString& changed);
    // The package's folder; `replacing` when the author agreed to write into
    // one that holds files already. Empty when cancelled.
    QString askPackageFolder(const QStringList& forums, bool& replacing);
    QString remembered(const char* key) const;
    void remember(const char* key, const QString& value);
    // Opens the package's script (read again when a window holds it).
    void openScript(const QString& path);
    void say(const Writer::Written& written);

    Frame& m_frame;
    QAction* m_rewrite;
};

} // namespace Quillwright
