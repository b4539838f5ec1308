#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace halvane::link {

// Why a serial device cannot be opened, in words a user can act on: which
// device a port number stands for, and whether it is missing, forbidden to
// this user (and which group would let them in), or held by another
// program (and which lock says so).

struct DeviceFacts {
    int portNumber = 0;
    QString device;       // as mapped; "" when the number has no device
    bool exists = false;
    bool readable = false;
    bool writable = false;
    QString group;        // the group that owns the device ("dialout"), "" if unknown
    QString lockFile;     // a lock file held by a running process, "" if none
    qint64 lockPid = 0;
    QString lockProgram;  // that process's name, "" if unknown
    bool heldExclusively = false; // an open was refused with "busy"
};

// Looks at COM<portNumber> of `iniPath` without opening it, except that
// `probeOpen` tries a non-blocking open (closed at once) to find a device
// another program holds for exclusive use.
DeviceFacts inspectDevice(const QString &iniPath, int portNumber, bool probeOpen);

// The facts of `device` alone (no port mapping involved).
DeviceFacts inspectDevicePath(const QString &device, bool probeOpen);

// Whether the facts explain a failed open (no device, missing, forbidden, busy).
bool explainsFailure(const DeviceFacts &facts);

// One sentence on the port, e.g. "COM3 (/dev/ttyUSB0) does not exist."
// `otherError` is used when the facts show nothing wrong (the driver's text).
QString describeOpenFailure(const DeviceFacts &facts, const QString &otherError);

// The port's state as `halvane-cli ports` lists it: "readable, writable",
// "does not exist", "busy: ...", "not readable, not writable: ...".
QString describeState(const DeviceFacts &facts);

// A port whose device exists but that this user may not open or another
// program holds, and why, as describeOpenFailure says it.
struct PortProblem {
    int port = 0;
    QString why;
};

// The problems of COM1..COM<count>, in port order.
QList<PortProblem> unusablePorts(const QString &iniPath, int count);

// The lock files other programs and QSerialPort take for `device`
// ("LCK..ttyUSB0" in the usual lock folders), the first held by a running
// process, with its process id.
struct HeldLock {
    QString file;
    qint64 pid = 0;
};
HeldLock findHeldLock(const QString &device);

} // namespace halvane::link
