#include "halvane/project/plst_file.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/project/plst_bytes.h"

#include "halvane/project/ansi_text.h"

using namespace halvane::project;
using namespace plst_bytes;

namespace {

// A project with two play list entries and one animation, written from the
// table; the bytes after the NULs of two fields carry leftovers that mean nothing.
QByteArray handWrittenFile()
{
    return le32(2) + field(QByteArray("rain.crs\0junk", 13), 100) + playListEntry("Text1") + le32(1)
        + animationEntry(1, "rain.crs", 300, 8, 3, 5) + itemSettings(1, 4, 2, 7, 9, "snow.bmp")
        + itemSettings(0, -2, 6, 2, 2, "") + defaultItem() + itemSettings(1, 1000, 1, 0, 15, "")
        + textSettings("Open 24h", 1, 1, 0, 14, 77, -3, 7, 1, QByteArray("\0old", 4))
        + defaultText() + textSettings("caf\xE9 \x80", 0, 0, 1, 0, 2, 0, 1, 0, "b.jpg");
}

TEST(PlstLayout, EmptyDefaultProjectIs1652BytesOfDefaults)
{
    QByteArray bytes;
    ASSERT_TRUE(encodePlst(defaultProjectData(0), &bytes));
    EXPECT_EQ(bytes.size(), 1652);
    EXPECT_EQ(bytes, ints({0, 0}) + defaultMessages());
    // A few fields by absolute offset: Hour's time, Text1's size, Text3's speed.
    EXPECT_EQ(bytes.mid(12, 4), QByteArray("\x03\0\0\0", 4));
    EXPECT_EQ(bytes.mid(488 + 268, 4), QByteArray("\x07\0\0\0", 4));
    EXPECT_EQ(bytes.mid(488 + 2 * 388 + 280, 4), QByteArray("\x04\0\0\0", 4));
}

TEST(PlstLayout, TextSizeDefaultFollowsHarnessFrameDots)
{
    const int expected[] = {7, 5, 2, 0};
    for (int fd = 0; fd <= 3; ++fd) {
        QByteArray bytes;
        ASSERT_TRUE(encodePlst(defaultProjectData(fd), &bytes));
        EXPECT_EQ(bytes, ints({0, 0}) + defaultMessages(expected[fd])) << "frame dots " << fd;
    }
}

TEST(PlstLayout, HandWrittenFileLoadsFieldForField)
{
    PlayProjectData d;
    ASSERT_TRUE(decodePlst(handWrittenFile(), &d));
    ASSERT_EQ(d.playList.size(), 2);
    EXPECT_EQ(d.playList[0].name, QStringLiteral("rain.crs"));
    EXPECT_EQ(d.playList[0].kind(), EntryKind::Animation);
    EXPECT_EQ(d.playList[1].kind(), EntryKind::Text);
    ASSERT_EQ(d.animations.size(), 1);
    EXPECT_EQ(d.animations[0], (AnimationEntry{1, QStringLiteral("rain.crs"), 300, 8, 3, 5}));
    EXPECT_EQ(d.items[0], (ItemSettings{1, 4, 2, 7, 9, QStringLiteral("snow.bmp")}));
    EXPECT_EQ(d.items[1], (ItemSettings{0, -2, 6, 2, 2, QString()}));
    EXPECT_EQ(d.items[2], ItemSettings{});
    EXPECT_EQ(d.items[3], (ItemSettings{1, 1000, 1, 0, 15, QString()}));
    EXPECT_EQ(d.texts[0],
              (TextSettings{QStringLiteral("Open 24h"), 1, 1, 0, 14, 77, -3, 7, 1, QString()}));
    EXPECT_EQ(d.texts[1], TextSettings{});
    EXPECT_EQ(d.texts[2].text, QStringLiteral(u"caf\u00E9 \u20AC"));
    EXPECT_EQ(d.texts[2].backAnimation, QStringLiteral("b.jpg"));
    EXPECT_EQ(d.texts[2].italic, 1);
}

TEST(PlstLayout, WritingGivesTheTableBytesWithZerosAfterEachNul)
{
    PlayProjectData d;
    ASSERT_TRUE(decodePlst(handWrittenFile(), &d));
    QByteArray bytes;
    ASSERT_TRUE(encodePlst(d, &bytes));
    QByteArray expected = handWrittenFile();
    expected.replace(4 + 9, 4, QByteArray(4, '\0')); // "junk" after rain.crs
    expected.replace(4 + 200 + 4 + 120 + 480 + 288 + 1, 3, QByteArray(3, '\0')); // "old"
    EXPECT_EQ(bytes.size(), 1652 + 200 + 120);
    EXPECT_EQ(bytes, expected);
}

TEST(PlstLayout, TextOf255CharactersStaysWholeAndEndsInNul)
{
    PlayProjectData d = defaultProjectData(0);
    d.texts[1].text = QString(255, QLatin1Char('x'));
    QByteArray bytes;
    ASSERT_TRUE(encodePlst(d, &bytes));
    const int text2 = 8 + 480 + 388;
    EXPECT_EQ(bytes.mid(text2, 255), QByteArray(255, 'x'));
    EXPECT_EQ(bytes.at(text2 + 255), '\0');
    PlayProjectData back;
    ASSERT_TRUE(decodePlst(bytes, &back));
    EXPECT_EQ(back.texts[1].text.size(), 255);

    d.texts[1].text += QLatin1Char('y');
    EXPECT_FALSE(encodePlst(d, &bytes)) << "256 characters do not fit the field";
}

TEST(PlstLayout, EncodingRefusesWhatTheFieldsCannotHold)
{
    QByteArray bytes = "untouched";
    PlayProjectData d = defaultProjectData(0);
    d.animations << defaultAnimationEntry(QString(100, QLatin1Char('a')));
    EXPECT_FALSE(encodePlst(d, &bytes));
    d.animations = {defaultAnimationEntry(QStringLiteral(u"\u65E5.crs"))};
    EXPECT_FALSE(encodePlst(d, &bytes));
    d.animations.clear();
    d.playList = QList<PlayListEntry>(31, PlayListEntry{QStringLiteral("Hour")});
    EXPECT_FALSE(encodePlst(d, &bytes));
    EXPECT_EQ(bytes, QByteArray("untouched"));
}

TEST(AnsiText, MapsWindows1252BothWaysAndRefusesOtherCharacters)
{
    EXPECT_EQ(ansiToString(QByteArray("\x80\x81\x9F\xE9", 4)),
              QStringLiteral(u"\u20AC\u0081\u0178\u00E9"));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(stringToAnsi(ansiToString(one)), one) << "byte " << b;
    }
    EXPECT_FALSE(stringToAnsi(QStringLiteral(u"\u65E5")).has_value());
    EXPECT_FALSE(isAnsiText(QStringLiteral(u"ok \u0100")));
}

