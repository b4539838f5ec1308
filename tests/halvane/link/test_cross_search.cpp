#include "halvane/link/cross_search.h"
#include "halvane/link/frame.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/link/sim_link.h"

#include "common/profile.h"

using namespace halvane::link;
using link_test::OpenAttempt;

namespace {

cross_sim::CrossConfig crossAt(int baud, const char *version = "CRS48V10")
{
    cross_sim::CrossConfig c;
    c.baudRate = baud;
    c.version = version;
    return c;
}

class CrossSearchTest : public TempDirTest {
protected:
    link_test::SimLink m_sim;
    LinkContext link() { return m_sim.context(m_dir.path()); }
    QString ini() const { return path(QStringLiteral("Halvane.ini")); }

    // The key lines of Halvane.ini in file order.
    QStringList iniLines() const
    {
        QStringList lines = QString::fromLatin1(readFile(QStringLiteral("Halvane.ini"))).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        return lines;
    }

    std::vector<std::pair<int, int>> opened() const
    {
        std::vector<std::pair<int, int>> out;
        for (const OpenAttempt &a : m_sim.ports.attempts())
            if (a.opened)
                out.emplace_back(a.port, a.baud);
        return out;
    }
};

TEST_F(CrossSearchTest, TriesEveryPortAndRateInThreePassesThenWritesFindZeroOnly)
{
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=7\nBAUDRATE=115200\nFIND=1\nCROSSSTYLE=1\n");
    m_sim.ports.addEmptyPort(3);
    const SearchResult r = SearchCross(link());
    EXPECT_FALSE(r.found);

    const auto &attempts = m_sim.ports.attempts();
    ASSERT_EQ(attempts.size(), 3u * 16u * 2u);
    for (std::size_t i = 0; i < attempts.size(); ++i) {
        EXPECT_EQ(attempts[i].port, int(i / 2) % 16 + 1) << i;
        EXPECT_EQ(attempts[i].baud, i % 2 ? 115200 : 9600) << i;
    }
    // Ports without a device cost nothing; an existing port a wait per rate.
    EXPECT_EQ(attempts[0].tick, attempts[4].tick);
    EXPECT_GT(attempts[5].tick - attempts[4].tick, 620u);
    EXPECT_EQ(iniLines(), (QStringList{"[BOOT]", "PORT=7", "BAUDRATE=115200", "FIND=0", "CROSSSTYLE=1"}));
}

TEST_F(CrossSearchTest, FirstAnswerIsWrittenInOrderThenTheVersionGivesTheStyle)
{
    link_test::SimLine &line = m_sim.ports.addCross(2, crossAt(9600));
    const SearchResult r = SearchCross(link());
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.port, 2);
    EXPECT_EQ(r.baudRate, 9600);
    EXPECT_EQ(r.resolution, 48);
    EXPECT_EQ(iniLines(), (QStringList{"[BOOT]", "PORT=2", "FIND=1", "BAUDRATE=9600", "CROSSSTYLE=0"}));
    EXPECT_EQ(opened(), (std::vector<std::pair<int, int>>{{2, 9600}, {2, 9600}}));
    ASSERT_EQ(line.written().size(), 2u);
    EXPECT_EQ(line.written()[0], BuildCommandFrame({0xFF, 0xFF, 0xFF, 0xEF}, kCmdCallCross));
    EXPECT_EQ(line.written()[1], BuildCommandFrame({0xFF, 0xFF, 0xFF, 0xEF}, kCmdReadVersion));
}

TEST_F(CrossSearchTest, FindsACrossAt115200AfterSilenceAt9600)
{
    m_sim.ports.addCross(4, crossAt(115200, "CRS64V10"));
    const SearchResult r = SearchCross(link());
    EXPECT_EQ(r.port, 4);
    EXPECT_EQ(r.baudRate, 115200);
    EXPECT_EQ(r.crossStyle(), 1);
    EXPECT_EQ(halvane::settings::readBootInt(ini(), "CROSSSTYLE", -1), 1);
}

TEST_F(CrossSearchTest, StopsAtTheFirstOfTwoCrosses)
{
    m_sim.ports.addCross(2, crossAt(9600));
    link_test::SimLine &second = m_sim.ports.addCross(5, crossAt(9600));
    EXPECT_EQ(SearchCross(link()).port, 2);
    EXPECT_TRUE(second.written().empty());
}

