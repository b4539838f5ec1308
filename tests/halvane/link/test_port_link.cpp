#include "halvane/link/port_link.h"
#include "halvane/settings/port_map.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/link/sim_link.h"

using namespace halvane::link;
using namespace halvane::settings;
using link_test::SimLink;

namespace {

// A clock whose every sleep lasts one millisecond, however long was asked for.
class CrawlingClock : public link_test::VirtualClock {
public:
    void sleepMs(int) override { setTick(tickMs() + 1); }
};

TEST(BusyWait, ReturnsOnlyAfterStrictlyMoreThanTheTime)
{
    CrawlingClock clock;
    clock.setTick(500);
    BusyWait(clock, 20);
    EXPECT_EQ(clock.tickMs(), 521u);
    clock.setTick(0xFFFFFFF0u); // the tick counter wraps during the wait
    BusyWait(clock, 100);
    EXPECT_EQ(clock.tickMs() - 0xFFFFFFF0u, 101u);
    link_test::VirtualClock jumping;
    const std::uint32_t start = jumping.tickMs();
    BusyWait(jumping, 600);
    EXPECT_GT(jumping.tickMs() - start, 600u);
    BusyWait(jumping, -5);
}

class WriteAndDrainTest : public TempDirTest {
protected:
    SimLink m_sim;
    LinkContext link() { return m_sim.context(m_dir.path()); }
};

TEST_F(WriteAndDrainTest, WritesWaitsTwentyMillisecondsAndCountsTheBytes)
{
    m_sim.ports.addEmptyPort(1);
    PortHandle port = OpenCrossPort(link(), 1, 9600);
    ASSERT_TRUE(port);
    const std::uint32_t start = m_sim.clock.tickMs();
    EXPECT_EQ(WriteAndDrain(link(), *port, "hello"), 5);
    EXPECT_GT(m_sim.clock.tickMs() - start, 20u);
}

TEST_F(WriteAndDrainTest, OutputThatNeverDrainsEndsAsAShortWrite)
{
    m_sim.ports.addEmptyPort(1).jamOutput();
    PortHandle port = OpenCrossPort(link(), 1, 9600);
    const QByteArray bytes(1024, 'x');
    const std::uint32_t start = m_sim.clock.tickMs();
    EXPECT_EQ(WriteAndDrain(link(), *port, bytes), 0);
    const std::uint32_t elapsed = m_sim.clock.tickMs() - start;
    // 1024 bytes at 9600 baud take about 1067 ms on the line.
    EXPECT_GT(elapsed, 2 * 1066u);
    EXPECT_LE(elapsed, std::uint32_t(drainLimitMs(1024, 9600)) + 25);
}

TEST_F(WriteAndDrainTest, AVanishedDeviceGivesZeroAndNoBytes)
{
    link_test::SimLine &line = m_sim.ports.addEmptyPort(1);
    PortHandle port = OpenCrossPort(link(), 1, 9600);
    line.unplug();
    EXPECT_EQ(WriteAndDrain(link(), *port, "x"), 0);
    EXPECT_TRUE(ReadAvailable(*port, 50).isEmpty());
    CloseCrossPort(port);
    EXPECT_FALSE(port);
}

TEST_F(WriteAndDrainTest, ReadsReturnWhatHasArrivedAndKeepTheRest)
{
    link_test::SimLine &line = m_sim.ports.addEmptyPort(1);
    line.inject("stale");
    PortHandle port = OpenCrossPort(link(), 1, 9600);
    EXPECT_TRUE(ReadAvailable(*port, 20).isEmpty()) << "purged on open";
    line.inject("0123456789");
    EXPECT_EQ(ReadAvailable(*port, 4), "0123");
    EXPECT_EQ(ReadAvailable(*port, 100), "456789");
}

TEST_F(WriteAndDrainTest, TheConfiguredPortIsReadAtEachOpen)
{
    m_sim.ports.addEmptyPort(2);
    EXPECT_FALSE(OpenConfiguredPort(link())) << "PORT and BAUDRATE absent: 0, 0";
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=2\n");
    EXPECT_FALSE(OpenConfiguredPort(link())) << "a rate of 0 is refused";
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=2\nBAUDRATE=115200\n");
    PortHandle port = OpenConfiguredPort(link());
    ASSERT_TRUE(port);
    EXPECT_EQ(port->baudRate(), 115200);
    EXPECT_FALSE(OpenConfiguredPort(link())) << "the port is held";
}

class PortMapTest : public TempDirTest {};

TEST_F(PortMapTest, FixedRuleReachesUsbAdapters)
{
    EXPECT_EQ(defaultPortDevicePath(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(defaultPortDevicePath(8), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(defaultPortDevicePath(9), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(defaultPortDevicePath(12), QStringLiteral("/dev/ttyACM3"));
    EXPECT_EQ(defaultPortDevicePath(13), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(defaultPortDevicePath(16), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(defaultPortDevicePath(17), QString());
    EXPECT_EQ(defaultPortDevicePath(0), QString());
}

TEST_F(PortMapTest, SectionPortsOverridesAndCanDisable)
{
    writeFile(QStringLiteral("Halvane.ini"), "[ports]\ncom3=/tmp/x\nCOM4=\nCOM20=/dev/ttyUSB9\n");
    const QString ini = path(QStringLiteral("Halvane.ini"));
    EXPECT_EQ(portDevicePath(ini, 3), QStringLiteral("/tmp/x"));
    EXPECT_EQ(portDevicePath(ini, 4), QString()) << "an empty entry: no device";
    EXPECT_EQ(portDevicePath(ini, 5), QStringLiteral("/dev/ttyUSB4"));
    EXPECT_EQ(portDevicePath(ini, 20), QStringLiteral("/dev/ttyUSB9"));
    EXPECT_EQ(portDevicePath(ini, -1), QString());
}

} // namespace
