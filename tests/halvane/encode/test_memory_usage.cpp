// How full the cross's memory would be, and how long a send would take,
// worked out by hand from the records the fake encoder writes.

#include "halvane/encode/memory_usage.h"
#include "halvane/encode/send_job.h"
#include "tests/halvane/encode/fake_encoder.h"

#include <gtest/gtest.h>

using namespace halvane::encode;

namespace {

class MemoryUsageTest : public ::testing::Test {
protected:
    halvane::project::PlayProjectData m_project = halvane::project::defaultProjectData(0);
    halvane::project::AnimationLibrary m_library{QStringLiteral("/lib/animations")};
    FakeEncoder m_encoder;

    void play(std::initializer_list<const char *> names)
    {
        for (const char *name : names) {
            m_project.playList.append({QString::fromLatin1(name)});
            if (QByteArray(name).endsWith(".crs"))
                m_project.animations.append(halvane::project::defaultAnimationEntry(QString::fromLatin1(name)));
        }
    }

    MemoryUsage measure(int baud = 9600) { return measureMemory(m_project, m_library, m_encoder, baud); }
};

} // namespace

// Three entries (3 x 16 + 2 bytes of TOC), ten frames (10 x 176 + 2 bytes of
// Animations) and one text record of 112 bytes: a block each. At 9600 baud a
// block takes at least 6639 ms and the send's own steps 5700 ms.
TEST_F(MemoryUsageTest, ASmallProjectByHand)
{
    play({"a.crs", "Text1", "Hour"});
    m_encoder.frames[QStringLiteral("a.crs")] = 10;
    const MemoryUsage usage = measure();

    ASSERT_TRUE(usage.fits()) << usage.refusal.toStdString();
    EXPECT_EQ(usage.regions[0].bytes, 50u);
    EXPECT_EQ(usage.regions[1].bytes, 1762u);
    EXPECT_EQ(usage.regions[2].bytes, 112u);
    for (const RegionUsage &region : usage.regions) {
        EXPECT_EQ(region.blocks, 1) << region.region.name;
        EXPECT_EQ(region.percent(), 1) << "a used region never shows 0%: " << region.region.name;
    }
    EXPECT_EQ(usage.totalBlocks, 3);
    EXPECT_EQ(usage.sendMs, 5700 + 3 * 6639);
    EXPECT_EQ(usage.summary(), QStringLiteral("TOC 1% \u00b7 Animations 1% \u00b7 Text 1% \u00b7 send 0:26"));
    EXPECT_EQ(usage.details(),
              (QStringList{QStringLiteral("TOC: 50 of 65536 bytes, 1 block, 1%"),
                           QStringLiteral("Animations: 1762 of 7274496 bytes, 1 block, 1%"),
                           QStringLiteral("Text: 112 of 1048576 bytes, 1 block, 1%"),
                           QStringLiteral("Sending takes at least 0:26 (3 blocks)")}));
}

// 20667 frames: 3,637,394 bytes, just over half the region, 889 blocks.
TEST_F(MemoryUsageTest, HalfTheAnimationsRegionRoundsUp)
{
    play({"long.crs"});
    m_encoder.frames[QStringLiteral("long.crs")] = 20667;
    const MemoryUsage usage = measure(115200);

    ASSERT_TRUE(usage.fits());
    EXPECT_EQ(usage.regions[1].bytes, 3637394u);
    EXPECT_EQ(usage.regions[1].blocks, 889);
    EXPECT_EQ(usage.regions[1].percent(), 51);
    EXPECT_EQ(usage.regions[2].bytes, 0u);
    EXPECT_EQ(usage.regions[2].percent(), 0);
    EXPECT_EQ(usage.regions[2].blocks, 0);
    EXPECT_EQ(usage.totalBlocks, 1 + 889);
    EXPECT_EQ(usage.sendMs, nominalSendMs(890, 115200));
    EXPECT_GT(usage.sendMs, 890 * 2350);
}

// Too large for its region: the meter tells before any send, with both
// sizes, and still shows how far over the region is.
TEST_F(MemoryUsageTest, AnOversizedProjectIsToldWithBothSizes)
{
    play({"big.crs", "Text1"});
    m_encoder.frames[QStringLiteral("big.crs")] = 41333; // 7,274,610 bytes
    const MemoryUsage usage = measure();

    ASSERT_FALSE(usage.fits());
    EXPECT_TRUE(usage.refusal.contains(QStringLiteral("7274610"))) << usage.refusal.toStdString();
    EXPECT_TRUE(usage.refusal.contains(QStringLiteral("7274496"))) << usage.refusal.toStdString();
    EXPECT_EQ(usage.regions[1].bytes, 7274610u);
    EXPECT_FALSE(usage.regions[1].fits());
    EXPECT_EQ(usage.regions[1].percent(), 101);
    EXPECT_EQ(usage.details().last(), usage.refusal);
}

TEST_F(MemoryUsageTest, WarningsOfTheBuildAreKept)
{
    play({"missing.crs"});
    m_encoder.warnings[QStringLiteral("missing.crs")] = QStringLiteral("missing.crs could not be read");
    const MemoryUsage usage = measure();
    EXPECT_TRUE(usage.fits());
    EXPECT_EQ(usage.warnings, QStringList{QStringLiteral("missing.crs could not be read")});
}

TEST(NominalSendTime, TheSendsOwnStepsPlusEveryBlock)
{
    EXPECT_EQ(nominalSendMs(0, 9600), 100 + 1000 + 600 + 3000 + 1000);
    EXPECT_EQ(nominalSendMs(2, 9600), 5700 + 2 * nominalBlockMs(9600));
    EXPECT_EQ(nominalSendMs(-1, 9600), 5700);
}
