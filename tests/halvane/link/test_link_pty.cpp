// The cross link end to end: QSerialPort on pseudo-terminals with virtual
// crosses behind them. These tests take real time (the protocol's waits).

#include "halvane/link/cross_search.h"
#include "halvane/link/cross_test.h"
#include "halvane/link/exchanges.h"
#include "halvane/link/serial_port.h"
#include "halvane/link/settings_commands.h"
#include "tests/halvane/link/pty_fixture.h"

#include "common/clock.h"
#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

#include <atomic>
#include <functional>

using namespace halvane::link;
using Code = LinkStatus::Code;

namespace {

const std::atomic<bool> kNoStop{false};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Real time, with a hook run once, just before the first wait of an exchange.
class AtFirstSleep : public common::Clock {
public:
    explicit AtFirstSleep(std::function<void()> hook) : m_hook(std::move(hook)) {}
    std::uint32_t tickMs() override { return common::systemClock().tickMs(); }
    void sleepMs(int ms) override
    {
        if (!m_fired.exchange(true))
            m_hook();
        common::systemClock().sleepMs(ms);
    }
    QDateTime localTime() override { return common::systemClock().localTime(); }
    bool fired() const { return m_fired.load(); }

private:
    std::function<void()> m_hook;
    std::atomic<bool> m_fired{false};
};

class LinkPtyTest : public PtyFixture {
protected:
    const LinkContext &link() { return m_system.context(); }
    SystemLink m_system{appFolder()};
};

TEST_F(LinkPtyTest, SearchFindsTheFirstCrossAtItsPortAndRate)
{
    cross_sim::CrossConfig fast;
    fast.baudRate = 115200;
    fast.version = "CRS64V10";
    cross_sim::PtyCross &first = addCross(2, fast);
    cross_sim::PtyCross &second = addCross(5);
    writeIni("");
    const SearchResult r = SearchCross(link());
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.port, 2);
    EXPECT_EQ(r.baudRate, 115200);
    EXPECT_EQ(r.resolution, 64);
    EXPECT_EQ(halvane::settings::readBootInt(ini(), "CROSSSTYLE", -1), 1);
    EXPECT_EQ(first.withCross([](const auto &c) { return c.state().log; }),
              (QStringList{"C1 call cross", "C2 read version"}))
        << "nothing was understood at 9600";
    EXPECT_EQ(second.withCross([](const auto &c) { return c.state().commandsSeen; }), 0);
}

TEST_F(LinkPtyTest, APortIsOpenedExclusivelyUnderAnyName)
{
    cross_sim::PtyCross &cross = addCross(2);
    writeIni("");
    PortHandle first = OpenCrossPort(link(), 2, 9600);
    ASSERT_TRUE(first);
    EXPECT_FALSE(OpenCrossPort(link(), 2, 9600));
    ASSERT_TRUE(common::WritePrivateProfileStringA("PORTS", "COM7", cross.devicePath(), ini()));
    EXPECT_FALSE(OpenCrossPort(link(), 7, 9600)) << "the device itself, not the link";
    EXPECT_FALSE(OpenCrossPort(link(), 3, 9600)) << "no device";
    EXPECT_FALSE(OpenCrossPort(link(), 2, 0)) << "refused rate";
    CloseCrossPort(first);
    EXPECT_TRUE(OpenCrossPort(link(), 7, 9600));
}

TEST_F(LinkPtyTest, SettingsArriveByteExact)
{
    cross_sim::PtyCross &cross = addCross(3);
    writeIni("PORT=3\nBAUDRATE=9600\nADDRESS4=EF\n");
    BrightnessSchedule bright;
    bright.mode = BrightnessSchedule::Mode::Times;
    bright.rows = {{{{6, 0}, 0}, {{8, 30}, 1}, {{18, 0}, 2}, {{22, 15}, 3}}};
    ASSERT_TRUE(SetBrightnessSchedule(link(), bright).ok());
    OnOffSchedule days;
    days[0] = {OnOffDay::Mode::Times, {{{7, 0}, {12, 0}, {13, 30}, {22, 0}}}};
    days[6].mode = OnOffDay::Mode::AlwaysClosed;
    ASSERT_TRUE(SetOnOffSchedule(link(), days).ok());
    ASSERT_TRUE(SetCrossParameters(link(), 2, 8, 13).ok());
    const auto clock = SetCrossClock(link());
    ASSERT_TRUE(clock.status.ok());
    ASSERT_TRUE(cross.waitForCommands(4, 5000));
    cross.withCross([&](const cross_sim::VirtualCross &c) {
        EXPECT_EQ(c.state().brightness, hex("055900082901175902221403"));
        EXPECT_EQ(c.state().onOff, hex("8800010002000300 0659115913302159") + hex("9900010002000300").repeated(5));
        EXPECT_EQ(c.state().parameters, hex("000101000000030000F301000208FD00"));
        EXPECT_EQ(c.state().clock, encodeClock(clock.value));
        EXPECT_EQ(c.framesRejected(), 0);
    });
    const auto read = ReadBrightnessSchedule(link());
    ASSERT_TRUE(read.status.ok());
    EXPECT_EQ(read.value, bright);
    EXPECT_EQ(ReadMcuVersion(link()).value, "CRS48V10");
}

