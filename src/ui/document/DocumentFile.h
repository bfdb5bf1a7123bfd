#pragma once

#include "core/package/ScriptPackage.h"
#include "core/script/ScriptFile.h"

#include <QObject>
#include <optional>

class QFileSystemWatcher;
class QWidget;

namespace Quillwright {

class DialogService;
class DiskChangeBar;
class DocumentModel;
class QtRichTextControl;

// A document window's file on disk: the path, the encoding, and what the
// file was when last read or written, so that nothing another program
// wrote there is overwritten without a question. The file is watched; a
// change made elsewhere shows the disk-change bar above the script.
class DocumentFile : public QObject {
    Q_OBJECT
public:
    DocumentFile(QWidget& window, QtRichTextControl& control, DocumentModel& model,
                 DialogService* dialogs);

    // The file the script was opened from or last saved to; empty while
    // untitled.
    QString path() const { return m_path; }
    void setPath(const QString& path);
    bool isUntitled() const { return m_path.isEmpty(); }
    // The file's encoding, in which the script is saved back.
    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }
    // The script was read from `path`: what the file was then.
    void wasRead(const QString& path, TextEncoding encoding, const ScriptFile::FileStamp& stamp);

    // A script read from a MOD package's zip archive. It is shown, not
    // edited, and has no file of its own (it is untitled): Save writes a
    // copy where the user says, and the window then holds that copy.
    struct InArchive {
        QString archive;       // the zip on disk
        QString script;        // its path inside
        ScriptPackage package; // the archive, and the script's folder in it: what COPY reads
    };
    void wasReadFromArchive(const InArchive& from, TextEncoding encoding);
    const std::optional<InArchive>& inArchive() const { return m_inArchive; }
    // The package its COPY lines read: the one on disk that holds it
    // (packageOnDisk), or its archive; none while untitled.
    ScriptPackage package() const;
    // What tells one package from another: the script's folder, or the
    // archive's path with the script's folder inside it; empty while untitled.
    QString packagePlace() const;
    // The script as reports name it: its file's name, or the archive's with
    // the script's path inside; empty while untitled.
    QString scriptName() const;
    // Writes the script to `path`, asking first when that is its own file
    // and another program changed it since, or when no one may write the
    // file. On success nothing is unsaved and, with `adopt`, the path is the
    // document's (Save of an untitled script keeps it untitled).
    bool saveTo(const QString& path);
    DiskChangeBar* changeBar() const { return m_bar; }
    // What the disk says of the file ("... was deleted from disk."); empty
    // when nothing.
    QString diskMessage() const { return m_diskMessage; }

signals:
    // The name the window shows: the path, or the archive's with the
    // script's path inside.
    void pathChanged(const QString& path);
    // Another program changed the file on disk.
    void changedOnDisk(const QString& path);
    // The script was written to `path`.
    void savedTo(const QString& path);
    // The user asked for the file to be read again (the disk-change bar).
    void reloadRequested();
    void diskMessageChanged();

private:
    void watch();
    void changedElsewhere();
    void setDiskMessage(const QString& message);
    // Shown, not edited: the control refuses edits (and says why), the
    // widget keeps its caret for reading and selecting.
    void setShownOnly(const QString& reason);

    QWidget& m_window;
    QtRichTextControl& m_control;
    DocumentModel& m_model;
    DialogService* m_dialogs;
    DiskChangeBar* m_bar;
    QFileSystemWatcher* m_watcher;
    QString m_path;
    std::optional<InArchive> m_inArchive;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    ScriptFile::FileStamp m_stamp; // the file as last read or written
    QString m_diskMessage;
};

} // namespace Quillwright
