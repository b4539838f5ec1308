#include "halvane/encode/dot_image.h"
#include "halvane/encode/text_record.h"
#include "halvane/encode/text_strips.h"
#include "common/font/cell_font.h"
#include "tests/common/gui_application.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace halvane::encode;
using halvane::project::EntryKind;
using halvane::project::TextSettings;
using Bytes = std::vector<std::uint8_t>;

namespace {

const QStringList kFonts{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Serif")};

TextSettings message(const QString &text, int size = 7, int offset = 0, int speed = 4)
{
    TextSettings m;
    m.text = text;
    m.font = 0;
    m.size = size;
    m.offset = offset;
    m.speed = speed;
    return m;
}

Bytes header(int band, int columns, int speedByte)
{
    return {0x01, 0x01, std::uint8_t(band), std::uint8_t(columns >> 8), std::uint8_t(columns),
            std::uint8_t(speedByte), 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

// The dots of row r of 8-dot column c.
std::uint8_t dots(const Bytes &record, int c, int r)
{
    return record[std::size_t(16 + c * record[2] + r)];
}

bool rowLit(const Bytes &record, int r)
{
    for (int c = 0; c < record[3] * 256 + record[4]; ++c)
        if (dots(record, c, r))
            return true;
    return false;
}

bool rowLit(const QImage &image, int y)
{
    for (int x = 0; x < image.width(); ++x)
        if (isLit(image.pixel(x, y)))
            return true;
    return false;
}

int firstLitColumn(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isLit(image.pixel(x, y)))
                return x;
    return -1;
}

} // namespace

TEST(TextRecord, ColumnsOfEightDotsTopToBottom)
{
    // A 56-dot text area on a 48 cross with fd = 3: 10 rows placed at band row 3.
    QImage area = blackImage(56, 10);
    area.setPixel(0, 0, kDotGreen);
    area.setPixel(7, 0, kDotGreen);        // lit, six dark, lit: 0x81
    area.setPixel(8, 9, kDotGreen);        // column 1, band row 12
    area.setPixel(55, 5, qRgb(255, 0, 0)); // red only: last dot of column 6, band row 8
    Bytes expected = header(16, 7, 3);
    expected.resize(16 + 7 * 16, 0);
    expected[16 + 0 * 16 + 3] = 0x81;
    expected[16 + 1 * 16 + 12] = 0x80;
    expected[16 + 6 * 16 + 8] = 0x01;
    EXPECT_EQ(packTextRecord(area, 3, 16, 4), expected);
}

TEST(TextRecord, EmptyTextIsOneDarkCrossWidthWithSpeedLessOne)
{
    Bytes expected = header(16, 6, 3); // w8 = 0, W = 48, C = 6
    expected.resize(16 + 6 * 16, 0);
    EXPECT_EQ(textRecord(message(QString()), kFonts, {48, 0}), expected);
    expected = header(32, 8, 0);       // speed 1 is sent as 0
    expected.resize(16 + 8 * 32, 0);
    EXPECT_EQ(textRecord(message(QString(), 7, 4, 1), kFonts, {64, 0}), expected);
    // Speed 7 is 6; speeds of a damaged project stay within 0..6.
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 7), kFonts, {48, 0})[5], 6);
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 300), kFonts, {48, 0})[5], 6);
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 0), kFonts, {48, 0})[5], 0);
}

TEST(TextRecord, A41DotTextTakesTwelveColumns)
{
    const QFont font = engineFont(textFont(message(QString()), kFonts, {48, 0}));
    QString text;
    for (int wide = 0; wide < 10 && text.isEmpty(); ++wide)
        for (int narrow = 0; narrow < 20 && text.isEmpty(); ++narrow) {
            const QString t = QString(wide, QLatin1Char('m')) + QString(narrow, QLatin1Char('i'));
            if (measureText(font, t) == 41)
                text = t;
        }
    ASSERT_FALSE(text.isEmpty()) << "no text of 41 dots found";

    // w8 = 48, W = 96, C = 12: 16 + 12 x 16 = 208 bytes; the S columns at the
    // right end stay dark so that the text can scroll out.
    const Bytes record = textRecord(message(text), kFonts, {48, 0});
    ASSERT_EQ(record.size(), 208u);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 16), header(16, 12, 3));
    EXPECT_EQ(Bytes(record.begin() + 16 + 6 * 16, record.end()), Bytes(6 * 16, 0));
    EXPECT_TRUE(rowLit(record, 8));
}

