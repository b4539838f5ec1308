#pragma once

#include "halvane/link/cross_port.h"

#include <QString>

namespace halvane::link {

// Opens the real serial devices through QSerialPort. The device of a port
// number is looked up in Halvane.ini at every open (see port_map.h).
//
// Exclusive access: QSerialPort takes a lock file per device (and sets
// TIOCEXCL), so a second open of the same device, from this process or
// another, fails while the first is held. Symbolic links are resolved first
// so that two names of one device share one lock.
//
// QSerialPort is used from the thread that opened it. That thread must be
// the main thread of a QCoreApplication or a QThread.
class SerialPortOpener : public PortOpener {
public:
    explicit SerialPortOpener(QString iniPath);
    std::unique_ptr<CrossPort> open(int portNumber, int baudRate) override;
    // `why` names the device and tells it missing, forbidden (with the group
    // to join), busy (with the lock) or what the driver said.
    std::unique_ptr<CrossPort> openExplained(int portNumber, int baudRate, QString *why) override;

private:
    QString m_iniPath;
};

// The real ports and clock for the application folder in use when it is made.
class SystemLink {
public:
    SystemLink();
    explicit SystemLink(const QString &appFolder);
    const LinkContext &context() const { return m_context; }

private:
    SerialPortOpener m_ports;
    LinkContext m_context;
};

} // namespace halvane::link
