#include "tools/cross-sim/virtual_cross.h"

#include "halvane/link/frame.h"
#include "tests/common/temp_dir.h"

#include <QFile>

using namespace cross_sim;
namespace hl = halvane::link;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const hl::CrossAddress kAddress{0xFF, 0xFF, 0xFF, 0xEF};

QByteArray command(std::uint8_t code, const QByteArray &data = {})
{
    return hl::BuildCommandFrame(kAddress, code, data);
}

QByteArray block(std::uint8_t code, int number, char fill)
{
    return command(code, hl::dataBlockPayload(number, QByteArray(4096, fill)));
}

// The bytes of all answers to `bytes` at 9600 baud.
QByteArray answer(VirtualCross &cross, const QByteArray &bytes)
{
    QByteArray out;
    for (const Outgoing &o : cross.receive(bytes, 9600))
        out += o.bytes;
    return out;
}

TEST(VirtualCross, CallCrossReportsBothSchedulesInOneUnstuffedReply)
{
    VirtualCross cross;
    const QByteArray expected = hex("555555555555 00 FFFFFFFD FFFFFFEF 42 940000010001020002030003")
                                + hex("9900010002000300").repeated(7) + hex("0A AAAA");
    EXPECT_EQ(answer(cross, command(0xC1)), expected);
    EXPECT_EQ(answer(cross, command(0xC2)), hex("555555555555 00 FFFFFFFD FFFFFFEF 41") + "CRS48V10" + hex("1D AAAA"));
    EXPECT_EQ(answer(cross, command(0xC3)), hex("555555555555 00 FFFFFFFD FFFFFFEF 43 06 AAAA"));
}

TEST(VirtualCross, AnswersOnlyItsAddressAtItsRate)
{
    VirtualCross cross;
    EXPECT_TRUE(answer(cross, hl::BuildCommandFrame({0xFF, 0xFF, 0xFF, 0xFF}, 0xC1)).isEmpty());
    EXPECT_TRUE(cross.receive(command(0xC1), 115200).empty());
    CrossConfig silent;
    silent.silent = true;
    VirtualCross quiet(silent);
    EXPECT_TRUE(answer(quiet, command(0xC1)).isEmpty());
    EXPECT_TRUE(answer(quiet, command(0x31, hex("055900082901175902221403"))).isEmpty());
    EXPECT_EQ(quiet.state().brightness, CrossState().brightness) << "keeps nothing either";
}

TEST(VirtualCross, KeepsTheSettingsItIsSentAndReportsThem)
{
    VirtualCross cross;
    EXPECT_TRUE(answer(cross, command(0x31, hex("055900082901175902221403"))).isEmpty());
    const QByteArray onOff = hex("8800010002000300 0659115913302159") + hex("9900010002000300").repeated(5);
    answer(cross, command(0x52, onOff));
    answer(cross, command(0x51, hex("2026120601071345")));
    answer(cross, command(0x33, hex("000101000000030000F301000208FD00")));
    EXPECT_EQ(cross.state().clock, hex("2026120601071345"));
    EXPECT_EQ(cross.state().parameters, hex("000101000000030000F301000208FD00"));
    EXPECT_EQ(answer(cross, command(0xC1)).mid(16, 68), hex("055900082901175902221403") + onOff);
    answer(cross, command(0x31, hex("0559"))); // wrong length: refused
    EXPECT_EQ(cross.state().brightness, hex("055900082901175902221403"));
    EXPECT_EQ(cross.framesRejected(), 1);
}

