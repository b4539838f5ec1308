#include "dravelle/document/animation_store.h"

#include <gtest/gtest.h>

using namespace dravelle::document;

namespace {

constexpr int kR = 48;
constexpr int kTopArmDot = 20 + 3 * kR;  // (20, 3): in the top arm

int dotIndex(int x, int y)
{
    return x + y * kR;
}

// A page whose only lit dot tells it apart: dot (16 + tag, 20) red.
DotPage taggedPage(int tag)
{
    DotPage page = DotPage::crossMask(kR);
    page.setColourAt(dotIndex(16 + tag, 20), kColourBitRed);
    return page;
}

int tagOf(const DotPage &page)
{
    for (int tag = 0; tag < 32; ++tag)
        if (page.colourAt(dotIndex(16 + tag, 20)) == kColourBitRed)
            return tag;
    return -1;
}

// An animation of `count` tagged pages (page k has tag k) with delays 10 * k.
AnimationStore storeWithPages(int count)
{
    AnimationStore store(kR);
    std::vector<DotPage> pages;
    std::vector<int> delays;
    for (int k = 1; k <= count; ++k) {
        pages.push_back(taggedPage(k));
        delays.push_back(10 * k);
    }
    EXPECT_TRUE(store.replacePages(pages, delays));
    return store;
}

void expectInvariants(const AnimationStore &store)
{
    ASSERT_GE(store.pageCount(), 1);
    EXPECT_EQ(store.delays().size(), store.pages().size());
    EXPECT_GE(store.currentPage(), 1);
    EXPECT_LE(store.currentPage(), store.pageCount());
    EXPECT_EQ(store.currentGroup(), (store.currentPage() + 7) / 8);
    EXPECT_EQ(store.groupCount(), (store.pageCount() + 7) / 8);
    for (const DotPage &p : store.pages())
        for (const auto &plane : p.planes)
            EXPECT_EQ(int(plane.size()), kR * kR);
}

} // namespace

TEST(DotPage, CodesAndCrossMask)
{
    EXPECT_EQ(offCode(kRedChannel), 100);
    EXPECT_EQ(onCode(kRedChannel), 101);
    EXPECT_EQ(offCode(kGreenChannel), 200);
    EXPECT_EQ(onCode(kBlueChannel), 301);

    const DotPage mask = DotPage::crossMask(64);
    EXPECT_EQ(mask.planes[0][0], 0) << "corner dot (0, 0)";
    EXPECT_EQ(mask.planes[2][std::size_t(63 + 63 * 64)], 0) << "corner dot (63, 63)";
    EXPECT_EQ(mask.planes[0][16], 100) << "dot (16, 0) starts the top arm";
    EXPECT_EQ(mask.planes[1][16], 200);
    EXPECT_EQ(mask.planes[2][16], 300);
    EXPECT_EQ(mask.planes[0][48], 0) << "dot (48, 0) is in the top right corner at 64";
    EXPECT_EQ(mask.planes[0][std::size_t(16 * 64)], 100) << "dot (0, 16) starts the left arm";
    int crossDots = 0;
    for (int i = 0; i < 64 * 64; ++i)
        crossDots += mask.isCrossDot(i) ? 1 : 0;
    EXPECT_EQ(crossDots, 3072);
    EXPECT_EQ(mask.litDotCount(), 0);
}

TEST(DotPage, ColoursReverseAndLayOver)
{
    DotPage page = DotPage::crossMask(kR);
    page.setColourAt(kTopArmDot, kColourBitRed | kColourBitGreen);  // yellow
    page.setColourAt(0, kColourWhite);                               // a corner stays out
    EXPECT_EQ(page.planes[0][kTopArmDot], 101);
    EXPECT_EQ(page.planes[1][kTopArmDot], 201);
    EXPECT_EQ(page.planes[2][kTopArmDot], 300);
    EXPECT_FALSE(page.isCrossDot(0));

    page.reverse(kColourBitRed);
    EXPECT_EQ(page.colourAt(kTopArmDot), kColourBitGreen) << "yellow with red reversed is green";
    EXPECT_EQ(page.colourAt(kTopArmDot + 1), kColourBitRed) << "an off dot with red reversed is red";
    EXPECT_EQ(page.planes[0][0], 0) << "corners stay 0";

    DotPage words = DotPage::blank(kR);
    words.planes[2][kTopArmDot] = onCode(kBlueChannel);
    layOver(page, words);
    EXPECT_EQ(page.colourAt(kTopArmDot), kColourBitGreen | kColourBitBlue) << "only non-zero words codes replace";
}

