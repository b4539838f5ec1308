#include "tests/halvane/link/sim_link.h"

namespace link_test {

using halvane::link::CrossPort;

SimLine::SimLine(VirtualClock &clock, std::unique_ptr<cross_sim::VirtualCross> cross)
    : m_clock(clock), m_cross(std::move(cross))
{
}

void SimLine::opened(int baud)
{
    m_baud = baud;
    collectDue();
    m_input.clear(); // bytes that arrived before the open are purged
}

qint64 SimLine::write(const QByteArray &bytes)
{
    if (m_unplugged)
        return -1;
    m_written.push_back(bytes);
    if (m_cross)
        for (const cross_sim::Outgoing &o : m_cross->receive(bytes, m_baud))
            m_due.push_back({m_clock.tickMs() + std::uint32_t(o.delayMs), m_noise + o.bytes,
                             m_cross->config().baudRate});
    return bytes.size();
}

void SimLine::crossSends(const std::vector<cross_sim::Outgoing> &frames, int afterMs)
{
    for (const cross_sim::Outgoing &o : frames)
        m_due.push_back({m_clock.tickMs() + std::uint32_t(afterMs + o.delayMs), o.bytes,
                         m_cross->config().baudRate});
}

qint64 SimLine::pendingOutput() const
{
    if (m_unplugged)
        return -1;
    return m_jammed ? 1 : 0;
}

QByteArray SimLine::read(qint64 maxCount)
{
    collectDue();
    const QByteArray out = m_input.left(std::max<qint64>(maxCount, 0));
    m_input.remove(0, out.size());
    return out;
}

void SimLine::collectDue()
{
    const std::uint32_t now = m_clock.tickMs();
    std::stable_sort(m_due.begin(), m_due.end(), [](const Due &a, const Due &b) { return a.at < b.at; });
    while (!m_due.empty() && m_due.front().at <= now) {
        if (m_due.front().baud == m_baud)
            m_input += m_due.front().bytes;
        m_due.erase(m_due.begin());
    }
}

class SimPort : public CrossPort {
public:
    SimPort(SimPortOpener &owner, int port, int baud) : m_owner(owner), m_port(port), m_baud(baud)
    {
        m_owner.m_open[m_port] = true;
    }
    ~SimPort() override { m_owner.m_open[m_port] = false; }

    qint64 write(const QByteArray &bytes) override { return line().write(bytes); }
    qint64 pendingOutput() override { return line().pendingOutput(); }
    QByteArray read(qint64 maxCount) override { return line().read(maxCount); }
    int baudRate() const override { return m_baud; }

private:
    SimLine &line() { return *m_owner.m_lines.at(m_port); }

    SimPortOpener &m_owner;
    int m_port;
    int m_baud;
};

SimLine &SimPortOpener::addCross(int port, cross_sim::CrossConfig config)
{
    m_lines[port] = std::make_unique<SimLine>(m_clock, std::make_unique<cross_sim::VirtualCross>(std::move(config)));
    return *m_lines[port];
}

SimLine &SimPortOpener::addEmptyPort(int port)
{
    m_lines[port] = std::make_unique<SimLine>(m_clock, nullptr);
    return *m_lines[port];
}

std::unique_ptr<CrossPort> SimPortOpener::open(int port, int baud)
{
    const bool ok = m_lines.count(port) && baud > 0 && !m_busy[port] && !isOpen(port);
    m_attempts.push_back({port, baud, m_clock.tickMs(), ok});
    if (!ok)
        return nullptr;
    m_lines.at(port)->opened(baud);
    return std::make_unique<SimPort>(*this, port, baud);
}

} // namespace link_test
