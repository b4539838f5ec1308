#pragma once

#include "halvane/link/cross_port.h"

#include <QByteArray>

#include <memory>

namespace halvane::link {

// The five port operations every exchange with the cross is made of. No
// connection outlives an operation: open, write, wait, read once, close.

using PortHandle = std::unique_ptr<CrossPort>;

// Opens COM<portNumber> at `baudRate` (exclusive, 8N1, purged). Null when the
// port does not exist, is busy or refuses the rate; then `why`, when given,
// names the device and the reason ("" when the opener cannot tell).
PortHandle OpenCrossPort(const LinkContext &link, int portNumber, int baudRate, QString *why = nullptr);

// Opens the port and rate stored in Halvane.ini (PORT, BAUDRATE) right now.
PortHandle OpenConfiguredPort(const LinkContext &link, QString *why = nullptr);

// Writes all bytes, waits until the driver has sent them, then waits 20 ms.
// Returns bytes.size(), or 0 when the write fell short, the device failed or
// the output did not drain within twice its time on the line plus a margin.
qint64 WriteAndDrain(const LinkContext &link, CrossPort &port, const QByteArray &bytes);

// One non-waiting read of at most `maxCount` bytes; what did not fit stays
// for the next read on the same port.
QByteArray ReadAvailable(CrossPort &port, qint64 maxCount);

// Returns only after strictly more than `ms` milliseconds of tick time.
void BusyWait(Clock &clock, int ms);

// Closes the port (the handle becomes null).
void CloseCrossPort(PortHandle &port);

// The longest WriteAndDrain waits for the driver to send `byteCount` bytes.
int drainLimitMs(qint64 byteCount, int baudRate);

} // namespace halvane::link
