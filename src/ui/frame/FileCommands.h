#pragma once

#include "core/document/DocumentModel.h"
#include "core/script/ScriptFile.h"
#include "ui/document/DocumentFile.h"

#include <QObject>
#include <memory>
#include <optional>

class QPrinter;

namespace Quillwright {

namespace ModArchive {
struct Package;
}
class BusyProgress;
class DocumentWindow;
class Frame;

// The File menu, and the reading of scripts into document windows: from
// the menu, the recent files, the command line and files dropped on the
// frame.
class FileCommands : public QObject {
    Q_OBJECT
public:
    explicit FileCommands(Frame& frame);
    // After a load, when its work at the pauses is done too, the memory it
    // freed goes back to the system.
    static constexpr int ReleasePause = 3000; // milliseconds
    ~FileCommands() override;

    // Each file in a document window of its own, read, repaired and
    // coloured as File, Open does; a file that cannot be read makes no window.
    void openFiles(const QStringList& paths);
    // Opens a file of the recent list, or says it is gone and drops it.
    void openRecentFile(const QString& path);
    void loadCommandLineFile(const QString& fileName);
    // Reads the file again into its window (the disk-change bar's Reload).
    bool reload(DocumentWindow* doc);
    // Loads under way, which handle events meanwhile.
    bool isLoading() const { return m_loading > 0; }
    // The printer that Print and Page Setup share.
    QPrinter* printer();

signals:
    // A script was read into a window, or saved under a name: a recent file.
    void fileOpened(const QString& path);
    // A recent file that is no longer there.
    void recentFileGone(const QString& path);
    // File, Properties: the header dialog for the active script.
    void propertiesRequested();

public slots:
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileClose_Click();
    void mnuFileSaveAll_Click();
    void mnuPublish_Click();
    void mnuFileProperties_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    void mnuFileSend_Click();
    void mnuFileExit_Click();

protected:
    // Files dropped anywhere on the frame are opened.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Loading in two steps, so that no window is made for a file that cannot be read.
    struct LoadedScript {
        ScriptFile::ReadResult read;
        DocumentModel::PreparedScript script;
        std::shared_ptr<BusyProgress> busy;
        // Read from a MOD package's zip archive: which script, and its package.
        std::optional<DocumentFile::InArchive> archive;
    };
    // A script file, or a zip archive (by its content, whatever its name)
    // whose script the user chooses when it holds several.
    std::optional<LoadedScript> readScript(const QString& fileName, DocumentModel::LoadRoute route);
    std::optional<LoadedScript> readFromArchive(const QString& fileName,
                                                const ModArchive::Package& package,
                                                DocumentModel::LoadRoute route);
    void showScript(DocumentWindow* doc, const QString& fileName, LoadedScript& loaded,
                    DocumentModel::LoadRoute route);
    // Reads the file and makes it the document's script (DocumentModel::loadScript).
    bool loadInto(DocumentWindow* doc, const QString& fileName, DocumentModel::LoadRoute route);
    // The document that holds the file at `path`, or the script `inside`
    // the archive at `path`, if one does.
    DocumentWindow* documentOf(const QString& path, const QString& inside = QString()) const;
    // Shows the window that holds the file at `path` (or the script `inside`
    // the archive there), if one does.
    bool activateDocumentOf(const QString& path, const QString& inside = QString());

    Frame& m_frame;
    int m_loading = 0;
    QString m_dialogFileName; // dlgCommonDialog keeps its last file name
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace Quillwright
