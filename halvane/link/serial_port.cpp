#include "halvane/link/serial_port.h"

#include "common/app_dir.h"
#include "halvane/link/port_map.h"

#include <QFileInfo>
#include <QSerialPort>

#include <sys/ioctl.h>

namespace halvane::link {
namespace {

class SerialCrossPort : public CrossPort {
public:
    SerialCrossPort(const QString &device, int baudRate) : m_baudRate(baudRate)
    {
        m_port.setPortName(device);
    }

    // The open sequence: exclusive open, 8N1 at the rate, then purge both ways.
    bool open()
    {
        if (m_baudRate <= 0)
            return false; // no driver takes a rate of 0; nothing is opened
        m_port.setBaudRate(m_baudRate);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        if (!m_port.open(QIODevice::ReadWrite))
            return false;
        if (!m_port.setBaudRate(m_baudRate) || m_port.baudRate() != m_baudRate) {
            m_port.close();
            return false;
        }
        m_port.clear(QSerialPort::AllDirections);
        return true;
    }

    qint64 write(const QByteArray &bytes) override
    {
        if (failed())
            return -1;
        const qint64 n = m_port.write(bytes);
        m_port.flush();
        return failed() ? -1 : n;
    }

    qint64 pendingOutput() override
    {
        m_port.flush(); // moves Qt's buffer to the driver without blocking
        if (failed())
            return -1;
        int queued = 0;
        if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) != 0)
            queued = 0;
        return m_port.bytesToWrite() + queued;
    }

    QByteArray read(qint64 maxCount) override
    {
        if (maxCount <= 0)
            return {};
        if (!failed())
            m_port.waitForReadyRead(0); // picks up what the driver holds, never waits
        // Bytes beyond maxCount stay buffered for the next read on this port.
        return m_port.read(maxCount);
    }

    int baudRate() const override { return m_baudRate; }

private:
    bool failed() const
    {
        const auto e = m_port.error();
        return e != QSerialPort::NoError && e != QSerialPort::TimeoutError;
    }

    QSerialPort m_port;
    int m_baudRate;
};

} // namespace

SerialPortOpener::SerialPortOpener(QString iniPath) : m_iniPath(std::move(iniPath)) {}

std::unique_ptr<CrossPort> SerialPortOpener::open(int portNumber, int baudRate)
{
    const QString device = portDevicePath(m_iniPath, portNumber);
    if (device.isEmpty())
        return nullptr;
    // Only existing devices; a link is followed so its lock matches the device's.
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (canonical.isEmpty())
        return nullptr;
    auto port = std::make_unique<SerialCrossPort>(canonical, baudRate);
    if (!port->open())
        return nullptr;
    return port;
}

SystemLink::SystemLink() : SystemLink(common::applicationFolder()) {}

SystemLink::SystemLink(const QString &appFolder)
    : m_ports(appFolder + QStringLiteral("Halvane.ini"))
{
    m_context.ports = &m_ports;
    m_context.clock = &systemClock();
    m_context.appFolder = appFolder;
}

} // namespace halvane::link
