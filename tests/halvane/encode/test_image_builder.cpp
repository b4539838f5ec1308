// The three images of a send built from play projects, with an encoder of
// known record sizes; TOC bytes worked out by hand.

#include "dravelle/document/crs_writer.h"
#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/image_builder.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/encode/fake_encoder.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace halvane::encode;
using halvane::project::AnimationEntry;
using halvane::project::PlayProjectData;

namespace {

class ImageBuilderTest : public ::testing::Test {
protected:
    PlayProjectData m_project = halvane::project::defaultProjectData(0);
    halvane::project::AnimationLibrary m_library{QStringLiteral("/lib/animations")};
    FakeEncoder m_encoder;
    SendImages m_images;

    void play(std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            m_project.playList.append({QString::fromLatin1(name)});
    }

    AnimationEntry &animation(const char *name)
    {
        m_project.animations.append(halvane::project::defaultAnimationEntry(QString::fromLatin1(name)));
        return m_project.animations.last();
    }

    common::Status build() { return buildImages(m_project, m_library, m_encoder, &m_images); }

    // The TOC entry at `index` as 16 bytes.
    Image tocEntry(int index) const
    {
        const auto begin = m_images.toc.begin() + index * 16;
        return Image(begin, begin + 16);
    }
};

Image bytes(std::initializer_list<int> values)
{
    Image image;
    for (int v : values)
        image.push_back(std::uint8_t(v));
    return image;
}

Image tocEntryOf(const SendImages &images, int index)
{
    return Image(images.toc.begin() + index * 16, images.toc.begin() + index * 16 + 16);
}

Image endMark()
{
    return bytes({0xFF, 0xFF});
}

} // namespace

TEST_F(ImageBuilderTest, OneCrsOfTenFrames)
{
    play({"a.crs"});
    animation("a.crs");
    m_encoder.frames[QStringLiteral("a.crs")] = 10;
    ASSERT_TRUE(build());

    EXPECT_EQ(m_images.toc, bytes({0x01, 0x01, 0x00, 0x80, 0x00, 0x20, 0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0,
                                   0xFF, 0xFF}));
    ASSERT_EQ(m_images.animations.size(), 1762u);
    EXPECT_EQ(Image(m_images.animations.end() - 2, m_images.animations.end()), endMark());
    EXPECT_EQ(m_images.animations[1759], m_encoder.fill);
    EXPECT_TRUE(m_images.text.empty());
    EXPECT_EQ(m_encoder.calls, QStringList{QStringLiteral("animation a.crs 4")});
    EXPECT_EQ(m_encoder.calls.size(), 1);
    EXPECT_TRUE(m_images.warnings.isEmpty());
}

TEST_F(ImageBuilderTest, OnlyText1)
{
    play({"Text1"});
    m_project.texts[0].text = QStringLiteral("Hello");
    ASSERT_TRUE(build());

    EXPECT_EQ(m_images.toc, bytes({0x01, 0x01, 0, 0, 0, 0, 0, 0x38, 0x00, 0x00, 0, 0, 0, 0, 0, 0,
                                   0xFF, 0xFF}));
    EXPECT_TRUE(m_images.animations.empty());
    EXPECT_EQ(m_images.text.size(), 112u);
    EXPECT_EQ(m_encoder.calls, QStringList{QStringLiteral("text Hello")});
}

TEST_F(ImageBuilderTest, DataMessagesAloneFillOnlyTheToc)
{
    play({"Hour", "Date", "Temperature", "Humidity"});
    m_project.items[3].time = 260;
    ASSERT_TRUE(build());

    ASSERT_EQ(m_images.toc.size(), 4u * 16 + 2);
    EXPECT_EQ(tocEntry(0), bytes({0x01, 0x01, 0, 0, 0, 0x20, 0x28, 0, 0, 0, 0, 0x03, 0, 0, 0, 0}));
    EXPECT_EQ(tocEntry(1), bytes({0x01, 0x01, 0, 0, 0, 0x20, 0x24, 0, 0, 0, 0, 0x03, 0, 0, 0, 0}));
    EXPECT_EQ(tocEntry(2), bytes({0x01, 0x01, 0, 0, 0, 0x20, 0x21, 0, 0, 0, 0, 0x03, 0, 0, 0, 0}));
    EXPECT_EQ(tocEntry(3), bytes({0x01, 0x01, 0, 0, 0, 0x20, 0xA0, 0, 0, 0, 0, 0x04, 0, 0, 0, 0}));
    EXPECT_TRUE(m_images.animations.empty());
    EXPECT_TRUE(m_images.text.empty());
    EXPECT_TRUE(m_encoder.calls.isEmpty());
}

