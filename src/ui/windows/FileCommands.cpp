// The File menu of the main window, and loading scripts into documents.
#include "ui/windows/MainWindow.h"

#include "core/control/ClipboardMime.h"
#include "core/script/ModFormat.h"
#include "core/script/RepairScript.h"
#include "core/script/ScriptFile.h"
#include "core/script/StampGenerator.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/BusyProgress.h"
#include "ui/platform/DialogService.h"
#include "ui/platform/FileFilters.h"
#include "ui/windows/DocumentWindow.h"
#include "ui/windows/RecentFiles.h"
#include "ui/windows/SaveScript.h"

#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPointer>
#include <QScopedValueRollback>
#include <QUrl>

namespace {
const QString Title = QStringLiteral("Quillwright");
}

std::optional<MainWindow::LoadedScript> MainWindow::readScript(const QString& fileName,
                                                               DocumentModel::LoadRoute route)
{
    const QScopedValueRollback loading(m_loading, m_loading + 1);
    auto busy = std::make_shared<BusyProgress>(
        this, tr("Opening %1...").arg(QDir::toNativeSeparators(fileName)));
    // Reading and the text work go on while the window handles events;
    // Cancel leaves everything as it was.
    std::optional<LoadedScript> loaded = busy->run<LoadedScript>([fileName, route] {
        LoadedScript l;
        l.read = ScriptFile::read(fileName);
        if (l.read.ok)
            l.script = DocumentModel::prepareScript(std::move(l.read.content), route);
        return l;
    });
    if (!loaded || m_sessionEnding)
        return std::nullopt;
    if (!loaded->read.ok) {
        busy.reset();
        m_services.dialogs->message(
            this, Title,
            tr("Could not open %1.\n\n%2")
                .arg(QDir::toNativeSeparators(fileName), loaded->read.error),
            DialogService::Icon::Critical);
        return std::nullopt;
    }
    loaded->busy = std::move(busy);
    return loaded;
}

void MainWindow::showScript(DocumentWindow* doc, const QString& fileName, LoadedScript& loaded,
                            DocumentModel::LoadRoute route)
{
    const QScopedValueRollback loading(m_loading, m_loading + 1);
    BusyProgress& busy = *loaded.busy;
    busy.setLabel(tr("Showing %1...").arg(QDir::toNativeSeparators(fileName)));
    doc->control().setShowProgress([&busy](qint64 done, qint64 total) { busy.step(done, total); });
    doc->model().loadScript(loaded.script, route);
    doc->control().setShowProgress({});
    doc->fileWasRead(fileName, loaded.read.encoding, loaded.read.stamp);
    loaded.busy.reset();
    rememberRecentFile(fileName);
    updateMenus();
}

bool MainWindow::loadInto(DocumentWindow* doc, const QString& fileName,
                          DocumentModel::LoadRoute route)
{
    const QPointer<DocumentWindow> target(doc);
    std::optional<LoadedScript> loaded = readScript(fileName, route);
    if (!loaded || !target)
        return false;
    showScript(doc, fileName, *loaded, route);
    return true;
}

DocumentWindow* MainWindow::documentOf(const QString& path) const
{
    const QFileInfo wanted(path);
    for (DocumentWindow* doc : documents())
        if (!doc->isUntitled() && QFileInfo(doc->filePath()) == wanted)
            return doc;
    return nullptr;
}

bool MainWindow::activateDocumentOf(const QString& path)
{
    DocumentWindow* doc = documentOf(path);
    if (!doc)
        return false;
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (sub->widget() == doc)
            m_mdi->setActiveSubWindow(sub);
    return true;
}

void MainWindow::openFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (m_sessionEnding)
            return;
        if (activateDocumentOf(path))
            continue;
        // Nothing is made until the file is read: a refused file leaves no window behind.
        std::optional<LoadedScript> loaded = readScript(path, DocumentModel::LoadRoute::Open);
        if (!loaded)
            continue;
        DocumentWindow* doc = NewDocument();
        if (!doc)
            return;
        showScript(doc, path, *loaded, DocumentModel::LoadRoute::Open);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!ClipboardMime::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    if (!ClipboardMime::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = ClipboardMime::droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(files);
}

