#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace Quillwright {

class EditMenuAdditions;
class Frame;
struct UndoControls;

// The Edit menu's commands on the active script: undo by levels, and the
// clipboard in the script's own forms; the entries a user of the common
// editors looks for come after them.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(Frame& frame, QMenu& editMenu);

    // Undo by 1 to 3 levels on the active document.
    void undoLevels(int levels);
    // The undo entries of the menu and the toolbar as the document allows.
    void applyUndoControls(const UndoControls& controls);
    // Every entry as the active document allows.
    void update();
    // Edit, Redo: the script's context menu shows it too.
    QAction* redo() const;

signals:
    // The undo entries were set: the toolbar's undo button follows them.
    void undoControlsApplied(const UndoControls& controls);

public slots:
    void mnuEditUndo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditPasteSpecial_Click();

private:
    Frame& m_frame;
    EditMenuAdditions* m_additions;
};

} // namespace Quillwright
