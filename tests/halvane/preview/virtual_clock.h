#pragma once

#include "halvane/preview/preview_clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace halvane::preview::testing {

// Virtual time for the preview tests: a sleep only adds its milliseconds to
// the total (and to the sleeping thread's own total) and yields briefly, so
// loops of many seconds run in an instant and nothing depends on the
// machine's speed. now() is a fixed moment plus the virtual time elapsed.
class VirtualClock : public PreviewClock {
public:
    explicit VirtualClock(QDateTime start = QDateTime(QDate(2024, 3, 7), QTime(9, 5)))
        : m_start(std::move(start))
    {
    }

    QDateTime now() override { return m_start.addMSecs(m_total.load()); }

    void sleepMs(int ms) override
    {
        if (ms <= 0)
            return;
        m_total += ms;
        threadTotal() += ms;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    long long totalMs() const { return m_total; }
    // The virtual time the calling thread has slept so far.
    static long long &threadTotal()
    {
        thread_local long long total = 0;
        return total;
    }

private:
    QDateTime m_start;
    std::atomic<long long> m_total{0};
};

} // namespace halvane::preview::testing
