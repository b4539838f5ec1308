#pragma once

#include "halvane/preview/stoppable_sleep.h"
#include "halvane/preview/step_sink.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

namespace halvane::preview {

// The Preview dialog's playback: runs one preview loop on a worker thread,
// turns every step's canvas into the dot-grid picture of the dialog and hands
// it on, and keeps the running and finished flags the dialog's close request
// goes by. Knows no widgets: both handlers are called on the worker thread.
class PreviewPlayback {
public:
    using PictureHandler = std::function<void(const QImage &picture)>;
    using MessageHandler = std::function<void(const QString &text)>;

    PreviewPlayback(common::Clock &clock, int dotSize, PictureHandler onPicture,
                    MessageHandler onMessage);
    // Stops the loop and waits for the thread.
    ~PreviewPlayback();
    PreviewPlayback(const PreviewPlayback &) = delete;
    PreviewPlayback &operator=(const PreviewPlayback &) = delete;

    // Starts the preview thread: running is raised, the loop runs until it
    // ends or running is lowered, then running is lowered and finished raised.
    // Only the first call starts anything.
    void start(PreviewLoop loop);

    // The dialog's close request: true when the dialog may close (the
    // preview has finished, or never started); otherwise the loop is asked to
    // end at its next step and false is returned, so a second request closes.
    bool requestClose();

    bool isRunning() const { return m_running; }
    bool isFinished() const { return m_finished; }
    // Waits until the preview thread has ended.
    void wait();

private:
    void run(const PreviewLoop &loop);

    common::Clock &m_clock;
    int m_dotSize;
    PictureHandler m_onPicture;
    MessageHandler m_onMessage;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_stop{false};
    bool m_started = false;
    std::thread m_thread;
};

} // namespace halvane::preview
