#pragma once

#include <QObject>
#include <QVariant>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

namespace common {

// Thrown by a job's waits once its cancel was requested; the worker catches it
// and reports the job as cancelled. Only waits throw it, so a job is stopped
// between two exchanges, never in the middle of writing a frame.
struct JobCancelled {};

// The one way the programs run a long job off the UI thread: the job gets a
// cancel flag, runs on a thread of its own (a QThread, so serial ports have an
// event dispatcher) and its result reaches the worker's thread through a queued
// `finished` signal. Destroying the worker cancels the job and waits for it, so
// a job never reports to an object that is gone.
class Worker : public QObject {
    Q_OBJECT
public:
    using Job = std::function<QVariant(const std::atomic<bool> &cancel)>;

    explicit Worker(QObject *parent = nullptr);
    ~Worker() override;

    // Starts `job`; false (and nothing started) while another job runs.
    bool start(Job job);
    // Asks the running job to stop at its next wait.
    void cancel();
    // Blocks until the running job has ended (for shutdown and tests).
    void wait();
    bool running() const { return m_running.load(std::memory_order_acquire); }
    bool cancelled() const { return m_cancel->load(std::memory_order_acquire); }

signals:
    // The job's result; `wasCancelled` when it ended by JobCancelled.
    void finished(const QVariant &result, bool wasCancelled);

private:
    void deliver(const QVariant &result, bool wasCancelled);

    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::atomic<bool> m_running{false};
    std::unique_ptr<QThread> m_thread;
};

} // namespace common
