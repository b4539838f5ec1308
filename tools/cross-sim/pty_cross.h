#pragma once

#include "common/status.h"
#include "tools/cross-sim/virtual_cross.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace cross_sim {

// A virtual cross on a pseudo-terminal: the host opens the terminal's device
// (or a link to it) like a serial port. A thread reads what the host writes,
// takes the line's rate from the terminal settings the host made, and writes
// the cross's answers back when they are due.
class PtyCross {
public:
    explicit PtyCross(CrossConfig config = {});
    ~PtyCross(); // stops and removes the link
    PtyCross(const PtyCross &) = delete;
    PtyCross &operator=(const PtyCross &) = delete;

    // Keeps the state in `folder` (call before start).
    common::Status useStateFolder(const QString &folder);
    // Opens the terminal, links `linkPath` to it (when given) and starts answering.
    common::Status start(const QString &linkPath = {});
    void stop();

    // The terminal device the host opens, e.g. /dev/pts/3.
    QString devicePath() const { return m_devicePath; }

    // Sends the three self-test frames, a second apart.
    void requestSelfTest();
    // While on, sends one self-test frame every second.
    void setSelfTestRepeat(bool on) { m_selfTestRepeat.store(on); }

    // Runs `f` on the cross under the lock (for looking at its state).
    template <class F>
    auto withCross(F f) const
    {
        std::lock_guard lock(m_mutex);
        return f(m_cross);
    }
    // Waits until the cross has seen `count` frames addressed to it in all,
    // at most `timeoutMs`; false when the time ran out first.
    bool waitForCommands(int count, int timeoutMs) const;

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    struct Pending {
        TimePoint due;
        QByteArray bytes;
    };

    void run();
    void receive();
    void queue(const std::vector<Outgoing> &outgoing);
    void writeDue();
    int lineBaud() const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    VirtualCross m_cross;
    std::deque<Pending> m_pending; // in the order they are due
    int m_master = -1;
    int m_slave = -1; // held open so the terminal never hangs up between hosts
    QString m_devicePath;
    QString m_linkPath;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_selfTestRepeat{false};
    TimePoint m_nextRepeat{};
    std::thread m_thread;
};

} // namespace cross_sim
