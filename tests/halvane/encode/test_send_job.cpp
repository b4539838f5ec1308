// The send job in virtual time against a virtual cross: steps, status texts,
// progress, block frames and their waits, attempts, refusals, the port.

#include "halvane/encode/send_job.h"
#include "halvane/link/frame.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/encode/fake_encoder.h"
#include "tests/halvane/link/sim_link.h"

using namespace halvane::encode;
using Outcome = SendResult::Outcome;

namespace {

const QString kOpening = QStringLiteral("Opening Com port, Please Wait......");
const QString kCalling = QStringLiteral("Preparing Call Cross, Please wait......");
const QString kPreparing = QStringLiteral("Preparing Send Data, Please Wait......");
const QString kDeleting = QStringLiteral("Delete Cross Animations");
const QString kComplete = QStringLiteral("Send Complete!");

// Everything the job shows, with the virtual time it showed it at.
class Recorder : public SendObserver {
public:
    explicit Recorder(link_test::VirtualClock &clock) : m_clock(clock) {}

    QStringList statuses;
    std::vector<std::uint32_t> statusTicks;
    std::vector<std::pair<int, int>> progress;
    QStringList warnings;
    std::function<void(const QString &)> onStatus;

    void statusChanged(const QString &text) override
    {
        statuses << text;
        statusTicks.push_back(m_clock.tickMs());
        if (onStatus)
            onStatus(text);
    }
    void progressChanged(int position, int total) override { progress.emplace_back(position, total); }
    void warning(const QString &text) override { warnings << text; }

    std::uint32_t tickOf(const QString &status) const
    {
        const qsizetype i = statuses.indexOf(status);
        return i < 0 ? 0 : statusTicks.at(std::size_t(i));
    }

private:
    link_test::VirtualClock &m_clock;
};

class SendJobTest : public TempDirTest {
protected:
    link_test::SimLink m_sim;
    FakeEncoder m_encoder;
    Recorder m_observer{m_sim.clock};
    halvane::project::PlayProjectData m_project = halvane::project::defaultProjectData(0);
    SendResult m_result;

    void SetUp() override
    {
        writeFile(QStringLiteral("Halvane.ini"),
                  "[BOOT]\nPORT=1\nBAUDRATE=9600\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n");
    }

    link_test::SimLine &cross(cross_sim::CrossConfig config = {}) { return m_sim.ports.addCross(1, config); }

    void play(std::initializer_list<const char *> names)
    {
        for (const char *name : names) {
            m_project.playList.append({QString::fromLatin1(name)});
            if (QByteArray(name).endsWith(".crs"))
                m_project.animations.append(halvane::project::defaultAnimationEntry(QString::fromLatin1(name)));
        }
    }

