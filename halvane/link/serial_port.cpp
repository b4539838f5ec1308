#include "halvane/link/serial_port.h"

#include "common/app_dir.h"
#include "halvane/link/device_check.h"
#include "halvane/settings/port_map.h"

#include <QCoreApplication>
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

    // The open sequence: exclusive open, 8N1 at the rate, then purge both
    // ways. On failure `why` has the driver's word for it.
    bool open(QString &why)
    {
        const QString refused = QCoreApplication::translate("halvane::link", "the device refused the rate %1").arg(m_baudRate);
        if (m_baudRate <= 0) {
            why = refused; // no driver takes a rate of 0; nothing is opened
            return false;
        }
        m_port.setBaudRate(m_baudRate);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        if (!m_port.open(QIODevice::ReadWrite)) {
            why = m_port.errorString();
            return false;
        }
        if (!m_port.setBaudRate(m_baudRate) || m_port.baudRate() != m_baudRate) {
            m_port.close();
            why = refused;
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
    return openExplained(portNumber, baudRate, nullptr);
}

std::unique_ptr<CrossPort> SerialPortOpener::openExplained(int portNumber, int baudRate, QString *why)
{
    const QString device = settings::portDevicePath(m_iniPath, portNumber);
    // Only existing devices; a link is followed so its lock matches the device's.
    const QString canonical = QFileInfo(device).canonicalFilePath();
    QString driverError;
    if (!canonical.isEmpty()) {
        auto port = std::make_unique<SerialCrossPort>(canonical, baudRate);
        if (port->open(driverError))
            return port;
    }
    if (why) {
        // Looked at only after the open failed, so a working open costs nothing.
        DeviceFacts facts = inspectDevicePath(device, true);
        facts.portNumber = portNumber;
        *why = describeOpenFailure(facts, driverError);
    }
    return nullptr;
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