TEST(AnimationStore, NoAnimationBeforeNew)
{
    AnimationStore store(kR);
    EXPECT_FALSE(store.hasAnimation());
    EXPECT_EQ(store.pageCount(), 0);
    EXPECT_FALSE(store.addPage());
    EXPECT_FALSE(store.insertPage());
    EXPECT_FALSE(store.deletePage());
    EXPECT_FALSE(store.clearPage());
    EXPECT_FALSE(store.selectSlot(1));
    EXPECT_FALSE(store.setCurrentDelay(5));
    EXPECT_FALSE(store.setWordsLayer({DotPage::blank(kR)}));
    EXPECT_EQ(store.pageCount(), 0);
    EXPECT_EQ(store.workingPage(), DotPage::blank(kR));
}

TEST(AnimationStore, NewAnimationIsOneDarkModifiedPage)
{
    AnimationStore store(64);
    store.setDocumentPath(QStringLiteral("/tmp/old.crs"));
    store.newAnimation();
    EXPECT_TRUE(store.hasAnimation());
    EXPECT_TRUE(store.isModified()) << "a fresh animation counts as modified";
    EXPECT_EQ(store.pageCount(), 1);
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_EQ(store.currentGroup(), 1);
    EXPECT_EQ(store.delay(1), 200);
    EXPECT_TRUE(store.documentPath().isEmpty());
    EXPECT_EQ(store.page(1), DotPage::crossMask(64));
    EXPECT_EQ(store.workingPage(), DotPage::crossMask(64));
    EXPECT_EQ(store.resolutionIndex(), 1);
    EXPECT_EQ(AnimationStore(50).resolution(), 48) << "anything but 64 is 48";
}

TEST(AnimationStore, AddAppendsTheWorkingPage)
{
    AnimationStore store = storeWithPages(3);
    store.selectPage(3);
    store.setModified(false);
    store.workingPage().setColourAt(kTopArmDot, kColourBitBlue);  // drawn, not committed yet
    ASSERT_TRUE(store.addPage());
    expectInvariants(store);
    EXPECT_EQ(store.pageCount(), 4);
    EXPECT_EQ(store.currentPage(), 4);
    EXPECT_EQ(store.delay(4), 200);
    EXPECT_EQ(tagOf(store.page(4)), 3);
    EXPECT_EQ(store.page(4).colourAt(kTopArmDot), kColourBitBlue);
    EXPECT_TRUE(store.isModified());

    AnimationStore eight = storeWithPages(8);
    eight.selectPage(8);
    eight.addPage();
    EXPECT_EQ(eight.currentPage(), 9);
    EXPECT_EQ(eight.currentGroup(), 2);
    expectInvariants(eight);
}

TEST(AnimationStore, InsertCopiesTheStoredPageWithTheFollowingDelay)
{
    AnimationStore store = storeWithPages(5);
    ASSERT_TRUE(store.selectPage(3));
    store.workingPage().setColourAt(kTopArmDot, kColourBitBlue);  // not committed: not copied
    ASSERT_TRUE(store.insertPage());
    expectInvariants(store);
    EXPECT_EQ(store.pageCount(), 6);
    EXPECT_EQ(store.currentPage(), 4);
    EXPECT_EQ(tagOf(store.page(4)), 3);
    EXPECT_EQ(store.page(4).colourAt(kTopArmDot), 0);
    EXPECT_EQ(store.delay(4), 40) << "the delay of the page that followed page 3";
    EXPECT_EQ(tagOf(store.page(5)), 4);
    EXPECT_EQ(store.delays(), (std::vector<int>{10, 20, 30, 40, 40, 50}));

    store.selectPage(6);
    store.setModified(false);
    EXPECT_FALSE(store.insertPage()) << "nothing happens on the last page";
    EXPECT_EQ(store.pageCount(), 6);
    EXPECT_FALSE(store.isModified());
}

