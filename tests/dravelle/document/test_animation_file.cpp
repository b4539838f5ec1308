#include "dravelle/document/animation_file.h"
#include "tests/common/temp_dir.h"

using namespace dravelle::document;

namespace {

constexpr int kBandDot = 5 + 20 * 48;   // (5, 20)
constexpr int kArmDot = 20 + 3 * 48;    // (20, 3)

class AnimationFileTest : public TempDirTest {
protected:
    AnimationFileTest()
    {
        m_store.newAnimation();
        m_store.workingPage().setColourAt(kArmDot, kColourBitRed | kColourBitBlue);
        m_store.workingPage().setColourAt(kBandDot, kColourBitGreen);
        m_store.commitWorkingPage();
        m_store.addPage();
        m_store.setCurrentDelay(45);
    }

    AnimationStore m_store{48};
};

} // namespace

TEST_F(AnimationFileTest, PagesGoOutWithTheirWordsAsColourBits)
{
    DotPage words = DotPage::blank(48);
    words.planes[kRedChannel][kBandDot] = onCode(kRedChannel);
    ASSERT_TRUE(m_store.setWordsLayer({DotPage::blank(48), words, words}));  // three pages now

    const std::vector<CrsPage> pages = crsPages(m_store);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].colours.size(), 48u * 48u);
    EXPECT_EQ(pages[0].colours[kArmDot], 5) << "red + blue";
    EXPECT_EQ(pages[0].colours[kBandDot], 2);
    EXPECT_EQ(pages[1].colours[kBandDot], 3) << "the red words dot over the green page dot";
    EXPECT_EQ(pages[2].colours[kBandDot], 3) << "page 3 repeats page 1, with words page 3";
    EXPECT_EQ(pages[0].colours[0], 0) << "corner";
    EXPECT_EQ(pages[0].delayMs, 200);
    EXPECT_EQ(pages[1].delayMs, 45);
    EXPECT_EQ(m_store.page(2).colourAt(kBandDot), kColourBitGreen) << "the store keeps the words apart";
}

TEST_F(AnimationFileTest, SaveClearsModifiedAndTakesThePath)
{
    const QString file = path(QStringLiteral("out.crs"));
    ASSERT_TRUE(saveAnimation(m_store, file));
    EXPECT_FALSE(m_store.isModified());
    EXPECT_EQ(m_store.documentPath(), file);
    EXPECT_TRUE(readFile(QStringLiteral("out.crs")).startsWith("GIF89a"));
}

TEST_F(AnimationFileTest, FailedSaveKeepsTheAnimationModified)
{
    const QString bad = path(QStringLiteral("no/such/folder/out.crs"));
    const common::Status status = saveAnimation(m_store, bad);
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message.isEmpty());
    EXPECT_TRUE(m_store.isModified());
    EXPECT_TRUE(m_store.documentPath().isEmpty());

    AnimationStore empty(48);
    EXPECT_FALSE(saveAnimation(empty, path(QStringLiteral("x.crs"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.crs"))));
}
