#pragma once

#include <QObject>

class QTimer;

namespace Quillwright {

class MainWindow;

// The state report: a plain description of what the program shows, for the
// end-to-end journeys that drive it from outside. QUILLWRIGHT_STATE_FILE names
// the file; nothing is written without it.
class StateReport : public QObject {
    Q_OBJECT
public:
    explicit StateReport(MainWindow& window);

    // The frame shows: a report now and every half second while it runs.
    void start();
    // The last report is the one of the windows as the user left them: none
    // is written while they close (resume() if they stay).
    void writeLast();
    void resume();

private:
    void write() const;

    MainWindow& m_window;
    QTimer* m_timer = nullptr;
};

} // namespace Quillwright
