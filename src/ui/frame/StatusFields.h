#pragma once

#include <QObject>

class QLabel;
class QToolButton;

namespace Quillwright {

class MainWindow;

// The fields of the main window's status bar sbStatusBar: the status (the
// active document's message while it has one), the checker's summary, the
// encoding of the next save, the date and the time.
class StatusFields : public QObject {
    Q_OBJECT
public:
    explicit StatusFields(MainWindow& window);

    QLabel* statusPanel() const { return m_statusPanel; }
    // The active document's encoding; a click offers the other encoding for
    // the next save.
    QToolButton* encodingPanel() const { return m_encodingPanel; }
    // The checker's findings: "2 errors, 1 warning".
    QToolButton* checkPanel() const { return m_checkPanel; }
    // The fields as the active document has them.
    void update();
    // A document's message is its own: it goes when another is active.
    void showDocumentStatus();

private:
    MainWindow& m_window;
    QLabel* m_statusPanel = nullptr;
    QToolButton* m_encodingPanel = nullptr;
    QToolButton* m_checkPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    bool m_statusOwned = false; // the status panel shows the active document's message
    QString m_statusIdle;       // what it showed before
};

} // namespace Quillwright
