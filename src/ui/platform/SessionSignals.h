#pragma once

#include <QObject>

class QSocketNotifier;

namespace Quillwright {

// SIGTERM and SIGHUP (log-out, kill, a closed terminal) reach the event
// loop as a signal of this object, through a pipe the handler writes one
// byte to: a signal handler itself may do next to nothing.
class SessionSignals : public QObject {
    Q_OBJECT
public:
    explicit SessionSignals(QObject* parent = nullptr);
    ~SessionSignals() override;

signals:
    void sessionEnding();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace Quillwright
