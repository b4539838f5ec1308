// halvane-cli build and send end to end: the program against virtual crosses
// on pseudo-terminals, and cross-sim's view of what arrived. Every block
// takes its 2.35 s, so these few tests carry the real-time cases only.

#include "tests/common/tiny_frame_gif.h"
#include "tests/halvane/link/pty_fixture.h"

#include "common/cross_geometry.h"
#include "common/gif/picture.h"
#include "dravelle/document/crs_writer.h"
#include "halvane/project/plst_file.h"

#include "tests/common/bounded_wait.h"
#include "tests/common/program_run.h"

#include <QFileInfo>

namespace {

using dravelle::document::CrsPage;

// Ten pages of a 48 cross, page p lighting column 16 + p and row 20 + p.
std::vector<CrsPage> tenPages()
{
    std::vector<CrsPage> pages(10);
    for (int p = 0; p < 10; ++p) {
        pages[std::size_t(p)].colours.resize(48 * 48);
        for (int i = 0; i < 48; ++i) {
            pages[std::size_t(p)].colours[std::size_t(16 + p + i * 48)] = 1; // red: lit like any colour
            pages[std::size_t(p)].colours[std::size_t(i + (20 + p) * 48)] = 4;
        }
    }
    return pages;
}


class CliSendTest : public PtyFixture {
protected:
    void SetUp() override
    {
        PtyFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("animations"))));
    }

    ProgramRun cli(const QStringList &args) { return runInAppDir(QStringLiteral(HALVANE_CLI_PATH), m_dir.path(), args); }

    // COM1 with a cross that keeps its state in "state".
    cross_sim::PtyCross &startCross(cross_sim::CrossConfig config = {})
    {
        auto cross = std::make_unique<cross_sim::PtyCross>(config);
        EXPECT_TRUE(cross->useStateFolder(path(QStringLiteral("state"))));
        EXPECT_TRUE(cross->start(path(QStringLiteral("com1"))));
        m_crosses[1] = std::move(cross);
        return *m_crosses[1];
    }

    QString writeProject(const QStringList &playList, const QString &text = {})
    {
        halvane::project::PlayProjectData data = halvane::project::defaultProjectData(0);
        for (const QString &name : playList) {
            data.playList.append({name});
            if (name.endsWith(QLatin1String(".crs")))
                data.animations.append(halvane::project::defaultAnimationEntry(name));
        }
        data.texts[0].text = text;
        const QString file = path(QStringLiteral("demo.plst"));
        EXPECT_TRUE(halvane::project::writePlstFile(file, data));
        return file;
    }

    QByteArray memory(cross_sim::PtyCross &cross)
    {
        return cross.withCross([](const cross_sim::VirtualCross &c) { return c.state().memory; });
    }

    static constexpr char kBoot[] = "PORT=1\nBAUDRATE=9600\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n";
};

// The region starts of TOC, Animations and Text, and the block padding.
void expectImageAt(const QByteArray &memory, qsizetype start, const QByteArray &image)
{
    EXPECT_EQ(memory.mid(start, image.size()), image) << "at " << start;
    const qsizetype padded = (image.size() + 4095) / 4096 * 4096;
    EXPECT_EQ(memory.mid(start + image.size(), padded - image.size()), QByteArray(padded - image.size(), '\0'));
    EXPECT_EQ(memory.at(start + padded), char(0xFF)) << "nothing past the last block";
}

} // namespace

