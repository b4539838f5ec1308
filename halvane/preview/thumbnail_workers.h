#pragma once

#include "halvane/preview/stoppable_sleep.h"
#include "halvane/preview/step_sink.h"

#include <QImage>

#include <array>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace halvane::preview {

// The fifteen play list thumbnails' workers: one thread per box of the shown
// group, each running its entry's thumbnail loop over and over and handing
// every new picture, stretched to 32 x 32, to whoever shows it. The workers
// know no widgets; the handler is called on the worker threads, so a window
// passes the images on through a queued signal.
//
// One stop flag serves all workers, one idle flag each. A worker is busy from
// the moment it is started until its loop has ended (stopped, or a text
// without back animation that shows once), so a refresh that waits until all
// are idle never leaves two workers drawing into the same box.
class ThumbnailWorkers {
public:
    static constexpr int kBoxCount = 15;
    static constexpr int kStartSpacingMs = 50;  // between the starts of two workers
    static constexpr int kIdleCheckMs = 100;    // how often a refresh looks at the idle flags

    // Called with the box (0 .. 14) and its new 32 x 32 picture.
    using ImageHandler = std::function<void(int box, const QImage &thumbnail)>;

    ThumbnailWorkers(ImageHandler onImage, common::Clock &clock);
    // Stops the workers and waits for them.
    ~ThumbnailWorkers();
    ThumbnailWorkers(const ThumbnailWorkers &) = delete;
    ThumbnailWorkers &operator=(const ThumbnailWorkers &) = delete;

    // Start thumbnails: box k runs loops[k] (k < 15), the n-th worker begins
    // n x 50 ms after the call; boxes beyond the loops are filled black once.
    // Workers still busy are stopped and waited for first.
    void start(const std::vector<PreviewLoop> &loops);
    // Raises the stop flag; every worker ends within one step.
    void requestStop();
    // Whether every idle flag is raised (no worker is drawing).
    bool allIdle() const;
    bool isIdle(int box) const;
    // Raises the stop flag and waits, looking every 100 ms, until all are idle.
    void stopAndWait();
    // Refresh thumbnails: stop, wait until all are idle, start `loops`.
    void refresh(const std::vector<PreviewLoop> &loops);

private:
    void run(int box, int startDelayMs, const PreviewLoop &loop);
    void joinAll();

    ImageHandler m_onImage;
    common::Clock &m_clock;
    std::atomic<bool> m_stop{false};
    std::array<std::atomic<bool>, kBoxCount> m_idle;
    std::array<std::thread, kBoxCount> m_threads;
};

} // namespace halvane::preview
