#include "halvane/preview/preview_playback.h"

#include "halvane/preview/dot_grid.h"

namespace halvane::preview {

namespace {

// Draws each step on the dot grid and waits its time unless the dialog
// asked the preview to end.
class DialogSink : public StepSink {
public:
    DialogSink(common::Clock &clock, int dotSize, const PreviewPlayback::PictureHandler &onPicture,
               const PreviewPlayback::MessageHandler &onMessage, const std::atomic<bool> &stop)
        : m_clock(clock), m_dotSize(dotSize), m_onPicture(onPicture), m_onMessage(onMessage),
          m_stop(stop)
    {
    }

    bool show(const QImage &canvas, int durationMs) override
    {
        if (m_onPicture)
            m_onPicture(dotGridImage(canvas, m_dotSize));
        return sleepUnlessStopped(m_clock, durationMs, m_stop);
    }

    void message(const QString &text) override
    {
        if (m_onMessage)
            m_onMessage(text);
    }

private:
    common::Clock &m_clock;
    int m_dotSize;
    const PreviewPlayback::PictureHandler &m_onPicture;
    const PreviewPlayback::MessageHandler &m_onMessage;
    const std::atomic<bool> &m_stop;
};

} // namespace

PreviewPlayback::PreviewPlayback(common::Clock &clock, int dotSize, PictureHandler onPicture,
                                 MessageHandler onMessage)
    : m_clock(clock), m_dotSize(dotSize), m_onPicture(std::move(onPicture)),
      m_onMessage(std::move(onMessage))
{
}

PreviewPlayback::~PreviewPlayback()
{
    m_stop = true;
    wait();
}

void PreviewPlayback::start(PreviewLoop loop)
{
    if (m_started || m_stop)
        return;
    m_started = true;
    m_running = true;
    m_thread = std::thread(&PreviewPlayback::run, this, std::move(loop));
}

void PreviewPlayback::run(const PreviewLoop &loop)
{
    DialogSink sink(m_clock, m_dotSize, m_onPicture, m_onMessage, m_stop);
    if (loop)
        loop(sink);
    m_running = false;
    m_finished = true;
}

bool PreviewPlayback::requestClose()
{
    m_stop = true;
    return m_finished || !m_started;
}

void PreviewPlayback::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace halvane::preview
