#include "halvane/link/port_link.h"

#include "halvane/settings/halvane_config.h"

#include <algorithm>

namespace halvane::link {
namespace {

constexpr int kAfterDrainMs = 20;
constexpr int kDrainMarginMs = 250;
constexpr int kDrainPollMs = 1;

// Polls the output queue until it is empty; false on a device error or when
// the limit passes first.
bool drain(const LinkContext &link, CrossPort &port, qint64 byteCount)
{
    Clock &clock = *link.clock;
    const std::uint32_t start = clock.tickMs();
    const std::uint32_t limit = std::uint32_t(drainLimitMs(byteCount, port.baudRate()));
    for (;;) {
        const qint64 pending = port.pendingOutput();
        if (pending == 0)
            return true;
        if (pending < 0 || clock.tickMs() - start > limit)
            return false;
        clock.sleepMs(kDrainPollMs);
    }
}

} // namespace

PortHandle OpenCrossPort(const LinkContext &link, int portNumber, int baudRate, QString *why)
{
    return link.ports->openExplained(portNumber, baudRate, why);
}

PortHandle OpenConfiguredPort(const LinkContext &link, QString *why)
{
    const QString ini = link.iniPath();
    return OpenCrossPort(link, settings::readBootInt(ini, settings::kKeyPort, 0),
                         settings::readBootInt(ini, settings::kKeyBaudRate, 0), why);
}

int drainLimitMs(qint64 byteCount, int baudRate)
{
    // 10 bits a byte on an 8N1 line; twice that time before we give up.
    const qint64 lineMs = baudRate > 0 ? byteCount * 10 * 1000 / baudRate : 0;
    return int(std::min<qint64>(2 * lineMs + kDrainMarginMs, 600000));
}

qint64 WriteAndDrain(const LinkContext &link, CrossPort &port, const QByteArray &bytes)
{
    const bool ok = port.write(bytes) == bytes.size() && drain(link, port, bytes.size());
    BusyWait(*link.clock, kAfterDrainMs);
    return ok ? bytes.size() : 0;
}

QByteArray ReadAvailable(CrossPort &port, qint64 maxCount)
{
    return port.read(maxCount);
}

void BusyWait(Clock &clock, int ms)
{
    const std::uint32_t wanted = std::uint32_t(std::max(ms, 0));
    const std::uint32_t start = clock.tickMs();
    for (;;) {
        const std::uint32_t elapsed = clock.tickMs() - start;
        if (elapsed > wanted)
            return;
        // Sleeping instead of spinning keeps the same minimum elapsed time.
        clock.sleepMs(int(wanted - elapsed) + 1);
    }
}

void CloseCrossPort(PortHandle &port)
{
    port.reset();
}

} // namespace halvane::link
