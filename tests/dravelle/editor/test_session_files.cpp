// The recent files list and the recovery copy: what is kept, where, and
// which copies count as left behind by a run that is gone.

#include "dravelle/editor/recent_files.h"
#include "dravelle/editor/recovery_copy.h"
#include "tests/common/temp_dir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

using namespace dravelle::document;
using namespace dravelle::editor;

namespace {

class SessionFilesTest : public TempDirTest {
protected:
    // A process that has ended: its id is free (and not reused so soon).
    qint64 endedProcess()
    {
        QProcess sleeper;
        sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        EXPECT_TRUE(sleeper.waitForStarted(5000));
        const qint64 pid = sleeper.processId();
        EXPECT_TRUE(processIsRunning(pid));
        sleeper.kill();
        EXPECT_TRUE(sleeper.waitForFinished(5000));
        return pid;
    }
};

} // namespace

TEST_F(SessionFilesTest, RecentFilesNewestFirstEightAtMost)
{
    QSettings settings(path("user.conf"), QSettings::IniFormat);
    RecentFiles recent(settings);
    EXPECT_TRUE(recent.paths().isEmpty());
    for (int k = 1; k <= 10; ++k)
        recent.add(path(QStringLiteral("a%1.crs").arg(k)));
    QStringList expected;
    for (int k = 10; k >= 3; --k)
        expected << path(QStringLiteral("a%1.crs").arg(k));
    EXPECT_EQ(recent.paths(), expected);

    recent.add(path("a5.crs"));  // again: moves to the top, once
    EXPECT_EQ(recent.paths().first(), path("a5.crs"));
    EXPECT_EQ(recent.paths().count(path("a5.crs")), 1);
    EXPECT_EQ(recent.paths().size(), 8);
    recent.remove(path("a9.crs"));
    EXPECT_FALSE(recent.paths().contains(path("a9.crs")));

    // Kept in the file: another editor reads the same list.
    QSettings again(path("user.conf"), QSettings::IniFormat);
    EXPECT_EQ(RecentFiles(again).paths(), recent.paths());
}

TEST_F(SessionFilesTest, RecoveryCopyFollowsTheModifiedFlag)
{
    const QString folder = path("data/Dravelle");  // made when first needed
    AnimationStore store(48);
    store.newAnimation();
    store.workingPage().setColourAt(20 + 20 * 48, kColourBitGreen);
    store.commitWorkingPage();
    store.setDelay(1, 340);
    RecoveryCopy copy(folder, 48, QCoreApplication::applicationPid());
    EXPECT_EQ(QFileInfo(copy.path()).fileName(),
              QStringLiteral("recovery-%1-48.pages").arg(QCoreApplication::applicationPid()));

    ASSERT_TRUE(copy.update(store));
    AnimationStore restored(48);
    restored.newAnimation();
    ASSERT_TRUE(RecoveryCopy::restore(copy.path(), restored));
    EXPECT_EQ(restored.pages(), store.pages());
    EXPECT_EQ(restored.delays(), std::vector<int>{340});
    EXPECT_TRUE(restored.canUndo()) << "restoring is a step like any other";
    AnimationStore wide(64);
    wide.newAnimation();
    EXPECT_FALSE(RecoveryCopy::restore(copy.path(), wide));
    writeFile(QStringLiteral("damaged.pages"), "DRVP");
    EXPECT_FALSE(RecoveryCopy::restore(path(QStringLiteral("damaged.pages")), restored));
    EXPECT_EQ(restored.delays(), std::vector<int>{340}) << "a damaged copy changes nothing";
    EXPECT_TRUE(copy.leftBehind().isEmpty()) << "this run's own copy";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QFileInfo(copy.path()).fileName()})
        << "no temporary file stays";

    store.setModified(false);  // saved: the file is the copy
    ASSERT_TRUE(copy.update(store));
    EXPECT_FALSE(QFileInfo::exists(copy.path()));
}

TEST_F(SessionFilesTest, CopiesOfEndedRunsAreLeftBehind)
{
    AnimationStore store(48);
    store.newAnimation();
    const qint64 ended = endedProcess();
    RecoveryCopy crashed(path("rec"), 48, ended);
    ASSERT_TRUE(crashed.update(store));
    RecoveryCopy wide(path("rec"), 64, ended);
    AnimationStore store64(64);
    store64.newAnimation();
    ASSERT_TRUE(wide.update(store64));
    RecoveryCopy running(path("rec"), 48, QCoreApplication::applicationPid() == 1 ? 2 : 1);  // init runs
    ASSERT_TRUE(running.update(store));

    RecoveryCopy mine(path("rec"), 48, QCoreApplication::applicationPid());
    EXPECT_EQ(mine.leftBehind(), QStringList{QFileInfo(crashed.path()).absoluteFilePath()});
    RecoveryCopy mine64(path("rec"), 64, QCoreApplication::applicationPid());
    EXPECT_EQ(mine64.leftBehind(), QStringList{QFileInfo(wide.path()).absoluteFilePath()});
    EXPECT_FALSE(processIsRunning(ended));
    EXPECT_FALSE(processIsRunning(0));
}