    SendResult send()
    {
        const halvane::link::LinkContext link = m_sim.context(m_dir.path());
        SendJob job(link, m_encoder, m_observer);
        EXPECT_FALSE(job.isDone());
        m_result = job.run(m_project, halvane::project::AnimationLibrary(path(QStringLiteral("animations"))));
        EXPECT_TRUE(job.isDone());
        EXPECT_FALSE(m_sim.ports.isOpen(1)) << "the port is released when the job ends";
        EXPECT_EQ(m_observer.statuses.last(), m_result.status);
        return m_result;
    }
};

// The bytes the host wrote, one entry per write call.
std::vector<QByteArray> writes(link_test::SimLine &line)
{
    return line.written();
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

// One .crs of 10 frames (1762 bytes of Animations) and nothing else.
TEST_F(SendJobTest, OneAnimationGoesAsTwoBlocksTheLastWith0x14)
{
    link_test::SimLine &line = cross();
    play({"a.crs"});
    m_encoder.frames[QStringLiteral("a.crs")] = 10;
    EXPECT_EQ(send().outcome, Outcome::Complete);

    EXPECT_EQ(m_observer.statuses, (QStringList{kOpening, kCalling, kPreparing, kDeleting,
                                                QStringLiteral("Sending No0 Section TOC"),
                                                QStringLiteral("Sending No0 Section Animations"), kComplete}));
    EXPECT_EQ(m_observer.progress, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));

    // Call cross (to ADDRESS4's EF), delete animations, then each block in
    // chunks of 1024 bytes: 4118 bytes make four chunks and 22 bytes.
    const auto w = writes(line);
    ASSERT_EQ(w.size(), 2u + 5 + 5);
    EXPECT_EQ(w[0], hex("555555555555" "00" "FFFFFFEF" "FFFFFFFD" "C1" "96" "AAAA"));
    EXPECT_EQ(w[1], hex("555555555555" "00" "FFFFFFEF" "FFFFFFFD" "61" "36" "AAAA"));
    for (std::size_t i : {2u, 3u, 4u, 5u, 7u, 8u, 9u, 10u})
        EXPECT_EQ(w[i].size(), 1024) << i;
    EXPECT_EQ(w[6].size(), 22);
    // TOC block 0: command 0x11, address 00 00 00, the TOC entry of a.crs.
    EXPECT_EQ(w[2].left(30), hex("555555555555" "00" "FFFFFFEF" "FFFFFFFD" "11" "000000" "0101008000200000000001"));
    // Checksum 0x57 ^ 0x11 ^ 0x80 ^ 0x20 ^ 0x01 ^ 0xFF ^ 0xFF = 0xE7.
    EXPECT_EQ(w[6], QByteArray(19, '\0') + hex("E7AAAA"));
    // Animations block 0 (block number 16): command 0x14, address 00 80 00.
    EXPECT_EQ(w[7].left(19), hex("555555555555" "00" "FFFFFFEF" "FFFFFFFD" "14" "008000"));

    const cross_sim::CrossState &state = line.cross()->state();
    EXPECT_EQ(state.memoryClears, 1);
    EXPECT_EQ(state.blocksStored, 2);
    EXPECT_EQ(state.lastBlockNumber, 16);
}

TEST_F(SendJobTest, TheCrossMemoryHoldsTheImagesAtTheirRegionStarts)
{
    link_test::SimLine &line = cross();
    play({"Text1", "a.crs"});
    m_encoder.frames[QStringLiteral("a.crs")] = 30; // 5282 bytes: two blocks
    m_encoder.textBytes = 4097;                     // two blocks, the second with 1 byte
    EXPECT_EQ(send().outcome, Outcome::Complete);
    EXPECT_EQ(m_observer.progress.back(), std::make_pair(5, 5));
    EXPECT_TRUE(m_observer.statuses.contains(QStringLiteral("Sending No1 Section Text")));

    const QByteArray &memory = line.cross()->state().memory;
    // TOC: Text1 at 0x380000, a.crs at 0x8000, end mark, then zeros to the block's end.
    EXPECT_EQ(memory.left(34), hex("01010000000000380000000000000000" "01010080002000000000010000000000" "FFFF"));
    EXPECT_EQ(memory.mid(34, 4096 - 34), QByteArray(4096 - 34, '\0'));
    EXPECT_EQ(memory.mid(4096, 4096), QByteArray(4096, char(0xFF))); // never written
    EXPECT_EQ(memory.mid(65536, 5280), QByteArray(5280, char(m_encoder.fill)));
    EXPECT_EQ(memory.mid(65536 + 5280, 2), hex("FFFF"));
    EXPECT_EQ(memory.mid(65536 + 5282, 8192 - 5282), QByteArray(8192 - 5282, '\0'));
    EXPECT_EQ(memory.mid(7340032, 4097), QByteArray(4097, char(m_encoder.fill)));
    EXPECT_EQ(memory.mid(7340032 + 4097, 4095), QByteArray(4095, '\0'));
    EXPECT_EQ(line.cross()->state().lastBlockNumber, 1793);
}

TEST_F(SendJobTest, OnlyHourIsOneBlockWith0x14)
{
    link_test::SimLine &line = cross();
    play({"Hour"});
    EXPECT_EQ(send().outcome, Outcome::Complete);
    EXPECT_EQ(m_observer.progress, (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}}));
    EXPECT_EQ(line.cross()->state().lastBlockNumber, 0);
    EXPECT_EQ(line.cross()->state().memory.left(18), hex("01010000002028000000000300000000" "FFFF"));
}

