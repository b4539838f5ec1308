#include "halvane/ui/thumbnail_refresher.h"

#include "common/clock.h"

namespace halvane::ui {

ThumbnailRefresher::ThumbnailRefresher(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<QImage>();
    // Called on the workers' threads: the signal crosses to this object's
    // thread queued, since the sender's thread differs from the receiver's.
    m_workers = std::make_unique<preview::ThumbnailWorkers>(
        [this](int box, const QImage &image) {
            QMetaObject::invokeMethod(
                this, [this, box, image] { emit thumbnail(box, image); }, Qt::QueuedConnection);
        },
        common::systemClock());
    m_poll.setInterval(preview::ThumbnailWorkers::kIdleCheckMs);
    connect(&m_poll, &QTimer::timeout, this, &ThumbnailRefresher::poll);
}

ThumbnailRefresher::~ThumbnailRefresher()
{
    m_workers->requestStop();
    m_workers.reset(); // joins the workers, each ends within one step
}

void ThumbnailRefresher::refresh(LoopsFactory makeLoops)
{
    m_pendingLoops = std::move(makeLoops);
    m_workers->requestStop();
    if (!m_poll.isActive()) {
        m_poll.start();
        if (m_workers->allIdle())
            poll(); // nothing to wait for: start now
    }
}

void ThumbnailRefresher::whenStopped(std::function<void()> action)
{
    m_pendingLoops = nullptr;
    m_pendingActions.push_back(std::move(action));
    m_workers->requestStop();
    if (!m_poll.isActive())
        m_poll.start();
}

void ThumbnailRefresher::poll()
{
    if (!m_workers->allIdle())
        return;
    m_poll.stop();
    if (!m_pendingActions.empty()) {
        const auto actions = std::move(m_pendingActions);
        m_pendingActions.clear();
        emit stopped();
        for (const auto &action : actions)
            action();
        return;
    }
    if (m_pendingLoops) {
        const LoopsFactory make = std::move(m_pendingLoops);
        m_pendingLoops = nullptr;
        m_workers->start(make()); // lowers the stop flag; all idle, so no wait
    }
}

} // namespace halvane::ui