// Each damaged variant is refused with a message naming the fault.
struct Damage {
    const char *what;
    QByteArray bytes;
    const char *inMessage;
};

TEST(PlstValidation, DamagedFilesAreRefusedWithTheirFault)
{
    const QByteArray good = handWrittenFile();
    auto with = [&](int offset, const QByteArray &b) {
        return QByteArray(good).replace(offset, b.size(), b);
    };
    const int anim = 4 + 200 + 4; // first animation entry
    const int items = anim + 120;
    const int texts = items + 480;
    const Damage cases[] = {
        {"empty", QByteArray(), "too short"},
        {"three bytes", QByteArray(3, '\0'), "too short"},
        {"count beyond the file", le32(5) + QByteArray(300, '\0'), "too short"},
        {"one byte short", good.left(good.size() - 1), "does not match"},
        {"one byte too many", good + '\0', "does not match"},
        {"31 play list entries", le32(31) + QByteArray(3100, 'a') + le32(0) + defaultMessages(),
         "at most 30"},
        {"negative play list count", with(0, le32(-1)), "negative"},
        {"negative animation count", with(204, le32(-1)), "negative"},
        {"huge animation count", with(204, le32(0x7FFFFFFF)), "does not match"},
        {"name without NUL", with(104, QByteArray(100, 'n')), "no end"},
        {"text without NUL", with(texts, QByteArray(256, 't')), "no end"},
        {"back animation without NUL", with(items + 20, QByteArray(100, 'b')), "no end"},
        {"folder in a play list name", with(4, field("sub/rain.crs", 100)), "plain file name"},
        {"backslash folder", with(4, field("..\\rain.crs", 100)), "plain file name"},
        {"parent folder", with(anim + 4, field("..", 100)), "plain file name"},
        {"absolute path", with(items + 20, field("/etc/passwd", 100)), "plain file name"},
        {"empty animation name", with(anim + 4, field("", 100)), "plain file name"},
        {"speed 9", with(anim + 108, le32(9)), "speed"},
        {"frame style 0", with(anim + 112, le32(0)), "frame style"},
        {"item frame style 7", with(items + 120 + 8, le32(7)), "frame style"},
        {"text size 15", with(texts + 268, le32(15)), "size"},
        {"text speed 0", with(texts + 280, le32(0)), "speed"},
    };
    for (const Damage &c : cases) {
        PlayProjectData out = defaultProjectData(1);
        const common::Status s = decodePlst(c.bytes, &out);
        EXPECT_FALSE(s) << c.what;
        EXPECT_TRUE(s.message.contains(QLatin1String(c.inMessage)))
            << c.what << ": " << s.message.toStdString();
        EXPECT_EQ(out, defaultProjectData(1)) << c.what << " must leave the output alone";
    }
    PlayProjectData out;
    EXPECT_TRUE(decodePlst(good, &out)) << "the undamaged file loads";
}

