#include "common/gif/picture.h"
#include "dravelle/document/crs_writer.h"
#include "tests/common/temp_dir.h"

#include "tests/common/program_run.h"

namespace {

// halvane-cli preview, run as a user would on a project made with
// halvane-cli project, in an application folder of its own.
class CmdPreviewTest : public TempDirTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(path(QStringLiteral("animations")));
        writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nCROSSSTYLE=0\n[FONT]\nFONTNUM=1\nFONT1=DejaVu Sans\n");
        // rain.crs: three 48 x 48 pages of 200 ms.
        std::vector<dravelle::document::CrsPage> pages(3);
        for (size_t i = 0; i < pages.size(); ++i) {
            pages[i].colours.assign(48 * 48, 0);
            pages[i].colours[16 + i + 20 * 48] = 2;
            pages[i].delayMs = 200;
        }
        ASSERT_TRUE(dravelle::document::writeCrsFile(path(QStringLiteral("animations/rain.crs")), 48, pages));
        ASSERT_EQ(run({"project", "new", plst()}), 0) << m_err.toStdString();
        ASSERT_EQ(run({"project", "add", plst(), "Hour", "rain.crs"}), 0) << m_err.toStdString();
        ASSERT_EQ(run({"project", "set", plst(), "Hour.time=1", "Hour.frame=Flash one dot",
                       "anim.rain.crs.speed=OFF"}),
                  0)
            << m_err.toStdString();
    }

    int run(const QStringList &args)
    {
        const ProgramRun r = runInAppDir(QStringLiteral(HALVANE_CLI), m_dir.path(), args, 60000);
        m_out = r.out;
        m_err = r.err;
        return r.exitCode;
    }

    QString plst() const { return path(QStringLiteral("p.plst")); }
    QString gif() const { return path(QStringLiteral("out.gif")); }

    std::vector<int> delays(const common::gif::Picture &picture)
    {
        std::vector<int> ms;
        for (int i = 0; i < picture.frameCount(); ++i)
            ms.push_back(picture.frameDelayMs(i));
        return ms;
    }

    QString m_out;
    QString m_err;
};

TEST_F(CmdPreviewTest, WholePlayListBecomesOneGifOfTheDotGrid)
{
    ASSERT_EQ(run({"preview", plst(), "--out", gif(), "--dot", "4"}), 0) << m_err.toStdString();
    const auto picture = common::gif::Picture::fromFile(gif());
    ASSERT_FALSE(picture.isNull()) << picture.errorString().toStdString();
    EXPECT_EQ(picture.logicalSize(), QSize(192, 192));
    // Hour: two seconds whose flashing outline differs, then rain.crs's three frames.
    EXPECT_EQ(delays(picture), (std::vector<int>{1000, 1000, 200, 200, 200}));
    const QImage first = picture.composeFrame(0);
    EXPECT_EQ(first.pixel(2, 66), 0xFF00FF00u);  // dot (0, 16): the outline in second 0
    EXPECT_EQ(first.pixel(0, 64), 0xFF808080u);  // its grid line
    EXPECT_EQ(picture.composeFrame(1).pixel(2, 66), 0xFF000000u);
    const QImage rain = picture.composeFrame(3);
    EXPECT_EQ(rain.pixel(17 * 4 + 2, 20 * 4 + 2), 0xFF00FF00u); // page 1 lights dot (17, 20)
    EXPECT_EQ(rain.pixel(16 * 4 + 2, 20 * 4 + 2), 0xFF000000u);
    EXPECT_TRUE(m_out.contains(QStringLiteral("5 frames")));
}

TEST_F(CmdPreviewTest, OneEntryByName)
{
    ASSERT_EQ(run({"preview", plst(), "--entry", "rain.crs", "--out", gif()}), 0) << m_err.toStdString();
    const auto picture = common::gif::Picture::fromFile(gif());
    EXPECT_EQ(picture.logicalSize(), QSize(240, 240));
    EXPECT_EQ(delays(picture), (std::vector<int>{200, 200, 200}));
}

TEST_F(CmdPreviewTest, MissingFileIsReportedAndTheOtherEntriesStillPlay)
{
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("animations/rain.crs"))));
    ASSERT_EQ(run({"preview", plst(), "--out", gif()}), 0) << m_err.toStdString();
    EXPECT_TRUE(m_err.contains(QStringLiteral(" not find!\nPlease:Copy this file to 'Animation'.")))
        << m_err.toStdString();
    EXPECT_EQ(delays(common::gif::Picture::fromFile(gif())), (std::vector<int>{1000, 1000}));

    EXPECT_EQ(run({"preview", plst(), "--entry", "rain.crs", "--out", path("none.gif")}), 1);
    EXPECT_TRUE(m_err.contains(QStringLiteral("nothing to show")));
    EXPECT_FALSE(QFile::exists(path("none.gif")));
}

TEST_F(CmdPreviewTest, BadUsageAndUnreadableProjectsAreRefused)
{
    EXPECT_EQ(run({"preview", plst(), "--out", gif(), "--dot", "1"}), 2);
    EXPECT_EQ(run({"preview", plst(), "--out", gif(), "--dot", "many"}), 2);
    EXPECT_EQ(run({"preview", plst()}), 2);
    EXPECT_EQ(run({"preview", plst(), "--entry", "Text4", "--out", gif()}), 2);
    EXPECT_EQ(run({"preview", path("absent.plst"), "--out", gif()}), 3);
    EXPECT_FALSE(QFile::exists(gif()));
}

} // namespace
