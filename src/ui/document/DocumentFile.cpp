#include "ui/document/DocumentFile.h"

#include "core/document/DocumentModel.h"
#include "core/script/ModFormat.h"
#include "ui/document/DiskChangeBar.h"
#include "ui/document/SaveScript.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/DialogService.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPlainTextEdit>

namespace Quillwright {

DocumentFile::DocumentFile(QWidget& window, QtRichTextControl& control, DocumentModel& model,
                           DialogService* dialogs)
    : QObject(&window), m_window(window), m_control(control), m_model(model), m_dialogs(dialogs),
      m_bar(new DiskChangeBar(&window)), m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DocumentFile::changedElsewhere);
    connect(m_bar, &DiskChangeBar::saveRequested, this, [this] {
        // The bar asked already: the file is known to be gone.
        m_stamp.exists = false;
        if (saveTo(m_path))
            m_bar->close();
    });
    connect(m_bar, &DiskChangeBar::reloadRequested, this, [this] {
        // Reading the file again throws away what is unsaved here: asked first.
        if (m_model.hasUnsavedChanges() && m_dialogs &&
            m_dialogs->ask(&m_window, ModFormat::programTitle(),
                           tr("Read %1 again from disk? The changes made here since it "
                              "was last saved are lost.")
                               .arg(QDir::toNativeSeparators(m_path)),
                           DialogService::Buttons::OkCancel, DialogService::Icon::Warning,
                           DialogService::Button::Cancel) != DialogService::Button::Ok)
            return;
        emit reloadRequested();
    });
    connect(&model, &DocumentModel::markedUnchanged, this, [this] {
        // Saved or read again: what the disk holds is the script now.
        m_bar->close();
        setDiskMessage(QString());
    });
}

void DocumentFile::setPath(const QString& path)
{
    m_path = path;
    // A file of its own: no longer the archive's script, and editable.
    if (m_inArchive) {
        m_inArchive.reset();
        setShownOnly(QString());
    }
    emit pathChanged(path);
    watch();
}

void DocumentFile::wasReadFromArchive(const InArchive& from, TextEncoding encoding)
{
    m_encoding = encoding;
    m_stamp = {};
    m_path.clear();
    m_inArchive = from;
    watch();
    setShownOnly(tr("%1 is read-only: it is inside the archive %2. Save writes a copy of it "
                    "elsewhere, which you can change.")
                     .arg(from.script, QDir::toNativeSeparators(from.archive)));
    emit pathChanged(QDir::toNativeSeparators(from.archive) + u'/' + from.script);
}

void DocumentFile::setShownOnly(const QString& reason)
{
    m_control.setReadOnly(reason);
    QPlainTextEdit* editor = m_control.editor();
    editor->setReadOnly(!reason.isEmpty());
    if (!reason.isEmpty())
        editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

ScriptPackage DocumentFile::package() const
{
    if (m_inArchive)
        return m_inArchive->package;
    return m_path.isEmpty() ? ScriptPackage() : packageOnDisk(QFileInfo(m_path).absolutePath());
}

QString DocumentFile::packagePlace() const
{
    if (m_inArchive) {
        const qsizetype slash = m_inArchive->script.lastIndexOf(u'/');
        return QFileInfo(m_inArchive->archive).absoluteFilePath() +
               (slash < 0 ? QString() : u'/' + m_inArchive->script.first(slash));
    }
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
}

QString DocumentFile::scriptName() const
{
    if (m_inArchive)
        return QFileInfo(m_inArchive->archive).fileName() + u'/' + m_inArchive->script;
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).fileName();
}

void DocumentFile::wasRead(const QString& path, TextEncoding encoding,
                           const ScriptFile::FileStamp& stamp)
{
    m_encoding = encoding;
    m_stamp = stamp;
    setPath(path);
}

void DocumentFile::watch()
{
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_path.isEmpty() && QFileInfo(m_path).isFile())
        m_watcher->addPath(m_path);
}

void DocumentFile::changedElsewhere()
{
    // A file replaced by a rename is no longer watched: watch the new one.
    watch();
    const ScriptFile::FileStamp now = ScriptFile::stampOf(m_path);
    if (m_stamp.sameAs(now))
        return;
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!now.exists) {
        m_bar->showFor(DiskChangeBar::Kind::Deleted, m_path, true);
        setDiskMessage(tr("%1 was deleted from disk.").arg(shown));
    } else {
        m_bar->showFor(DiskChangeBar::Kind::Changed, m_path, m_model.hasUnsavedChanges());
        setDiskMessage(tr("%1 has changed on disk since it was opened.").arg(shown));
    }
    emit changedOnDisk(m_path);
}

void DocumentFile::setDiskMessage(const QString& message)
{
    if (message == m_diskMessage)
        return;
    m_diskMessage = message;
    emit diskMessageChanged();
}

bool DocumentFile::saveTo(const QString& path)
{
    if (!m_dialogs)
        return false;
    DialogService& dialogs = *m_dialogs;
    const QString shown = QDir::toNativeSeparators(path);
    const auto confirm = [&](const QString& question) {
        return dialogs.ask(&m_window, ModFormat::programTitle(), question,
                           DialogService::Buttons::OkCancel, DialogService::Icon::Warning,
                           DialogService::Button::Cancel) == DialogService::Button::Ok;
    };
    const bool ownFile = !m_path.isEmpty() &&
                         QFileInfo(path).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath();
    if (ownFile && m_stamp.exists) {
        ScriptFile::FileStamp now = ScriptFile::stampOf(path);
        if (!now.exists) {
            if (!confirm(tr("The file %1 was deleted from disk. Save it again?").arg(shown)))
                return false;
            now = m_stamp; // asked: nothing more to ask
        } else if (!m_stamp.sameAs(now)) {
            // Only the time may differ: the bytes tell.
            if (const ScriptFile::ReadResult r = ScriptFile::read(path); r.ok)
                now.hash = r.stamp.hash;
        }
        if (!m_stamp.sameAs(now) &&
            !confirm(tr("The file %1 has changed on disk since it was opened. "
                        "Overwrite it?")
                         .arg(shown)))
            return false;
    }
    if (ScriptFile::isWriteProtected(path) &&
        !confirm(tr("The file %1 is read-only: no one may write it. Save it anyway?").arg(shown)))
        return false;
    const ScriptFile::WriteResult written =
        SaveScript::write(&m_window, dialogs, m_control, path, m_encoding);
    if (!written.ok)
        return false;
    m_stamp = written.stamp;
    if (!ownFile)
        setPath(path);
    m_model.markUnchanged();
    emit savedTo(path);
    return true;
}

} // namespace Quillwright
