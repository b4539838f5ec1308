// cross-sim's view of a memory: TOC entries, frame records and text records
// laid out by hand, read back as words and pictures.

#include "tools/cross-sim/memory_view.h"

#include "common/gif/picture.h"
#include "tests/common/temp_dir.h"

#include <gtest/gtest.h>

using namespace cross_sim;

namespace {

QByteArray erased()
{
    return QByteArray(8 * 1024 * 1024, char(0xFF));
}

void put(QByteArray &memory, qsizetype at, const char *hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    memory.replace(at, bytes.size(), bytes);
}

// The lit pixels of a picture as "x,y" texts.
QStringList litDots(const QImage &image)
{
    QStringList dots;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0)
                dots << QStringLiteral("%1,%2").arg(x).arg(y);
    return dots;
}

// Hour with a back animation of two frames, a text, Humidity, and an entry
// whose address is outside the Animations region.
QByteArray sentMemory()
{
    QByteArray m = erased();
    put(m, 0, "01010080002028000000000300000000"
              "01010000000000380000000000000000"
              "0101000000 21 A0 000000 00 07 00000000"
              "01010000102000000000010000000000"
              "FFFF");
    // Frame 1: 96 ms; dots (20, 5), (0, 16) and (47, 31) of a 48 cross.
    QByteArray frame(176, '\0');
    put(frame, 0, "0101001802");
    frame[16 + 50] = char(0x08);
    frame[16 + 4] = char(0x80);
    frame[16 + 159] = char(0x01);
    m.replace(65536, 176, frame);
    // Frame 2: 200 ms, all dark; then the end mark.
    put(m, 65536 + 176, "0101003202");
    m.replace(65536 + 176 + 5, 171, QByteArray(171, '\0'));
    put(m, 65536 + 352, "FFFF");
    // A text record of two 8-dot columns, 16 rows, speed 4.
    put(m, 7340032, "01011000020302000000000000000000");
    m.replace(7340032 + 16, 32, QByteArray(32, '\0'));
    put(m, 7340032 + 16, "81");
    put(m, 7340032 + 16 + 31, "01");
    return m;
}

} // namespace

TEST(MemoryView, EntriesAnimationsAndTextsOfASend)
{
    const MemoryView view = readMemoryView(sentMemory(), 48);
    ASSERT_EQ(view.toc.size(), 4u);
    EXPECT_TRUE(view.tocProblem.isEmpty());
    EXPECT_EQ(view.toc[0].kind, TocEntryView::Kind::Hour);
    EXPECT_EQ(view.toc[1].kind, TocEntryView::Kind::Text);
    EXPECT_EQ(view.toc[2].kind, TocEntryView::Kind::Humidity);
    EXPECT_EQ(view.toc[3].kind, TocEntryView::Kind::Animation);

    ASSERT_EQ(view.animations.size(), 2u);
    const AnimationView &back = view.animations[0];
    EXPECT_EQ(back.address, 0x8000u);
    ASSERT_EQ(back.frames.size(), 2u);
    EXPECT_EQ(back.frames[0].delayMs, 96);
    EXPECT_EQ(litDots(back.frames[0].dots), (QStringList{"20,5", "0,16", "47,31"}));
    EXPECT_EQ(back.frames[1].delayMs, 200);
    EXPECT_TRUE(litDots(back.frames[1].dots).isEmpty());
    EXPECT_TRUE(back.problem.isEmpty());
    EXPECT_TRUE(view.animations[1].frames.empty());
    EXPECT_EQ(view.animations[1].problem, QStringLiteral("the address is outside the Animations region"));

    ASSERT_EQ(view.texts.size(), 1u);
    EXPECT_EQ(view.texts[0].speed, 4);
    EXPECT_EQ(view.texts[0].band.size(), QSize(16, 16));
    EXPECT_EQ(litDots(view.texts[0].band), (QStringList{"0,0", "7,0", "15,15"}));

    const QStringList lines = describeMemoryView(view);
    EXPECT_EQ(lines.mid(0, 5),
              (QStringList{
                  "TOC: 4 entries",
                  " 1  01 01 00 80 00 20 28 00 00 00 00 03 00 00 00 00  Hour, 3 s, frame style None, style codes 2 "
                  "and 2, back animation at 0x008000 (byte 65536) -> animation-01.gif",
                  " 2  01 01 00 00 00 00 00 38 00 00 00 00 00 00 00 00  text at 0x380000 (byte 7340032) -> "
                  "text-01.png, no back animation",
                  " 3  01 01 00 00 00 21 A0 00 00 00 00 07 00 00 00 00  Humidity, 7 s, frame style One dot, style "
                  "codes 2 and 2, no back animation",
                  " 4  01 01 00 00 10 20 00 00 00 00 01 00 00 00 00 00  animation at 0x000010 (byte 32) -> "
                  "animation-02.gif, frame style None, reserved 2, loop 1",
              }));
    EXPECT_EQ(lines.mid(5), (QStringList{
                                "animation-01.gif  at 0x008000 (byte 65536): 2 frames, 96 to 200 ms",
                                "animation-02.gif  at 0x000010 (byte 32): no frames; the address is outside the "
                                "Animations region",
                                "text-01.png  at 0x380000 (byte 7340032): 16 x 16 dots, speed 4",
                            }));
}

TEST(MemoryView, DamagedOrEmptyMemory)
{
    EXPECT_TRUE(readMemoryView(erased(), 48).toc.empty());
    EXPECT_TRUE(readMemoryView(erased(), 48).tocProblem.isEmpty());

    const MemoryView noEnd = readMemoryView(QByteArray(8 * 1024 * 1024, '\0'), 48);
    EXPECT_EQ(noEnd.toc.size(), 4095u);
    EXPECT_EQ(noEnd.tocProblem, QStringLiteral("no end mark in the TOC region"));

    EXPECT_FALSE(readMemoryView(QByteArray(100, char(0xFF)), 48).tocProblem.isEmpty());

    QByteArray m = sentMemory();
    put(m, 65536 + 176, "0101003203"); // the second header is broken
    put(m, 7340032 + 2, "0C");         // neither 16 nor 32 rows
    const MemoryView broken = readMemoryView(m, 48);
    EXPECT_EQ(broken.animations[0].frames.size(), 1u);
    EXPECT_EQ(broken.animations[0].problem, QStringLiteral("no frame record at byte 65712"));
    EXPECT_EQ(broken.texts[0].problem, QStringLiteral("no text record at byte 7340032"));
    EXPECT_TRUE(broken.texts[0].band.isNull());
}

class MemoryViewFiles : public TempDirTest {};

TEST_F(MemoryViewFiles, AnimationsAsGifsTextsAsPngs)
{
    const MemoryView view = readMemoryView(sentMemory(), 48);
    ASSERT_TRUE(writeMemoryView(view, path(QStringLiteral("view"))));
    const common::gif::Picture gif = common::gif::Picture::fromFile(path(QStringLiteral("view/animation-01.gif")));
    ASSERT_EQ(gif.frameCount(), 2);
    EXPECT_EQ(litDots(gif.renderSquare(0, 48)), (QStringList{"20,5", "0,16", "47,31"}));
    EXPECT_EQ(gif.frameDelayMs(1), 200);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("view/animation-02.gif")))) << "nothing to show";
    EXPECT_EQ(litDots(QImage(path(QStringLiteral("view/text-01.png")))), (QStringList{"0,0", "7,0", "15,15"}));
    EXPECT_TRUE(readFile(QStringLiteral("view/toc.txt")).startsWith("TOC: 4 entries\n"));
}
