#include "dravelle/editor/words.h"
#include "tests/common/gui_application.h"

#include <QFontMetrics>

#include <set>

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

WordsSettings wordsOf(const QString &text)
{
    WordsSettings s;
    s.text = text;
    return s;
}

// The colours that occur in a words page's band, as colour bits.
std::set<int> coloursInBand(const DotPage &page, int r)
{
    std::set<int> colours;
    for (int y = 16; y < r - 16; ++y)
        for (int x = 0; x < r; ++x)
            colours.insert(page.colourAt(x + y * r));
    return colours;
}

bool outsideBandTransparent(const DotPage &page, int r)
{
    for (int y = 0; y < r; ++y) {
        if (y >= 16 && y < r - 16)
            continue;
        for (int x = 0; x < r; ++x)
            for (const auto &plane : page.planes)
                if (plane[std::size_t(x + y * r)] != kNotADot)
                    return false;
    }
    return true;
}

AnimationStore animationOf(int pages, int resolution = 48)
{
    AnimationStore store(resolution);
    store.newAnimation();
    for (int k = 1; k < pages; ++k)
        store.addPage();
    return store;
}

} // namespace

TEST(Words, FontCellHeightNeverExceedsTheSize)
{
    for (int size = WordsSettings::kMinSize; size <= WordsSettings::kMaxSize; ++size) {
        const QFont font = wordsFont(QStringLiteral("Times New Roman"), size);
        const QFontMetrics m(font);
        EXPECT_LE(m.ascent() + m.descent(), size) << size;
        EXPECT_GE(m.ascent() + m.descent(), size - 3) << "the largest pixel size that fits, at " << size;
    }
}

TEST(Words, PageCountIsTheTextWidthAndMoveOutAddsR)
{
    for (int r : {48, 64}) {
        WordsSettings s = wordsOf(QStringLiteral("Hello cross"));
        const int w = wordsTextWidth(s);
        ASSERT_GT(w, 20);
        EXPECT_EQ(int(buildWordsLayer(s, r).size()), w);
        EXPECT_EQ(wordsPageCount(s, r), w) << "known before drawing";
        s.moveOut = true;
        EXPECT_EQ(int(buildWordsLayer(s, r).size()), w + r);
        EXPECT_EQ(wordsPageCount(s, r), w + r);
        const QImage strip = renderWordsStrip(s, r);
        EXPECT_EQ(strip.width(), w + 2 * r);
        EXPECT_EQ(strip.height(), r - 32);
    }
}

TEST(Words, RedTextOnBlackStaysInTheBand)
{
    WordsSettings s = wordsOf(QStringLiteral("HI"));
    s.size = 16;
    const std::vector<DotPage> layer = buildWordsLayer(s, 48);
    ASSERT_FALSE(layer.empty());
    EXPECT_EQ(coloursInBand(layer.front(), 48), std::set<int>{0}) << "the text starts right of the cross";
    EXPECT_EQ(coloursInBand(layer.back(), 48), (std::set<int>{0, kColourBitRed}));
    for (const DotPage &page : layer) {
        ASSERT_TRUE(outsideBandTransparent(page, 48));
        for (int i = 0; i < page.dotCount(); ++i)
            ASSERT_TRUE(page.planes[1][std::size_t(i)] == kNotADot && page.planes[2][std::size_t(i)] == kNotADot)
                << "black leaves the green and blue planes transparent";
    }
    // One dot to the left per page: page k + 1 is page k moved left.
    for (std::size_t k = 0; k + 1 < layer.size(); ++k)
        for (int y = 16; y < 32; ++y)
            for (int x = 1; x < 48; ++x)
                ASSERT_EQ(layer[k].colourAt(x + y * 48), layer[k + 1].colourAt(x - 1 + y * 48));
}

