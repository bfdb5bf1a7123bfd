// The Edit menu of the main window.
#include "ui/frame/EditCommands.h"

#include "core/script/ModFormat.h"

#include "ui/frame/CommandRoutes.h"

#include "core/control/ClipboardMime.h"
#include "ui/document/DocumentWindow.h"
#include "ui/editor/QtRichTextControl.h"
#include "ui/frame/EditMenuAdditions.h"
#include "ui/frame/Frame.h"
#include "ui/platform/DialogService.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

namespace Quillwright {

EditCommands::EditCommands(Frame& frame, QMenu& editMenu)
    : QObject(frame.widget()), m_frame(frame), m_additions(new EditMenuAdditions(frame, editMenu))
{
    routeCommands(frame, this,
                  {{Command::EditUndo, &EditCommands::mnuEditUndo_Click},
                   {Command::EditCut, &EditCommands::mnuEditCut_Click},
                   {Command::EditCopy, &EditCommands::mnuEditCopy_Click},
                   {Command::EditPaste, &EditCommands::mnuEditPaste_Click},
                   {Command::EditPasteSpecial, &EditCommands::mnuEditPasteSpecial_Click}});
    // The script and the fields answer Ctrl+X and Ctrl+C themselves: the
    // menu shows the keys without taking them.
    for (const auto& [command, key] : {std::pair{Command::EditCut, QKeySequence::Cut},
                                       std::pair{Command::EditCopy, QKeySequence::Copy}}) {
        frame.action(command)->setShortcut(key);
        frame.action(command)->setShortcutContext(Qt::WidgetShortcut);
    }
}

QAction* EditCommands::redo() const
{
    return m_additions->redo();
}

void EditCommands::applyUndoControls(const UndoControls& c)
{
    emit undoControlsApplied(c);
    m_frame.action(Command::EditUndo)->setEnabled(c.levelOne);
    m_additions->update();
}

void EditCommands::update()
{
    DocumentWindow* doc = m_frame.activeDocument();
    applyUndoControls(doc ? doc->model().undoControls() : UndoControls{});
}

void EditCommands::undoLevels(int levels)
{
    if (DocumentWindow* doc = m_frame.activeDocument())
        doc->model().undo(levels);
}

void EditCommands::mnuEditUndo_Click()
{
    undoLevels(1);
}

void EditCommands::mnuEditCut_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc || doc->control().selLength() == 0)
        return;
    QApplication::clipboard()->setMimeData(ClipboardMime::fromSelection(doc->control()));
    doc->control().setSelText(QString());
}

void EditCommands::mnuEditCopy_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc || doc->control().selLength() == 0)
        return;
    QApplication::clipboard()->setMimeData(ClipboardMime::fromSelection(doc->control()));
}

void EditCommands::mnuEditPaste_Click()
{
    DocumentWindow* doc = m_frame.activeDocument();
    if (!doc)
        return;
    const ClipboardMime::PasteResult r =
        ClipboardMime::paste(doc->control(), QApplication::clipboard()->mimeData());
    if (!r.refusal.isEmpty())
        m_frame.services().dialogs->message(m_frame.widget(), ModFormat::programTitle(),
                                            tr("The clipboard was not pasted.\n\n") + r.refusal,
                                            DialogService::Icon::Warning);
}

void EditCommands::mnuEditPasteSpecial_Click()
{
    showUnfinished(m_frame, QStringLiteral("mnuEditPasteSpecial_Click"));
}

} // namespace Quillwright
