// The cross runner on pseudo-terminals: operations run off the calling thread,
// their results come back through the event loop, and a cancel or the
// runner's end stops a long operation at its next wait.

#include "halvane/link/cross_runner.h"
#include "halvane/link/serial_port.h"
#include "tests/halvane/link/pty_fixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <thread>

using namespace halvane::link;
using Code = LinkStatus::Code;

namespace {

class CrossRunnerTest : public PtyFixture {
protected:
    // Waits (bounded) for the runner's one result.
    static CrossRunner::Result resultOf(QSignalSpy &spy, int limitMs = 10000)
    {
        if (spy.isEmpty() && !spy.wait(limitMs))
            ADD_FAILURE() << "no result within " << limitMs << " ms";
        return spy.isEmpty() ? CrossRunner::Result{} : spy.first().first().value<CrossRunner::Result>();
    }

    SystemLink m_system{appFolder()};
};

TEST_F(CrossRunnerTest, AReadComesBackThroughTheEventLoopWithItsValue)
{
    cross_sim::CrossConfig config;
    config.version = "CRS48V12";
    addCross(4, config);
    writeIni("PORT=4\nBAUDRATE=9600\nADDRESS4=EF\n");
    CrossRunner runner(m_system.context());
    QSignalSpy spy(&runner, &CrossRunner::finished);
    ASSERT_TRUE(runner.run(CrossRunner::readVersion()));
    EXPECT_TRUE(spy.isEmpty()) << "the read must not finish on the caller's stack";
    EXPECT_TRUE(runner.busy());
    EXPECT_FALSE(runner.run(CrossRunner::findCross())) << "one operation at a time";
    const CrossRunner::Result result = resultOf(spy);
    EXPECT_TRUE(result.status.ok()) << result.status.message.toStdString();
    EXPECT_EQ(result.value.toByteArray(), QByteArray("CRS48V12"));
    EXPECT_FALSE(runner.busy());
    spy.clear();
    EXPECT_TRUE(runner.run(CrossRunner::findCross())) << "free again after the result";
    EXPECT_EQ(resultOf(spy).status.message, QStringLiteral("Find cross!"));
}

TEST_F(CrossRunnerTest, ACancelEndsTheCrossTestAtItsNextWait)
{
    addCross(2); // never sends its self-test frames
    writeIni("PORT=2\nBAUDRATE=9600\nADDRESS4=EF\n");
    CrossRunner runner(m_system.context());
    QSignalSpy spy(&runner, &CrossRunner::finished);
    ASSERT_TRUE(runner.run(CrossRunner::crossTest(60000)));
    EXPECT_FALSE(spy.wait(300)) << "the test waits for frames that never come";
    QElapsedTimer timer;
    timer.start();
    runner.cancel();
    const CrossRunner::Result result = resultOf(spy, 5000);
    EXPECT_EQ(result.status.code, Code::Stopped);
    EXPECT_LT(timer.elapsed(), 2000) << "a cancel acts at the next wait, not at the time-out";
    // The port was released on the way out: the next operation can open it.
    spy.clear();
    ASSERT_TRUE(runner.run(CrossRunner::findCross()));
    EXPECT_TRUE(resultOf(spy).status.ok());
}

TEST_F(CrossRunnerTest, DestroyingTheRunnerStopsItsOperationAndReportsNothing)
{
    addCross(2);
    writeIni("PORT=2\nBAUDRATE=9600\nADDRESS4=EF\n");
    int results = 0;
    QElapsedTimer timer;
    {
        CrossRunner runner(m_system.context());
        QObject::connect(&runner, &CrossRunner::finished, [&] { ++results; });
        ASSERT_TRUE(runner.run(CrossRunner::crossTest(60000)));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        timer.start();
    }
    EXPECT_LT(timer.elapsed(), 2000);
    QCoreApplication::processEvents();
    EXPECT_EQ(results, 0) << "nobody is left to hear the result";
    CrossRunner next(m_system.context());
    QSignalSpy spy(&next, &CrossRunner::finished);
    ASSERT_TRUE(next.run(CrossRunner::findCross()));
    EXPECT_TRUE(resultOf(spy).status.ok()) << "the port was released";
}

TEST_F(CrossRunnerTest, TheSearchReportsItsEndBySignal)
{
    addCross(3);
    writeIni("");
    CrossSearch search(m_system.context());
    QSignalSpy spy(&search, &CrossSearch::finished);
    search.start();
    ASSERT_TRUE(spy.wait(60000));
    EXPECT_TRUE(search.done());
    const SearchResult found = spy.first().first().value<SearchResult>();
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.port, 3);
}

} // namespace