TEST(AnimationStore, DeleteKeepsAtLeastOnePage)
{
    AnimationStore one(kR);
    one.newAnimation();
    EXPECT_FALSE(one.deletePage());
    EXPECT_EQ(one.pageCount(), 1);

    AnimationStore store = storeWithPages(5);
    store.selectPage(2);
    ASSERT_TRUE(store.deletePage());
    EXPECT_EQ(store.currentPage(), 2);
    EXPECT_EQ(tagOf(store.workingPage()), 3) << "the page after the deleted one takes its place";
    store.selectPage(4);
    ASSERT_TRUE(store.deletePage());
    EXPECT_EQ(store.currentPage(), 3) << "deleting the last page makes the previous one current";
    EXPECT_EQ(store.delays(), (std::vector<int>{10, 30, 40}));
    expectInvariants(store);

    AnimationStore nine = storeWithPages(9);
    nine.selectPage(9);
    EXPECT_EQ(nine.currentGroup(), 2);
    nine.deletePage();
    EXPECT_EQ(nine.currentPage(), 8);
    EXPECT_EQ(nine.currentGroup(), 1);
    EXPECT_EQ(nine.groupCount(), 1);
    expectInvariants(nine);
}

TEST(AnimationStore, SlotsAndGroups)
{
    AnimationStore store = storeWithPages(13);
    EXPECT_TRUE(store.showGroup(2));
    EXPECT_EQ(store.currentPage(), 9);
    EXPECT_TRUE(store.selectSlot(5));
    EXPECT_EQ(store.currentPage(), 13);
    EXPECT_EQ(tagOf(store.workingPage()), 13);
    EXPECT_FALSE(store.selectSlot(6)) << "slot 6 of group 2 is empty";
    EXPECT_FALSE(store.selectSlot(9));
    EXPECT_FALSE(store.selectSlot(0));
    EXPECT_EQ(store.currentPage(), 13);
    EXPECT_FALSE(store.showGroup(3));
    EXPECT_FALSE(store.selectPage(14));
}

TEST(AnimationStore, ClearKeepsCornersAndWords)
{
    AnimationStore store = storeWithPages(2);
    DotPage words = DotPage::blank(kR);
    words.planes[1][std::size_t(dotIndex(5, 20))] = onCode(kGreenChannel);
    ASSERT_TRUE(store.setWordsLayer({words, DotPage::blank(kR)}));
    store.selectPage(1);
    EXPECT_EQ(store.workingPage().colourAt(dotIndex(5, 20)), kColourBitGreen);

    ASSERT_TRUE(store.clearPage());
    EXPECT_EQ(store.page(1), DotPage::crossMask(kR)) << "no lit dot, corners still 0";
    EXPECT_EQ(store.wordsLayer().size(), 2u);
    EXPECT_EQ(store.workingPage(), DotPage::crossMask(kR)) << "the cleared page shows dark, words too";
    EXPECT_EQ(store.currentPage(), 1);
    ASSERT_TRUE(store.selectSlot(1));
    EXPECT_EQ(store.workingPage().colourAt(dotIndex(5, 20)), kColourBitGreen)
        << "the words show again once the page is selected";
    EXPECT_EQ(store.page(1), DotPage::crossMask(kR)) << "selecting does not store the words in the page";
    EXPECT_EQ(tagOf(store.page(2)), 2) << "other pages untouched";
}

TEST(AnimationStore, CommitKeepsTheWordsDotsInThePage)
{
    AnimationStore store = storeWithPages(1);
    DotPage words = DotPage::blank(kR);
    words.planes[0][std::size_t(dotIndex(5, 20))] = onCode(kRedChannel);
    store.setWordsLayer({words});
    store.commitWorkingPage();
    EXPECT_EQ(store.page(1).colourAt(dotIndex(5, 20)), kColourBitRed);
}

