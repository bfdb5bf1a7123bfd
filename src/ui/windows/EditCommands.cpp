// The Edit menu and the toolbar of the main window.
#include "ui/windows/MainWindow.h"

#include "core/control/ClipboardMime.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/platform/DialogService.h"
#include "ui/windows/DocumentWindow.h"

#include <QApplication>
#include <QClipboard>

void MainWindow::undoLevels(int levels)
{
    if (DocumentWindow* doc = activeDocument())
        doc->model().undo(levels);
}

void MainWindow::mnuEditUndo_Click()
{
    undoLevels(1);
}

void MainWindow::mnuEditCut_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc || doc->control().selLength() == 0)
        return;
    QApplication::clipboard()->setMimeData(ClipboardMime::fromSelection(doc->control()));
    doc->control().setSelText(QString());
}

void MainWindow::mnuEditCopy_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc || doc->control().selLength() == 0)
        return;
    QApplication::clipboard()->setMimeData(ClipboardMime::fromSelection(doc->control()));
}

void MainWindow::mnuEditPaste_Click()
{
    DocumentWindow* doc = activeDocument();
    if (!doc)
        return;
    const ClipboardMime::PasteResult r =
        ClipboardMime::paste(doc->control(), QApplication::clipboard()->mimeData());
    if (!r.refusal.isEmpty())
        m_services.dialogs->message(this, QStringLiteral("Quillwright"),
                                    tr("The clipboard was not pasted.\n\n") + r.refusal,
                                    DialogService::Icon::Warning);
}

void MainWindow::mnuEditPasteSpecial_Click()
{
    showUnfinished(QStringLiteral("mnuEditPasteSpecial_Click"));
}

void MainWindow::tbToolBar_ButtonClick(const QString& key)
{
    if (key == u"New")
        NewDocument();
    else if (key == u"Open")
        mnuFileOpen_Click();
    else if (key == u"Save")
        mnuFileSave_Click();
    else if (key == u"Print")
        mnuFilePrint_Click();
    else if (key == u"Cut")
        mnuEditCut_Click();
    else if (key == u"Copy")
        mnuEditCopy_Click();
    else if (key == u"Paste")
        mnuEditPaste_Click();
    else if (key == u"Find")
        m_services.dialogs->message(this, QStringLiteral("Quillwright"),
                                    tr("Add 'Find' button code."));
    else if (key == u"cmd")
        showActionBuilder();
    else if (key == u"undo")
        undoLevels(1);
}

void MainWindow::tbToolBar_ButtonMenuClick(const QString& key)
{
    if (key == u"one")
        undoLevels(1);
    else if (key == u"two")
        undoLevels(2);
    else if (key == u"three")
        undoLevels(3);
}