// Each block: five chunks of 20 ms after the drain and 50 ms, 1000 ms before
// the read, 1000 ms after the acknowledgement.
TEST_F(SendJobTest, WaitsBetweenTheSteps)
{
    cross();
    play({"a.crs"});
    send();
    const Recorder &o = m_observer;
    EXPECT_EQ(o.tickOf(kCalling) - o.tickOf(kOpening), 100u);
    // 1000 ms pause, call cross written (drain, then more than 20 ms), then
    // more than 600 ms before the read.
    EXPECT_EQ(o.tickOf(kPreparing) - o.tickOf(kCalling), 1000u + 21 + 601);
    EXPECT_EQ(o.tickOf(kDeleting), o.tickOf(kPreparing));
    EXPECT_EQ(o.tickOf(QStringLiteral("Sending No0 Section TOC")) - o.tickOf(kDeleting), 21u + 3001);
    EXPECT_EQ(o.tickOf(QStringLiteral("Sending No0 Section Animations")) - o.tickOf(QStringLiteral("Sending No0 Section TOC")),
              5u * (21 + 50) + 1000 + 1000);
    EXPECT_EQ(o.tickOf(kComplete) - o.tickOf(QStringLiteral("Sending No0 Section Animations")),
              5u * (21 + 50) + 1000 + 1000 + 1000);
}

// The memory meter's send time is the least a real send takes: the job's
// own waits and reads add a few milliseconds to each block.
TEST_F(SendJobTest, TheNominalSendTimeIsWhatASendTakesAtLeast)
{
    cross();
    play({"Text1", "a.crs"});
    m_encoder.frames[QStringLiteral("a.crs")] = 30; // two Animations blocks
    m_encoder.textBytes = 4097;                     // two Text blocks
    ASSERT_EQ(send().outcome, Outcome::Complete);
    const qint64 elapsed = qint64(m_observer.tickOf(kComplete)) - qint64(m_observer.tickOf(kOpening));
    const qint64 nominal = nominalSendMs(5, 0);
    EXPECT_GE(elapsed, nominal);
    EXPECT_LE(elapsed, nominal + 5 * 20) << "a wait of the job the estimate leaves out";
}

TEST_F(SendJobTest, ADroppedAcknowledgementIsRetried)
{
    cross_sim::CrossConfig config;
    config.ignoreBlocks = 1;
    link_test::SimLine &line = cross(config);
    play({"a.crs"});
    EXPECT_EQ(send().outcome, Outcome::Complete);
    EXPECT_EQ(writes(line).size(), 2u + 10 + 5);
    EXPECT_EQ(writes(line)[2], writes(line)[7]); // the same frame again
    EXPECT_EQ(m_observer.tickOf(QStringLiteral("Sending No0 Section Animations")) -
                  m_observer.tickOf(QStringLiteral("Sending No0 Section TOC")),
              2u * (5 * (21 + 50) + 1000) + 1000);
    EXPECT_EQ(line.cross()->state().blocksStored, 2);
}

TEST_F(SendJobTest, ALateAcknowledgementNeverCountsForTheNextBlock)
{
    // The TOC block's acknowledgement is late and waits unread; then the
    // line dies. The stale 0x45 must not pass the Animations block as sent.
    link_test::SimLine &line = cross();
    play({"a.crs"});
    m_observer.onStatus = [&line](const QString &text) {
        if (text == QStringLiteral("Sending No0 Section Animations")) {
            line.inject(cross_sim::replyFrame(line.cross()->config().address, cross_sim::kReplyDataBlock));
            line.unplug();
        }
    };
    EXPECT_EQ(send().outcome, Outcome::BlockFailed);
    EXPECT_EQ(m_result.status, QStringLiteral("Sending No0 Section Animations Error!"));
}

TEST_F(SendJobTest, ACrossThatNeverAcknowledgesGetsThreeAttemptsThenTheTocError)
{
    cross_sim::CrossConfig config;
    config.ignoreBlocks = 1000;
    link_test::SimLine &line = cross(config);
    play({"a.crs", "Text1"});
    EXPECT_EQ(send().outcome, Outcome::BlockFailed);
    EXPECT_EQ(m_result.status, QStringLiteral("Send TOC Data Error!"));
    EXPECT_EQ(m_observer.statuses.mid(4), (QStringList{QStringLiteral("Sending No0 Section TOC"),
                                                       QStringLiteral("Send TOC Data Error!")}));
    EXPECT_EQ(m_observer.progress, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}}));
    EXPECT_EQ(writes(line).size(), 2u + 3 * 5); // three attempts, nothing after them
    EXPECT_EQ(m_observer.tickOf(QStringLiteral("Send TOC Data Error!")) -
                  m_observer.tickOf(QStringLiteral("Sending No0 Section TOC")),
              3u * (5 * (21 + 50) + 1000));
}

