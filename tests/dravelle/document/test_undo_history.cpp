// Undo and redo of the animation store: every kind of step gives back the
// whole store, the current page it was done on and the modified flag of the
// saved state, in little memory.

#include "dravelle/document/animation_store.h"
#include "dravelle/document/packed_page.h"
#include "dravelle/document/undo_history.h"
#include "tests/dravelle/store_snapshot.h"

#include <gtest/gtest.h>

#include <functional>

using namespace dravelle::document;

namespace {

constexpr int kR = 48;

int dotIndex(int x, int y, int r = kR)
{
    return x + y * r;
}

DotPage taggedPage(int tag, int r = kR)
{
    DotPage page = DotPage::crossMask(r);
    page.setColourAt(dotIndex(16 + tag % 16, 16 + (tag / 16) % 16, r), kColourBitRed);
    return page;
}

// `count` tagged pages with delays 10 * k; the history starts empty.
void fill(AnimationStore &store, int count)
{
    std::vector<DotPage> pages;
    std::vector<int> delays;
    for (int k = 1; k <= count; ++k) {
        pages.push_back(taggedPage(k, store.resolution()));
        delays.push_back(10 * k);
    }
    ASSERT_TRUE(store.replacePages(pages, delays));
}

// A stroke as the dot tools make it: the working page changed, then committed.
void stroke(AnimationStore &store, int x, int y, int colour = kColourBitGreen)
{
    store.workingPage().setColourAt(dotIndex(x, y, store.resolution()), colour);
    store.commitWorkingPage();
}

DotPage wordsPage(int x, int y)
{
    DotPage words = DotPage::blank(kR);
    words.planes[kBlueChannel][std::size_t(dotIndex(x, y))] = onCode(kBlueChannel);
    return words;
}

} // namespace

TEST(PackedPage, KeepsEveryCodeExactly)
{
    DotPage page = taggedPage(3, 64);
    page.setColourAt(dotIndex(30, 30, 64), kColourWhite);
    const PackedPage packed = PackedPage::pack(page);
    EXPECT_EQ(packed.unpack(), page);
    EXPECT_LT(packed.bytes(), std::size_t(64 * 64 * 3 * 4) / 10) << "two bits per code";

    const DotPage words = wordsPage(20, 3);
    EXPECT_EQ(PackedPage::pack(words).unpack(), words);

    DotPage odd = page;
    odd.planes[kGreenChannel][5] = 7;  // no code of the green plane: kept as it stands
    EXPECT_EQ(PackedPage::pack(odd).unpack(), odd);
    EXPECT_NE(PackedPage::pack(odd), PackedPage::pack(page));
}