void MainWindow::loadCommandLineFile(const QString& fileName)
{
    if (DocumentWindow* doc = activeDocument())
        loadInto(doc, fileName, DocumentModel::LoadRoute::CommandLine);
}

void MainWindow::mnuFileOpen_Click()
{
    DocumentWindow* doc = activeDocument();
    // Opening replaces the window's text: unsaved work is asked about first.
    if (doc && !doc->saveChangesPrompt())
        return;
    if (!doc && !(doc = NewDocument()))
        return;
    const QString name = m_services.dialogs->openFileName(
        this, tr("Open"), qtFileFilter(FileFilters::open()), m_dialogFileName);
    if (name.isEmpty())
        return;
    m_dialogFileName = name;
    // A file open in another window is shown there, never in two windows at once.
    const bool own = !doc->isUntitled() && QFileInfo(doc->filePath()) == QFileInfo(name);
    if (DocumentWindow* holder = documentOf(name); holder && !own) {
        activateDocumentOf(name);
        return;
    }
    loadInto(doc, name, DocumentModel::LoadRoute::Open);
}

void MainWindow::mnuFileSave_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc)
        return;
    StampGenerator(doc->control());
    QString path = doc->filePath();
    if (doc->isUntitled()) {
        path = m_services.dialogs->saveFileName(this, tr("Save"), qtFileFilter(FileFilters::save()),
                                                m_dialogFileName);
        if (path.isEmpty())
            return;
        m_dialogFileName = path;
        if (!SaveScript::confirmReplace(this, *m_services.dialogs, path, QString()))
            return;
        doc->saveTo(path, DocumentWindow::Adopt::Nothing);
        return;
    }
    doc->saveTo(path);
}

void MainWindow::mnuFileSaveAs_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc)
        return;
    StampGenerator(doc->control());
    const QString path = m_services.dialogs->saveFileName(
        this, tr("Save As"), qtFileFilter(FileFilters::saveAs()), m_dialogFileName);
    if (path.isEmpty())
        return;
    m_dialogFileName = path;
    const QString own = doc->filePath();
    if (!SaveScript::confirmReplace(this, *m_services.dialogs, path, own))
        return;
    // The caption changes only once the file is really written.
    doc->saveTo(path);
}

void MainWindow::mnuPublish_Click()
{
    QDesktopServices::openUrl(QUrl(ModFormat::modDatabaseUrl()));
}

void MainWindow::mnuFileProperties_Click()
{
    showProperties();
}

void MainWindow::mnuFilePageSetup_Click()
{
    m_services.dialogs->pageSetup(this, printer());
}

void MainWindow::mnuFilePrint_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc)
        return;
    const bool selection = doc->control().selLength() > 0;
    if (!m_services.dialogs->print(this, printer(), selection))
        return;
    doc->control().printSelection(printer());
}

void MainWindow::showUnfinished(const QString& handler)
{
    m_services.dialogs->message(this, Title, tr("Add '%1' code.").arg(handler));
}

void MainWindow::mnuFileClose_Click()
{
    showUnfinished(QStringLiteral("mnuFileClose_Click"));
}
void MainWindow::mnuFileSaveAll_Click()
{
    showUnfinished(QStringLiteral("mnuFileSaveAll_Click"));
}
void MainWindow::mnuFilePrintPreview_Click()
{
    showUnfinished(QStringLiteral("mnuFilePrintPreview_Click"));
}
void MainWindow::mnuFileSend_Click()
{
    showUnfinished(QStringLiteral("mnuFileSend_Click"));
}
void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::rememberRecentFile(const QString& path)
{
    m_recentFiles->add(path);
}

void MainWindow::openRecentFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_services.dialogs->message(
            this, Title,
            tr("The file %1 no longer exists. It is taken off the list of recent files.")
                .arg(QDir::toNativeSeparators(path)),
            DialogService::Icon::Warning);
        m_recentFiles->remove(path);
        return;
    }
    openFiles({path});
}
