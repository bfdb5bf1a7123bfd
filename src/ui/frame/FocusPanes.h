#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace Quillwright {

// F6 and Shift+F6 take the focus from pane to pane of the main window, as
// editors with panes have it: the active script, its find or go-to bar
// while one is shown, its outline, the Problems list while it is shown, the
// status bar's buttons, and round to the script again. Tab cannot: in the
// script it types a tab.
class FocusPanes : public QObject {
    Q_OBJECT
public:
    struct Pane {
        QWidget* area;   // holds the focus while the pane is the current one
        QWidget* target; // takes the focus when the pane is stepped to
    };
    // The panes there are now, in order.
    using PaneList = std::function<std::vector<Pane>()>;

    FocusPanes(QWidget* window, PaneList panes);

    // The focus to the next pane (1) or the one before (-1).
    void step(int direction);

private:
    QWidget* m_window;
    PaneList m_panes;
};

} // namespace Quillwright
