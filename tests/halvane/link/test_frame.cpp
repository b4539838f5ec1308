#include "halvane/link/exchanges.h"
#include "halvane/link/frame.h"
#include "tests/common/temp_dir.h"

using namespace halvane::link;
using halvane::settings::Address4Fallback;

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

// A reply as a cross sends it: 55 x 6, 00, host, cross address, code, data,
// checksum, AA AA. The checksum of a reply without data from FF FF FF EF is
// 0x55 ^ 0xFF ^ 0xFF ^ 0xFF ^ 0xEF ^ code = 0x45 ^ code.
QByteArray reply(std::uint8_t code, const QByteArray &data = {})
{
    std::uint8_t checksum = 0x45 ^ code;
    for (char c : data)
        checksum ^= std::uint8_t(c);
    return hex("555555555555 00 FFFFFFFD FFFFFFEF") + char(code) + data + char(checksum) + hex("AAAA");
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
    // The eight data bytes of a version reply must all have been read.
    const QByteArray version = hex("00").repeated(40) + reply(kReplyVersion, "CRS48V10");
    EXPECT_FALSE(FindReply(version.left(63), kReplyVersion, 8));
    EXPECT_EQ(FindReply(version.left(64), kReplyVersion, 8), 40);
    EXPECT_FALSE(FindReply(QByteArray(), kReplyFindCross));
    EXPECT_FALSE(FindReply(hex("55"), kReplyFindCross));
}

TEST(FindReply, AcknowledgementChecksumWorkedOutByHand)
{
    // 0x55 ^ FF ^ FF ^ FF ^ EF ^ 45 = 0x00; with a source of FF FF FF EE it is 0x01.
    EXPECT_EQ(FindReply(hex("555555555555 00 FFFFFFFD FFFFFFEF 45 00 AAAA"), kReplyDataBlock), 0);
    EXPECT_EQ(FindReply(hex("555555555555 00 FFFFFFFD FFFFFFEE 45 01 AAAA"), kReplyDataBlock), 0);
    EXPECT_FALSE(FindReply(hex("555555555555 00 FFFFFFFD FFFFFFEF 45 01 AAAA"), kReplyDataBlock));
}

TEST(FindReply, ARepliesTailThatWasReadMustBeRight)
{
    const QByteArray version = reply(kReplyVersion, "CRS48V10");
    ASSERT_EQ(version.size(), 16 + 8 + 3);
    EXPECT_EQ(FindReply(version, kReplyVersion, 8), 0);

    QByteArray flipped = version;
    flipped[20] = 'X'; // a data byte changed on the line
    EXPECT_FALSE(FindReply(flipped, kReplyVersion, 8)) << "the checksum no longer matches";
    QByteArray slipped = version;
    slipped.insert(18, '4'); // a byte slipped in: the checksum lands on the data
    EXPECT_FALSE(FindReply(slipped, kReplyVersion, 8));
    QByteArray badTrailer = version;
    badTrailer[26] = 0x00;
    EXPECT_FALSE(FindReply(badTrailer, kReplyVersion, 8));

    // Cut off by the read size: judged on what was read.
    EXPECT_EQ(FindReply(version.left(24), kReplyVersion, 8), 0) << "checksum not read";
    EXPECT_EQ(FindReply(version.left(25), kReplyVersion, 8), 0) << "checksum read, trailer not";
    EXPECT_FALSE(FindReply(flipped.left(25), kReplyVersion, 8));

    // The send job reads 20 bytes of the 87 of a call cross reply.
    const QByteArray call = reply(kReplyCallCross, QByteArray(68, 0x11));
    EXPECT_EQ(FindReply(call.left(20), kReplyCallCross), 0);
    EXPECT_EQ(FindReply(call, kReplyCallCross, 68), 0);
    EXPECT_FALSE(FindReply(call, kReplyCallCross, 69)) << "more data than the reply carries";
    const QByteArray shortCall = reply(kReplyCallCross, QByteArray(12, 0x11)) + QByteArray(70, 0x11);
    EXPECT_FALSE(FindReply(shortCall, kReplyCallCross, 12)) << "a reply shorter than its code's";
}

TEST(FindReply, ABrokenReplyDoesNotHideAWholeOneAfterIt)
{
    QByteArray broken = reply(kReplyDataBlock);
    broken[16] = char(broken[16] ^ 0x01);
    const QByteArray bytes = broken + hex("0055") + reply(kReplyDataBlock);
    EXPECT_EQ(FindReply(bytes, kReplyDataBlock), broken.size() + 2);
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
