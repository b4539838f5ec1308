#pragma once

#include <QDateTime>

#include <atomic>

namespace halvane::preview {

// The time source and the sleeps of the preview loops and the thumbnail
// workers. The program uses SystemClock; tests hand in a clock of their own
// that only counts the time, so that loops run in virtual time.
class PreviewClock {
public:
    virtual ~PreviewClock() = default;
    // The local date and time (the Hour and Date captions).
    virtual QDateTime now() = 0;
    // Waits `ms` milliseconds (nothing for 0 or less).
    virtual void sleepMs(int ms) = 0;
};

// Real time: the wall clock and std::this_thread::sleep_for on steady time.
class SystemClock : public PreviewClock {
public:
    QDateTime now() override;
    void sleepMs(int ms) override;
};

// The longest single sleep of a waiting preview: a stop request is noticed
// at least this often, whatever the step's own duration (GIF delays reach
// ten minutes).
inline constexpr int kStopCheckMs = 100;

// Sleeps `ms` in pieces of at most kStopCheckMs and returns false as soon as
// `stop` is raised (before or during the sleep), true after the whole sleep.
bool sleepUnlessStopped(PreviewClock &clock, int ms, const std::atomic<bool> &stop);

} // namespace halvane::preview
