#include "dravelle/editor/templates.h"

#include "tests/dravelle/lit_dots.h"

#include <gtest/gtest.h>

#include <set>

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

const Template kAll[] = {Template::Diamond, Template::Cross, Template::Circumgyrate, Template::Circle,
                         Template::Rectangle};

bool isFullCross(const DotPage &page, int r)
{
    return page.litDotCount() == (r == 48 ? 1280 : 3072);
}

std::set<int> dots(int r, std::initializer_list<std::pair<int, int>> xy)
{
    std::set<int> s;
    for (auto [x, y] : xy)
        s.insert(x + y * r);
    return s;
}

} // namespace

TEST(ShapeMask, EdgeRuleTakesLeftAndTopEdgesOnly)
{
    // A 2 x 2 square turned by 45 degrees around (4, 4): the four pixel
    // centres around the middle lie exactly on its four edges.
    ShapeMask diamond(8);
    diamond.addTriangle({4, 4}, {3, 4}, {4, 3});
    diamond.addTriangle({4, 4}, {4, 3}, {5, 4});
    diamond.addTriangle({4, 4}, {3, 4}, {4, 5});
    diamond.addTriangle({4, 4}, {5, 4}, {4, 5});
    EXPECT_TRUE(diamond.contains(3, 3)) << "on the upper left edge";
    EXPECT_TRUE(diamond.contains(3, 4)) << "on the lower left edge";
    EXPECT_FALSE(diamond.contains(4, 3)) << "on the upper right edge";
    EXPECT_FALSE(diamond.contains(4, 4)) << "on the lower right edge";
    EXPECT_EQ(diamond.count(), 2);

    // Two triangles sharing a diagonal never both take a pixel on it.
    ShapeMask upper(4), lower(4);
    upper.addTriangle({0, 0}, {4, 0}, {4, 4});
    lower.addTriangle({0, 0}, {4, 4}, {0, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_NE(upper.contains(x, y), lower.contains(x, y)) << x << "," << y;

    ShapeMask flat(4);
    flat.addTriangle({0, 0}, {2, 2}, {4, 4});
    EXPECT_EQ(flat.count(), 0);

    ShapeMask rect(8);
    rect.addRect(2, 3, 4, 6);  // right and bottom exclusive
    EXPECT_EQ(rect.count(), 6);
    EXPECT_TRUE(rect.contains(2, 3));
    EXPECT_FALSE(rect.contains(4, 3));
    EXPECT_FALSE(rect.contains(2, 6));
}

TEST(Templates, PageCountsAtBothResolutions)
{
    const std::pair<Template, std::pair<int, int>> expected[] = {
        {Template::Diamond, {33, 49}}, {Template::Circle, {25, 35}}, {Template::Circumgyrate, {24, 32}},
        {Template::Cross, {16, 32}},   {Template::Rectangle, {24, 32}},
    };
    for (auto [t, counts] : expected) {
        EXPECT_EQ(templatePageCount(t, 48), counts.first) << templateName(t).toStdString();
        EXPECT_EQ(templatePageCount(t, 64), counts.second) << templateName(t).toStdString();
        EXPECT_EQ(int(templatePages(t, 48).size()), counts.first);
    }
    EXPECT_EQ(templateByName(QStringLiteral("CircumGyrate")), Template::Circumgyrate);
    EXPECT_FALSE(templateByName(QStringLiteral("star")).has_value());
}

TEST(Templates, WhiteDotsOnlyCornersDarkAndGrowing)
{
    for (int r : {48, 64})
        for (Template t : kAll) {
            SCOPED_TRACE(templateName(t).toStdString() + " " + std::to_string(r));
            const std::vector<DotPage> pages = templatePages(t, r);
            const DotPage mask = DotPage::crossMask(r);
            std::set<int> previous;
            for (std::size_t i = 0; i < pages.size(); ++i) {
                const DotPage &page = pages[i];
                for (int d = 0; d < page.dotCount(); ++d) {
                    if (!mask.isCrossDot(d)) {
                        ASSERT_FALSE(page.isCrossDot(d)) << "corner dot " << d << " on page " << i;
                    } else {
                        ASSERT_TRUE(page.colourAt(d) == 0 || page.colourAt(d) == kColourWhite);
                    }
                }
                const std::set<int> lit = litDots(page);
                if (templateAccumulates(t)) {
                    EXPECT_TRUE(std::includes(lit.begin(), lit.end(), previous.begin(), previous.end()))
                        << "page " << i << " lost dots of the page before";
                }
                previous = lit;
            }
            if (t != Template::Cross) {
                EXPECT_TRUE(isFullCross(pages.back(), r)) << "the last page covers the whole cross";
            }
        }
}

TEST(Templates, DiamondStartsDarkAndFollowsTheEdgeRule)
{
    const std::vector<DotPage> pages = templatePages(Template::Diamond, 48);
    EXPECT_EQ(pages.front().litDotCount(), 0);
    EXPECT_EQ(litDots(pages[1]), dots(48, {{23, 23}, {23, 24}}));
    EXPECT_EQ(pages[2].litDotCount(), 8);  // 2 + the ring |dx| + |dy| < 2 around (24, 24)
}

TEST(Templates, FirstPagesOfCircleRectangleAndCross)
{
    // The disc 5 dots across centred on (24.5, 24.5): dx^2 + dy^2 < 6.25.
    EXPECT_EQ(templatePages(Template::Circle, 48).front().litDotCount(), 21);
    EXPECT_EQ(litDots(templatePages(Template::Rectangle, 48).front()),
              dots(48, {{23, 23}, {24, 23}, {23, 24}, {24, 24}}));
    // A plus two dots thick and 48 - 16 + 2 = 34 dots long.
    const DotPage plus = templatePages(Template::Cross, 48).front();
    EXPECT_EQ(plus.litDotCount(), 2 * 34 + 2 * 34 - 2 * 2);
    EXPECT_NE(plus.colourAt(23 + 7 * 48), 0);
    EXPECT_EQ(plus.colourAt(23 + 6 * 48), 0);
    EXPECT_NE(plus.colourAt(40 + 24 * 48), 0);
    EXPECT_EQ(plus.colourAt(41 + 24 * 48), 0);
}

TEST(Templates, CrossGrowsAndShrinksBack)
{
    const std::vector<DotPage> small = templatePages(Template::Cross, 48);
    EXPECT_TRUE(isFullCross(small[7], 48)) << "page 8";
    EXPECT_TRUE(isFullCross(small[8], 48)) << "page 9";
    EXPECT_FALSE(isFullCross(small[6], 48));
    EXPECT_EQ(small[15], small[0]) << "page 16 is the thin plus again";
    EXPECT_EQ(small[10], small[5]);

    const std::vector<DotPage> large = templatePages(Template::Cross, 64);
    EXPECT_TRUE(isFullCross(large[15], 64));
    EXPECT_TRUE(isFullCross(large[16], 64));
    EXPECT_EQ(large[31], large[0]);
}

TEST(Templates, ApplyReplacesTheAnimationAndItsWords)
{
    AnimationStore store(48);
    store.newAnimation();
    WordsSettings words;
    words.text = QStringLiteral("Hi");
    ASSERT_TRUE(store.setWordsSettings(words));
    ASSERT_TRUE(store.setWordsLayer(std::vector<DotPage>(3, DotPage::blank(48))));
    store.setDocumentPath(QStringLiteral("x.crs"));

    applyTemplate(store, Template::Rectangle);
    EXPECT_EQ(store.pageCount(), 24);
    EXPECT_TRUE(store.wordsLayer().empty());
    EXPECT_TRUE(store.wordsSettings().text.isEmpty());
    EXPECT_TRUE(store.documentPath().isEmpty());
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_TRUE(store.isModified());
    EXPECT_EQ(store.delays(), std::vector<int>(24, 200));
    EXPECT_EQ(store.workingPage(), store.page(1));
}