// Each operation, undone and redone, gives back the store before and after it.
TEST(UndoRedo, EveryKindOfStepRestoresTheWholeStore)
{
    struct Case {
        const char *name;
        std::function<void(AnimationStore &)> run;
        int page = 3;
    };
    const std::vector<Case> cases = {
        {"stroke", [](AnimationStore &s) { stroke(s, 20, 5); }},
        {"add", [](AnimationStore &s) { s.addPage(); }},
        {"insert", [](AnimationStore &s) { s.insertPage(); }},
        {"delete", [](AnimationStore &s) { s.deletePage(); }},
        {"delete last", [](AnimationStore &s) { s.deletePage(); }, 10},
        {"clear", [](AnimationStore &s) { s.clearPage(); }},
        {"delay", [](AnimationStore &s) { s.setCurrentDelay(777); }},
        {"words grow", [](AnimationStore &s) { s.setWordsLayer(std::vector<DotPage>(14, wordsPage(20, 4))); }},
        {"words shrink", [](AnimationStore &s) { s.setWordsLayer({wordsPage(20, 4), wordsPage(21, 4)}); }},
        {"replace", [](AnimationStore &s) { s.replacePages({taggedPage(30)}, {5}); }},
        {"insert pages", [](AnimationStore &s) { s.insertPages(2, {taggedPage(40), taggedPage(41)}, {1, 2}); }},
        {"remove pages", [](AnimationStore &s) { s.removePages(2, 9); }},
        {"change pages",
         [](AnimationStore &s) { s.changePages(2, 10, [](DotPage &p) { p.reverse(kColourBitBlue); }); }},
        {"new", [](AnimationStore &s) { s.newAnimation(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        AnimationStore store(kR);
        fill(store, 10);
        ASSERT_TRUE(store.setWordsLayer(std::vector<DotPage>(10, wordsPage(25, 2))));
        store.selectPage(c.page);
        const StoreSnapshot before(store);
        const int steps = store.history().undoCount();
        c.run(store);
        StoreSnapshot after(store);
        // Undo and redo show the current page as selecting it does: after
        // Clear the words layer is laid over the dark page again.
        after.working = store.composedPage(store.currentPage());
        ASSERT_NE(after, before);
        EXPECT_EQ(store.history().undoCount(), steps + 1) << "one step";
        ASSERT_TRUE(store.undo());
        EXPECT_EQ(StoreSnapshot(store), before);
        ASSERT_TRUE(store.redo());
        EXPECT_EQ(StoreSnapshot(store), after);
        EXPECT_FALSE(store.redo());
    }
}

// Several operations inside one step, far apart in the page list, undo together.
TEST(UndoRedo, AStepOfSeveralOperations)
{
    AnimationStore store(kR);
    fill(store, 12);
    store.selectPage(10);
    const StoreSnapshot before(store);
    {
        AnimationStore::Step step(store);
        store.insertPages(1, {taggedPage(50)}, {3});
        store.removePages(8, 9);
        store.selectPage(11);
        stroke(store, 22, 6);
        store.setDelay(2, 99);
        store.addPage();
    }
    const StoreSnapshot after(store);
    EXPECT_EQ(store.history().undoCount(), 1);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(StoreSnapshot(store), before);
    ASSERT_TRUE(store.redo());
    EXPECT_EQ(StoreSnapshot(store), after);
}

TEST(UndoRedo, UndoGoesBackToThePageOfTheStep)
{
    AnimationStore store(kR);
    fill(store, 20);
    store.selectPage(3);
    stroke(store, 20, 5);
    store.selectPage(17);
    ASSERT_EQ(store.currentGroup(), 3);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(store.currentPage(), 3);
    EXPECT_EQ(store.currentGroup(), 1);
    EXPECT_EQ(store.page(3), taggedPage(3));
    store.selectPage(12);
    ASSERT_TRUE(store.redo());
    EXPECT_EQ(store.currentPage(), 3);
    EXPECT_EQ(store.page(3).colourAt(dotIndex(20, 5)), kColourBitGreen);
}

TEST(UndoRedo, HundredStrokesAndHundredUndos)
{
    AnimationStore store(kR);
    fill(store, 9);
    const StoreSnapshot original(store);
    for (int k = 0; k < 100; ++k) {
        store.selectPage(1 + k % 9);
        stroke(store, 16 + k % 16, 1 + k / 16, 1 + k % 7);
    }
    const StoreSnapshot drawn(store);
    EXPECT_EQ(store.history().undoCount(), 100);
    for (int k = 0; k < 100; ++k)
        ASSERT_TRUE(store.undo()) << k;
    EXPECT_FALSE(store.undo());
    EXPECT_EQ(StoreSnapshot(store).pages, original.pages);
    for (int k = 0; k < 100; ++k)
        ASSERT_TRUE(store.redo()) << k;
    EXPECT_EQ(StoreSnapshot(store), drawn);
}

// A stroke on a long 64-dot animation keeps about one page, not the animation.
TEST(UndoRedo, AStrokeHoldsAboutOnePage)
{
    AnimationStore store(64);
    fill(store, 1000);
    ASSERT_EQ(store.history().heldBytes(), 0u);
    store.selectPage(500);
    stroke(store, 30, 30);
    const std::size_t rawPage = 3 * 64 * 64 * sizeof(std::int32_t);
    EXPECT_GT(store.history().heldBytes(), 0u);
    EXPECT_LT(store.history().heldBytes(), rawPage) << store.history().heldBytes();
    ASSERT_TRUE(store.undo());
    EXPECT_LT(store.history().heldBytes(), rawPage) << "undone, it keeps the other side only";
    store.setCurrentDelay(5);
    EXPECT_LT(store.history().heldBytes(), rawPage) << "a delay change keeps one delay";
}

TEST(UndoRedo, ModifiedFollowsTheSavedState)
{
    AnimationStore store(kR);
    store.newAnimation();
    stroke(store, 20, 5);
    ASSERT_TRUE(store.undo());
    EXPECT_TRUE(store.isModified()) << "a never saved animation stays modified";
    ASSERT_TRUE(store.redo());

    store.setModified(false);  // saved
    stroke(store, 21, 5);
    store.setModified(true);
    ASSERT_TRUE(store.undo());
    EXPECT_FALSE(store.isModified()) << "back at the saved state";
    ASSERT_TRUE(store.undo());
    EXPECT_TRUE(store.isModified());
    ASSERT_TRUE(store.redo());
    EXPECT_FALSE(store.isModified());
    ASSERT_TRUE(store.redo());
    EXPECT_TRUE(store.isModified());

    // A new step after undoing past the save: the saved state cannot come back.
    ASSERT_TRUE(store.undo());
    ASSERT_TRUE(store.undo());
    stroke(store, 22, 5);
    ASSERT_TRUE(store.undo());
    EXPECT_TRUE(store.isModified());
    EXPECT_FALSE(store.canRedo() && !store.redo());
}

TEST(UndoRedo, TheFirstAnimationAndEmptyStepsAreNoSteps)
{
    AnimationStore store(kR);
    store.newAnimation();
    EXPECT_FALSE(store.canUndo()) << "there was nothing before the first animation";
    store.commitWorkingPage();  // a stroke that changed nothing
    store.setCurrentDelay(store.delay(1));
    EXPECT_FALSE(store.canUndo());
    store.selectPage(1);
    EXPECT_FALSE(store.canUndo()) << "a selection is no step";
}

TEST(UndoRedo, KeystrokesInOneDelayBoxAreOneStep)
{
    AnimationStore store(kR);
    fill(store, 3);
    const auto type = [&store](int ms) {
        AnimationStore::Step step(store, QStringLiteral("delay 1"));
        store.setCurrentDelay(ms);
    };
    type(1);
    type(15);
    type(150);
    EXPECT_EQ(store.history().undoCount(), 1);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(store.delay(1), 10);
    ASSERT_TRUE(store.redo());
    EXPECT_EQ(store.delay(1), 150);

    store.sealLastStep();  // the box lost the focus
    type(2);
    EXPECT_EQ(store.history().undoCount(), 2);
    store.setModified(false);  // saved: the next keystroke starts a step of its own
    type(25);
    EXPECT_EQ(store.history().undoCount(), 3);
    ASSERT_TRUE(store.undo());
    EXPECT_EQ(store.delay(1), 2);
    EXPECT_FALSE(store.isModified());
}

TEST(UndoHistory, KeepsItsLimits)
{
    UndoHistory history(UndoHistory::Limits{3, 6, 10'000});
    const auto step = [](int delays) {
        UndoStep s;
        const std::vector<int> live(std::size_t(delays), 1);
        s.delays.record(live, 0, delays, delays);
        return s;
    };
    for (int k = 0; k < 8; ++k)
        history.push(step(10));
    EXPECT_EQ(history.stepCount(), 6) << "never more than the most";
    for (int k = 0; k < 4; ++k)
        history.push(step(1000));  // about 4 kB each
    EXPECT_EQ(history.stepCount(), 3) << "over the budget, down to the least";
    EXPECT_EQ(history.undoCount(), 3);
    history.setMark(UndoHistory::Saved);
    history.takeUndo();
    history.push(step(10));
    EXPECT_FALSE(history.canRedo());
    history.takeUndo();
    history.takeRedo();
    EXPECT_FALSE(history.atMark(UndoHistory::Saved)) << "the saved state's branch is gone";
}
