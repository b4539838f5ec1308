// The preview context the window and the command line build alike, and the
// recording that "Save as GIF..." and `halvane-cli preview` share.

#include "halvane/preview/preview_recorder.h"
#include "tests/common/gui_application.h"
#include "tests/halvane/preview/preview_fixture.h"

#include "common/gif/picture.h"

using namespace halvane;
using namespace halvane::preview;
using namespace halvane::preview::testing;

namespace {

class PreviewRecordingTest : public PreviewTest {};

TEST_F(PreviewRecordingTest, ContextTakesGeometryAndFontsFromTheSettingsAtThatMoment)
{
    writeFile(QStringLiteral("Halvane.ini"),
              "[BOOT]\nCROSSSTYLE=1\nHARNESSFRAMEDOTS=2\n[FONT]\nFONTNUM=3\nFONT1=Arial\nFONT2=\nFONT3=Serif\n");
    context.project.texts[1].text = QStringLiteral("hello");
    const QDateTime at(QDate(2025, 1, 2), QTime(3, 4));
    const PreviewContext made =
        previewContextFor(path(QStringLiteral("Halvane.ini")), context.project, context.library, at);
    EXPECT_EQ(made.geometry.side, 64);
    EXPECT_EQ(made.geometry.harnessFrameDots, 2);
    EXPECT_EQ(made.fontNames, (QStringList{QStringLiteral("Arial"), QStringLiteral("Serif")}));
    EXPECT_EQ(made.project.texts[1].text, QStringLiteral("hello"));
    EXPECT_EQ(made.library.folder(), context.library.folder());
    EXPECT_EQ(made.now, at);

    // No settings file: the defaults (a 48 cross without frame dots).
    const PreviewContext fresh =
        previewContextFor(path(QStringLiteral("none.ini")), context.project, context.library, at);
    EXPECT_EQ(fresh.geometry.side, 48);
    EXPECT_EQ(fresh.geometry.harnessFrameDots, 0);
}

TEST_F(PreviewRecordingTest, RecordsTheAnimationOnceThroughAtTheDotSize)
{
    writeCrs(QStringLiteral("run.crs"), 3, 100);
    addAnimation(QStringLiteral("run.crs"), 2, 5, 1); // twice, 100 ms a step
    const PreviewRecording recording = recordPreview(context, PreviewKind::Animation, QStringLiteral("run.crs"), 4);
    EXPECT_EQ(recording.steps, 6);
    EXPECT_EQ(recording.durationMs, 600);
    EXPECT_FALSE(recording.cut);
    EXPECT_TRUE(recording.messages.isEmpty());

    const auto gif = common::gif::Picture::fromData(recording.gif);
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(gif.frameCount(), recording.frames);
    EXPECT_EQ(gif.frameCount(), 6);
    EXPECT_EQ(gif.logicalSize(), QSize(48 * 4, 48 * 4));
}

TEST_F(PreviewRecordingTest, MissingFileGivesItsMessageAndNothingToSave)
{
    addAnimation(QStringLiteral("gone.crs"), 1, 4, 1);
    const PreviewRecording recording = recordPreview(context, PreviewKind::Animation, QStringLiteral("gone.crs"), 5);
    EXPECT_TRUE(recording.gif.isEmpty());
    ASSERT_EQ(recording.messages.size(), 1);
    EXPECT_TRUE(recording.messages.first().contains(QStringLiteral("gone.crs")));
}

TEST_F(PreviewRecordingTest, RaisedStopEndsTheRecordingAtItsNextStep)
{
    writeCrs(QStringLiteral("run.crs"), 3, 100);
    addAnimation(QStringLiteral("run.crs"), 1000, 5, 1);
    const std::atomic<bool> stop{true};
    const PreviewRecording recording =
        recordPreview(context, PreviewKind::Animation, QStringLiteral("run.crs"), 4, &stop);
    EXPECT_EQ(recording.steps, 0);
    EXPECT_TRUE(recording.gif.isEmpty());
}

} // namespace