TEST(AnimationStore, PagesWithoutWordsPageGetNothingLaidOver)
{
    AnimationStore store = storeWithPages(2);
    DotPage words = DotPage::blank(kR);
    words.planes[0][std::size_t(dotIndex(5, 20))] = onCode(kRedChannel);
    store.setWordsLayer({words, words});
    store.selectPage(2);
    store.addPage();
    store.addPage();  // page 4 copies page 3, which carries page 2's words
    store.selectPage(1);
    store.deletePage();
    // Pages 1..3 now; words pages 1..2 lie over them, page 3 has none.
    ASSERT_TRUE(store.selectPage(3));
    EXPECT_EQ(store.composedPage(3), store.page(3));
    EXPECT_EQ(store.workingPage(), store.page(3));
    expectInvariants(store);
}

TEST(AnimationStore, WordsLayerFitsThePages)
{
    AnimationStore three = storeWithPages(3);
    three.selectPage(3);
    ASSERT_TRUE(three.setWordsLayer(std::vector<DotPage>(10, DotPage::blank(kR))));
    ASSERT_EQ(three.pageCount(), 10);
    std::vector<int> tags;
    for (int k = 1; k <= 10; ++k)
        tags.push_back(tagOf(three.page(k)));
    EXPECT_EQ(tags, (std::vector<int>{1, 2, 3, 1, 2, 3, 1, 2, 3, 1}));
    EXPECT_EQ(three.delays(), (std::vector<int>{10, 20, 30, 10, 20, 30, 10, 20, 30, 10}));
    EXPECT_EQ(three.currentPage(), 1);
    expectInvariants(three);

    AnimationStore forty = storeWithPages(40);
    forty.selectPage(33);
    ASSERT_TRUE(forty.setWordsLayer(std::vector<DotPage>(10, DotPage::blank(kR))));
    EXPECT_EQ(forty.pageCount(), 10);
    EXPECT_EQ(tagOf(forty.page(10)), 10);
    EXPECT_EQ(forty.currentPage(), 1);
    EXPECT_EQ(forty.currentGroup(), 1);
    expectInvariants(forty);

    AnimationStore store = storeWithPages(4);
    store.selectPage(2);
    store.setModified(false);
    ASSERT_TRUE(store.setWordsLayer({}));
    EXPECT_EQ(store.pageCount(), 4) << "no words leave the pages as they were";
    EXPECT_EQ(store.currentPage(), 2);
    EXPECT_FALSE(store.isModified());

    EXPECT_FALSE(store.setWordsLayer({DotPage::blank(64)})) << "a words page of another size is refused";
    EXPECT_EQ(store.pageCount(), 4);
}

TEST(AnimationStore, ReplacePagesChecksItsInput)
{
    AnimationStore store = storeWithPages(2);
    EXPECT_FALSE(store.replacePages({}, {}));
    EXPECT_FALSE(store.replacePages({taggedPage(1)}, {200, 200}));
    EXPECT_FALSE(store.replacePages({DotPage::crossMask(64)}, {200}));
    EXPECT_FALSE(store.replacePages({taggedPage(1)}, {-1}));
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_EQ(tagOf(store.page(2)), 2);
}

TEST(AnimationStore, DelaysAndReset)
{
    AnimationStore store = storeWithPages(2);
    store.selectPage(2);
    store.setModified(false);
    EXPECT_FALSE(store.setCurrentDelay(-1));
    EXPECT_FALSE(store.isModified());
    EXPECT_TRUE(store.setCurrentDelay(0));
    EXPECT_EQ(store.delay(2), 0);
    EXPECT_TRUE(store.isModified());

    WordsSettings words;
    words.text = QStringLiteral("Hello");
    words.size = 20;
    ASSERT_TRUE(store.setWordsSettings(words));
    store.setDocumentPath(QStringLiteral("a.crs"));
    store.reset();
    EXPECT_FALSE(store.hasAnimation());
    EXPECT_EQ(store.pageCount(), 0);
    EXPECT_TRUE(store.wordsLayer().empty());
    EXPECT_TRUE(store.wordsSettings().text.isEmpty());
    EXPECT_EQ(store.wordsSettings().size, 20) << "only the text goes with a reset";
    EXPECT_TRUE(store.documentPath().isEmpty());
    EXPECT_FALSE(store.isModified());
}

