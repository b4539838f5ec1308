// Why a port does not open, as the user reads it: the real opener on
// pseudo-terminals and paths of the test's own, and the texts themselves.

#include "halvane/link/device_check.h"
#include "halvane/link/exchanges.h"
#include "halvane/link/serial_port.h"
#include "tests/halvane/link/pty_fixture.h"

#include "common/profile.h"

#include <QProcess>

using namespace halvane::link;

namespace {

class DeviceCheckTest : public PtyFixture {
protected:
    // The reason the real opener gives for COM<port>; the open must fail.
    QString whyNot(int port)
    {
        SerialPortOpener opener(ini());
        QString why;
        EXPECT_EQ(opener.openExplained(port, 9600, &why), nullptr);
        return why;
    }
    QString device(int port) const { return path(QStringLiteral("com%1").arg(port)); }
};

TEST_F(DeviceCheckTest, MissingDeviceAndPortWithoutDeviceAreNamed)
{
    writeIni("PORT=2\nBAUDRATE=9600\n");
    EXPECT_EQ(whyNot(2), QStringLiteral("COM2 (%1) does not exist: is the cross's adapter plugged in?").arg(device(2)));
    ASSERT_TRUE(common::WritePrivateProfileStringA(QStringLiteral("PORTS"), QStringLiteral("COM3"), QString(), ini()));
    EXPECT_EQ(whyNot(3), QStringLiteral("COM3 has no device: map one in section PORTS of Halvane.ini (COM3=/dev/ttyUSB0)."));

    // A cross command keeps the fixed text first and puts the reason under it.
    SystemLink system(appFolder());
    const LinkStatus found = FindCross(system.context());
    EXPECT_EQ(found.code, LinkStatus::Code::PortNotOpened);
    EXPECT_EQ(found.message, QStringLiteral("Can't Open Com Port!\n") + whyNot(2));
}

TEST_F(DeviceCheckTest, BusyDeviceNamesTheLockAndItsHolder)
{
    addCross(1);
    writeIni("");
    SerialPortOpener opener(ini());
    auto held = opener.open(1, 9600);
    ASSERT_NE(held, nullptr);

    const QString why = whyNot(1);
    EXPECT_TRUE(why.startsWith(QStringLiteral("COM1 (%1) is busy: held by this program, lock file ").arg(device(1))))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("LCK.."))) << why.toStdString();
    EXPECT_TRUE(describeState(inspectDevice(ini(), 1, true)).startsWith(QStringLiteral("busy: held by this program")));
    // The failed search says which port was in the way; missing ones are normal.
    const QList<PortProblem> problems = unusablePorts(ini(), 16);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems.first().port, 1);
    EXPECT_EQ(problems.first().why, why);

    held.reset();
    EXPECT_EQ(describeState(inspectDevice(ini(), 1, true)), QStringLiteral("readable, writable"));
    EXPECT_NE(opener.open(1, 9600), nullptr) << "the port is free again";
    EXPECT_TRUE(unusablePorts(ini(), 16).isEmpty());
}

TEST_F(DeviceCheckTest, LockOfAnotherRunningProcessCountsUntilItEnds)
{
    // A lock file in the uucp style (the process id in text), as serial
    // terminals leave it; its process ends, and the lock is stale.
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(holder.waitForStarted(5000));
    const QString fake = device(9);
    writeFile(QStringLiteral("com9"), QByteArray());
    const QString lock = QDir::temp().filePath(QStringLiteral("LCK..") + QString(fake).replace(QLatin1Char('/'), QLatin1Char('_')));
    {
        QFile f(lock);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("%1\n").arg(holder.processId(), 10).toLatin1());
    }
    const HeldLock held = findHeldLock(fake);
    EXPECT_EQ(held.file, lock);
    EXPECT_EQ(held.pid, holder.processId());
    const DeviceFacts facts = inspectDevicePath(fake, false);
    EXPECT_EQ(facts.lockProgram, QStringLiteral("sleep"));

    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(5000));
    EXPECT_TRUE(findHeldLock(fake).file.isEmpty()) << "a lock of an ended process holds nothing";
    QFile::remove(lock);
}

TEST(DeviceCheckText, EachReasonTellsTheDeviceAndWhatToDo)
{
    DeviceFacts f;
    f.portNumber = 3;
    f.device = QStringLiteral("/dev/ttyUSB0");
    f.exists = true;
    f.group = QStringLiteral("dialout");
    EXPECT_EQ(describeOpenFailure(f, {}),
              QStringLiteral("COM3 (/dev/ttyUSB0): permission denied. On most Linux systems the user must be in "
                             "the group that owns the device, here \"dialout\" (sudo usermod -aG dialout $USER), "
                             "and log in again."));
    EXPECT_EQ(describeState(f), QStringLiteral("not readable, not writable (group dialout)"));
    f.readable = true;
    EXPECT_TRUE(describeOpenFailure(f, {}).contains(QStringLiteral("permission denied"))) << "writing is needed too";
    EXPECT_EQ(describeState(f), QStringLiteral("readable, not writable (group dialout)"));
    f.group.clear();
    EXPECT_TRUE(describeOpenFailure(f, {}).contains(QStringLiteral("(ls -l /dev/ttyUSB0 shows it)")));
    f.group = QStringLiteral("root"); // no group to join: say how to get one
    EXPECT_FALSE(describeOpenFailure(f, {}).contains(QStringLiteral("usermod -aG root")));
    EXPECT_TRUE(describeOpenFailure(f, {}).contains(QStringLiteral("udev rule")));

    f.writable = true;
    EXPECT_FALSE(explainsFailure(f));
    EXPECT_EQ(describeOpenFailure(f, QStringLiteral("Input/output error")),
              QStringLiteral("COM3 (/dev/ttyUSB0) cannot be opened: Input/output error."));

    f.lockFile = QStringLiteral("/run/lock/LCK..ttyUSB0");
    f.lockPid = 4242;
    f.lockProgram = QStringLiteral("minicom");
    EXPECT_TRUE(explainsFailure(f));
    EXPECT_EQ(describeOpenFailure(f, {}), QStringLiteral("COM3 (/dev/ttyUSB0) is busy: held by process 4242 (minicom), "
                                                         "lock file /run/lock/LCK..ttyUSB0."));
    f.lockFile.clear();
    f.heldExclusively = true;
    EXPECT_EQ(describeState(f), QStringLiteral("busy: another program holds it for exclusive use"));
}

} // namespace