TEST(VirtualCross, DataBlocksAreStoredAtTheirAddressAndAcknowledged)
{
    VirtualCross cross;
    EXPECT_EQ(answer(cross, block(0x11, 0, 'T')), hex("555555555555 00 FFFFFFFD FFFFFFEF 45 00 AAAA"));
    answer(cross, block(0x14, 16, 'A'));
    const QByteArray &memory = cross.state().memory;
    ASSERT_EQ(memory.size(), 8 * 1024 * 1024);
    EXPECT_EQ(memory.mid(0, 4096), QByteArray(4096, 'T'));
    EXPECT_EQ(memory.at(4096), char(0xFF));
    EXPECT_EQ(memory.mid(65536, 4096), QByteArray(4096, 'A'));
    EXPECT_EQ(cross.state().blocksStored, 2);
    EXPECT_EQ(cross.state().lastBlockNumber, 16);

    EXPECT_TRUE(answer(cross, block(0x11, 2048, 'X')).isEmpty()) << "past the 8 MiB";
    EXPECT_EQ(cross.state().blocksIgnored, 1);
    answer(cross, block(0x11, 2047, 'Z'));
    EXPECT_EQ(memory.right(4096), QByteArray(4096, 'Z'));

    answer(cross, command(0x61));
    EXPECT_EQ(cross.state().memory, QByteArray(8 * 1024 * 1024, char(0xFF)));
    EXPECT_EQ(cross.state().memoryClears, 1);
}

TEST(VirtualCross, FaultSwitchesDropBlocksAndDelayAnswers)
{
    CrossConfig config;
    config.ignoreBlocks = 2;
    config.replyDelayMs = 750;
    VirtualCross cross(config);
    EXPECT_TRUE(cross.receive(block(0x11, 1, 'a'), 9600).empty());
    EXPECT_TRUE(cross.receive(block(0x11, 1, 'b'), 9600).empty());
    const auto third = cross.receive(block(0x11, 1, 'c'), 9600);
    ASSERT_EQ(third.size(), 1u);
    EXPECT_EQ(third[0].delayMs, 750);
    EXPECT_EQ(cross.state().memory.mid(4096, 4096), QByteArray(4096, 'c'));
    EXPECT_EQ(cross.state().blocksIgnored, 2);
}

TEST(VirtualCross, SelfTestIsThreeFramesASecondApart)
{
    const auto frames = VirtualCross().selfTest();
    ASSERT_EQ(frames.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frames[std::size_t(i)].bytes, hex("555555555555 00 FFFFFFFD FFFFFFEF 54 11 AAAA"));
        EXPECT_EQ(frames[std::size_t(i)].delayMs, 1000 * i);
    }
}

class StateFolderTest : public TempDirTest {};

TEST_F(StateFolderTest, ARestartedCrossKeepsItsSettingsAndMemory)
{
    {
        VirtualCross cross;
        ASSERT_TRUE(cross.useStateFolder(path("state")));
        answer(cross, command(0x31, hex("055900082901175902221403")));
        answer(cross, block(0x11, 16, 'Q'));
    }
    VirtualCross again;
    ASSERT_TRUE(again.useStateFolder(path("state")));
    EXPECT_EQ(again.state().brightness, hex("055900082901175902221403"));
    EXPECT_EQ(again.state().memory.mid(65536, 4096), QByteArray(4096, 'Q'));
    const QString log = QString::fromUtf8(readFile("state/commands.log"));
    EXPECT_TRUE(log.contains("31 05 59 00 08 29 01 17 59 02 22 14 03")) << log.toStdString();
    EXPECT_TRUE(log.contains("11 block at 008000 (byte 65536)")) << log.toStdString();
    EXPECT_TRUE(QString::fromLatin1(readFile("state/settings.ini")).contains("ADDRESS=FFFFFFEF"));
}

TEST_F(StateFolderTest, DamagedFilesAreNotTakenOver)
{
    QDir().mkpath(path("state"));
    writeFile("state/memory.bin", "short");
    writeFile("state/settings.ini", "[STATE]\nBRIGHTNESS=05 59\nONOFF=zz\n");
    VirtualCross cross;
    ASSERT_TRUE(cross.useStateFolder(path("state")));
    EXPECT_EQ(cross.state().brightness, CrossState().brightness);
    EXPECT_EQ(cross.state().onOff, CrossState().onOff);
    EXPECT_EQ(cross.state().memory.size(), 8 * 1024 * 1024);
    EXPECT_EQ(QFile(path("state/memory.bin")).size(), 8 * 1024 * 1024) << "rewritten whole";
}

} // namespace