// Each address is taken when its records start: after the records of every
// entry before it, back animations included.
TEST_F(ImageBuilderTest, AddressesFollowTheImagesIncludingBackAnimations)
{
    play({"a.crs", "Hour", "Text1", "Text2"});
    animation("a.crs");
    m_encoder.frames[QStringLiteral("a.crs")] = 10;   // 1760 + 2 bytes
    m_encoder.frames[QStringLiteral("b.crs")] = 3;    // 528 + 2
    m_encoder.frames[QStringLiteral("c.crs")] = 2;    // 352 + 2
    m_project.items[0].backAnimation = QStringLiteral("b.crs");
    m_project.texts[0].backAnimation = QStringLiteral("c.crs");
    m_project.texts[0].text = QStringLiteral("one");
    m_project.texts[1].text = QStringLiteral("two");
    ASSERT_TRUE(build());

    // Hour's back animation at (65536 + 1762) / 2 = 33649 = 0x8371.
    EXPECT_EQ(tocEntry(1), bytes({0x01, 0x01, 0x00, 0x83, 0x71, 0x20, 0x28, 0, 0, 0, 0, 0x03, 0, 0, 0, 0}));
    // Text1: back animation at (65536 + 2292) / 2 = 0x847A, text at 7340032 / 2.
    EXPECT_EQ(tocEntry(2), bytes({0x01, 0x01, 0x00, 0x84, 0x7A, 0, 0, 0x38, 0x00, 0x00, 0, 0, 0, 0, 0, 0}));
    // Text2: no back animation, text at (7340032 + 112) / 2 = 0x380038.
    EXPECT_EQ(tocEntry(3), bytes({0x01, 0x01, 0, 0, 0, 0, 0, 0x38, 0x00, 0x38, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Image(m_images.toc.end() - 2, m_images.toc.end()), endMark());

    EXPECT_EQ(m_images.animations.size(), 1762u + 530 + 354);
    for (std::size_t end : {1762u, 2292u, 2646u})
        EXPECT_EQ(Image(m_images.animations.begin() + long(end) - 2, m_images.animations.begin() + long(end)),
                  endMark())
            << end;
    EXPECT_EQ(m_images.text.size(), 224u);
    // Back animations use the file's own delays (speed 8); Text1's back
    // animation is converted before its text record.
    EXPECT_EQ(m_encoder.calls, (QStringList{QStringLiteral("animation a.crs 4"), QStringLiteral("animation b.crs 8"),
                                            QStringLiteral("animation c.crs 8"), QStringLiteral("text one"),
                                            QStringLiteral("text two")}));
}

TEST_F(ImageBuilderTest, PicturesAndExtensionsInAnyCase)
{
    play({"p.BMP", "q.jpg", "R.Crs"});
    AnimationEntry &p = animation("p.BMP");
    p.frameStyle = 3;
    p.loop = 300;
    p.speed = 7;
    animation("q.jpg");
    animation("R.Crs");
    ASSERT_TRUE(build());

    EXPECT_EQ(tocEntry(0), bytes({0x01, 0x01, 0x00, 0x80, 0x00, 0x12, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 0}));
    // (65536 + 178) / 2 = 32857 = 0x8059
    EXPECT_EQ(tocEntry(1), bytes({0x01, 0x01, 0x00, 0x80, 0x59, 0x10, 0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0}));
    EXPECT_EQ(tocEntry(2)[5], 0x20);
    EXPECT_EQ(m_encoder.calls, (QStringList{QStringLiteral("picture p.BMP 7"), QStringLiteral("picture q.jpg 4"),
                                            QStringLiteral("animation R.Crs 4")}));
    EXPECT_EQ(m_images.animations.size(), 3u * 178);
}

TEST_F(ImageBuilderTest, OtherNamesGiveNoEntryAndNoData)
{
    play({"notes.txt", "hour", "Text4", "Humidity "});
    ASSERT_TRUE(build());
    EXPECT_EQ(m_images.toc, endMark());
    EXPECT_TRUE(m_images.animations.empty());
    EXPECT_TRUE(m_images.text.empty());
    EXPECT_TRUE(m_encoder.calls.isEmpty());
}

TEST_F(ImageBuilderTest, AnimationMissingFromTheListGoesWithDefaultsAndAWarning)
{
    play({"x.crs"});
    AnimationEntry &other = animation("X.crs"); // names compare case-sensitively
    other.loop = 9;
    other.speed = 1;
    ASSERT_TRUE(build());
    EXPECT_EQ(tocEntry(0), bytes({0x01, 0x01, 0x00, 0x80, 0x00, 0x20, 0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0}));
    EXPECT_EQ(m_encoder.calls, QStringList{QStringLiteral("animation x.crs 4")});
    ASSERT_EQ(m_images.warnings.size(), 1);
    EXPECT_TRUE(m_images.warnings[0].contains(QStringLiteral("x.crs"))) << m_images.warnings[0].toStdString();
}

TEST_F(ImageBuilderTest, AnimationsLargerThanTheirRegionAreRefusedWithBothSizes)
{
    play({"big.crs"});
    animation("big.crs");
    m_encoder.frames[QStringLiteral("big.crs")] = 41333; // 7,274,608 bytes + 2
    const common::Status status = build();
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("Animations"))) << status.message.toStdString();
    EXPECT_TRUE(status.message.contains(QStringLiteral("7274610")));
    EXPECT_TRUE(status.message.contains(QStringLiteral("7274496")));
    EXPECT_EQ(m_images.animations.size(), 7274610u);
    EXPECT_EQ(m_encoder.refusals, 1); // the first try found the region too small
}