TEST(TextRecord, FrameDotsKeepTopAndBottomRowsDark)
{
    for (int offset : {-6, 0, 4, 10}) {
        // The tallest size on a 48 cross: a 30-dot cell in a 10-row text area.
        const Bytes record = textRecord(message(QStringLiteral("Hg|\u00C9j"), 14, offset), kFonts,
                                        {48, 3});
        for (int r = 0; r < 16; ++r) {
            if (offset == 4 || r < 3 || r > 12) {
                EXPECT_EQ(rowLit(record, r), r >= 3 && r <= 12) << "row " << r << " offset " << offset;
            }
        }
    }
}

TEST(TextRecord, OffsetMovesTheGlyphsUp)
{
    const QString text = QStringLiteral("Hg");
    const Bytes at0 = textRecord(message(text, 7, 0), kFonts, {48, 0});
    const Bytes at4 = textRecord(message(text, 7, 4), kFonts, {48, 0});
    const Bytes at8 = textRecord(message(text, 7, 8), kFonts, {48, 0});
    const Bytes down2 = textRecord(message(text, 7, -2), kFonts, {48, 0});
    for (int c = 0; c < at0[4]; ++c)
        for (int r = 0; r < 16; ++r) {
            // Rows 12..15 at offset 4 show what lay below the band at offset 0.
            ASSERT_EQ(dots(at4, c, r), r < 12 ? dots(at0, c, r + 4) : dots(at8, c, r - 4));
            ASSERT_EQ(dots(down2, c, r), r < 2 ? 0 : dots(at0, c, r - 2));
        }
    EXPECT_TRUE(rowLit(at4, 14));

    // The cell's top is at y = -offset. Liberation Sans at the 23-dot cell is
    // 21 px with an ascent of 19 (21 x 1854 / 2048, rounded up) and a cap
    // height of 14 (21 x 1409 / 2048 = 14.4, hinted): "H" spans rows 5..18 of
    // the cell, standing on the baseline at row 19.
    const Bytes h0 = textRecord(message(QStringLiteral("H"), 7, 0), kFonts, {48, 0});
    const Bytes h4 = textRecord(message(QStringLiteral("H"), 7, 4), kFonts, {48, 0});
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(rowLit(h0, r), r >= 5) << "offset 0, row " << r;
        EXPECT_EQ(rowLit(h4, r), r >= 1 && r <= 14) << "offset 4, row " << r;
    }
}

TEST(TextRecord, WorkersRenderTheSameRecordsAsTheMainThread)
{
    // The thumbnails and the send job render on worker threads.
    const TextSettings m = message(QStringLiteral("Workers say hello"), 9, 2);
    const Bytes expected = textRecord(m, kFonts, {64, 1});
    std::vector<Bytes> results(4);
    std::vector<std::thread> workers;
    for (Bytes &result : results)
        workers.emplace_back([&] { result = textRecord(m, kFonts, {64, 1}); });
    for (std::thread &w : workers)
        w.join();
    EXPECT_EQ(results, std::vector<Bytes>(4, expected));
}