TEST_F(CliSendTest, ASmallProjectArrivesByteForByteAndCrossSimShowsIt)
{
    writeIni(kBoot);
    ASSERT_TRUE(dravelle::document::writeCrsFile(path(QStringLiteral("animations/a.crs")), 48, tenPages()));
    const QString plst = writeProject({"a.crs", "Text1", "gone.crs"}, QStringLiteral("Hi"));

    const ProgramRun build = cli({"build", plst, "--out", path(QStringLiteral("out"))});
    ASSERT_EQ(build.exitCode, 0) << build.err.toStdString();
    EXPECT_TRUE(build.err.contains(QStringLiteral("gone.crs"))) << "a missing file is a warning";
    const QByteArray toc = readFile(QStringLiteral("out/toc.bin"));
    const QByteArray animations = readFile(QStringLiteral("out/animations.bin"));
    const QByteArray text = readFile(QStringLiteral("out/text.bin"));
    EXPECT_EQ(toc.size(), 3 * 16 + 2);
    EXPECT_EQ(animations.size(), 1762 + 178); // ten frames, and one dark frame for gone.crs
    EXPECT_GT(text.size(), 16);
    EXPECT_TRUE(build.out.contains(QStringLiteral("animations.bin"))) << build.out.toStdString();

    cross_sim::PtyCross &cross = startCross();
    const ProgramRun send = cli({"send", plst});
    ASSERT_EQ(send.exitCode, 0) << send.out.toStdString() << send.err.toStdString();
    const QStringList lines = send.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.first(), QStringLiteral("Opening Com port, Please Wait......"));
    EXPECT_EQ(lines.last(), QStringLiteral("Send Complete!"));
    for (const char *expected : {"Delete Cross Animations", "Sending No0 Section TOC", "Sending No0 Section Animations",
                                 "Sending No0 Section Text"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(expected))) << expected;
    EXPECT_TRUE(send.out.contains(QStringLiteral("Block 3/3"))) << send.out.toStdString();

    const QByteArray mem = memory(cross);
    expectImageAt(mem, 0, toc);
    expectImageAt(mem, 65536, animations);
    expectImageAt(mem, 7340032, text);

    // cross-sim's view: the TOC in words, the animation as a GIF whose frames
    // are the pages as the cross shows them, the text as a band.
    const ProgramRun show = runProgram(QStringLiteral(CROSS_SIM_PATH), {"--state", path(QStringLiteral("state")), "--show", path(QStringLiteral("view"))});
    ASSERT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains(QStringLiteral("animation at 0x008000 (byte 65536) -> animation-01.gif, frame style None, reserved 2, loop 1")))
        << show.out.toStdString();
    EXPECT_TRUE(show.out.contains(QStringLiteral("text at 0x380000 (byte 7340032) -> text-01.png, no back animation")));
    EXPECT_TRUE(show.out.contains(QStringLiteral("animation-01.gif  at 0x008000 (byte 65536): 10 frames, 96 ms each")));
    const common::gif::Picture gif = common::gif::Picture::fromFile(path(QStringLiteral("view/animation-01.gif")));
    ASSERT_EQ(gif.frameCount(), 10);
    const std::vector<CrsPage> pages = tenPages();
    for (int p = 0; p < 10; ++p) {
        const QImage shown = gif.renderSquare(p, 48);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const bool lit = common::CrossGeometry::inCross(48, x, y) && pages[std::size_t(p)].colours[std::size_t(x + y * 48)] != 0;
                ASSERT_EQ((shown.pixel(x, y) & 0xFFFFFF) != 0, lit) << "page " << p << " dot " << x << "," << y;
            }
    }
    const QImage band(path(QStringLiteral("view/text-01.png")));
    EXPECT_EQ(band.height(), 16);
    EXPECT_EQ(band.width() % 8, 0);
    EXPECT_EQ(band.width(), (text.size() - 16) / 16 * 8);
}

TEST_F(CliSendTest, ADroppedAcknowledgementIsRetried)
{
    writeIni(kBoot);
    cross_sim::CrossConfig config;
    config.ignoreBlocks = 1;
    cross_sim::PtyCross &cross = startCross(config);
    const ProgramRun send = cli({"send", writeProject({"Hour"})});
    EXPECT_EQ(send.exitCode, 0) << send.out.toStdString();
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().blocksIgnored; }), 1);
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().blocksStored; }), 1);
    EXPECT_EQ(memory(cross).left(18), QByteArray::fromHex("01010000002028000000000300000000FFFF"));
}

