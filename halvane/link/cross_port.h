#pragma once

#include "common/clock.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace halvane::link {

// The link waits on the programs' one clock.
using common::Clock;
using common::systemClock;

// One open serial device, owned by the operation that opened it. Reads never
// wait; writes hand the bytes to the driver and report how far they got.
class CrossPort {
public:
    virtual ~CrossPort() = default;

    // Hands `bytes` to the driver. The count accepted, or -1 on a device error.
    virtual qint64 write(const QByteArray &bytes) = 0;
    // Bytes written but not yet sent down the line; -1 once the device failed.
    virtual qint64 pendingOutput() = 0;
    // At most `maxCount` bytes that have already arrived; never waits.
    virtual QByteArray read(qint64 maxCount) = 0;
    // The rate the port was opened at.
    virtual int baudRate() const = 0;
};

// Opens port numbers ("COM<n>") at a rate: exclusive access, 8N1 raw, input
// and output purged. Returns null when the port does not exist, is held by
// someone else or refuses the rate; nothing stays open then.
class PortOpener {
public:
    virtual ~PortOpener() = default;
    virtual std::unique_ptr<CrossPort> open(int portNumber, int baudRate) = 0;
    // The same, and on failure `why` says which device and what stands in
    // the way, when the opener knows ("" otherwise).
    virtual std::unique_ptr<CrossPort> openExplained(int portNumber, int baudRate, QString *why)
    {
        if (why)
            why->clear();
        return open(portNumber, baudRate);
    }
};

// What every cross operation needs: the ports, the clock and the application
// folder whose Halvane.ini it reads at the moment it runs.
struct LinkContext {
    PortOpener *ports = nullptr;
    Clock *clock = nullptr;
    QString appFolder; // ends with '/'

    QString iniPath() const { return appFolder + QStringLiteral("Halvane.ini"); }
};

} // namespace halvane::link