TEST(WordsSettings, LimitsOfTextFaceSizeAndColours)
{
    WordsSettings s;
    EXPECT_TRUE(s.validate());
    s.text = QString(1023, QLatin1Char('x'));
    EXPECT_TRUE(s.validate());
    s.text += QLatin1Char('x');
    EXPECT_FALSE(s.validate());
    s.text.clear();
    s.face = QString(31, QLatin1Char('f'));
    EXPECT_TRUE(s.validate());
    s.face += QLatin1Char('f');
    EXPECT_FALSE(s.validate());
    s.face = QStringLiteral("Arial");
    for (int size : {9, 33}) {
        s.size = size;
        EXPECT_FALSE(s.validate()) << size;
    }
    s.size = 32;
    s.textColour = 8;
    EXPECT_FALSE(s.validate());
    s.textColour = 7;
    s.backgroundColour = -1;
    EXPECT_FALSE(s.validate());

    AnimationStore store(kR);
    EXPECT_FALSE(store.setWordsSettings(s));
    EXPECT_EQ(store.wordsSettings(), WordsSettings()) << "refused settings leave the old ones";
}

namespace {

// Every notice the store gives, in order.
struct ChangeLog {
    std::vector<StoreChange> changes;
    explicit ChangeLog(AnimationStore &store)
    {
        // The undo history's own notice comes besides; it is tested with the history.
        store.setChangeObserver([this](const StoreChange &c) {
            if (c.parts != StoreChange::History)
                changes.push_back(c);
        });
    }
    StoreChange take()
    {
        EXPECT_EQ(changes.size(), 1u) << "one notice per operation";
        const StoreChange last = changes.empty() ? StoreChange{} : changes.back();
        changes.clear();
        return last;
    }
};

} // namespace

TEST(AnimationStoreChanges, PageCommandsSayWhichPagesMoved)
{
    AnimationStore store = storeWithPages(5);
    ChangeLog log(store);
    store.selectPage(3);
    EXPECT_EQ(log.take().parts, unsigned(StoreChange::Selection));

    store.insertPage();  // pages 4..6 are new or moved
    StoreChange c = log.take();
    EXPECT_TRUE(c.has(StoreChange::PageCount) && c.has(StoreChange::Selection) && c.has(StoreChange::Delays));
    EXPECT_EQ(c.firstPage, 4);
    EXPECT_EQ(c.lastPage, 6);

    store.selectPage(2);
    log.take();
    store.deletePage();
    c = log.take();
    EXPECT_EQ(c.firstPage, 2);
    EXPECT_EQ(c.lastPage, 5);

    store.selectPage(5);
    log.take();
    store.deletePage();  // the last page: nothing after it moved, page 4 is current
    c = log.take();
    EXPECT_TRUE(c.has(StoreChange::PageCount));
    EXPECT_EQ(c.firstPage, 4);
    EXPECT_EQ(c.lastPage, 4);

    store.addPage();
    c = log.take();
    EXPECT_EQ(c.firstPage, 5);
    EXPECT_EQ(c.lastPage, 5);
}

TEST(AnimationStoreChanges, DotsDelaysWordsAndRefusals)
{
    AnimationStore store = storeWithPages(3);
    ChangeLog log(store);
    store.setDelay(2, 70);
    StoreChange c = log.take();
    EXPECT_EQ(c.parts, unsigned(StoreChange::Delays));
    EXPECT_EQ(c.firstPage, 2);

    store.clearPage();  // current page 1
    c = log.take();
    EXPECT_EQ(c.parts, unsigned(StoreChange::PageDots));
    EXPECT_EQ(c.firstPage, 1);

    store.setWordsLayer({DotPage::blank(kR), DotPage::blank(kR)});
    c = log.take();
    EXPECT_TRUE(c.has(StoreChange::WordsLayer) && c.has(StoreChange::PageCount));

    // What changes nothing says nothing.
    EXPECT_FALSE(store.setDelay(9, 10));
    EXPECT_FALSE(store.selectPage(0));
    store.showGroup(2);
    EXPECT_TRUE(log.changes.empty());

    store.newAnimation();
    c = log.take();
    EXPECT_TRUE(c.has(StoreChange::PageCount) && c.has(StoreChange::WordsLayer));
    EXPECT_EQ(c.lastPage, 1);
}