// The program on a noisy line: cross-sim slips random bytes into its replies
// and changes some of their bytes. With this seed the first acknowledgement
// is spoiled and the block goes again; the send still completes and the
// memory is byte for byte what was built.
TEST_F(CliSendTest, ANoisyLineNeverFoolsTheSend)
{
    writeIni(kBoot);
    const QString plst = writeProject({"Hour", "Text1"}, QStringLiteral("Noise on the line"));
    ASSERT_EQ(cli({"build", plst, "--out", path(QStringLiteral("out"))}).exitCode, 0);

    QProcess sim;
    sim.start(QStringLiteral(CROSS_SIM_PATH), {"--state", path(QStringLiteral("state")), "--link", path(QStringLiteral("com1")),
                                               "--noise", "0.05", "--garble", "0.05", "--seed", "67"});
    ASSERT_TRUE(test_support::waitUntil([&] { return QFileInfo(path(QStringLiteral("com1"))).isSymLink(); }))
        << sim.readAllStandardError().toStdString();
    const ProgramRun send = cli({"send", plst});
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    const QString banner = QString::fromUtf8(sim.readAllStandardOutput());
    EXPECT_TRUE(banner.contains(QStringLiteral("noise 0.05, garble 0.05, seed 67"))) << banner.toStdString();

    const QStringList log = QString::fromUtf8(readFile(QStringLiteral("state/commands.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GT(log.count(QStringLiteral("11 block at 000000 (byte 0)")), 1) << "the TOC block went again: " << log.join(QStringLiteral(" | ")).toStdString();
    ASSERT_EQ(send.exitCode, 0) << send.out.toStdString() << send.err.toStdString();
    EXPECT_TRUE(send.out.endsWith(QStringLiteral("Send Complete!\n")));
    const QByteArray mem = readFile(QStringLiteral("state/memory.bin"));
    expectImageAt(mem, 0, readFile(QStringLiteral("out/toc.bin")));
    expectImageAt(mem, 7340032, readFile(QStringLiteral("out/text.bin")));
}

TEST_F(CliSendTest, CrossSimRefusesRatesOutsideZeroToOne)
{
    for (const char *rate : {"-0.1", "1.5", "lots", "nan"}) {
        const ProgramRun r = runProgram(QStringLiteral(CROSS_SIM_PATH), {"--state", path(QStringLiteral("state")), "--noise", rate});
        EXPECT_EQ(r.exitCode, 2) << rate;
        EXPECT_TRUE(r.err.contains(QStringLiteral("--noise and --garble want a rate from 0 to 1"))) << r.err.toStdString();
    }
}

TEST_F(CliSendTest, ASilentCrossIsNotFound)
{
    writeIni(kBoot);
    cross_sim::CrossConfig config;
    config.silent = true;
    startCross(config);
    const ProgramRun send = cli({"send", writeProject({"Hour"})});
    EXPECT_EQ(send.exitCode, 1);
    EXPECT_TRUE(send.out.endsWith(QStringLiteral("Can't find cross!\n"))) << send.out.toStdString();
    EXPECT_TRUE(send.err.contains(QStringLiteral("Can't find cross!")));
}

TEST_F(CliSendTest, AnOversizedProjectIsRefusedBeforeAnythingIsDeleted)
{
    writeIni(QByteArray(kBoot) + "CROSSSTYLE=1\n"); // 64 x 64: 400 bytes a frame
    // Twice 9094 frames of 400 bytes (a file has at most 10000 frames).
    writeFile(QStringLiteral("animations/long.crs"), tinyFrameGif(9094));
    cross_sim::PtyCross &cross = startCross();
    const ProgramRun send = cli({"send", writeProject({"long.crs", "long.crs"})});
    EXPECT_EQ(send.exitCode, 1);
    EXPECT_TRUE(send.err.contains(QStringLiteral("The Animations image is 7275204 bytes, more than the 7274496 bytes")))
        << send.err.toStdString();
    EXPECT_FALSE(send.out.contains(QStringLiteral("Delete Cross Animations")));
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().memoryClears; }), 0);
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().blocksStored; }), 0);
}

TEST_F(CliSendTest, UsageAndFiles)
{
    writeIni(kBoot); // COM1 has no cross
    const QString plst = writeProject({"Hour"});
    EXPECT_EQ(cli({"send", plst}).exitCode, 3);
    EXPECT_EQ(cli({"send"}).exitCode, 2);
    EXPECT_EQ(cli({"build", plst}).exitCode, 2);
    EXPECT_EQ(cli({"send", path(QStringLiteral("none.plst"))}).exitCode, 3);
    const ProgramRun empty = cli({"send", writeProject({})});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("Please open a exist playlist file")));
}