TEST_F(ImageBuilderTest, TextRegionBoundary)
{
    play({"Text1"});
    m_encoder.textBytes = 1048576;
    EXPECT_TRUE(build());
    EXPECT_EQ(m_images.text.size(), 1048576u);

    m_encoder.textBytes = 1048577;
    const common::Status status = build();
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.message.startsWith(QStringLiteral("The Text image is 1048577 bytes")))
        << status.message.toStdString();
}

TEST_F(ImageBuilderTest, TocRegionIsCheckedToo)
{
    for (int i = 0; i < 4096; ++i) // 4096 x 16 + 2 = 65,538 bytes
        m_project.playList.append({QStringLiteral("Date")});
    const common::Status status = build();
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("TOC image is 65538 bytes")))
        << status.message.toStdString();
}

TEST_F(ImageBuilderTest, AnImageBeyondTheBuildLimitStopsTheBuild)
{
    play({"Text1", "Text2"});
    m_encoder.textBytes = kImageBuildLimit + 1;
    const common::Status status = build();
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.message.contains(QStringLiteral("more than 67108864"))) << status.message.toStdString();
    EXPECT_EQ(m_encoder.calls.size(), 7); // 1, 2, 4 .. 64 MiB for Text1; Text2 never
    EXPECT_TRUE(m_images.text.empty());
}

// The real encoders over files of the animations folder.
class FileImageBuilderTest : public TempDirTest {
protected:
    PlayProjectData m_project = halvane::project::defaultProjectData(0);
    FileRecordEncoder m_encoder{common::CrossGeometry{48, 0}, {}};
    SendImages m_images;

    QString animations() const { return path(QStringLiteral("animations")); }
    common::Status build()
    {
        return buildImages(m_project, halvane::project::AnimationLibrary(animations()), m_encoder, &m_images);
    }
};

TEST_F(FileImageBuilderTest, TenFramesAPictureAndAMissingBackAnimation)
{
    ASSERT_TRUE(QDir().mkpath(animations()));
    std::vector<dravelle::document::CrsPage> pages(10);
    for (auto &page : pages)
        page.colours.assign(48 * 48, 2);
    ASSERT_TRUE(dravelle::document::writeCrsFile(animations() + QStringLiteral("/ten.crs"), 48, pages));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(animations() + QStringLiteral("/p.bmp")));

    m_project.playList = {{QStringLiteral("ten.crs")}, {QStringLiteral("p.bmp")}, {QStringLiteral("Date")}};
    m_project.animations = {halvane::project::defaultAnimationEntry(QStringLiteral("ten.crs")),
                            halvane::project::defaultAnimationEntry(QStringLiteral("p.bmp"))};
    m_project.animations[1].speed = 7;
    m_project.items[1].backAnimation = QStringLiteral("gone.crs");
    ASSERT_TRUE(build());

    // Ten records of 176 bytes at 96 ms (24 units), the end mark: 1762 bytes.
    const Image &a = m_images.animations;
    ASSERT_EQ(a.size(), 1762u + 178 + 178);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Image(a.begin() + i * 176, a.begin() + i * 176 + 5), bytes({0x01, 0x01, 0x00, 0x18, 0x02})) << i;
    EXPECT_EQ(a[16], 0xFF) << "every dot lit";
    // The picture: one record of 7000 ms (1750 units), at (65536 + 1762) / 2.
    EXPECT_EQ(Image(a.begin() + 1762, a.begin() + 1762 + 5), bytes({0x01, 0x01, 0x06, 0xD6, 0x02}));
    EXPECT_EQ(tocEntryOf(m_images, 1), bytes({0x01, 0x01, 0x00, 0x83, 0x71, 0x10, 0, 0, 0, 0, 0x01, 0, 0, 0, 0, 0}));
    // The missing back animation: one dark frame of 192 ms (48 units), and a warning.
    EXPECT_EQ(Image(a.begin() + 1940, a.begin() + 1945), bytes({0x01, 0x01, 0x00, 0x30, 0x02}));
    EXPECT_EQ(Image(a.begin() + 1940 + 16, a.begin() + 1940 + 176), Image(160, 0));
    ASSERT_EQ(m_images.warnings.size(), 1);
    EXPECT_TRUE(m_images.warnings[0].contains(QStringLiteral("gone.crs"))) << m_images.warnings[0].toStdString();
}
