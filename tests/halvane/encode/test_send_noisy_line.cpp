// Many sends over a noisy line in virtual time: random bytes slip into the
// cross's replies, reply bytes arrive changed, and the cross drops some
// blocks unanswered. Whatever happens, a send that says "Send Complete!" has
// left the cross's memory byte for byte as the images were built; every other
// send ends in one of the job's error states.

#include "halvane/encode/send_job.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/encode/fake_encoder.h"
#include "tests/halvane/encode/sent_memory.h"
#include "tests/halvane/link/sim_link.h"

#include <random>

using namespace halvane::encode;
using Outcome = SendResult::Outcome;

namespace {

class Quiet : public SendObserver {
public:
    void statusChanged(const QString &) override {}
    void progressChanged(int, int) override {}
    void warning(const QString &) override {}
};

// A play project of one to six entries with animations of random lengths.
halvane::project::PlayProjectData randomProject(std::mt19937 &random, FakeEncoder &encoder)
{
    static const char *const kNames[] = {"a.crs", "b.crs", "c.bmp", "Hour", "Date", "Text1", "Text3"};
    halvane::project::PlayProjectData project = halvane::project::defaultProjectData(0);
    const int entries = std::uniform_int_distribution<int>(1, 6)(random);
    for (int i = 0; i < entries; ++i) {
        const QString name = QString::fromLatin1(kNames[std::uniform_int_distribution<int>(0, 6)(random)]);
        if (project.playList.contains({name}))
            continue;
        project.playList.append({name});
        if (name.endsWith(QLatin1String(".crs")) || name.endsWith(QLatin1String(".bmp")))
            project.animations.append(halvane::project::defaultAnimationEntry(name));
        encoder.frames[name] = std::size_t(std::uniform_int_distribution<int>(1, 40)(random));
    }
    encoder.textBytes = std::size_t(std::uniform_int_distribution<int>(16, 9000)(random));
    encoder.patterned = true;
    return project;
}

struct LineFaults {
    double noise;
    double garble;
};

class NoisyLineTest : public TempDirTest, public ::testing::WithParamInterface<LineFaults> {
protected:
    void SetUp() override
    {
        writeFile(QStringLiteral("Halvane.ini"),
                  "[BOOT]\nPORT=1\nBAUDRATE=9600\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n");
    }
};

const QStringList kErrorTexts = {QStringLiteral("Can't find cross!"), QStringLiteral("Send TOC Data Error!")};

bool isBlockError(const QString &status)
{
    return kErrorTexts.contains(status) || (status.startsWith(QLatin1String("Sending No"))
                                            && status.endsWith(QLatin1String(" Error!")));
}

} // namespace

TEST_P(NoisyLineTest, ASendNeverSaysCompleteWithMemoryThatDiffers)
{
    const LineFaults faults = GetParam();
    constexpr int kSends = 12;
    const std::uint32_t seed = 20261207u + std::uint32_t(faults.noise * 1000) * 7 + std::uint32_t(faults.garble * 1000);
    std::mt19937 random(seed);
    int complete = 0;
    int faultsSeen = 0;
    for (int send = 0; send < kSends; ++send) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", send " << send);
        link_test::SimLink sim;
        cross_sim::CrossConfig config;
        config.noiseRate = faults.noise;
        config.garbleRate = faults.garble;
        config.noiseSeed = random();
        config.ignoreBlocks = std::uniform_int_distribution<int>(0, 2)(random);
        link_test::SimLine &line = sim.ports.addCross(1, config);
        FakeEncoder encoder;
        const halvane::project::PlayProjectData project = randomProject(random, encoder);
        const halvane::project::AnimationLibrary library(path(QStringLiteral("animations")));

        Quiet quiet;
        SendJob job(sim.context(m_dir.path()), encoder, quiet);
        const SendResult result = job.run(project, library);
        const cross_sim::CrossState &state = line.cross()->state();
        faultsSeen += state.noiseBytes + state.garbledBytes;
        EXPECT_FALSE(sim.ports.isOpen(1));
        if (result.ok()) {
            ++complete;
            EXPECT_EQ(result.status, QStringLiteral("Send Complete!"));
            FakeEncoder same = encoder;
            SendImages images;
            ASSERT_TRUE(buildImages(project, library, same, &images));
            EXPECT_TRUE(sameMemory(state.memory, memoryAfterSend(images)));
        } else {
            EXPECT_TRUE(result.outcome == Outcome::CrossNotFound || result.outcome == Outcome::BlockFailed)
                << result.status.toStdString();
            EXPECT_TRUE(isBlockError(result.status)) << result.status.toStdString();
        }
    }
    EXPECT_GT(faultsSeen, 0) << "the line was noisy";
    if (faults.noise <= 0.01 && faults.garble <= 0.01)
        EXPECT_GT(complete, kSends / 2) << "a slightly noisy line still carries most sends";
}

INSTANTIATE_TEST_SUITE_P(Rates, NoisyLineTest,
                         ::testing::Values(LineFaults{0.002, 0}, LineFaults{0, 0.002}, LineFaults{0.01, 0.01},
                                           LineFaults{0.05, 0.02}, LineFaults{0.2, 0}, LineFaults{0, 0.1},
                                           LineFaults{0.3, 0.3}),
                         [](const ::testing::TestParamInfo<LineFaults> &info) {
                             return QStringLiteral("Noise%1Garble%2")
                                 .arg(int(info.param.noise * 1000))
                                 .arg(int(info.param.garble * 1000))
                                 .toStdString();
                         });
