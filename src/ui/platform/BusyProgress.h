#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace Quillwright {

// Long work with the window alive: the work runs on a thread of its own (or
// on this one in steps) while events are handled, and a progress dialog
// with Cancel shows once it has taken longer than a moment.
class BusyProgress {
public:
    static constexpr std::chrono::milliseconds ShowAfter{500};

    BusyProgress(QWidget* parent, const QString& label);
    ~BusyProgress();
    BusyProgress(const BusyProgress&) = delete;
    BusyProgress& operator=(const BusyProgress&) = delete;

    // The job's result, or nothing when Cancel was pressed first: the job
    // then finishes on its own and its result is dropped.
    template <typename T> std::optional<T> run(std::function<T()> job);

    // For work done on this thread in steps: shows the dialog once the
    // moment has passed and handles events. Cancel cannot stop such work.
    void step(qint64 done, qint64 total);
    void setLabel(const QString& label);
    bool wasCanceled() const { return m_canceled; }
    QProgressDialog* dialog() const { return m_dialog; }

private:
    bool waitFor(QThread* thread);
    void showIfDue(bool due = false);

    QPointer<QWidget> m_parent;
    QString m_label;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_dialog;
    bool m_canceled = false;
    bool m_stepping = false;
};

template <typename T> std::optional<T> BusyProgress::run(std::function<T()> job)
{
    auto result = std::make_shared<std::optional<T>>();
    QThread* thread = QThread::create([result, job = std::move(job)] { *result = job(); });
    if (!waitFor(thread))
        return std::nullopt;
    return std::move(*result);
}

} // namespace Quillwright
