// A document window and its file on disk: the path, the encoding, and what
// the file was when last read or written, so that nothing another program
// wrote there is overwritten without a question.
#include "core/script/ModFormat.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/DialogService.h"
#include "ui/windows/DiskChangeBar.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/SaveScript.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

void DocumentWindow::setFilePath(const QString& path)
{
    m_filePath = path;
    setCaption(path);
    watchFile();
}

void DocumentWindow::fileWasRead(const QString& path, TextEncoding encoding,
                                 const ScriptFile::FileStamp& stamp)
{
    m_encoding = encoding;
    m_diskStamp = stamp;
    setFilePath(path);
}

void DocumentWindow::watchFile()
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_filePath.isEmpty() && QFileInfo(m_filePath).isFile())
        m_watcher->addPath(m_filePath);
}

void DocumentWindow::fileChangedOnDisk()
{
    // A file replaced by a rename is no longer watched: watch the new one.
    watchFile();
    const ScriptFile::FileStamp now = ScriptFile::stampOf(m_filePath);
    if (m_diskStamp.sameAs(now))
        return;
    const QString shown = QDir::toNativeSeparators(m_filePath);
    if (!now.exists) {
        m_diskBar->showFor(DiskChangeBar::Kind::Deleted, m_filePath, true);
        setStatusMessage(tr("%1 was deleted from disk.").arg(shown));
    } else {
        m_diskBar->showFor(DiskChangeBar::Kind::Changed, m_filePath, m_model->hasUnsavedChanges());
        setStatusMessage(tr("%1 has changed on disk since it was opened.").arg(shown));
    }
    emit changedOnDisk(m_filePath);
}

void DocumentWindow::setStatusMessage(const QString& message)
{
    if (message == m_statusMessage)
        return;
    m_statusMessage = message;
    emit statusMessageChanged();
}

bool DocumentWindow::saveTo(const QString& path, Adopt adopt)
{
    if (!m_services.dialogs)
        return false;
    DialogService& dialogs = *m_services.dialogs;
    const QString shown = QDir::toNativeSeparators(path);
    const auto confirm = [&](const QString& question) {
        return dialogs.ask(this, ModFormat::programTitle(), question,
                           DialogService::Buttons::OkCancel, DialogService::Icon::Warning,
                           DialogService::Button::Cancel) == DialogService::Button::Ok;
    };
    const bool ownFile = !m_filePath.isEmpty() && QFileInfo(path).absoluteFilePath() ==
                                                      QFileInfo(m_filePath).absoluteFilePath();
    if (ownFile && m_diskStamp.exists) {
        ScriptFile::FileStamp now = ScriptFile::stampOf(path);
        if (!now.exists) {
            if (!confirm(tr("The file %1 was deleted from disk. Save it again?").arg(shown)))
                return false;
            now = m_diskStamp; // asked: nothing more to ask
        } else if (!m_diskStamp.sameAs(now)) {
            // Only the time may differ: the bytes tell.
            if (const ScriptFile::ReadResult r = ScriptFile::read(path); r.ok)
                now.hash = r.stamp.hash;
        }
        if (!m_diskStamp.sameAs(now) &&
            !confirm(tr("The file %1 has changed on disk since it was opened. "
                        "Overwrite it?")
                         .arg(shown)))
            return false;
    }
    if (ScriptFile::isWriteProtected(path) &&
        !confirm(tr("The file %1 is read-only: no one may write it. Save it anyway?").arg(shown)))
        return false;
    const ScriptFile::WriteResult written =
        SaveScript::write(this, dialogs, *m_control, path, m_encoding);
    if (!written.ok)
        return false;
    if (ownFile || adopt == Adopt::Path)
        m_diskStamp = written.stamp;
    if (!ownFile && adopt == Adopt::Path)
        setFilePath(path);
    m_model->markUnchanged();
    emit savedTo(path);
    return true;
}
