#pragma once

#include <QObject>

class QLabel;
class QTimer;
class QToolButton;

namespace Quillwright {

class Frame;

// The state report: a plain description of what the program shows, for the
// end-to-end journeys that drive it from outside. QUILLWRIGHT_STATE_FILE names
// the file; nothing is written without it.
class StateReport : public QObject {
    Q_OBJECT
public:
    // The status panel and the undo button are read as they show.
    StateReport(Frame& frame, const QLabel* statusPanel, const QToolButton* undoButton);

    // The frame shows: a report now and every half second while it runs.
    void start();
    // The last report is the one of the windows as the user left them: none
    // is written while they close (resume() if they stay).
    void writeLast();
    void resume();

private:
    void write() const;

    Frame& m_frame;
    const QLabel* m_statusPanel;
    const QToolButton* m_undoButton;
    QTimer* m_timer = nullptr;
};

} // namespace Quillwright
