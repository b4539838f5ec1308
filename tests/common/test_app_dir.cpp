#include "common/app_dir.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace common;

namespace {

struct AppDirTest : ::testing::Test {
    void TearDown() override { setApplicationFolder(QString()); }
};

TEST_F(AppDirTest, DefaultsToTheExecutableFolderWithTrailingSlash)
{
    const QString folder = applicationFolder();
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_EQ(applicationFile(QStringLiteral("Halvane.ini")), folder + QStringLiteral("Halvane.ini"));
}

TEST_F(AppDirTest, AppDirOptionIsTakenOutOfTheArguments)
{
    QStringList args{QStringLiteral("prog"), QStringLiteral("--app-dir"), QStringLiteral("/tmp/x"),
                     QStringLiteral("info")};
    ASSERT_TRUE(takeAppDirArgument(args));
    EXPECT_EQ(args, (QStringList{QStringLiteral("prog"), QStringLiteral("info")}));
    EXPECT_EQ(applicationFolder(), QStringLiteral("/tmp/x/"));

    QStringList eq{QStringLiteral("prog"), QStringLiteral("--app-dir=/tmp/y/")};
    ASSERT_TRUE(takeAppDirArgument(eq));
    EXPECT_EQ(eq, QStringList{QStringLiteral("prog")});
    EXPECT_EQ(applicationFolder(), QStringLiteral("/tmp/y/"));

    QStringList bad{QStringLiteral("prog"), QStringLiteral("--app-dir")};
    QString error;
    EXPECT_FALSE(takeAppDirArgument(bad, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(AppDirTest, ArgvFormKeepsOtherArguments)
{
    char a0[] = "prog", a1[] = "send", a2[] = "--app-dir", a3[] = "/tmp/z", a4[] = "x.plst";
    char *argv[] = {a0, a1, a2, a3, a4, nullptr};
    int argc = 5;
    ASSERT_TRUE(takeAppDirArgument(argc, argv));
    ASSERT_EQ(argc, 3);
    EXPECT_STREQ(argv[1], "send");
    EXPECT_STREQ(argv[2], "x.plst");
    EXPECT_EQ(argv[3], nullptr);
    EXPECT_EQ(applicationFolder(), QStringLiteral("/tmp/z/"));
}

} // namespace
