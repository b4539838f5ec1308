#include "halvane/encode/dot_image.h"
#include "halvane/encode/text_record.h"
#include "tests/common/gui_application.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace halvane::encode;
using halvane::project::EntryKind;
using halvane::project::TextSettings;

namespace {

const QStringList kFonts{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Liberation Serif")};

common::CrossGeometry cross(int side, int frameDots = 0)
{
    return {side, frameDots};
}

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

std::vector<std::uint8_t> header(int band, int columns, int speedByte)
{
    return {0x01, 0x01, std::uint8_t(band), std::uint8_t(columns >> 8), std::uint8_t(columns),
            std::uint8_t(speedByte), 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

// The dots of row r of 8-dot column c of a record.
std::uint8_t dots(const std::vector<std::uint8_t> &record, int c, int r)
{
    return record[std::size_t(16 + c * record[2] + r)];
}

int columnCount(const std::vector<std::uint8_t> &record)
{
    return record[3] * 256 + record[4];
}

bool rowLit(const std::vector<std::uint8_t> &record, int r)
{
    for (int c = 0; c < columnCount(record); ++c)
        if (dots(record, c, r))
            return true;
    return false;
}

} // namespace

TEST(TextRecordPacking, ColumnsOfEightDotsTopToBottom)
{
    // A 56-dot text area on a 48 cross with fd = 3: 10 rows placed at band row 3.
    QImage area = blackImage(56, 10);
    area.setPixel(0, 0, kDotGreen);
    area.setPixel(7, 0, kDotGreen);          // lit, 6 x dark, lit: 0x81
    area.setPixel(8, 9, kDotGreen);          // column 1, band row 12
    area.setPixel(55, 5, qRgb(255, 0, 0));   // red only, last dot of column 6, band row 8
    area.setPixel(30, 2, qRgb(0, 0, 1));     // barely not black: column 3, bit 0x02, row 5

    const std::vector<std::uint8_t> record = packTextRecord(area, 3, 16, 4);
    ASSERT_EQ(record.size(), 16u + 7 * 16);
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin(), record.begin() + 16), header(16, 7, 3));
    std::vector<std::uint8_t> expected(7 * 16, 0);
    expected[0 * 16 + 3] = 0x81;
    expected[1 * 16 + 12] = 0x80;
    expected[6 * 16 + 8] = 0x01;
    expected[3 * 16 + 5] = 0x02;
    EXPECT_EQ(std::vector<std::uint8_t>(record.begin() + 16, record.end()), expected);
}

TEST(TextRecord, EmptyTextIsOneDarkCrossWidth)
{
    // 48 cross: w8 = 0, W = 48, C = 6: 16 + 6 x 16 bytes.
    std::vector<std::uint8_t> expected = header(16, 6, 3);
    expected.resize(16 + 6 * 16, 0);
    EXPECT_EQ(textRecord(message(QString()), kFonts, cross(48)), expected);

    // 64 cross: C = 8 columns of 32 rows; speed 1 is sent as 0.
    expected = header(32, 8, 0);
    expected.resize(16 + 8 * 32, 0);
    EXPECT_EQ(textRecord(message(QString(), 7, 4, 1), kFonts, cross(64)), expected);
}

TEST(TextRecord, SpeedIsSentLessOne)
{
    const common::CrossGeometry g = cross(48);
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 1), kFonts, g)[5], 0);
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 7), kFonts, g)[5], 6);
    // Out of range speeds from a damaged project stay within 0..6.
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 0), kFonts, g)[5], 0);
    EXPECT_EQ(textRecord(message(QString(), 7, 0, 300), kFonts, g)[5], 6);
}

TEST(TextRecord, A41DotTextTakesTwelveColumns)
{
    // Find a text that is 41 dots wide in the font of a Text1 at size "23".
    const TextSettings base = message(QString());
    const QFont font = engineFont(textFont(base, kFonts, cross(48)));
    QString text;
    for (int wide = 0; wide < 10 && text.isEmpty(); ++wide)
        for (int narrow = 0; narrow < 20 && text.isEmpty(); ++narrow) {
            const QString candidate = QString(wide, QLatin1Char('m')) + QString(narrow, QLatin1Char('i'));
            if (measureText(font, candidate) == 41)
                text = candidate;
        }
    ASSERT_FALSE(text.isEmpty()) << "no text of 41 dots found";

    // w8 = 48, W = 96, C = 12: 16 + 12 x 16 = 208 bytes.
    const std::vector<std::uint8_t> record = textRecord(message(text), kFonts, cross(48));
    ASSERT_EQ(record.size(), 208u);
    EXPECT_EQ(record[3], 0x00);
    EXPECT_EQ(record[4], 0x0C);
    // The S columns at the right end stay dark so the text can scroll out.
    for (int c = 6; c < 12; ++c)
        for (int r = 0; r < 16; ++r)
            ASSERT_EQ(dots(record, c, r), 0) << c << "," << r;
    EXPECT_TRUE(rowLit(record, 8));
}

