#include "halvane/encode/dot_image.h"
#include "halvane/encode/text_font.h"
#include "halvane/encode/text_record.h"
#include "halvane/encode/text_strips.h"
#include "tests/common/gui_application.h"

#include <QFontInfo>

#include <gtest/gtest.h>

using namespace halvane::encode;
using halvane::project::EntryKind;
using halvane::project::TextSettings;

namespace {

const QStringList kFonts{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Sans")};

// First and last column of `image` with a lit pixel (-1, -1 when none).
std::pair<int, int> litColumns(const QImage &image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isLit(image.pixel(x, y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

bool rowLit(const QImage &image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (isLit(image.pixel(x, y)))
            return true;
    return false;
}

TextSettings text(const QString &s, int font = 2)
{
    TextSettings m;
    m.text = s;
    m.font = font;
    m.offset = 0;
    return m;
}

} // namespace

TEST(TextFontChoice, FaceSizeWeightAndSlantFromTheMessage)
{
    TextSettings m = text(QString(), 0);
    m.size = 7;
    m.bold = 1;
    CellFont f = textFont(m, kFonts, {48, 0});
    EXPECT_EQ(f.face, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(f.cellHeight, 23);
    EXPECT_TRUE(f.bold);
    EXPECT_FALSE(f.italic);

    m.font = 2;
    m.size = 14;
    m.bold = 0;
    m.italic = 1;
    f = textFont(m, kFonts, {64, 0});
    EXPECT_EQ(f.face, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(f.cellHeight, 46);
    EXPECT_TRUE(f.italic);

    // No such position in the Fonts list: the engine's default face.
    m.font = 3;
    EXPECT_TRUE(textFont(m, kFonts, {48, 0}).face.isEmpty());
    m.font = -1;
    EXPECT_TRUE(textFont(m, kFonts, {48, 0}).face.isEmpty());
    // Sizes outside the Size list "16".."30" stay within it.
    m.size = 99;
    EXPECT_EQ(textFont(m, kFonts, {48, 0}).cellHeight, 30);
    m.size = -4;
    EXPECT_EQ(textFont(m, kFonts, {48, 0}).cellHeight, 16);
}

TEST(TextFontChoice, CaptionFontIsArialBold)
{
    const CellFont small = captionFont({48, 0});
    EXPECT_EQ(small.face, QStringLiteral("Arial"));
    EXPECT_EQ(small.cellHeight, 16);
    EXPECT_TRUE(small.bold);
    EXPECT_EQ(captionFont({64, 2}).cellHeight, 24);
}

TEST(TextFont, CellHeightMapsOntoTheEmByTheFaceMetrics)
{
    // Liberation Sans: 2048 units per em, winAscent 1854 + winDescent 434 = 2288.
    // 16 x 2048 / 2288 = 14.32; 23 -> 20.59; 30 -> 26.85; 46 -> 41.17.
    const QFont sans(QStringLiteral("Liberation Sans"));
    EXPECT_EQ(pixelSizeForCell(sans, 16), 14);
    EXPECT_EQ(pixelSizeForCell(sans, 23), 21);
    EXPECT_EQ(pixelSizeForCell(sans, 30), 27);
    EXPECT_EQ(pixelSizeForCell(sans, 46), 41);
    // DejaVu Sans: 2048 per em, 1901 + 483 = 2384. 23 -> 19.76; 46 -> 39.52.
    const QFont dejavu(QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(pixelSizeForCell(dejavu, 23), 20);
    EXPECT_EQ(pixelSizeForCell(dejavu, 46), 40);
    EXPECT_EQ(pixelSizeForCell(dejavu, 16), 14);

    const QFont engine = engineFont({QStringLiteral("Liberation Sans"), 23, true, true});
    EXPECT_EQ(engine.pixelSize(), 21);
    EXPECT_EQ(engine.weight(), QFont::Bold);
    EXPECT_TRUE(engine.italic());
    // "Arial" is matched to Liberation Sans: captions at 14 and 21 pixels.
    EXPECT_EQ(engineFont(captionFont({48, 0})).pixelSize(), 14);
    EXPECT_EQ(engineFont(captionFont({64, 0})).pixelSize(), 21);
}

TEST(TextFont, TheChosenFaceIsTheOneRendered)
{
    // Text1 with font 0 is drawn in the first face of the Fonts list.
    const CellFont first = textFont(text(QString(), 0), kFonts, {48, 0});
    EXPECT_EQ(QFontInfo(engineFont(first)).family(), QStringLiteral("Liberation Serif"));
    const CellFont second = textFont(text(QString(), 1), kFonts, {48, 0});
    EXPECT_EQ(QFontInfo(engineFont(second)).family(), QStringLiteral("DejaVu Sans"));
    const QString sample = QStringLiteral("Cross 48");
    EXPECT_NE(measureText(engineFont(first), sample), measureText(engineFont(second), sample));
}

TEST(TextFont, UnknownOrEmptyFaceFallsBackSilently)
{
    for (const QString &face : {QStringLiteral("No Such Face 123"), QString()}) {
        const QFont font = engineFont({face, 23, false, false});
        EXPECT_FALSE(QFontInfo(font).family().isEmpty());
        EXPECT_GE(font.pixelSize(), 18);
        EXPECT_LE(font.pixelSize(), 23);
        EXPECT_GT(measureText(font, QStringLiteral("Hello")), 20);
    }
    // The record is still rendered, with lit dots.
    const auto record =
        textRecord(text(QStringLiteral("Hello"), 0), {QStringLiteral("No Such Face 123")}, {48, 0});
    ASSERT_GT(record.size(), 112u);
    bool lit = false;
    for (std::size_t i = 16; i < record.size(); ++i)
        lit = lit || record[i] != 0;
    EXPECT_TRUE(lit);
}

TEST(Captions, TextsOfTheFourDataMessages)
{
    const QDateTime morning(QDate(2024, 3, 7), QTime(9, 5, 59));
    EXPECT_EQ(captionText(EntryKind::Hour, morning), QStringLiteral("09:05"));
    EXPECT_EQ(captionText(EntryKind::Date, morning), QStringLiteral("07/03"));
    const QDateTime evening(QDate(2024, 12, 31), QTime(23, 59));
    EXPECT_EQ(captionText(EntryKind::Hour, evening), QStringLiteral("23:59"));
    EXPECT_EQ(captionText(EntryKind::Date, evening), QStringLiteral("31/12"));
    // Fixed samples whatever the cross measures; the degree sign is 0xB0.
    EXPECT_EQ(captionText(EntryKind::Temperature, evening).toLatin1(),
              QByteArray("+12\xB0" "C"));
    EXPECT_EQ(captionText(EntryKind::Humidity, morning), QStringLiteral("88%"));
    // Texts and animations have no caption.
    EXPECT_TRUE(captionText(EntryKind::Text, morning).isEmpty());
    EXPECT_TRUE(captionText(EntryKind::Animation, morning).isEmpty());
}

TEST(TextFont, CaptionIsCentredInTheBand)
{
    const QDateTime now(QDate(2024, 3, 7), QTime(9, 5));
    for (int side : {48, 64}) {
        const QImage caption = renderCaption(EntryKind::Hour, {side, 0}, now);
        ASSERT_EQ(caption.size(), QSize(side, side - 32));
        const auto [first, last] = litColumns(caption);
        ASSERT_GE(first, 0);
        EXPECT_LE(std::abs(first - (side - 1 - last)), 3) << "side " << side;
    }
    // On a 64 cross the caption is drawn 4 rows down.
    const QImage large = renderCaption(EntryKind::Humidity, {64, 0}, now);
    for (int y = 0; y < 4; ++y)
        EXPECT_FALSE(rowLit(large, y));
}

TEST(TextFont, ScrollingStripStartsBeyondTheCross)
{
    TextSettings m = text(QStringLiteral("HELLO"), 2);
    const QFont font = engineFont(textFont(m, kFonts, {48, 2}));
    const int w = measureText(font, m.text);
    const QImage strip = renderScrollingStrip(m, kFonts, {48, 2});
    ASSERT_EQ(strip.size(), QSize(w + 2 * 48 + 3, 16));
    // The text is drawn at x = S - 2fd = 44; "H" has a small left bearing.
    const auto [first, last] = litColumns(strip);
    EXPECT_GE(first, 44);
    EXPECT_LE(first, 47);
    EXPECT_LE(last, 44 + w);
}

TEST(TextFont, ThumbnailStripShowsTheBeginning)
{
    TextSettings m = text(QStringLiteral("HELLO WORLD, A LONG TEXT"), 2);
    m.offset = 4;
    const QImage strip = renderThumbnailStrip(m, kFonts, {64, 0});
    ASSERT_EQ(strip.size(), QSize(64, 32));
    const auto [first, last] = litColumns(strip);
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 4);
    EXPECT_EQ(last, 63);
    // Offset 4 draws the glyphs 4 rows higher than offset 0.
    m.offset = 0;
    const QImage unmoved = renderThumbnailStrip(m, kFonts, {64, 0});
    int top = 0;
    while (top < 32 && !rowLit(unmoved, top))
        ++top;
    ASSERT_GE(top, 4);
    EXPECT_TRUE(rowLit(strip, top - 4));
    EXPECT_FALSE(rowLit(strip, top - 5));
}
