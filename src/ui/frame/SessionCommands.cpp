// Unsaved work across the ends of a session: the recovery offered at
// start-up, and the quiet exit when the session ends.
#include "ui/frame/SessionCommands.h"

#include "core/recovery/JournalStore.h"
#include "core/script/ModFormat.h"
#include "ui/document/DocumentFile.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"

#include <QTimer>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace Quillwright {

SessionCommands::SessionCommands(Frame& frame) : QObject(frame.widget()), m_frame(frame) {}

void SessionCommands::offerRecovery()
{
    JournalStore* store = m_frame.services().journal;
    if (!store)
        return;
    const QList<JournalStore::Orphan> orphans = store->claimOrphans();
    if (orphans.isEmpty())
        return;
    QStringList readable;
    QStringList unreadable;
    for (const JournalStore::Orphan& o : orphans) {
        if (o.entry)
            readable << QStringLiteral("    ") + QDir::toNativeSeparators(o.entry->caption);
        else
            unreadable
                << QStringLiteral("    %1 (%2)").arg(QDir::toNativeSeparators(o.file), o.problem);
    }
    QString text;
    if (!readable.isEmpty())
        text = tr("Quillwright ended without saving this work:\n\n%1\n\nRecover opens "
                  "each in a window of its own; Discard deletes it.")
                   .arg(readable.join(QLatin1Char('\n')));
    if (!unreadable.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                tr("These recovery files cannot be read and are kept with the ending "
                   "\".damaged\":\n\n%1")
                    .arg(unreadable.join(QLatin1Char('\n')));
    const int choice = m_frame.services().dialogs->choose(
        m_frame.widget(), ModFormat::programTitle(), text, {tr("Recover"), tr("Discard")}, 0,
        DialogService::Icon::Question);
    if (choice < 0) { // no answer: asked again at the next start
        store->settleOrphans(orphans, false);
        return;
    }
    if (choice == 0)
        for (const JournalStore::Orphan& o : orphans)
            if (o.entry)
                recoverDocument(*o.entry);
    // The recovered windows' own journals are written before the old ones go.
    store->flush();
    store->settleOrphans(orphans, true);
}

DocumentWindow* SessionCommands::recoverDocument(const RecoveryJournal::Entry& entry)
{
    DocumentWindow* doc = m_frame.NewDocument();
    if (!doc)
        return nullptr;
    DocumentModel& model = doc->model();
    model.setUpdateBrowserTF(true);
    doc->control().setText(entry.text);
    model.restartHistory();
    doc->file().setEncoding(entry.encoding);
    if (entry.filePath.isEmpty())
        doc->setCaption(entry.caption);
    else
        doc->file().setPath(entry.filePath);
    model.setUpdateBrowserTF(true);
    model.markUnsaved();
    doc->writeJournal();
    m_frame.updateMenus();
    return doc;
}

void SessionCommands::endSession()
{
    m_sessionEnding = true;
    // A modal message or dialog runs an event loop of its own, and the one
    // that put it up waits for it: each is answered "no answer", so that its
    // caller goes on and finds the session ending.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
    }
    // A load handles events while it runs; the documents it fills must
    // stay until it is done.
    if (m_frame.isLoading()) {
        QTimer::singleShot(50, this, &SessionCommands::endSession);
        return;
    }
    for (DocumentWindow* doc : m_frame.documents()) {
        doc->writeJournal();
        doc->endWithSession();
    }
    if (m_frame.services().journal)
        m_frame.services().journal->flush();
    // Other top-level windows (the tip, a dialog) must not keep it running.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != m_frame.widget() && top->isVisible())
            top->close();
    m_frame.widget()->close();
    // Ends every event loop running now; start-up, which has none yet,
    // asks sessionEnding() before it starts one.
    QCoreApplication::quit();
}

bool SessionCommands::closeAll()
{
    for (QMdiSubWindow* sub : m_frame.mdiArea()->subWindowList())
        if (!sub->close())
            return false;
    return true;
}

} // namespace Quillwright