TEST(TextRecordWidth, PaddedToWholeBytes)
{
    EXPECT_EQ(padToByte(0), 0);
    EXPECT_EQ(padToByte(1), 8);
    EXPECT_EQ(padToByte(41), 48);
    EXPECT_EQ(padToByte(48), 48);
    EXPECT_EQ(padToByte(49), 56);
}

TEST(TextRecord, FrameDotsKeepTopAndBottomRowsDark)
{
    // The tallest size on a 48 cross: a 30-dot cell in a 10-row text area.
    for (int offset : {-6, 0, 4, 10}) {
        const std::vector<std::uint8_t> record =
            textRecord(message(QStringLiteral("Hg|\u00C9j"), 14, offset), kFonts, cross(48, 3));
        for (int r : {0, 1, 2, 13, 14, 15})
            EXPECT_FALSE(rowLit(record, r)) << "row " << r << " offset " << offset;
    }
    const std::vector<std::uint8_t> record =
        textRecord(message(QStringLiteral("Hg|"), 14, 4), kFonts, cross(48, 3));
    for (int r = 3; r <= 12; ++r)
        EXPECT_TRUE(rowLit(record, r)) << "row " << r;
}

TEST(TextRecord, OffsetMovesTheGlyphsUp)
{
    const common::CrossGeometry g = cross(48);
    const QString text = QStringLiteral("Hg");
    const auto at0 = textRecord(message(text, 7, 0), kFonts, g);
    const auto at4 = textRecord(message(text, 7, 4), kFonts, g);
    const auto at8 = textRecord(message(text, 7, 8), kFonts, g);
    const auto atMinus2 = textRecord(message(text, 7, -2), kFonts, g);
    ASSERT_EQ(at0.size(), at4.size());
    const int columns = columnCount(at0);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < 12; ++r)
            ASSERT_EQ(dots(at4, c, r), dots(at0, c, r + 4)) << c << "," << r;
        // The bottom of the band shows what lay below it at offset 0.
        for (int r = 12; r < 16; ++r)
            ASSERT_EQ(dots(at4, c, r), dots(at8, c, r - 4)) << c << "," << r;
        for (int r = 0; r < 14; ++r)
            ASSERT_EQ(dots(atMinus2, c, r + 2), dots(at0, c, r)) << c << "," << r;
    }
    EXPECT_TRUE(rowLit(at4, 14));
    EXPECT_FALSE(rowLit(atMinus2, 0));
}

TEST(TextRecord, AppendedAtTheTextSizeOrRefused)
{
    const common::CrossGeometry g = cross(48);
    std::vector<std::uint8_t> image(112 + 111, 0xEE);
    AppendResult r = renderTextRecord(message(QString()), kFonts, g, image, 0);
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.size, 112u);
    EXPECT_EQ(image[0], 0x01);
    EXPECT_EQ(image[111], 0x00);
    EXPECT_EQ(image[112], 0xEE);

    // 111 bytes left for a 112-byte record: refused, nothing written.
    r = renderTextRecord(message(QString()), kFonts, g, image, r.size);
    EXPECT_FALSE(r.fits);
    EXPECT_EQ(r.size, 112u);
    EXPECT_EQ(image[112], 0xEE);
    EXPECT_EQ(image.back(), 0xEE);
}

TEST(TextRecord, WorkersRenderTheSameRecordsAsTheMainThread)
{
    // The play list thumbnails and the send job render texts on worker threads.
    const common::CrossGeometry g = cross(64, 1);
    std::vector<TextSettings> messages;
    for (int i = 0; i < 4; ++i)
        messages.push_back(message(QStringLiteral("Worker %1 says hello").arg(i), 3 * i, i - 1));
    std::vector<std::vector<std::uint8_t>> expected;
    for (const TextSettings &m : messages)
        expected.push_back(textRecord(m, kFonts, g));

    std::vector<std::vector<std::uint8_t>> results(messages.size());
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < messages.size(); ++i)
        workers.emplace_back([&, i] {
            for (int round = 0; round < 5; ++round)
                results[i] = textRecord(messages[i], kFonts, g);
        });
    for (std::thread &w : workers)
        w.join();
    EXPECT_EQ(results, expected);
}
