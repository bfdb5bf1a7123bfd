// The File menu of the main window, and loading scripts into documents.
#include "ui/frame/FileCommands.h"

#include "ui/frame/CommandRoutes.h"

#include "core/control/ClipboardMime.h"
#include "core/package/ModArchive.h"
#include "core/script/ModFormat.h"
#include "core/script/RepairScript.h"
#include "core/script/ScriptFile.h"
#include "core/script/StampGenerator.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/document/SaveScript.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FileFilters.h"
#include "ui/platform/FreedMemory.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUrl>

namespace Quillwright {

namespace {
const QString Title = ModFormat::programTitle();

// The generator's stamp before a save; a copy of a package's script is the
// script as published, so it gets none.
void stamp(DocumentWindow* doc)
{
    if (!doc->file().inArchive())
        StampGenerator(doc->control());
}

// Where the save dialog starts: a package's script is offered a place
// beside its archive, under its own name; others the last name chosen.
QString saveDialogStart(const DocumentWindow* doc, const QString& last)
{
    if (const auto& archive = doc->file().inArchive())
        return QFileInfo(archive->archive)
            .dir()
            .filePath(archive->script.mid(archive->script.lastIndexOf(u'/') + 1));
    return last;
}

// Saves the document to `path`; a package's script becomes that copy, and
// the user is told that the archive is left as it was.
void saveCopy(Frame& frame, DocumentWindow* doc, const QString& path)
{
    const std::optional<DocumentFile::InArchive> archive = doc->file().inArchive();
    if (doc->file().saveTo(path) && archive)
        frame.showStatus(FileCommands::tr("%1 is a copy of %2 from %3, which is left as it was: "
                                          "this copy can be changed.")
                             .arg(QDir::toNativeSeparators(path), archive->script,
                                  QDir::toNativeSeparators(archive->archive)));
}

} // namespace

FileCommands::FileCommands(Frame& frame) : QObject(frame.widget()), m_frame(frame)
{
    routeCommands(frame, this,
                  {{Command::FileOpen, &FileCommands::mnuFileOpen_Click},
                   {Command::FileClose, &FileCommands::mnuFileClose_Click},
                   {Command::FileSave, &FileCommands::mnuFileSave_Click},
                   {Command::FileSaveAs, &FileCommands::mnuFileSaveAs_Click},
                   {Command::FileSaveAll, &FileCommands::mnuFileSaveAll_Click},
                   {Command::Publish, &FileCommands::mnuPublish_Click},
                   {Command::FileProperties, &FileCommands::mnuFileProperties_Click},
                   {Command::FilePageSetup, &FileCommands::mnuFilePageSetup_Click},
                   {Command::FilePrintPreview, &FileCommands::mnuFilePrintPreview_Click},
                   {Command::FilePrint, &FileCommands::mnuFilePrint_Click},
                   {Command::FileSend, &FileCommands::mnuFileSend_Click},
                   {Command::FileExit, &FileCommands::mnuFileExit_Click}});
    frame.widget()->setAcceptDrops(true);
    frame.widget()->installEventFilter(this);
}

FileCommands::~FileCommands() = default;

bool FileCommands::reload(DocumentWindow* doc)
{
    return loadInto(doc, doc->file().path(), DocumentModel::LoadRoute::Open);
}

QPrinter* FileCommands::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

std::optional<FileCommands::LoadedScript> FileCommands::readScript(const QString& fileName,
                                                                   DocumentModel::LoadRoute route)
{
    const QScopedValueRollback loading(m_loading, m_loading + 1);
    auto busy = std::make_shared<BusyProgress>(
        m_frame.widget(), tr("Opening %1...").arg(QDir::toNativeSeparators(fileName)));
    // Reading and the text work go on while the window handles events;
    // Cancel leaves everything as it was.
    struct Read {
        LoadedScript loaded;
        std::optional<ModArchive::Package> package; // the file is a zip archive
    };
    std::optional<Read> read = busy->run<Read>([fileName, route] {
        Read r;
        ScriptFile::FileBytes file = ScriptFile::readBytes(fileName);
        if (file.ok && ModArchive::looksLikeArchive(file.bytes)) {
            r.package = ModArchive::read(file.bytes);
            return r;
        }
        LoadedScript& l = r.loaded;
        if (!file.ok) {
            l.read.error = file.error;
            return r;
        }
        l.read = ScriptFile::decode(file.bytes);
        l.read.stamp = file.stamp;
        if (l.read.ok)
            l.script = DocumentModel::prepareScript(std::move(l.read.content), route);
        return r;
    });
    if (!read || m_frame.sessionEnding())
        return std::nullopt;
    if (read->package) {
        busy.reset();
        return readFromArchive(fileName, *read->package, route);
    }
    std::optional<LoadedScript> loaded = std::move(read->loaded);
    if (!loaded->read.ok) {
        busy.reset();
        m_frame.services().dialogs->message(
            m_frame.widget(), Title,
            tr("Could not open %1.\n\n%2")
                .arg(QDir::toNativeSeparators(fileName), loaded->read.error),
            DialogService::Icon::Critical);
        return std::nullopt;
    }
    loaded->busy = std::move(busy);
    return loaded;
}

std::optional<FileCommands::LoadedScript>
FileCommands::readFromArchive(const QString& fileName, const ModArchive::Package& package,
                              DocumentModel::LoadRoute route)
{
    DialogService& dialogs = *m_frame.services().dialogs;
    const auto refuse = [&](const QString& name, const QString& why) {
        dialogs.message(m_frame.widget(), Title,
                        tr("Could not open %1.\n\n%2").arg(QDir::toNativeSeparators(name), why),
                        DialogService::Icon::Critical);
        return std::nullopt;
    };
    if (!package.error.isEmpty())
        return refuse(fileName, package.error);
    if (package.scripts.isEmpty())
        return refuse(fileName, tr("It is a zip archive with no MOD script in it."));
    QString chosen = package.scripts.front();
    if (package.scripts.size() > 1) {
        // The one an installer would take is offered first.
        const qsizetype offered = package.scripts.indexOf(ModArchive::chooseScript(package).script);
        const int i =
            dialogs.chooseItem(m_frame.widget(), tr("Open"),
                               tr("%1 holds several MOD scripts. Which one do you want to open?")
                                   .arg(QFileInfo(fileName).fileName()),
                               package.scripts, int(std::max<qsizetype>(offered, 0)));
        if (i < 0 || i >= package.scripts.size())
            return std::nullopt;
        chosen = package.scripts[i];
    }
    const ModArchive::Script script = ModArchive::openScript(package, chosen);
    const QString name = fileName + u'/' + chosen;
    auto busy = std::make_shared<BusyProgress>(
        m_frame.widget(), tr("Opening %1...").arg(QDir::toNativeSeparators(name)));
    std::optional<LoadedScript> loaded = busy->run<LoadedScript>([bytes = script.bytes, route] {
        LoadedScript l;
        l.read = ScriptFile::decode(bytes);
        if (l.read.ok)
            l.script = DocumentModel::prepareScript(std::move(l.read.content), route);
        return l;
    });
    if (!loaded || m_frame.sessionEnding())
        return std::nullopt;
    if (!loaded->read.ok) {
        busy.reset();
        return refuse(name, loaded->read.error);
    }
    loaded->archive = DocumentFile::InArchive{fileName, chosen, script.package};
    loaded->busy = std::move(busy);
    return loaded;
}

void FileCommands::showScript(DocumentWindow* doc, const QString& fileName, LoadedScript& loaded,
                              DocumentModel::LoadRoute route)
{
    const QScopedValueRollback loading(m_loading, m_loading + 1);
    BusyProgress& busy = *loaded.busy;
    const QString name = loaded.archive ? fileName + u'/' + loaded.archive->script : fileName;
    busy.setLabel(tr("Showing %1...").arg(QDir::toNativeSeparators(name)));
    doc->control().mirror().setShowProgress(
        [&busy](qint64 done, qint64 total) { busy.step(done, total); });
    doc->model().loadScript(loaded.script, route);
    doc->control().mirror().setShowProgress({});
    if (loaded.archive)
        doc->file().wasReadFromArchive(*loaded.archive, loaded.read.encoding);
    else
        doc->file().wasRead(fileName, loaded.read.encoding, loaded.read.stamp);
    loaded.busy.reset();
    // A translation in its language's code page: shown as written, and the
    // user knows why installers may read it otherwise.
    if (!loaded.read.encodingNotice.isEmpty())
        m_frame.services().dialogs->message(m_frame.widget(), Title,
                                            QDir::toNativeSeparators(name) +
                                                QStringLiteral("\n\n") + loaded.read.encodingNotice,
                                            DialogService::Icon::Information);
    emit fileOpened(fileName);
    m_frame.updateMenus();
    // The file dialog and the progress have gone: the keys go to the script.
    focusScript(m_frame, doc);
    // The load's transient copies are freed, and so are those of the
    // colouring, the outline and the check that follow it at their pauses.
    QTimer::singleShot(ReleasePause, this, &FreedMemory::release);
}

bool FileCommands::loadInto(DocumentWindow* doc, const QString& fileName,
                            DocumentModel::LoadRoute route)
{
    const QPointer<DocumentWindow> target(doc);
    std::optional<LoadedScript> loaded = readScript(fileName, route);
    // A package's script open in a window already is shown there.
    if (!loaded || !target ||
        (loaded->archive && activateDocumentOf(loaded->archive->archive, loaded->archive->script)))
        return false;
    showScript(doc, fileName, *loaded, route);
    return true;
}

DocumentWindow* FileCommands::documentOf(const QString& path, const QString& inside) const
{
    const QFileInfo wanted(path);
    for (DocumentWindow* doc : m_frame.documents()) {
        const auto& archive = doc->file().inArchive();
        if (inside.isEmpty()
                ? !doc->file().isUntitled() && QFileInfo(doc->file().path()) == wanted
                : archive && archive->script == inside && QFileInfo(archive->archive) == wanted)
            return doc;
    }
    return nullptr;
}

bool FileCommands::activateDocumentOf(const QString& path, const QString& inside)
{
    DocumentWindow* doc = documentOf(path, inside);
    if (!doc)
        return false;
    for (QMdiSubWindow* sub : m_frame.mdiArea()->subWindowList())
        if (sub->widget() == doc)
            m_frame.mdiArea()->setActiveSubWindow(sub);
    return true;
}

void FileCommands::openFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (m_frame.sessionEnding())
            return;
        if (activateDocumentOf(path))
            continue;
        // Nothing is made until the file is read: a refused file leaves no window behind.
        std::optional<LoadedScript> loaded = readScript(path, DocumentModel::LoadRoute::Open);
        if (!loaded || (loaded->archive &&
                        activateDocumentOf(loaded->archive->archive, loaded->archive->script)))
            continue;
        DocumentWindow* doc = m_frame.NewDocument();
        if (!doc)
            return;
        showScript(doc, path, *loaded, DocumentModel::LoadRoute::Open);
    }
}

