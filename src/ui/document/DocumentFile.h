#pragma once

#include "core/script/ScriptFile.h"

#include <QObject>

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

    QWidget& m_window;
    QtRichTextControl& m_control;
    DocumentModel& m_model;
    DialogService* m_dialogs;
    DiskChangeBar* m_bar;
    QFileSystemWatcher* m_watcher;
    QString m_path;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    ScriptFile::FileStamp m_stamp; // the file as last read or written
    QString m_diskMessage;
};

} // namespace Quillwright
