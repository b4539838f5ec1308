#include "common/atomic_save.h"

#include "tests/common/temp_dir.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class AtomicSaveTest : public TempDirTest {
protected:
    mode_t mode(const QString &name) const
    {
        struct stat info {};
        return stat(path(name).toLocal8Bit().constData(), &info) == 0 ? info.st_mode & 0777 : 0;
    }
};

TEST_F(AtomicSaveTest, NewFilesGetTheUsualPermissionsAndOldOnesKeepTheirs)
{
    ASSERT_TRUE(common::saveAtomically(path(QStringLiteral("a.crs")), "first").ok);
    EXPECT_EQ(readFile(QStringLiteral("a.crs")), QByteArray("first"));
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(mode(QStringLiteral("a.crs")), 0666 & ~mask);

    ASSERT_EQ(chmod(path(QStringLiteral("a.crs")).toLocal8Bit().constData(), 0640), 0);
    ASSERT_TRUE(common::saveAtomically(path(QStringLiteral("a.crs")), "second").ok);
    EXPECT_EQ(readFile(QStringLiteral("a.crs")), QByteArray("second"));
    EXPECT_EQ(mode(QStringLiteral("a.crs")), 0640u);
}

// A write that fails at the last moment (here: the file size limit, as with a
// full disk) is reported and leaves the old file whole, with no temporary
// file behind.
TEST_F(AtomicSaveTest, FailedWriteLeavesTheOldFileWhole)
{
    writeFile(QStringLiteral("a.crs"), "old animation");
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const common::Status status = common::saveAtomically(path(QStringLiteral("a.crs")), QByteArray(1000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(status.ok);
    EXPECT_FALSE(status.message.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("a.crs")), QByteArray("old animation"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.crs")});
}

TEST_F(AtomicSaveTest, MissingFolderIsReported)
{
    EXPECT_FALSE(common::saveAtomically(path(QStringLiteral("none/a.crs")), "x").ok);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("none/a.crs"))));
}

} // namespace