bool FileCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_frame.widget())
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!ClipboardMime::droppedFiles(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = ClipboardMime::droppedFiles(drop->mimeData());
    if (!files.isEmpty()) {
        drop->acceptProposedAction();
        openFiles(files);
    }
    return true;
}

void FileCommands::loadCommandLineFile(const QString& fileName)
{
    if (DocumentWindow* doc = m_frame.activeDocument())
        loadInto(doc, fileName, DocumentModel::LoadRoute::CommandLine);
}

void FileCommands::mnuFileOpen_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    // Opening replaces the window's text: unsaved work is asked about first.
    if (doc && !doc->saveChangesPrompt())
        return;
    if (!doc && !(doc = m_frame.NewDocument()))
        return;
    const QString name = m_frame.services().dialogs->openFileName(
        m_frame.widget(), tr("Open"), qtFileFilter(FileFilters::open()), m_dialogFileName);
    if (name.isEmpty())
        return;
    m_dialogFileName = name;
    // A file open in another window is shown there, never in two windows at once.
    const bool own = !doc->file().isUntitled() && QFileInfo(doc->file().path()) == QFileInfo(name);
    if (DocumentWindow* holder = documentOf(name); holder && !own) {
        activateDocumentOf(name);
        return;
    }
    loadInto(doc, name, DocumentModel::LoadRoute::Open);
}

