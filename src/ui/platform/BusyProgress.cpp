#include "ui/platform/BusyProgress.h"

#include "core/script/ModFormat.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

namespace Quillwright {

BusyProgress::BusyProgress(QWidget* parent, const QString& label) : m_parent(parent), m_label(label)
{
    m_clock.start();
}

BusyProgress::~BusyProgress()
{
    delete m_dialog;
}

void BusyProgress::setLabel(const QString& label)
{
    m_label = label;
    if (m_dialog)
        m_dialog->setLabelText(label);
}

void BusyProgress::showIfDue(bool due)
{
    if (m_dialog || !(due || m_clock.elapsed() >= ShowAfter.count()))
        return;
    m_dialog = new QProgressDialog(m_parent);
    m_dialog->setObjectName(QStringLiteral("busyProgress"));
    m_dialog->setWindowTitle(ModFormat::programTitle());
    // File names are shown as they are, never read as markup.
    auto* label = new QLabel(m_dialog);
    label->setTextFormat(Qt::PlainText);
    m_dialog->setLabel(label);
    m_dialog->setLabelText(m_label);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(0);
    m_dialog->setRange(0, 0);
    // The Cancel button, Esc and closing the dialog all cancel.
    QObject::connect(m_dialog, &QProgressDialog::canceled, m_dialog, [this] { m_canceled = true; });
    QObject::connect(m_dialog, &QDialog::rejected, m_dialog, [this] { m_canceled = true; });
    m_dialog->show();
}

bool BusyProgress::waitFor(QThread* thread)
{
    QEventLoop loop;
    bool finished = false;
    QObject::connect(thread, &QThread::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    // Once started, the thread owns itself: a cancelled job ends in its own time.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    const auto quitOnCancel = [this, &loop] {
        if (!m_dialog)
            return;
        QObject::connect(m_dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        QObject::connect(m_dialog, &QDialog::rejected, &loop, &QEventLoop::quit);
    };
    quitOnCancel();
    QTimer due;
    due.setSingleShot(true);
    QObject::connect(&due, &QTimer::timeout, &loop, [&] {
        if (m_dialog)
            return;
        showIfDue(true); // a timer may fire a little early
        quitOnCancel();
    });
    due.start(std::max<qint64>(0, ShowAfter.count() - m_clock.elapsed()));
    thread->start();
    loop.exec();
    return finished && !m_canceled;
}

void BusyProgress::step(qint64 done, qint64 total)
{
    showIfDue();
    if (!m_dialog) {
        QCoreApplication::processEvents();
        return;
    }
    // Work on this thread cannot be stopped half way.
    if (!m_stepping) {
        m_stepping = true;
        m_dialog->setCancelButton(nullptr);
    }
    const int scale = total > 0 ? int(1000 * std::min(done, total) / total) : 0;
    m_dialog->setRange(0, 1000);
    m_dialog->setValue(scale); // handles events, the dialog being modal
    QCoreApplication::processEvents();
}

} // namespace Quillwright
