#pragma once

#include <QObject>

class QLabel;
class QMenu;
class QToolButton;

namespace Quillwright {

class Frame;

// The fields of the main window's status bar sbStatusBar: the status (the
// active document's message while it has one), the checker's summary, the
// encoding of the next save, the date and the time.
class StatusFields : public QObject {
    Q_OBJECT
public:
    explicit StatusFields(Frame& frame);

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

signals:
    // The findings field's menu is about to show: the kinds of problem not
    // to report (the one at the caret first) are added to it.
    void ruleMenuRequested(QMenu& menu, const QString& ruleAtCaret);

private:
    Frame& m_frame;
    QLabel* m_statusPanel = nullptr;
    QToolButton* m_encodingPanel = nullptr;
    QToolButton* m_checkPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    bool m_statusOwned = false; // the status panel shows the active document's message
    QString m_statusIdle;       // what it showed before
};

} // namespace Quillwright
