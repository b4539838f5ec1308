// Where the programs keep their files: beside themselves when portable, in
// the user's data folder when installed read-only, seeded once.

#include "common/folder_choice.h"

#include "tests/common/temp_dir.h"
#include "tests/common/unwritable_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace common;

namespace {

class FolderChoiceTest : public TempDirTest {
protected:
    void SetUp() override
    {
        // An installed prefix: programs in bin/, the shipped files in share/halvane/.
        ASSERT_TRUE(QDir().mkpath(path("usr/bin")));
        ASSERT_TRUE(QDir().mkpath(path("usr/share/halvane/animations")));
        ASSERT_TRUE(QDir().mkpath(path("usr/share/halvane/Dravelle")));
        writeFile("usr/share/halvane/Halvane.ini", "[BOOT]\nPORT=0\n");
        writeFile("usr/share/halvane/Dravelle/Dravelle.ini", "[BOOT]\nRESOLUTION=48\n");
        writeFile("usr/share/halvane/animations/diamond.crs", "GIF89a-diamond");
        writeFile("usr/share/halvane/animations/circle.crs", "GIF89a-circle");
        for (const char *shipped : {"usr/share/halvane/Halvane.ini", "usr/share/halvane/animations/diamond.crs"})
            QFile::setPermissions(path(shipped), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    FolderPlaces installed() const { return {path("usr/bin"), path("home/.local/share")}; }
    QString user(const QString &name = {}) const { return path("home/.local/share/halvane/") + name; }

    FolderChoice startHalvane()
    {
        const FolderChoice choice = chooseFolder(halvaneProgramFolder(), installed());
        const Status seeded = seedUserFolder(halvaneProgramFolder(), choice);
        EXPECT_TRUE(seeded) << seeded.message.toStdString();
        return choice;
    }
};

TEST_F(FolderChoiceTest, PortableFolderWithWritableSettingsIsUsedAsItIs)
{
    ASSERT_TRUE(QDir().mkpath(path("dist/halvane/Dravelle")));
    writeFile("dist/halvane/Halvane.ini", "[BOOT]\n");
    writeFile("dist/halvane/Dravelle/Dravelle.ini", "[BOOT]\n");
    const FolderPlaces places{path("dist/halvane"), path("home/.local/share")};
    const FolderChoice halvane = chooseFolder(halvaneProgramFolder(), places);
    EXPECT_FALSE(halvane.perUser);
    EXPECT_EQ(halvane.appFolder, path("dist/halvane/"));
    EXPECT_EQ(halvane.shippedFolder, path("dist/halvane/"));
    EXPECT_TRUE(seedUserFolder(halvaneProgramFolder(), halvane));
    EXPECT_FALSE(QFileInfo::exists(path("home"))) << "nothing is written in the home";

    const FolderChoice dravelle = chooseFolder(dravelleProgramFolder(), {path("dist/halvane/Dravelle"), {}});
    EXPECT_EQ(dravelle.appFolder, path("dist/halvane/Dravelle/"));
}

TEST_F(FolderChoiceTest, InstalledProgramSeedsAFreshHomeFromTheSharedFiles)
{
    const FolderChoice choice = startHalvane();
    EXPECT_TRUE(choice.perUser);
    EXPECT_EQ(choice.appFolder, user());
    EXPECT_EQ(choice.shippedFolder, path("usr/share/halvane/"));
    EXPECT_EQ(readFile("home/.local/share/halvane/Halvane.ini"), QByteArray("[BOOT]\nPORT=0\n"));
    EXPECT_EQ(readFile("home/.local/share/halvane/animations/diamond.crs"), QByteArray("GIF89a-diamond"));
    EXPECT_TRUE(QFileInfo(user("Fonts")).isDir());
    // The copies are the user's: writable although the shipped files are not.
    EXPECT_TRUE(QFileInfo(user("Halvane.ini")).permissions() & QFile::WriteOwner);
    EXPECT_TRUE(QFileInfo(user("animations/diamond.crs")).permissions() & QFile::WriteOwner);
    EXPECT_FALSE(QFileInfo::exists(user("language"))) << "read from the shipped folder, not copied";
}

TEST_F(FolderChoiceTest, SecondStartKeepsTheUsersSettingsAndChoices)
{
    startHalvane();
    writeFile("home/.local/share/halvane/Halvane.ini", "[BOOT]\nPORT=3\n");
    ASSERT_TRUE(QFile::remove(user("animations/circle.crs")));
    writeFile("usr/share/halvane/animations/star.crs", "GIF89a-star"); // a newer package
    writeFile("usr/share/halvane/Halvane.ini", "[BOOT]\nPORT=7\n");

    startHalvane();
    EXPECT_EQ(readFile("home/.local/share/halvane/Halvane.ini"), QByteArray("[BOOT]\nPORT=3\n"));
    EXPECT_FALSE(QFileInfo::exists(user("animations/circle.crs"))) << "a removed sample stays removed";
    EXPECT_FALSE(QFileInfo::exists(user("animations/star.crs"))) << "samples are copied once";

    // A settings file the user deleted comes back from the shipped one.
    ASSERT_TRUE(QFile::remove(user("Halvane.ini")));
    startHalvane();
    EXPECT_EQ(readFile("home/.local/share/halvane/Halvane.ini"), QByteArray("[BOOT]\nPORT=7\n"));
}

TEST_F(FolderChoiceTest, DravelleKeepsItsSettingsOneFolderDown)
{
    const FolderChoice choice = chooseFolder(dravelleProgramFolder(), installed());
    ASSERT_TRUE(seedUserFolder(dravelleProgramFolder(), choice));
    EXPECT_EQ(choice.appFolder, user("Dravelle/"));
    EXPECT_EQ(choice.shippedFolder, path("usr/share/halvane/Dravelle/"));
    EXPECT_EQ(readFile("home/.local/share/halvane/Dravelle/Dravelle.ini"), QByteArray("[BOOT]\nRESOLUTION=48\n"));
    EXPECT_FALSE(QFileInfo::exists(user("Halvane.ini"))) << "each family seeds only its own files";
}

TEST_F(FolderChoiceTest, ReadOnlyPortableFolderIsTheShippedFolderOfTheHome)
{
    ASSERT_TRUE(QDir().mkpath(path("ro/halvane/animations")));
    writeFile("ro/halvane/Halvane.ini", "[BOOT]\nPORT=2\n");
    writeFile("ro/halvane/animations/a.crs", "GIF89a-a");
    const QString ini = path("ro/halvane/Halvane.ini");
    QFile::setPermissions(ini, QFile::ReadOwner);
    const bool immutable = QFileInfo(ini).isWritable() && setImmutableFlag(ini, true); // root ignores modes
    if (QFileInfo(ini).isWritable())
        GTEST_SKIP() << "this user writes read-only files";
    const FolderChoice choice = chooseFolder(halvaneProgramFolder(), {path("ro/halvane"), path("home/.local/share")});
    const Status seeded = seedUserFolder(halvaneProgramFolder(), choice);
    if (immutable)
        setImmutableFlag(ini, false);
    ASSERT_TRUE(seeded) << seeded.message.toStdString();
    EXPECT_EQ(choice.shippedFolder, path("ro/halvane/"));
    EXPECT_EQ(readFile("home/.local/share/halvane/Halvane.ini"), QByteArray("[BOOT]\nPORT=2\n"));
    EXPECT_EQ(readFile("home/.local/share/halvane/animations/a.crs"), QByteArray("GIF89a-a"));
}

TEST_F(FolderChoiceTest, WithoutAHomeOrShippedFilesTheProgramFolderStays)
{
    const FolderChoice homeless = chooseFolder(halvaneProgramFolder(), {path("usr/bin"), {}});
    EXPECT_FALSE(homeless.perUser);
    EXPECT_EQ(homeless.appFolder, path("usr/bin/"));

    ASSERT_TRUE(QDir().mkpath(path("build/halvane/cli")));
    const FolderChoice buildTree = chooseFolder(halvaneProgramFolder(), {path("build/halvane/cli"), path("home")});
    EXPECT_FALSE(buildTree.perUser);
    EXPECT_EQ(buildTree.appFolder, path("build/halvane/cli/"));
    EXPECT_TRUE(seedUserFolder(halvaneProgramFolder(), buildTree));
    EXPECT_FALSE(QFileInfo::exists(path("home")));
}

TEST_F(FolderChoiceTest, AHomeThatCannotHoldTheFolderIsReported)
{
    writeFile("home", "a file where the folder should be");
    const FolderChoice choice = chooseFolder(halvaneProgramFolder(), installed());
    const Status seeded = seedUserFolder(halvaneProgramFolder(), choice);
    EXPECT_FALSE(seeded);
    EXPECT_TRUE(seeded.message.contains(user())) << seeded.message.toStdString();
}

TEST_F(FolderChoiceTest, DataHomeFollowsTheBaseDirectoryRules)
{
    const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", path("h").toUtf8());
    qputenv("XDG_DATA_HOME", path("xdg").toUtf8());
    EXPECT_EQ(systemFolderPlaces().dataHome, path("xdg"));
    qputenv("XDG_DATA_HOME", "relative/is/ignored");
    EXPECT_EQ(systemFolderPlaces().dataHome, path("h/.local/share"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(systemFolderPlaces().dataHome, path("h/.local/share"));
    qputenv("HOME", home);
    if (!xdg.isNull())
        qputenv("XDG_DATA_HOME", xdg);
}

} // namespace