TEST_F(LinkPtyTest, SilentCrossAndCrossAtAnotherAddressAreNotFound)
{
    cross_sim::CrossConfig silent;
    silent.silent = true;
    addCross(4, silent);
    cross_sim::CrossConfig other;
    other.address = {0x12, 0xAB, 0x34, 0xCD};
    addCross(6, other);
    writeIni("PORT=4\nBAUDRATE=9600\n");
    EXPECT_EQ(FindCross(link()).code, Code::NoReply);
    writeIni("PORT=6\nBAUDRATE=9600\n");
    EXPECT_EQ(FindCross(link()).code, Code::NoReply);
    writeIni("PORT=6\nBAUDRATE=9600\nADDRESS1=12\nADDRESS2=AB\nADDRESS3=34\nADDRESS4=CD\n");
    EXPECT_EQ(FindCross(link()).code, Code::Ok);
}

TEST_F(LinkPtyTest, ACrossThatVanishesWhileThePortIsOpenEndsTheExchange)
{
    cross_sim::PtyCross &cross = addCross(2);
    writeIni("PORT=2\nBAUDRATE=9600\n");
    PortHandle port = OpenConfiguredPort(link());
    ASSERT_TRUE(port);
    cross.stop();
    EXPECT_EQ(WriteAndDrain(link(), *port, BuildCommandFrame({0xFF, 0xFF, 0xFF, 0xEF}, kCmdCallCross)), 0);
    EXPECT_TRUE(ReadAvailable(*port, 50).isEmpty());
    CloseCrossPort(port);
    EXPECT_EQ(FindCross(link()).code, Code::PortNotOpened);
}

TEST_F(LinkPtyTest, CrossTestHearsTheSelfTestFrames)
{
    cross_sim::PtyCross &cross = addCross(2);
    writeIni("PORT=2\nBAUDRATE=9600\nADDRESS4=EF\n");
    // The test's first wait comes after the port was opened and purged: frames
    // sent earlier would be purged, however slow the machine is.
    AtFirstSleep clock([&] { cross.requestSelfTest(); });
    LinkContext context = link();
    context.clock = &clock;
    const LinkStatus status = RunCrossTest(context, kNoStop, 8000);
    EXPECT_TRUE(clock.fired());
    EXPECT_EQ(status.message, QStringLiteral("Test Cross Work OK!"));
    EXPECT_EQ(readFile(QStringLiteral("testcross.bin")).count(hex("555555555555")), 3);
}

TEST_F(LinkPtyTest, DataBlockWrittenInPiecesIsStoredAndAcknowledged)
{
    cross_sim::PtyCross &cross = addCross(2);
    writeIni("PORT=2\nBAUDRATE=9600\n");
    PortHandle port = OpenConfiguredPort(link());
    ASSERT_TRUE(port);
    QByteArray data(4096, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 7); // includes 0xAA bytes to stuff
    const QByteArray frame = BuildCommandFrame({0xFF, 0xFF, 0xFF, 0xEF}, kCmdLastDataBlock, dataBlockPayload(17, data));
    ASSERT_GT(frame.size(), 4118);
    for (qsizetype at = 0; at < frame.size(); at += 1024) {
        ASSERT_EQ(WriteAndDrain(link(), *port, frame.mid(at, 1024)), std::min<qsizetype>(1024, frame.size() - at));
        link().clock->sleepMs(50);
    }
    // The cross answers once it has stored the block; a slow machine may take a while.
    QByteArray replies;
    const std::uint32_t start = link().clock->tickMs();
    while (!FindReply(replies, kReplyDataBlock) && link().clock->tickMs() - start < 10000) {
        link().clock->sleepMs(50);
        replies += ReadAvailable(*port, 100);
    }
    EXPECT_TRUE(FindReply(replies, kReplyDataBlock));
    cross.withCross([&](const cross_sim::VirtualCross &c) {
        EXPECT_EQ(c.state().memory.mid(17 * 4096, 4096), data);
        EXPECT_EQ(c.state().lastBlockNumber, 17);
    });
}

} // namespace
