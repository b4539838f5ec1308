// The start of a program that named its family: --app-dir wins over
// everything and writes nothing in the home; without it, a program with no
// shipped files beside it (this test binary in the build tree) keeps its own
// folder. One process, one start, so the cases run in order in one test.
// The installed start in the user's folder is run end to end by
// tests/install/check_system_install.sh.

#include "common/app_dir.h"
#include "common/folder_choice.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace common;

TEST(AppFolderStart, AppDirOverridesTheChoiceUntilItIsDropped)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_FALSE(QFileInfo::exists(executableFolder() + QStringLiteral("Halvane.ini")));
    ASSERT_FALSE(QFileInfo::exists(executableFolder() + QStringLiteral("../share/halvane")));
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    setProgramFolder(halvaneProgramFolder());

    const QString chosen = dir.filePath(QStringLiteral("chosen"));
    setApplicationFolder(chosen);
    ASSERT_TRUE(prepareApplicationFolder());
    EXPECT_EQ(applicationFolder(), chosen + QLatin1Char('/'));
    EXPECT_EQ(shippedFolder(), chosen + QLatin1Char('/'));
    EXPECT_FALSE(applicationFolderIsPerUser());
    EXPECT_EQ(companionProgram(QStringLiteral("Dravelle/dravelle"), QStringLiteral("dravelle")),
              chosen + QStringLiteral("/Dravelle/dravelle"));

    setApplicationFolder(QString());
    ASSERT_TRUE(prepareApplicationFolder());
    EXPECT_EQ(applicationFolder(), executableFolder());
    EXPECT_EQ(shippedFolder(), executableFolder());
    EXPECT_FALSE(applicationFolderIsPerUser());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("data")))) << "nothing is written in the home";
}
