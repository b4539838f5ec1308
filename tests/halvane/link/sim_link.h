#pragma once

#include "halvane/link/cross_port.h"
#include "tests/common/virtual_clock.h"
#include "tools/cross-sim/virtual_cross.h"

#include <QString>

#include <map>
#include <memory>
#include <vector>

// Test support: the cross link in virtual time. A VirtualClock stands for the
// tick counter, sleeps and local time; SimPortOpener stands for the serial
// ports, with a VirtualCross behind each port that has one.
namespace link_test {

using VirtualClock = test_support::VirtualClock;

// One serial line with a virtual cross (or nothing) at its far end. Bytes the
// cross sends arrive at their due virtual time and wait in the input buffer
// until read; opening the port purges them. Bytes that arrive while the host
// runs the line at another rate than the cross are noise and are lost.
class SimLine {
public:
    SimLine(VirtualClock &clock, std::unique_ptr<cross_sim::VirtualCross> cross);

    cross_sim::VirtualCross *cross() { return m_cross.get(); }
    // Bytes that arrive at the host right now (noise, stray replies).
    void inject(const QByteArray &bytes) { m_input += bytes; }
    // Bytes that arrive just before every answer of the cross (line noise).
    void noiseBeforeAnswers(const QByteArray &bytes) { m_noise = bytes; }
    // Frames the cross sends on its own, starting `afterMs` from now.
    void crossSends(const std::vector<cross_sim::Outgoing> &frames, int afterMs);
    // The device vanishes: writes and the output queue report errors.
    void unplug() { m_unplugged = true; }
    // The output never drains (flow control with nothing attached).
    void jamOutput() { m_jammed = true; }
    // Every frame the host wrote, in order.
    const std::vector<QByteArray> &written() const { return m_written; }

    void opened(int baud);
    qint64 write(const QByteArray &bytes);
    qint64 pendingOutput() const;
    QByteArray read(qint64 maxCount);

private:
    struct Due {
        std::uint32_t at;
        QByteArray bytes;
        int baud; // the rate the cross sent them at
    };
    void collectDue();

    VirtualClock &m_clock;
    std::unique_ptr<cross_sim::VirtualCross> m_cross;
    std::vector<Due> m_due;
    QByteArray m_input;
    QByteArray m_noise;
    std::vector<QByteArray> m_written;
    int m_baud = 0;
    bool m_unplugged = false;
    bool m_jammed = false;
};

struct OpenAttempt {
    int port;
    int baud;
    std::uint32_t tick;
    bool opened;
    friend bool operator==(const OpenAttempt &, const OpenAttempt &) = default;
};

// Ports 1..N of the test: a port exists when a line was added for it. A rate
// of 0 or less is refused; a busy port refuses every open; a port is busy
// while a handle to it is open.
class SimPortOpener : public halvane::link::PortOpener {
public:
    explicit SimPortOpener(VirtualClock &clock) : m_clock(clock) {}

    // A port with a cross of this configuration behind it.
    SimLine &addCross(int port, cross_sim::CrossConfig config = {});
    // A port with nothing behind it.
    SimLine &addEmptyPort(int port);
    void setBusy(int port, bool busy) { m_busy[port] = busy; }

    std::unique_ptr<halvane::link::CrossPort> open(int port, int baud) override;
    const std::vector<OpenAttempt> &attempts() const { return m_attempts; }
    bool isOpen(int port) const { return m_open.count(port) && m_open.at(port); }

private:
    friend class SimPort;
    VirtualClock &m_clock;
    std::map<int, std::unique_ptr<SimLine>> m_lines;
    std::map<int, bool> m_busy;
    std::map<int, bool> m_open;
    std::vector<OpenAttempt> m_attempts;
};

// A link context over the simulated ports, for an application folder.
struct SimLink {
    VirtualClock clock;
    SimPortOpener ports{clock};
    halvane::link::LinkContext context(const QString &appFolder)
    {
        return {&ports, &clock, appFolder.endsWith(QLatin1Char('/')) ? appFolder : appFolder + QLatin1Char('/')};
    }
};

} // namespace link_test
