#pragma once

#include "ui/frame/MainWindowCommands.h"

#include <QObject>
#include <array>

class QAction;
class QToolBar;
class QToolButton;

namespace Quillwright {

class MainWindow;
struct UndoControls;

// The toolbar tbToolBar inside CoolBar1: a button for each of the commands
// used most, the undo button with its menu of levels, the action builder.
class MainToolBar : public QObject {
    Q_OBJECT
public:
    explicit MainToolBar(MainWindow& window);

    QAction* button(ToolButton b) const { return m_buttons[size_t(b)]; }
    // The entries in order, separators included.
    QList<QAction*> entries() const;
    QToolButton* undoButton() const { return m_undoButton; }
    void setVisible(bool visible);
    // Once the captions are loaded: each button is named by its tooltip.
    void nameButtons();
    void applyUndoControls(const UndoControls& controls);

public slots:
    void tbToolBar_ButtonClick(const QString& key);
    void tbToolBar_ButtonMenuClick(const QString& key);

private:
    MainWindow& m_window;
    QToolBar* m_coolBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_undoButton = nullptr;
    std::array<QAction*, ToolButtonCount> m_buttons{};
    std::array<QAction*, 3> m_undoEntries{}; // the undo button's levels one to three
};

} // namespace Quillwright