TEST_F(CrossSearchTest, BusyPortIsPassedOver)
{
    m_sim.ports.addCross(2, crossAt(9600));
    m_sim.ports.addCross(6, crossAt(9600));
    m_sim.ports.setBusy(2, true);
    EXPECT_EQ(SearchCross(link()).port, 6);
}

TEST_F(CrossSearchTest, VersionNamingNoResolutionGivesStyle99)
{
    m_sim.ports.addCross(1, crossAt(9600, "V1.0 abc"));
    const SearchResult r = SearchCross(link());
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.resolution, 0);
    EXPECT_EQ(halvane::settings::readBootInt(ini(), "CROSSSTYLE", -1), 99);
}

// Lets the first open of each port through and refuses later ones.
class FirstOpenOnly : public PortOpener {
public:
    explicit FirstOpenOnly(PortOpener &inner) : m_inner(inner) {}
    std::unique_ptr<CrossPort> open(int port, int baud) override
    {
        return m_seen[port]++ ? nullptr : m_inner.open(port, baud);
    }

private:
    PortOpener &m_inner;
    std::map<int, int> m_seen;
};

TEST_F(CrossSearchTest, NoVersionReplyGivesStyle99)
{
    m_sim.ports.addCross(3, crossAt(9600));
    FirstOpenOnly ports(m_sim.ports);
    LinkContext context = link();
    context.ports = &ports;
    EXPECT_TRUE(SearchCross(context).found);
    EXPECT_EQ(iniLines().last(), QStringLiteral("CROSSSTYLE=99"));
}

TEST_F(CrossSearchTest, ReplyAfterTheWaitIsNotSeen)
{
    cross_sim::CrossConfig late = crossAt(9600);
    late.replyDelayMs = 700;
    m_sim.ports.addCross(2, late);
    EXPECT_FALSE(SearchCross(link()).found);
    EXPECT_EQ(halvane::settings::readBootInt(ini(), "FIND", -1), 0);
}

TEST_F(CrossSearchTest, CrossAtAnotherAddressOrSilentIsNotFound)
{
    cross_sim::CrossConfig other = crossAt(9600);
    other.address = {0x12, 0xAB, 0x34, 0xCD};
    m_sim.ports.addCross(1, other);
    cross_sim::CrossConfig silent = crossAt(9600);
    silent.silent = true;
    m_sim.ports.addCross(2, silent);
    EXPECT_FALSE(SearchCross(link()).found);
    // With that address stored, the same cross is found.
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nADDRESS1=12\nADDRESS2=ab\nADDRESS3=34\nADDRESS4=CD\n");
    EXPECT_EQ(SearchCross(link()).port, 1);
}

TEST_F(CrossSearchTest, WorkerSetsTheFlagsAndHandsOverTheResult)
{
    m_sim.ports.addCross(9, crossAt(9600, "CRS64V10"));
    CrossSearch search(link());
    EXPECT_FALSE(search.running());
    EXPECT_FALSE(search.done());
    search.start();
    search.wait();
    EXPECT_FALSE(search.running());
    EXPECT_TRUE(search.done());
    EXPECT_EQ(search.result().port, 9);
    EXPECT_EQ(search.result().resolution, 64);
}

TEST_F(CrossSearchTest, StatusBarTextsFollowHalvaneIni)
{
    EXPECT_EQ(statusBarTexts(ini()), (std::array<QString, 3>{"   Can't find cross!     ", "   COM : --     ",
                                                             "   Baudrate : ------     "}));
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=2\nFIND=1\nBAUDRATE=9600\nCROSSSTYLE=0\n");
    EXPECT_EQ(statusBarTexts(ini()), (std::array<QString, 3>{"   Single Color CROSS 48x48    ",
                                                             "   COM : 2     ", "   Baudrate : 9600     "}));
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=12\nFIND=1\nBAUDRATE=115200\nCROSSSTYLE=1\n");
    EXPECT_EQ(statusBarTexts(ini())[0], QStringLiteral("   Single Color CROSS 64x64    "));
    EXPECT_EQ(statusBarTexts(ini())[2], QStringLiteral("   Baudrate : 115200     "));
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=2\nFIND=1\nBAUDRATE=9600\nCROSSSTYLE=99\n");
    EXPECT_EQ(statusBarTexts(ini())[0], QStringLiteral("   Single Color CROSS Error    "));
}

} // namespace