TEST_F(SendJobTest, FailedAnimationsAndTextBlocksNameTheirNumber)
{
    for (const char *failing : {"Sending No0 Section Animations", "Sending No1 Section Text"}) {
        SCOPED_TRACE(failing);
        link_test::SimLine &line = cross(); // a fresh line and cross
        m_observer.statuses.clear();
        m_observer.onStatus = [&](const QString &text) {
            if (text == QLatin1String(failing))
                line.unplug(); // from here on nothing reaches the cross
        };
        m_project.playList.clear();
        play({"a.crs", "Text1"});
        m_encoder.textBytes = 5000;
        EXPECT_EQ(send().outcome, Outcome::BlockFailed);
        EXPECT_EQ(m_result.status, QString::fromLatin1(failing) + QStringLiteral(" Error!"));
    }
}

TEST_F(SendJobTest, ASilentCrossIsNotFoundAndNothingIsBuilt)
{
    cross_sim::CrossConfig config;
    config.silent = true;
    link_test::SimLine &line = cross(config);
    play({"a.crs"});
    EXPECT_EQ(send().outcome, Outcome::CrossNotFound);
    EXPECT_EQ(m_observer.statuses, (QStringList{kOpening, kCalling, QStringLiteral("Can't find cross!")}));
    EXPECT_EQ(writes(line).size(), 1u);
    EXPECT_TRUE(m_encoder.calls.isEmpty());
    EXPECT_TRUE(m_observer.progress.empty());
}

TEST_F(SendJobTest, APortThatDoesNotOpen)
{
    play({"a.crs"});
    EXPECT_EQ(send().outcome, Outcome::PortNotOpened);
    EXPECT_EQ(m_observer.statuses, (QStringList{kOpening, QStringLiteral("Can't Open Com Port!")}));
}

TEST_F(SendJobTest, AnOversizedProjectIsRefusedBeforeAnythingIsDeleted)
{
    link_test::SimLine &line = cross();
    play({"Text1"});
    m_encoder.textBytes = 1048577;
    EXPECT_EQ(send().outcome, Outcome::Refused);
    EXPECT_TRUE(m_result.status.startsWith(QStringLiteral("The Text image is 1048577 bytes")));
    EXPECT_EQ(m_observer.statuses.mid(0, 3), (QStringList{kOpening, kCalling, kPreparing}));
    EXPECT_EQ(writes(line).size(), 1u); // call cross only
    EXPECT_EQ(line.cross()->state().memoryClears, 0);
    EXPECT_TRUE(m_observer.progress.empty());
}

TEST_F(SendJobTest, WarningsReachTheObserverAndTheSendGoesOn)
{
    cross();
    play({"a.crs", "b.crs"});
    m_project.animations.removeLast(); // b.crs is not in the animation list
    m_encoder.warnings[QStringLiteral("a.crs")] = QStringLiteral("a.crs is missing");
    EXPECT_EQ(send().outcome, Outcome::Complete);
    ASSERT_EQ(m_observer.warnings.size(), 2);
    EXPECT_EQ(m_observer.warnings[0], QStringLiteral("a.crs is missing"));
    EXPECT_TRUE(m_observer.warnings[1].contains(QStringLiteral("b.crs")));
}

// Without ADDRESS4 the call goes to A4 = FF, the blocks to A4 = EF.
TEST_F(SendJobTest, Address4FallBacks)
{
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nPORT=1\nBAUDRATE=9600\n");
    cross_sim::CrossConfig config;
    config.address = {0xFF, 0xFF, 0xFF, 0xFF};
    link_test::SimLine &line = cross(config);
    play({"Hour"});
    EXPECT_EQ(send().status, QStringLiteral("Send TOC Data Error!")); // the cross only hears FF
    const auto w = writes(line);
    EXPECT_EQ(w[0].mid(7, 4), hex("FFFFFFFF"));
    EXPECT_EQ(w[1].mid(7, 4), hex("FFFFFFEF"));
    EXPECT_EQ(w[2].mid(7, 4), hex("FFFFFFEF"));
}

// The least time a block takes, for the command line's time left:
// 5 x (20 + 50) + 1000 + 1000 ms and 4118 bytes of 10 bits on the line.
TEST(SendPacing, NominalBlockTime)
{
    EXPECT_EQ(nominalBlockMs(9600), 2350 + 4289);
    EXPECT_EQ(nominalBlockMs(115200), 2350 + 357);
    EXPECT_EQ(nominalBlockMs(0), 2350);
}
