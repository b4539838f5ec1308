#include "halvane/preview/thumbnail_workers.h"

#include "halvane/encode/dot_image.h"
#include "halvane/preview/canvas.h"

namespace halvane::preview {

namespace {

QImage blackThumbnail()
{
    return encode::blackImage(kThumbnailSize, kThumbnailSize);
}

// Shows the steps of one thumbnail loop: a canvas that changed since the
// last step is stretched to 32 x 32 and handed on; then the step's time is
// waited out unless the stop flag rises.
class ThumbnailSink : public StepSink {
public:
    ThumbnailSink(int box, const ThumbnailWorkers::ImageHandler &onImage, common::Clock &clock,
                  const std::atomic<bool> &stop)
        : m_box(box), m_onImage(onImage), m_clock(clock), m_stop(stop)
    {
    }

    bool show(const QImage &canvas, int durationMs) override
    {
        if (!m_shown || canvas.cacheKey() != m_lastKey) {
            m_lastKey = canvas.cacheKey();
            m_shown = true;
            m_onImage(m_box, thumbnailImage(canvas));
        }
        return sleepUnlessStopped(m_clock, durationMs, m_stop);
    }

    // A thumbnail has no room for messages; the Preview dialog shows them.
    void message(const QString &) override {}

    bool shownAnything() const { return m_shown; }

private:
    int m_box;
    const ThumbnailWorkers::ImageHandler &m_onImage;
    common::Clock &m_clock;
    const std::atomic<bool> &m_stop;
    qint64 m_lastKey = 0;
    bool m_shown = false;
};

} // namespace

ThumbnailWorkers::ThumbnailWorkers(ImageHandler onImage, common::Clock &clock)
    : m_onImage(std::move(onImage)), m_clock(clock)
{
    for (auto &idle : m_idle)
        idle = true;
}

ThumbnailWorkers::~ThumbnailWorkers()
{
    requestStop();
    joinAll();
}

void ThumbnailWorkers::start(const std::vector<PreviewLoop> &loops)
{
    if (!allIdle())
        stopAndWait();
    joinAll();
    m_stop = false;
    int started = 0;
    for (int box = 0; box < kBoxCount; ++box) {
        if (box >= int(loops.size()) || !loops[size_t(box)]) {
            m_onImage(box, blackThumbnail());
            continue;
        }
        // Busy from now on, before the thread runs, so that a refresh right
        // after this call waits for it.
        m_idle[size_t(box)] = false;
        m_threads[size_t(box)] =
            std::thread(&ThumbnailWorkers::run, this, box, started++ * kStartSpacingMs, loops[size_t(box)]);
    }
}

void ThumbnailWorkers::run(int box, int startDelayMs, const PreviewLoop &loop)
{
    if (sleepUnlessStopped(m_clock, startDelayMs, m_stop)) {
        ThumbnailSink sink(box, m_onImage, m_clock, m_stop);
        loop(sink);
        if (!sink.shownAnything())
            m_onImage(box, blackThumbnail());
    }
    m_idle[size_t(box)] = true;
}

void ThumbnailWorkers::requestStop()
{
    m_stop = true;
}

bool ThumbnailWorkers::allIdle() const
{
    for (const auto &idle : m_idle)
        if (!idle)
            return false;
    return true;
}

bool ThumbnailWorkers::isIdle(int box) const
{
    return box < 0 || box >= kBoxCount || m_idle[size_t(box)];
}

void ThumbnailWorkers::stopAndWait()
{
    requestStop();
    while (!allIdle())
        m_clock.sleepMs(kIdleCheckMs);
}

void ThumbnailWorkers::refresh(const std::vector<PreviewLoop> &loops)
{
    stopAndWait();
    start(loops);
}

void ThumbnailWorkers::joinAll()
{
    for (std::thread &t : m_threads)
        if (t.joinable())
            t.join();
}

} // namespace halvane::preview