TEST(Words, BackgroundColourLightsTheWholeBand)
{
    WordsSettings s = wordsOf(QStringLiteral("A"));
    s.textColour = 7;        // White
    s.backgroundColour = 3;  // Blue
    const std::vector<DotPage> layer = buildWordsLayer(s, 64);
    ASSERT_FALSE(layer.empty());
    EXPECT_EQ(coloursInBand(layer.front(), 64), std::set<int>{kColourBitBlue});
    EXPECT_EQ(coloursInBand(layer.back(), 64), (std::set<int>{kColourBitBlue, kColourWhite}));
    EXPECT_TRUE(outsideBandTransparent(layer.back(), 64));
}

TEST(Words, StartYMovesTheTextDown)
{
    WordsSettings s = wordsOf(QStringLiteral("I"));
    const std::vector<DotPage> top = buildWordsLayer(s, 48);
    s.startY = 3;
    const std::vector<DotPage> lower = buildWordsLayer(s, 48);
    ASSERT_EQ(top.size(), lower.size());
    const DotPage &a = top.back();
    const DotPage &b = lower.back();
    for (int y = 16; y < 29; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(a.colourAt(x + y * 48), b.colourAt(x + (y + 3) * 48)) << x << "," << y;
}

TEST(Words, ApplyFitsPagesAndEmptyTextRemovesTheWords)
{
    AnimationStore store = animationOf(3);
    WordsSettings s = wordsOf(QStringLiteral("Go"));
    ASSERT_TRUE(applyWords(store, s));
    const int w = wordsTextWidth(s);
    EXPECT_EQ(store.pageCount(), w);
    EXPECT_EQ(int(store.wordsLayer().size()), w);
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_EQ(store.wordsSettings().text, QStringLiteral("Go"));

    store.setModified(false);
    ASSERT_TRUE(applyWords(store, wordsOf(QString())));
    EXPECT_TRUE(store.wordsLayer().empty());
    EXPECT_EQ(store.pageCount(), w) << "the pages stay as they were";
    EXPECT_FALSE(store.isModified());
}

TEST(Words, OverlongTextIsRefusedAndChangesNothing)
{
    AnimationStore store = animationOf(2);
    const common::Status status = applyWords(store, wordsOf(QString(1024, QLatin1Char('a'))));
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.message.isEmpty());
    EXPECT_EQ(store.pageCount(), 2);
    EXPECT_TRUE(store.wordsSettings().text.isEmpty());

    AnimationStore none(48);
    EXPECT_FALSE(applyWords(none, wordsOf(QStringLiteral("x"))));
}

// The longest text at the largest size would take more memory than an
// animation may: refused before anything is drawn, with both numbers.
TEST(Words, WordsBeyondThePageLimitAreRefusedBeforeDrawing)
{
    EXPECT_EQ(maxPageCount(48), 19418);
    EXPECT_EQ(maxPageCount(64), 10922);
    for (int r : {48, 64}) {
        AnimationStore store = animationOf(2, r);
        WordsSettings words = wordsOf(QString(WordsSettings::kMaxTextLength, QLatin1Char('W')));
        words.size = WordsSettings::kMaxSize;
        ASSERT_GT(wordsPageCount(words, r), maxPageCount(r));
        const common::Status status = applyWords(store, words);
        ASSERT_FALSE(status);
        EXPECT_TRUE(status.message.contains(QString::number(wordsPageCount(words, r)))) << status.message.toStdString();
        EXPECT_TRUE(status.message.contains(QString::number(maxPageCount(r)))) << status.message.toStdString();
        EXPECT_EQ(store.pageCount(), 2);
        EXPECT_TRUE(store.wordsLayer().empty());
        EXPECT_TRUE(store.wordsSettings().text.isEmpty());
    }
}

TEST(Words, FontFacesAreSortedAndUnique)
{
    const QStringList faces = wordsFontFaces();
    ASSERT_FALSE(faces.isEmpty());
    for (qsizetype i = 1; i < faces.size(); ++i)
        EXPECT_LT(faces[i - 1].compare(faces[i], Qt::CaseInsensitive), 0);
}
