#pragma once

#include <QDateTime>

#include <cstdint>

namespace common {

// Time as the programs see it: a wrapping millisecond tick, sleeps and the
// local wall-clock time. Every wait of the protocol goes through one of these,
// so the link protocol and the preview loops can run in virtual time under test.
class Clock {
public:
    virtual ~Clock() = default;

    // A monotonic millisecond counter; it may wrap, callers subtract unsigned.
    virtual std::uint32_t tickMs() = 0;
    // Blocks the calling thread for at least `ms` milliseconds.
    virtual void sleepMs(int ms) = 0;
    // The computer's local date and time (for the cross clock).
    virtual QDateTime localTime() = 0;
};

// The real clock: std::chrono::steady_clock, thread sleeps, the system's local time.
// Safe to use from several threads at once.
Clock &systemClock();

} // namespace common
