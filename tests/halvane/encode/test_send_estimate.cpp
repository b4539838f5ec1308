// The time left of a send and the refusal of an empty play list, which the
// send dialog and the command line share.

#include "halvane/encode/send_estimate.h"
#include "halvane/encode/send_job.h"

#include <gtest/gtest.h>

using namespace halvane::encode;

namespace {

TEST(SendTimeEstimate, BeforeAnyBlockIsDoneEveryBlockIsReckonedAtItsLeast)
{
    SendTimeEstimate estimate(9600);
    // 4118 bytes at 9600 baud are 4289 ms on the line, plus 5 x 70 ms for the
    // chunks and 2000 ms of reply wait and pause.
    ASSERT_EQ(nominalBlockMs(9600), 6639);
    EXPECT_EQ(estimate.blockStarted(1, 4, 50'000), 4 * 6639);
}

TEST(SendTimeEstimate, BlocksDoneSetThePaceFromTheFirstBlockOn)
{
    SendTimeEstimate estimate(115200);
    estimate.blockStarted(1, 5, 10'000);
    // Two blocks took 9000 ms (one retried): 4500 ms each for the three left.
    EXPECT_EQ(estimate.blockStarted(3, 5, 19'000), 3 * 4500);
    EXPECT_EQ(estimate.blockStarted(5, 5, 30'000), 5000);
}

TEST(SendTimeEstimate, PositionsOutsideTheSendLeaveNothing)
{
    SendTimeEstimate estimate(9600);
    EXPECT_EQ(estimate.blockStarted(0, 3, 0), 0);
    EXPECT_EQ(estimate.blockStarted(4, 3, 0), 0);
    // Timing starts with the first block seen, even past block 1.
    EXPECT_EQ(estimate.blockStarted(2, 3, 1000), 2 * nominalBlockMs(9600));
    EXPECT_EQ(estimate.blockStarted(3, 3, 8000), 7000);
}

TEST(SendTimeEstimate, MinutesAreRoundedToTheSecond)
{
    EXPECT_EQ(minutesText(0), QStringLiteral("0:00"));
    EXPECT_EQ(minutesText(499), QStringLiteral("0:00"));
    EXPECT_EQ(minutesText(500), QStringLiteral("0:01"));
    EXPECT_EQ(minutesText(65'400), QStringLiteral("1:05"));
    EXPECT_EQ(minutesText(3'600'000), QStringLiteral("60:00"));
    EXPECT_EQ(minutesText(-2000), QStringLiteral("0:00"));
}

TEST(CheckSendable, AnEmptyPlayListIsRefusedWithTheWindowsMessage)
{
    halvane::project::PlayProjectData project = halvane::project::defaultProjectData(0);
    project.playList.clear();
    const common::Status refused = checkSendable(project);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, QStringLiteral("Please open a exist playlist file, or create a new playlist file."));

    project.playList.append({QStringLiteral("Hour")});
    EXPECT_TRUE(checkSendable(project));
}

} // namespace
