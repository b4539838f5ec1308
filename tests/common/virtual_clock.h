#pragma once

#include "common/clock.h"

#include <QDateTime>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace test_support {

// Test support: the one fake clock of the tests. A sleep only adds its
// milliseconds to the virtual time (and to the sleeping thread's own total),
// so waits of many seconds pass in an instant and nothing depends on the
// machine's speed. Safe for many threads at once.
//
// The tick starts at 1000 and wraps like the real one; setTick() moves it.
// The local time is the fixed moment setLocalTime() gave (the link tests read
// the same time however long the exchange waited), or, once
// setLocalTimeRunning() was called, that moment plus the virtual time that
// has passed since (the preview's clock faces).
class VirtualClock : public common::Clock {
public:
    std::uint32_t tickMs() override { return m_tick.load(); }

    void sleepMs(int ms) override
    {
        if (ms <= 0)
            return;
        m_tick += std::uint32_t(ms);
        m_total += ms;
        threadTotal() += ms;
        if (m_yield)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    QDateTime localTime() override
    {
        return m_running ? m_local.addMSecs(m_total.load() - m_localSetAt) : m_local;
    }

    void setTick(std::uint32_t tick) { m_tick = tick; }
    void setLocalTime(const QDateTime &time)
    {
        m_local = time;
        m_running = false;
    }
    void setLocalTimeRunning(const QDateTime &time)
    {
        m_local = time;
        m_localSetAt = m_total.load();
        m_running = true;
    }
    // Each sleep also yields the thread briefly, so that worker threads that
    // sleep in virtual time take turns as they would in real time.
    void setYieldOnSleep(bool yield) { m_yield = yield; }

    // The virtual time slept so far, by every thread.
    long long totalMs() const { return m_total.load(); }
    // The virtual time the calling thread has slept so far.
    static long long &threadTotal()
    {
        thread_local long long total = 0;
        return total;
    }

private:
    std::atomic<std::uint32_t> m_tick{1000};
    std::atomic<long long> m_total{0};
    QDateTime m_local = QDateTime(QDate(2026, 1, 1), QTime(0, 0));
    long long m_localSetAt = 0;
    bool m_running = false;
    bool m_yield = false;
};

} // namespace test_support
