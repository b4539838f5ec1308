#include "common/worker.h"

#include <QThread>

namespace common {

Worker::Worker(QObject *parent) : QObject(parent), m_cancel(std::make_shared<std::atomic<bool>>(false)) {}

Worker::~Worker()
{
    cancel();
    wait();
}

bool Worker::start(Job job)
{
    if (running())
        return false;
    wait(); // the thread of the previous job has ended, join it
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_running.store(true, std::memory_order_release);
    m_thread.reset(QThread::create([this, job = std::move(job), cancel = m_cancel] {
        QVariant result;
        bool wasCancelled = false;
        try {
            result = job(*cancel);
        } catch (const JobCancelled &) {
            wasCancelled = true;
        }
        wasCancelled = wasCancelled || cancel->load();
        // Queued to the worker's own thread; dropped by Qt if the worker is gone.
        QMetaObject::invokeMethod(
            this, [this, result, wasCancelled] { deliver(result, wasCancelled); }, Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void Worker::cancel()
{
    m_cancel->store(true, std::memory_order_release);
}

void Worker::wait()
{
    if (m_thread && m_thread->isRunning())
        m_thread->wait();
}

void Worker::deliver(const QVariant &result, bool wasCancelled)
{
    wait();
    m_running.store(false, std::memory_order_release);
    emit finished(result, wasCancelled);
}

} // namespace common
