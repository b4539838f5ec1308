#include "halvane/link/exchanges.h"
#include "halvane/link/frame.h"
#include "tests/common/temp_dir.h"

using namespace halvane::link;
using halvane::project::Address4Fallback;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const CrossAddress kCross{0xFF, 0xFF, 0xFF, 0xEF};

TEST(BuildCommandFrame, CallVersionAndFindCrossAreTheNineteenBytesOfTheExample)
{
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdCallCross),
              hex("555555555555 00 FFFFFFEF FFFFFFFD C1 96 AAAA"));
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdReadVersion),
              hex("555555555555 00 FFFFFFEF FFFFFFFD C2 95 AAAA"));
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdFindCross),
              hex("555555555555 00 FFFFFFEF FFFFFFFD C3 94 AAAA"));
}

TEST(BuildCommandFrame, BrightnessFrameCarriesDataAndChecksum)
{
    // 0x57 ^ 0x31 ^ (XOR of the twelve data bytes = 0x05) = 0x63
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdSetBrightness, hex("055900082901175902221403")),
              hex("555555555555 00 FFFFFFEF FFFFFFFD 31 055900082901175902221403 63 AAAA"));
}

TEST(BuildCommandFrame, StuffsEveryAAFromTheSourceOnButNotTheDestination)
{
    // Data AA goes out as AA 0F and counts once: 0x96 ^ 0xAA = 0x3C.
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdCallCross, hex("AA")),
              hex("555555555555 00 FFFFFFEF FFFFFFFD C1 AA0F 3C AAAA"));
    // A checksum of AA is stuffed too: 0x96 ^ 0x3C = 0xAA.
    EXPECT_EQ(BuildCommandFrame(kCross, kCmdCallCross, hex("3C")),
              hex("555555555555 00 FFFFFFEF FFFFFFFD C1 3C AA0F AAAA"));
    // The destination goes out bare.
    EXPECT_EQ(BuildCommandFrame({0xAA, 0xAA, 0xAA, 0xAA}, kCmdCallCross),
              hex("555555555555 00 AAAAAAAA FFFFFFFD C1 96 AAAA"));
}

TEST(BuildCommandFrame, DataBlockAddressesCountTwoByteUnits)
{
    const QByteArray toc = dataBlockPayload(0, hex("0101"));
    ASSERT_EQ(toc.size(), 4099);
    EXPECT_EQ(toc.left(5), hex("0000000101"));
    EXPECT_EQ(toc.mid(5), QByteArray(4094, '\0')) << "padded with zeros";
    EXPECT_EQ(dataBlockPayload(16, {}).left(3), hex("008000"));   // 32,768
    EXPECT_EQ(dataBlockPayload(1792, {}).left(3), hex("380000")); // 3,670,016
    EXPECT_EQ(dataBlockPayload(2047, QByteArray(5000, 'x')).size(), 4099) << "cut to one block";
}

// A reply as a cross sends it: 55 x 6, 00, host, cross address, code, data.
QByteArray reply(std::uint8_t code, const QByteArray &data = {})
{
    return hex("555555555555 00 FFFFFFFD FFFFFFEF") + char(code) + data + hex("00AAAA");
}

TEST(FindReply, FindsTheFirstReplyAfterStrayBytes)
{
    const QByteArray bytes = hex("1255AA34") + reply(kReplyFindCross);
    EXPECT_EQ(FindReply(bytes, kReplyFindCross), 4);
    EXPECT_FALSE(FindReply(bytes, kReplyCallCross)) << "another code";
    EXPECT_FALSE(FindReply(bytes, kReplyFindCross, 0, 5)) << "nothing after the start given";
}

TEST(FindReply, ChecksOnlyTheFirstPreambleByteAndTheHostAddress)
{
    QByteArray bytes = reply(kReplyFindCross);
    bytes[3] = 0x00;
    EXPECT_EQ(FindReply(bytes, kReplyFindCross), 0) << "bytes 1..5 are not checked";
    bytes[10] = char(0xFE);
    EXPECT_FALSE(FindReply(bytes, kReplyFindCross)) << "a reply to another host";
}

TEST(FindReply, NeverLooksPastTheBytesRead)
{
    const QByteArray full = hex("00").repeated(40) + reply(kReplyFindCross);
    // The header starts 10 bytes before the end: its code lies beyond.
    EXPECT_FALSE(FindReply(full.left(50), kReplyFindCross));
    // The code is the last byte read: found.
    EXPECT_EQ(FindReply(full.left(56), kReplyFindCross), 40);
    // The same with one data byte wanted: it is not there, so no reply.
    EXPECT_FALSE(FindReply(full.left(56), kReplyFindCross, 1));
    EXPECT_EQ(FindReply(full.left(57), kReplyFindCross, 1), 40);
    EXPECT_FALSE(FindReply(QByteArray(), kReplyFindCross));
    EXPECT_FALSE(FindReply(hex("55"), kReplyFindCross));
}

TEST(ResolutionFromVersion, LooksForTheDigitPairs)
{
    EXPECT_EQ(resolutionFromVersion("CRS48V10"), 48);
    EXPECT_EQ(resolutionFromVersion("CRS64V10"), 64);
    EXPECT_EQ(resolutionFromVersion("64x48abc"), 48) << "48 wins when both are there";
    EXPECT_EQ(resolutionFromVersion("4 8 6 4 "), 0);
    EXPECT_EQ(resolutionFromVersion(""), 0);
}

class CrossAddressTest : public TempDirTest {};

TEST_F(CrossAddressTest, ReadsTheBootKeysWithTheFallbackOfTheCommand)
{
    writeFile(QStringLiteral("Halvane.ini"), "[BOOT]\nADDRESS1=F\nADDRESS2=\nADDRESS3=ab\n");
    const QString ini = path(QStringLiteral("Halvane.ini"));
    EXPECT_EQ(ReadCrossAddress(ini, Address4Fallback::EF), (CrossAddress{0xFF, 0x00, 0xAB, 0xEF}));
    EXPECT_EQ(ReadCrossAddress(ini, Address4Fallback::FF), (CrossAddress{0xFF, 0x00, 0xAB, 0xFF}));
}

} // namespace
