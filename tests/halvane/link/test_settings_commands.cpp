#include "halvane/settings/address_book.h"
#include "halvane/link/cross_test.h"
#include "halvane/link/exchanges.h"
#include "halvane/link/settings_commands.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/link/sim_link.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

using namespace halvane::link;
using namespace halvane::settings;
using Code = LinkStatus::Code;

namespace {

const std::atomic<bool> kNoStop{false};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A cross at FF FF FF EF on COM3 at 9600, stored as the current port and rate.
class SettingsCommandsTest : public TempDirTest {
protected:
    void SetUp() override
    {
        m_line = &m_sim.ports.addCross(3);
        setIni("");
    }
    void setIni(const QByteArray &extra)
    {
        writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=3\nBAUDRATE=9600\n" + extra);
    }
    LinkContext link() { return m_sim.context(m_dir.path()); }
    QString ini() const { return path(QStringLiteral("Halvane.ini")); }
    const cross_sim::CrossState &cross() { return m_line->cross()->state(); }

    link_test::SimLink m_sim;
    link_test::SimLine *m_line = nullptr;
};

TEST_F(SettingsCommandsTest, ClockGoesToAddress4FallbackFF)
{
    m_sim.clock.setLocalTime(QDateTime(QDate(2026, 12, 6), QTime(7, 13, 45)));
    const std::uint32_t start = m_sim.clock.tickMs();
    const auto sent = SetCrossClock(link());
    EXPECT_TRUE(sent.status.ok());
    EXPECT_EQ(sent.value, m_sim.clock.localTime());
    ASSERT_EQ(m_line->written().size(), 1u);
    EXPECT_EQ(m_line->written()[0], hex("555555555555 00 FFFFFFFF FFFFFFFD 51 2026120601071345 44 AAAA"));
    EXPECT_GT(m_sim.clock.tickMs() - start, 120u) << "drain wait and 100 ms after";
    EXPECT_NE(cross().clock, hex("2026120601071345")) << "a cross at FF FF FF EF does not take it";
    setIni("ADDRESS4=EF\n");
    ASSERT_TRUE(SetCrossClock(link()).status.ok());
    EXPECT_EQ(cross().clock, hex("2026120601071345"));
}

TEST_F(SettingsCommandsTest, BrightnessArrivesAndReadsBack)
{
    BrightnessSchedule s;
    s.mode = BrightnessSchedule::Mode::Times;
    s.rows = {{{{6, 0}, 0}, {{8, 30}, 1}, {{18, 0}, 2}, {{22, 15}, 3}}};
    const LinkStatus status = SetBrightnessSchedule(link(), s);
    EXPECT_EQ(status.code, Code::Ok);
    EXPECT_EQ(status.message, QStringLiteral("Set Bright Complete!"));
    EXPECT_EQ(cross().brightness, hex("055900082901175902221403"));

    const std::uint32_t start = m_sim.clock.tickMs();
    const auto read = ReadBrightnessSchedule(link());
    EXPECT_TRUE(read.status.ok());
    EXPECT_EQ(read.value, s);
    EXPECT_GT(m_sim.clock.tickMs() - start, 1000u);
}

TEST_F(SettingsCommandsTest, OutOfOrderTimesSendNothing)
{
    BrightnessSchedule s;
    s.mode = BrightnessSchedule::Mode::Times;
    s.rows[1].start = {0, 0};
    const LinkStatus status = SetBrightnessSchedule(link(), s);
    EXPECT_EQ(status.code, Code::BadValue);
    EXPECT_EQ(status.message, QStringLiteral("HH2:MM2 is smaller than HH1:MM1"));
    OnOffSchedule days;
    days[4] = {OnOffDay::Mode::Times, {{{9, 0}, {9, 0}, {10, 0}, {11, 0}}}};
    EXPECT_EQ(SetOnOffSchedule(link(), days).message, QStringLiteral("Friday HH2:MM2 is smaller than HH1:MM1"));
    EXPECT_TRUE(m_sim.ports.attempts().empty()) << "the port is not even opened";
}

TEST_F(SettingsCommandsTest, OnOffArrivesAndReadsBackWithFallbackFF)
{
    OnOffSchedule days;
    days[0] = {OnOffDay::Mode::Times, {{{7, 0}, {12, 0}, {13, 30}, {22, 0}}}};
    days[6].mode = OnOffDay::Mode::AlwaysClosed;
    EXPECT_EQ(SetOnOffSchedule(link(), days).message, QStringLiteral("Set Open/Close Complete!"));
    EXPECT_EQ(cross().onOff, hex("8800010002000300 0659115913302159") + hex("9900010002000300").repeated(5));

    EXPECT_EQ(ReadOnOffSchedule(link()).status.code, Code::NoReply) << "asks FF FF FF FF";
    setIni("ADDRESS4=EF\n");
    const std::uint32_t start = m_sim.clock.tickMs();
    const auto read = ReadOnOffSchedule(link());
    ASSERT_TRUE(read.status.ok());
    EXPECT_EQ(read.value, days);
    EXPECT_GT(m_sim.clock.tickMs() - start, 2000u);
}

TEST_F(SettingsCommandsTest, ParametersArriveThenZoneAndFactorAreStored)
{
    const LinkStatus status = SetCrossParameters(link(), 2, 8, 13);
    EXPECT_EQ(status.message, QStringLiteral("Set cross's parameters ok!"));
    EXPECT_EQ(m_line->written().at(0), hex("555555555555 00 FFFFFFEF FFFFFFFD 33 000101000000030000F30100 0208FD00 62 AAAA"));
    EXPECT_EQ(cross().parameters, hex("000101000000030000F30100 0208FD00"));
    EXPECT_EQ(readBootInt(ini(), "TEMPFACTOR", -1), 13);
    EXPECT_EQ(readBootInt(ini(), "TIMEZONE", -1), 8);

    EXPECT_EQ(SetCrossParameters(link(), 2, 24, 13).code, Code::BadValue);
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=4\nBAUDRATE=9600\n");
    const LinkStatus noPort = SetCrossParameters(link(), 1, 1, 1);
    EXPECT_EQ(noPort.code, Code::PortNotOpened);
    EXPECT_EQ(noPort.message, QStringLiteral("Can't Open Com Port!"));
    EXPECT_EQ(readBootInt(ini(), "TEMPFACTOR", -1), -1);
}

TEST_F(SettingsCommandsTest, AFrameThatDoesNotGoOutIsNotReportedAsDone)
{
    m_line->unplug();
    EXPECT_EQ(SetBrightnessSchedule(link(), BrightnessSchedule()).code, Code::WriteFailed);
    EXPECT_EQ(SetCrossClock(link()).status.code, Code::WriteFailed);
}

TEST_F(SettingsCommandsTest, VersionAndFindCross)
{
    const auto version = ReadMcuVersion(link());
    ASSERT_TRUE(version.status.ok());
    EXPECT_EQ(version.value, "CRS48V10");

    setIni("FIND=0\n");
    EXPECT_EQ(FindCross(link()).message, QStringLiteral("Find cross!"));
    EXPECT_EQ(readBootInt(ini(), "FIND", -1), 1);

    setIni("FIND=0\nADDRESS1=12\n");
    const LinkStatus other = FindCross(link());
    EXPECT_EQ(other.code, Code::NoReply);
    EXPECT_EQ(other.message, QStringLiteral("Can't find cross!"));
    EXPECT_EQ(readBootInt(ini(), "FIND", -1), 0) << "left as it was";
    EXPECT_EQ(ReadMcuVersion(link()).status.code, Code::NoReply);
}

TEST_F(SettingsCommandsTest, StrayBytesBeforeAReplyMatterOnlyWhenTheDataNoLongerFits)
{
    setIni("ADDRESS4=EF\n");
    m_line->noiseBeforeAnswers(hex("55AA55").repeated(5) + hex("FF")); // 16 bytes
    EXPECT_TRUE(ReadOnOffSchedule(link()).status.ok()) << "on/off data ends at byte 100 of 100";
    m_line->noiseBeforeAnswers(QByteArray(17, char(0x55)));
    EXPECT_EQ(ReadOnOffSchedule(link()).status.code, Code::NoReply) << "it would reach past the read";
    EXPECT_TRUE(ReadBrightnessSchedule(link()).status.ok()) << "12 data bytes still fit in 50";
}

TEST_F(SettingsCommandsTest, SearchCrossButtonStoresThenFinds)
{
    AddressBook book;
    book.rows = {QStringLiteral("FFFFFFEF"), QStringLiteral("12AB34CD"), QString(), QString()};
    book.current = 1;
    EXPECT_EQ(FindCrossAtAddress(link(), book).code, Code::NoReply);
    EXPECT_EQ(readAddressBook(ini()).current, 1) << "stored before the exchange";
    book.current = 0;
    EXPECT_EQ(FindCrossAtAddress(link(), book).code, Code::Ok);
    ASSERT_EQ(m_line->written().size(), 2u);
    EXPECT_EQ(m_line->written()[0], hex("555555555555 00 12AB34CD FFFFFFFD C3 94 AAAA"));
}

TEST_F(SettingsCommandsTest, AddressBookIsStoredAsTheDialogDoes)
{
    AddressBook book = readAddressBook(ini());
    EXPECT_EQ(book.current, 0);
    book.rows[1] = QStringLiteral("12ab34cd");
    book.current = 1;
    ASSERT_TRUE(storeAddressBook(ini(), book));
    using common::GetPrivateProfileStringA;
    const QStringList expected{"12", "AB", "34", "CD"};
    for (int part = 1; part <= 4; ++part) {
        const QString key = QStringLiteral("ADDRESS%1").arg(part);
        EXPECT_EQ(GetPrivateProfileStringA("BOOT", key, "?", 5, ini()), expected[part - 1]);
        EXPECT_EQ(GetPrivateProfileStringA("ADDR2", key, "?", 100, ini()), expected[part - 1]);
        EXPECT_EQ(GetPrivateProfileStringA("ADDR1", key, "?", 100, ini()), QString());
    }
    EXPECT_EQ(readBootInt(ini(), "CROSSNO", -9), 1);
    EXPECT_EQ(readAddressBook(ini()).rows[1], QStringLiteral("12AB34CD"));

    book.rows[0] = QStringLiteral("ABC");
    book.current = -1;
    ASSERT_TRUE(storeAddressBook(ini(), book));
    EXPECT_EQ(GetPrivateProfileStringA("ADDR1", "ADDRESS2", "?", 100, ini()), QStringLiteral("C"));
    EXPECT_EQ(GetPrivateProfileStringA("BOOT", "ADDRESS1", "?", 5, ini()), QString()) << "none marked";
    EXPECT_EQ(readBootInt(ini(), "CROSSNO", -9), -1);
    EXPECT_TRUE(isCompleteAddress(QStringLiteral("12ab34CD")));
    EXPECT_FALSE(isCompleteAddress(QStringLiteral("12ab34C")));
    EXPECT_FALSE(isCompleteAddress(QStringLiteral("12ab34CG")));
}

class CrossTestTest : public SettingsCommandsTest {
protected:
    void selfTestFrom(cross_sim::Address address)
    {
        cross_sim::CrossConfig c;
        c.address = address;
        m_line->crossSends(cross_sim::VirtualCross(c).selfTest(), 100);
    }
};

TEST_F(CrossTestTest, ThreeFramesFromTheCurrentAddressPass)
{
    setIni("ADDRESS4=ef\n"); // typed by hand in lower case: still the address commands use
    selfTestFrom({0xFF, 0xFF, 0xFF, 0xEF});
    const LinkStatus status = RunCrossTest(link(), kNoStop, 10000);
    EXPECT_EQ(status.message, QStringLiteral("Test Cross Work OK!"));
    EXPECT_EQ(readFile(QStringLiteral("testcross.bin")),
              hex("555555555555 00 FFFFFFFD FFFFFFEF 54 11 AAAA").repeated(3));
}

TEST_F(CrossTestTest, FramesFromAnotherAddressFail)
{
    selfTestFrom({0xFF, 0xFF, 0xFF, 0xEF}); // ADDRESS4 absent: the test expects FF
    EXPECT_EQ(RunCrossTest(link(), kNoStop, 10000).message, QStringLiteral("Test Cross Work Error!"));
}

TEST_F(CrossTestTest, EndsAtTheTimeoutOrWhenStopped)
{
    const std::uint32_t start = m_sim.clock.tickMs();
    const LinkStatus timedOut = RunCrossTest(link(), kNoStop, 5000);
    EXPECT_EQ(timedOut.code, Code::Failed);
    EXPECT_EQ(timedOut.message, QStringLiteral("Test Cross Work Error!"));
    EXPECT_GE(m_sim.clock.tickMs() - start, 5000u);
    EXPECT_LT(m_sim.clock.tickMs() - start, 5700u);
    std::atomic<bool> stop{true};
    EXPECT_EQ(RunCrossTest(link(), stop, 60000).code, Code::Stopped);
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=9\nBAUDRATE=9600\n");
    EXPECT_EQ(RunCrossTest(link(), kNoStop, 1000).code, Code::PortNotOpened);
}

} // namespace