TEST(TextFont, FaceAndCellHeightFromTheMessage)
{
    TextSettings m = message(QString(), 7);
    m.font = 2;
    m.bold = 1;
    const CellFont f = textFont(m, kFonts, {48, 0});
    EXPECT_EQ(f.face, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(f.cellHeight, 23);
    EXPECT_TRUE(f.bold);
    EXPECT_FALSE(f.italic);
    m.size = 14;
    EXPECT_EQ(textFont(m, kFonts, {64, 0}).cellHeight, 46);
    m.size = 99; // outside the Size list "16".."30"
    EXPECT_EQ(textFont(m, kFonts, {48, 0}).cellHeight, 30);
    m.font = 3;  // no such position in the Fonts list: the default face
    EXPECT_TRUE(textFont(m, kFonts, {48, 0}).face.isEmpty());

    // Text1 with font 0 is drawn in the first face of the Fonts list.
    m.font = 0;
    EXPECT_EQ(QFontInfo(engineFont(textFont(m, kFonts, {48, 0}))).family(), kFonts[0]);
    m.font = 1;
    EXPECT_EQ(QFontInfo(engineFont(textFont(m, kFonts, {48, 0}))).family(), kFonts[1]);
}

TEST(TextFont, CellHeightMapsOntoTheEmByTheFaceMetrics)
{
    // Liberation Sans: 2048 units per em, winAscent 1854 + winDescent 434 = 2288,
    // so 16 -> 14.32, 23 -> 20.59, 46 -> 41.17. DejaVu Sans: 1901 + 483 = 2384,
    // 23 -> 19.76, 46 -> 39.52.
    const QFont sans(QStringLiteral("Liberation Sans"));
    const QFont dejavu(QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(common::font::pixelSizeForCell(sans, 16), 14);
    EXPECT_EQ(common::font::pixelSizeForCell(sans, 23), 21);
    EXPECT_EQ(common::font::pixelSizeForCell(sans, 46), 41);
    EXPECT_EQ(common::font::pixelSizeForCell(dejavu, 23), 20);
    EXPECT_EQ(common::font::pixelSizeForCell(dejavu, 46), 40);

    const QFont bold = engineFont({QStringLiteral("Liberation Sans"), 23, true, true});
    EXPECT_EQ(bold.pixelSize(), 21);
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_TRUE(bold.italic());
    // Captions: "Arial" bold (Liberation Sans) with cells of 16 and 24.
    EXPECT_EQ(captionFont({48, 0}).face, QStringLiteral("Arial"));
    EXPECT_EQ(engineFont(captionFont({48, 0})).pixelSize(), 14);
    EXPECT_EQ(engineFont(captionFont({64, 0})).pixelSize(), 21);
    EXPECT_TRUE(engineFont(captionFont({64, 0})).bold());
}

TEST(TextFont, UnknownOrEmptyFaceFallsBackSilently)
{
    for (const QString &face : {QStringLiteral("No Such Face 123"), QString()}) {
        const QFont font = engineFont({face, 23, false, false});
        EXPECT_FALSE(QFontInfo(font).family().isEmpty());
        EXPECT_GT(measureText(font, QStringLiteral("Hello")), 20);
    }
    const Bytes record =
        textRecord(message(QStringLiteral("Hello")), {QStringLiteral("No Such Face")}, {48, 0});
    EXPECT_TRUE(rowLit(record, 10));
}

TEST(Captions, TextsOfTheFourDataMessages)
{
    const QDateTime morning(QDate(2024, 3, 7), QTime(9, 5, 59));
    EXPECT_EQ(captionText(EntryKind::Hour, morning), QStringLiteral("09:05"));
    EXPECT_EQ(captionText(EntryKind::Date, morning), QStringLiteral("07/03"));
    const QDateTime evening(QDate(2024, 12, 31), QTime(23, 59));
    EXPECT_EQ(captionText(EntryKind::Hour, evening), QStringLiteral("23:59"));
    EXPECT_EQ(captionText(EntryKind::Date, evening), QStringLiteral("31/12"));
    EXPECT_EQ(captionText(EntryKind::Temperature, evening).toLatin1(), QByteArray("+12\xB0" "C"));
    EXPECT_EQ(captionText(EntryKind::Humidity, morning), QStringLiteral("88%"));
    EXPECT_TRUE(captionText(EntryKind::Text, morning).isEmpty());
}

TEST(Captions, CentredInTheBand)
{
    const QDateTime now(QDate(2024, 3, 7), QTime(9, 5));
    for (int side : {48, 64}) {
        const QImage caption = renderCaption(EntryKind::Hour, {side, 0}, now);
        ASSERT_EQ(caption.size(), QSize(side, side - 32));
        const int left = firstLitColumn(caption);
        const int right = firstLitColumn(caption.mirrored(true, false));
        ASSERT_GE(left, 0);
        EXPECT_LE(std::abs(left - right), 3) << "side " << side;
    }
    const QImage large = renderCaption(EntryKind::Humidity, {64, 0}, now);
    EXPECT_FALSE(rowLit(large, 0) || rowLit(large, 1) || rowLit(large, 2) || rowLit(large, 3));
}

TEST(TextStrips, ScrollingStripStartsBeyondTheCross)
{
    TextSettings m = message(QStringLiteral("HELLO"));
    const int w = measureText(engineFont(textFont(m, kFonts, {48, 2})), m.text);
    const QImage strip = renderScrollingStrip(m, kFonts, {48, 2});
    ASSERT_EQ(strip.size(), QSize(w + 2 * 48 + 3, 16));
    // Drawn at x = S - 2fd = 44; "H" has a small left bearing.
    EXPECT_GE(firstLitColumn(strip), 44);
    EXPECT_LE(firstLitColumn(strip), 47);
}

TEST(TextStrips, ThumbnailShowsTheBeginningMovedByTheOffset)
{
    TextSettings m = message(QStringLiteral("HELLO WORLD, A LONG TEXT"), 14, 0);
    const QImage unmoved = renderThumbnailStrip(m, kFonts, {64, 0});
    m.offset = 4;
    const QImage moved = renderThumbnailStrip(m, kFonts, {64, 0});
    ASSERT_EQ(moved.size(), QSize(64, 32));
    EXPECT_LE(firstLitColumn(moved), 4);
    EXPECT_GE(firstLitColumn(moved), 0);
    int top = 0;
    while (top < 32 && !rowLit(unmoved, top))
        ++top;
    ASSERT_GE(top, 4);
    EXPECT_TRUE(rowLit(moved, top - 4));
    EXPECT_FALSE(rowLit(moved, top - 5));
}
