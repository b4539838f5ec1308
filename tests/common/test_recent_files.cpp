// The recent-files list of the File menus, in a configuration folder of
// the test's own.

#include "common/recent_files.h"
#include "tests/common/temp_dir.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public TempDirTest {
protected:
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config")); }
};

} // namespace

TEST_F(RecentFilesTest, NewestFirstOnceAndAtMostEight)
{
    common::RecentFiles recent("halvane");
    EXPECT_TRUE(recent.files().isEmpty());
    for (int i = 0; i < 10; ++i)
        recent.add(QStringLiteral("/data/p%1.plst").arg(i));
    QStringList expected;
    for (int i = 9; i >= 2; --i)
        expected << QStringLiteral("/data/p%1.plst").arg(i);
    EXPECT_EQ(recent.files(), expected);

    // Opening one again moves it to the top; a path spelt another way is the same file.
    recent.add(QStringLiteral("/data/sub/../p5.plst"));
    EXPECT_EQ(recent.files().first(), QStringLiteral("/data/p5.plst"));
    EXPECT_EQ(recent.files().size(), 8);
    EXPECT_EQ(recent.files().count(QStringLiteral("/data/p5.plst")), 1);

    recent.remove(QStringLiteral("/data/p5.plst"));
    EXPECT_EQ(recent.files().size(), 7);
    EXPECT_FALSE(recent.files().contains(QStringLiteral("/data/p5.plst")));
}

TEST_F(RecentFilesTest, KeptPerProgramAcrossRunsOutsideTheApplicationFolder)
{
    common::RecentFiles("halvane").add(QStringLiteral("/a/one.plst"));
    common::RecentFiles("dravelle").add(QStringLiteral("/a/two.crs"));
    EXPECT_EQ(common::RecentFiles("halvane").files(), QStringList{QStringLiteral("/a/one.plst")});
    EXPECT_EQ(common::RecentFiles("dravelle").files(), QStringList{QStringLiteral("/a/two.crs")});
    EXPECT_TRUE(QFile::exists(path("config/cross/halvane.conf")));
    common::RecentFiles("halvane").clear();
    EXPECT_TRUE(common::RecentFiles("halvane").files().isEmpty());
    EXPECT_EQ(common::RecentFiles("dravelle").files().size(), 1);
}

TEST_F(RecentFilesTest, AHandEditedListIsCleanedOnRead)
{
    {
        QSettings settings("cross", "halvane");
        QStringList many;
        for (int i = 0; i < 20; ++i)
            many << QString() << QStringLiteral("/x/%1.plst").arg(i % 12);
        settings.setValue("recent/files", many);
    }
    QStringList files = common::RecentFiles("halvane").files();
    ASSERT_EQ(files.size(), 8);
    EXPECT_EQ(files.first(), QStringLiteral("/x/0.plst"));
    EXPECT_EQ(files.removeDuplicates(), 0);
}

TEST(RecentFilesMenu, NumberedNamesWithTheirFolderAndAmpersandsKept)
{
    EXPECT_EQ(common::RecentFiles::menuText(0, QStringLiteral("/home/me/shop.plst")),
              QStringLiteral("&1 shop.plst  (/home/me)"));
    EXPECT_EQ(common::RecentFiles::menuText(7, QStringLiteral("/r&d/a&b.plst")),
              QStringLiteral("&8 a&&b.plst  (/r&&d)"));
}
