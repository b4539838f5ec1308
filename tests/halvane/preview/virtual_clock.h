#pragma once

#include "common/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace halvane::preview::testing {

// Virtual time for the preview tests, safe for many worker threads: a sleep
// only adds its milliseconds to the total (and to the sleeping thread's own
// total) and yields briefly, so loops of many seconds run in an instant and
// nothing depends on the machine's speed. The local time is a fixed moment
// plus the virtual time elapsed.
class VirtualClock : public common::Clock {
public:
    std::uint32_t tickMs() override { return std::uint32_t(m_total.load()); }

    void sleepMs(int ms) override
    {
        if (ms <= 0)
            return;
        m_total += ms;
        threadTotal() += ms;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    QDateTime localTime() override { return m_start.addMSecs(m_total.load()); }

    long long totalMs() const { return m_total; }
    // The virtual time the calling thread has slept so far.
    static long long &threadTotal()
    {
        thread_local long long total = 0;
        return total;
    }

private:
    QDateTime m_start = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
    std::atomic<long long> m_total{0};
};

} // namespace halvane::preview::testing