void FileCommands::mnuFileSave_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    stamp(doc);
    QString path = doc->file().path();
    if (doc->file().isUntitled()) {
        path = m_frame.services().dialogs->saveFileName(m_frame.widget(), tr("Save"),
                                                        qtFileFilter(FileFilters::save()),
                                                        saveDialogStart(doc, m_dialogFileName));
        if (path.isEmpty())
            return;
        m_dialogFileName = path;
        if (!SaveScript::confirmReplace(m_frame.widget(), *m_frame.services().dialogs, path,
                                        QString()))
            return;
        // The window takes the name, as Save As gives it: the next Save
        // asks nothing, and the script's folder (its root/ for COPY) is known.
    }
    saveCopy(m_frame, doc, path);
}

void FileCommands::mnuFileSaveAs_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    stamp(doc);
    const QString path = m_frame.services().dialogs->saveFileName(
        m_frame.widget(), tr("Save As"), qtFileFilter(FileFilters::saveAs()),
        saveDialogStart(doc, m_dialogFileName));
    if (path.isEmpty())
        return;
    m_dialogFileName = path;
    const QString own = doc->file().path();
    if (!SaveScript::confirmReplace(m_frame.widget(), *m_frame.services().dialogs, path, own))
        return;
    // The caption changes only once the file is really written.
    saveCopy(m_frame, doc, path);
}

void FileCommands::mnuPublish_Click()
{
    QDesktopServices::openUrl(QUrl(ModFormat::modDatabaseUrl()));
}

void FileCommands::mnuFileProperties_Click()
{
    emit propertiesRequested();
}

void FileCommands::mnuFilePageSetup_Click()
{
    m_frame.services().dialogs->pageSetup(m_frame.widget(), printer());
}

void FileCommands::mnuFilePrint_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    const bool selection = doc->control().selLength() > 0;
    if (!m_frame.services().dialogs->print(m_frame.widget(), printer(), selection))
        return;
    doc->control().mirror().printSelection(printer());
}

void FileCommands::mnuFileClose_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuFileClose_Click"));
}
void FileCommands::mnuFileSaveAll_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuFileSaveAll_Click"));
}
void FileCommands::mnuFilePrintPreview_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuFilePrintPreview_Click"));
}
void FileCommands::mnuFileSend_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuFileSend_Click"));
}
void FileCommands::mnuFileExit_Click()
{
    m_frame.widget()->close();
}

void FileCommands::openRecentFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_frame.services().dialogs->message(
            m_frame.widget(), Title,
            tr("The file %1 no longer exists. It is taken off the list of recent files.")
                .arg(QDir::toNativeSeparators(path)),
            DialogService::Icon::Warning);
        emit recentFileGone(path);
        return;
    }
    openFiles({path});
}

} // namespace Quillwright
