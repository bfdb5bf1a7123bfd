#pragma once

#include "ui/frame/MainWindowCommands.h"

#include <QObject>
#include <array>

class QAction;
class QToolBar;
class QToolButton;

namespace Quillwright {

class Frame;
struct UndoControls;

// The toolbar tbToolBar inside CoolBar1: a button for each of the commands
// used most, the undo button with its menu of levels, the action builder.
class MainToolBar : public QObject {
    Q_OBJECT
public:
    explicit MainToolBar(Frame& frame);

    QAction* button(ToolButton b) const { return m_buttons[size_t(b)]; }
    // The entries in order, separators included.
    QList<QAction*> entries() const;
    QToolButton* undoButton() const { return m_undoButton; }
    void setVisible(bool visible);
    // Once the captions are loaded: each button is named by its tooltip.
    void nameButtons();
    void applyUndoControls(const UndoControls& controls);

signals:
    // The builder button: the action builder, opened once.
    void actionBuilderRequested();
    // The undo button (one level) or an entry of its menu (one to three).
    void undoRequested(int levels);

public slots:
    // A button's click: the command of the menu it stands for, through the
    // command table.
    void tbToolBar_ButtonClick(ToolButton button);
    void tbToolBar_ButtonMenuClick(int levels);

private:
    Frame& m_frame;
    QToolBar* m_coolBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_undoButton = nullptr;
    std::array<QAction*, ToolButtonCount> m_buttons{};
    std::array<QAction*, 3> m_undoEntries{}; // the undo button's levels one to three
};

} // namespace Quillwright
