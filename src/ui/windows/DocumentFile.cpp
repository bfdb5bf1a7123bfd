// A document window and its file on disk: the path, the encoding, and what
// the file was when last read or written, so that nothing another program
// wrote there is overwritten without a question.
#include "core/script/ModFormat.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/DialogService.h"
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
    if (!m_diskStamp.sameAs(ScriptFile::stampOf(m_filePath)))
        emit changedOnDisk(m_filePath);
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
        if (!m_diskStamp.sameAs(now) && now.exists) {
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