class PlstFileTest : public TempDirTest {};

TEST_F(PlstFileTest, ReadAndWriteGoThroughTheFile)
{
    writeFile(QStringLiteral("in.plst"), handWrittenFile());
    PlayProjectData d;
    ASSERT_TRUE(readPlstFile(path(QStringLiteral("in.plst")), &d));
    ASSERT_TRUE(writePlstFile(path(QStringLiteral("out.plst")), d));
    EXPECT_EQ(readFile(QStringLiteral("out.plst")).size(), 1652 + 200 + 120);

    const common::Status missing = readPlstFile(path(QStringLiteral("none.plst")), &d);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("none.plst")));
}

TEST_F(PlstFileTest, FailedWriteKeepsTheOldFile)
{
    const QString folder = path(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/p.plst");
    ASSERT_TRUE(writePlstFile(file, defaultProjectData(0)));
    const QByteArray before = readFile(QStringLiteral("ro/p.plst"));

    PlayProjectData changed = defaultProjectData(0);
    changed.texts[0].text = QStringLiteral("new");
    {
        UnwritableFolder lock(folder);
        if (!lock.holds())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        const common::Status s = writePlstFile(file, changed);
        EXPECT_FALSE(s);
        EXPECT_TRUE(s.message.startsWith(QStringLiteral("Cannot save"))) << s.message.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("ro/p.plst")), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary file left";
}

TEST(PlstFileName, SaveAsAddsTheExtensionOnlyWhenThereIsNone)
{
    EXPECT_EQ(withPlstExtension(QStringLiteral("/a/shop")), QStringLiteral("/a/shop.plst"));
    EXPECT_EQ(withPlstExtension(QStringLiteral("/a/shop.plst")), QStringLiteral("/a/shop.plst"));
    EXPECT_EQ(withPlstExtension(QStringLiteral("/a.b/shop.txt")), QStringLiteral("/a.b/shop.txt"));
}

} // namespace
