#include "dravelle/editor/dravelle_config.h"
#include "dravelle/editor/page_operations.h"
#include "dravelle/editor/page_strip.h"
#include "tests/common/temp_dir.h"

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

constexpr int kYellowDot = 20 + 2 * 48;  // (20, 2)
constexpr int kOffDot = 21 + 2 * 48;
constexpr int kWordsDot = 5 + 20 * 48;   // (5, 20) in the band

AnimationStore threePages()
{
    AnimationStore store(48);
    store.newAnimation();
    store.workingPage().setColourAt(kYellowDot, kColourBitRed | kColourBitGreen);
    store.commitWorkingPage();
    store.addPage();
    store.addPage();
    store.selectPage(1);
    return store;
}

} // namespace

TEST(ChangeAllDelay, SetsEveryPageAndRefusesNegatives)
{
    AnimationStore store = threePages();
    store.setModified(false);
    EXPECT_FALSE(changeAllDelay(store, -1));
    EXPECT_EQ(store.delays(), std::vector<int>(3, 200));
    EXPECT_FALSE(store.isModified());
    EXPECT_TRUE(changeAllDelay(store, 0));
    EXPECT_EQ(store.delays(), std::vector<int>(3, 0));
    EXPECT_TRUE(store.isModified());
    EXPECT_TRUE(changeAllDelay(store, 70000));
    EXPECT_EQ(store.delay(3), 70000);
}

TEST(ReverseColour, RedOnlyOnTheCurrentPage)
{
    AnimationStore store = threePages();
    store.setModified(false);
    reverseColour(store, kColourBitRed, ReverseRange::CurrentPage);
    EXPECT_EQ(store.page(1).colourAt(kYellowDot), kColourBitGreen) << "yellow turns green";
    EXPECT_EQ(store.page(1).colourAt(kOffDot), kColourBitRed) << "off turns red";
    EXPECT_FALSE(store.page(1).isCrossDot(0)) << "corners stay outside";
    EXPECT_EQ(store.page(2).colourAt(kOffDot), 0) << "other pages untouched";
    EXPECT_EQ(store.workingPage(), store.page(1));
    EXPECT_TRUE(store.isModified());
}

TEST(ReverseColour, AllPagesLeaveTheWordsLayer)
{
    AnimationStore store = threePages();
    DotPage words = DotPage::blank(48);
    words.planes[2][kWordsDot] = onCode(kBlueChannel);
    ASSERT_TRUE(store.setWordsLayer({words, words, words}));
    store.selectPage(2);

    reverseColour(store, kColourWhite, ReverseRange::AllPages);
    EXPECT_EQ(store.wordsLayer()[1], words) << "the words layer is not changed";
    EXPECT_EQ(store.page(2).colourAt(kWordsDot), kColourWhite);
    EXPECT_EQ(store.workingPage().colourAt(kWordsDot), kColourWhite)
        << "the blue words dot lies over the reversed white page";
    EXPECT_EQ(store.page(1).colourAt(kYellowDot), kColourBitBlue);
    EXPECT_EQ(store.currentPage(), 2);

    // On the current page the words dots are part of the working page.
    reverseColour(store, kColourBitBlue, ReverseRange::CurrentPage);
    EXPECT_EQ(store.page(2).colourAt(kWordsDot), kColourBitRed | kColourBitGreen);
}

class DravelleIni : public TempDirTest {
protected:
    QString ini() const { return path(QStringLiteral("Dravelle.ini")); }
};

TEST_F(DravelleIni, DefaultsAndValues)
{
    DravelleSettings s = readDravelleSettings(ini());
    EXPECT_EQ(s.resolutionIndex, 0);
    EXPECT_FALSE(s.dontShowAgain);
    EXPECT_EQ(s.resolution(), 48);

    writeFile(QStringLiteral("Dravelle.ini"), "[BOOT]\r\nRESOLUTION=1\r\nDNOTSHOWAGAIN=1\r\n");
    s = readDravelleSettings(ini());
    EXPECT_EQ(s.resolution(), 64);
    EXPECT_TRUE(s.dontShowAgain);

    writeFile(QStringLiteral("Dravelle.ini"), "[boot]\nresolution=7\nDNOTSHOWAGAIN=0\n");
    EXPECT_EQ(readDravelleSettings(ini()).resolution(), 64) << "any value but 0 is 64";
}

TEST_F(DravelleIni, WritesRadioIndexAndFlag)
{
    writeFile(QStringLiteral("Dravelle.ini"), "; kept\n[BOOT]\nRESOLUTION=0\nOTHER=x\n");
    ASSERT_TRUE(writeDravelleSettings(ini(), {5, true}));
    EXPECT_EQ(readFile(QStringLiteral("Dravelle.ini")),
              QByteArray("; kept\n[BOOT]\nRESOLUTION=1\nOTHER=x\nDNOTSHOWAGAIN=1\n"));
    ASSERT_TRUE(writeDravelleSettings(ini(), {0, false}));
    EXPECT_EQ(readFile(QStringLiteral("Dravelle.ini")),
              QByteArray("; kept\n[BOOT]\nRESOLUTION=0\nOTHER=x\nDNOTSHOWAGAIN=0\n"));
}

TEST(PageStrip, SlotsLabelsAndGroupButtons)
{
    AnimationStore store(48);
    EXPECT_FALSE(groupButtons(store).down);
    store.newAnimation();
    for (int k = 1; k < 13; ++k)
        store.addPage();
    store.setDelay(12, 55);

    PageStrip strip = pageStrip(store);  // page 13 is current: group 2
    EXPECT_EQ(strip.entries[0].page, 9);
    EXPECT_EQ(strip.entries[0].label, QStringLiteral("Page8"));
    EXPECT_EQ(strip.entries[3].delayMs, 55);
    EXPECT_TRUE(strip.entries[4].current);
    EXPECT_EQ(strip.entries[5].page, 0);
    EXPECT_TRUE(strip.entries[5].label.isEmpty());
    EXPECT_TRUE(strip.buttons.first && strip.buttons.up);
    EXPECT_FALSE(strip.buttons.down || strip.buttons.last);

    EXPECT_FALSE(moveGroup(store, GroupMove::Down));
    EXPECT_TRUE(moveGroup(store, GroupMove::Up));
    EXPECT_EQ(store.currentPage(), 1);
    strip = pageStrip(store);
    EXPECT_EQ(strip.entries[0].label, QStringLiteral("Page0"));
    EXPECT_FALSE(strip.buttons.first || strip.buttons.up);
    EXPECT_TRUE(strip.buttons.down && strip.buttons.last);
    EXPECT_TRUE(moveGroup(store, GroupMove::Last));
    EXPECT_EQ(store.currentPage(), 9);
    EXPECT_EQ(pageThumbnail(store, 9).size(), QSize(48, 48));
}
