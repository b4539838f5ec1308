#pragma once

#include "halvane/preview/thumbnail_workers.h"

#include <QImage>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace halvane::ui {

// The fifteen thumbnail workers seen from the window's thread, which never
// waits for them. A refresh raises the stop flag and returns; a timer looks
// every 100 ms and starts the new loops once every worker is idle. A second
// refresh while one waits replaces it (only the latest loops start). The
// same wait serves New, Open and closing: whenStopped() runs its action on
// this thread once all workers have stopped.
//
// Pictures come from the workers' threads to the window's only through the
// queued signal thumbnail(); no worker touches a widget.
class ThumbnailRefresher : public QObject {
    Q_OBJECT

public:
    using LoopsFactory = std::function<std::vector<preview::PreviewLoop>()>;

    explicit ThumbnailRefresher(QObject *parent = nullptr);
    ~ThumbnailRefresher() override;

    // Starts `makeLoops()`'s loops once the running ones have stopped; the
    // loops are made at that moment, so they see the project as it is then.
    void refresh(LoopsFactory makeLoops);
    // Stops every worker; `action` runs once all are idle. A pending refresh
    // is dropped.
    void whenStopped(std::function<void()> action);
    // Whether a refresh or a stop is waiting for the workers.
    bool isWaiting() const { return m_poll.isActive(); }
    bool allIdle() const { return m_workers->allIdle(); }

signals:
    // A new picture for box 0..14 (queued from the workers' threads).
    void thumbnail(int box, const QImage &image);
    // The workers have stopped (a stop asked for by whenStopped()).
    void stopped();

private:
    void poll();

    std::unique_ptr<preview::ThumbnailWorkers> m_workers;
    QTimer m_poll;
    LoopsFactory m_pendingLoops;
    std::vector<std::function<void()>> m_pendingActions;
};

} // namespace halvane::ui
