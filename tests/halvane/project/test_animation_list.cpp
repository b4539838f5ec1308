#include "halvane/project/play_project.h"
#include "tests/common/temp_dir.h"

using namespace halvane::project;

namespace {

// The animation list of a project over its own animations folder.
class AnimationListTest : public TempDirTest {
protected:
    void SetUp() override { QDir().mkpath(path(QStringLiteral("animations"))); }

    void addToFolder(const QString &name, const QByteArray &bytes = "GIF89a")
    {
        writeFile(QStringLiteral("animations/") + name, bytes);
    }

    PlayProject newProject()
    {
        PlayProject project(AnimationLibrary(path(QStringLiteral("animations"))));
        m_build = project.newProject(0);
        return project;
    }

    static QStringList rowNames(const PlayProject &p)
    {
        QStringList names;
        for (const AnimationEntry &a : p.animationRows())
            names << a.fileName;
        return names;
    }

    AnimationListBuild m_build;
};

TEST_F(AnimationListTest, FolderScanTakesAnimationFilesOfAnyCase)
{
    addToFolder(QStringLiteral("b.crs"));
    addToFolder(QStringLiteral("A.BMP"));
    addToFolder(QStringLiteral("d.jpg"));
    addToFolder(QStringLiteral("c.gif"));
    addToFolder(QStringLiteral("notes.txt"));
    QDir().mkpath(path(QStringLiteral("animations/folder.crs")));
    const QString longName =
        QString(96, QLatin1Char('x')) + QStringLiteral(".crs"); // 100 characters
    addToFolder(longName);
    addToFolder(QString(95, QLatin1Char('y')) + QStringLiteral(".crs")); // 99 characters

    const PlayProject p = newProject();
    ASSERT_EQ(p.animations().size(), 4);
    for (const AnimationEntry &a : p.animations())
        EXPECT_EQ(a, defaultAnimationEntry(a.fileName));
    EXPECT_EQ(
        rowNames(p),
        (QStringList{QStringLiteral("A.BMP"), QStringLiteral("b.crs"), QStringLiteral("d.jpg"),
                     QString(95, QLatin1Char('y')) + QStringLiteral(".crs")}));
    ASSERT_EQ(m_build.refused.size(), 1);
    EXPECT_TRUE(m_build.refused[0].contains(longName));
}

TEST_F(AnimationListTest, RowsSortByLowerCasedNameAndActionsFindEntriesByName)
{
    addToFolder(QStringLiteral("Zeta.crs"));
    addToFolder(QStringLiteral("alpha.crs"));
    addToFolder(QStringLiteral("beta.crs"));
    PlayProject p = newProject();
    writeFile(QStringLiteral("Aardvark.jpg"), "JPEG");
    ASSERT_TRUE(p.addAnimation(path(QStringLiteral("Aardvark.jpg"))));
    EXPECT_EQ(p.animations().last().fileName, QStringLiteral("Aardvark.jpg"))
        << "the records keep their order";
    EXPECT_EQ(rowNames(p),
              (QStringList{QStringLiteral("Aardvark.jpg"), QStringLiteral("alpha.crs"),
                           QStringLiteral("beta.crs"), QStringLiteral("Zeta.crs")}));

    ASSERT_TRUE(p.setLoopText(QStringLiteral("beta.crs"), QStringLiteral("5")));
    ASSERT_TRUE(p.appendToPlayList(QStringLiteral("Zeta.crs")));
    EXPECT_EQ(p.findAnimation(QStringLiteral("beta.crs"))->loop, 5);
    EXPECT_EQ(p.findAnimation(QStringLiteral("Zeta.crs"))->inPlayList, 1);
    EXPECT_EQ(p.findAnimation(QStringLiteral("alpha.crs"))->loop, 1);
    ASSERT_TRUE(p.deleteAnimation(QStringLiteral("alpha.crs")));
    EXPECT_EQ(rowNames(p),
              (QStringList{QStringLiteral("Aardvark.jpg"), QStringLiteral("beta.crs"),
                           QStringLiteral("Zeta.crs")}));
}

TEST_F(AnimationListTest, AddCopiesFromElsewhereAndNeverOverItself)
{
    addToFolder(QStringLiteral("rain.crs"), "old rain");
    PlayProject p = newProject();
    // The folder's own file: no copy, and above all not emptied by copying onto itself.
    ASSERT_TRUE(p.addAnimation(path(QStringLiteral("animations/rain.crs"))));
    ASSERT_TRUE(p.addAnimation(path(QStringLiteral("animations/../animations/rain.crs"))));
    EXPECT_EQ(readFile(QStringLiteral("animations/rain.crs")), QByteArray("old rain"));
    EXPECT_EQ(p.animations().size(), 1);

    // The same name from elsewhere: no second row, but the folder's file is replaced.
    QDir().mkpath(path(QStringLiteral("elsewhere")));
    writeFile(QStringLiteral("elsewhere/rain.crs"), "new rain");
    ASSERT_TRUE(p.addAnimation(path(QStringLiteral("elsewhere/rain.crs"))));
    EXPECT_EQ(p.animations().size(), 1);
    EXPECT_EQ(readFile(QStringLiteral("animations/rain.crs")), QByteArray("new rain"));
    EXPECT_TRUE(p.isDirty());
}

TEST_F(AnimationListTest, AddRefusesNamesAndCopiesThatFail)
{
    PlayProject p = newProject();
    const QString longName = QString(97, QLatin1Char('l')) + QStringLiteral(".crs");
    writeFile(longName, "GIF");
    EXPECT_FALSE(p.addAnimation(path(longName)));
    const common::Status missing = p.addAnimation(path(QStringLiteral("gone.crs")));
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.message.contains(QStringLiteral("gone.crs")));
    writeFile(QStringLiteral("notes.txt"), "text");
    EXPECT_FALSE(p.addAnimation(path(QStringLiteral("notes.txt"))));
    EXPECT_TRUE(p.animations().isEmpty());
    EXPECT_FALSE(p.isDirty());
    EXPECT_TRUE(QDir(path(QStringLiteral("animations"))).isEmpty());
}

TEST_F(AnimationListTest, DeleteIsRefusedWhileInThePlayList)
{
    addToFolder(QStringLiteral("rain.crs"));
    PlayProject p = newProject();
    ASSERT_TRUE(p.appendToPlayList(QStringLiteral("rain.crs")));
    const common::Status refused = p.deleteAnimation(QStringLiteral("rain.crs"));
    EXPECT_EQ(refused.message, QString::fromLatin1(kAnimationSelectedMessage));
    EXPECT_EQ(p.animations().size(), 1);
    ASSERT_TRUE(p.removeFromPlayList(QStringLiteral("rain.crs")));
    EXPECT_TRUE(p.deleteAnimation(QStringLiteral("rain.crs")));
    EXPECT_TRUE(p.animations().isEmpty());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("animations/rain.crs")))) << "the file stays";
}

TEST_F(AnimationListTest, LoopTakesDigitsOnly)
{
    addToFolder(QStringLiteral("rain.crs"));
    PlayProject p = newProject();
    const QString rain = QStringLiteral("rain.crs");
    ASSERT_TRUE(p.setLoopText(rain, QStringLiteral("7")));
    const common::Status s = p.setLoopText(rain, QStringLiteral("12a"));
    EXPECT_EQ(s.message, QString::fromLatin1(kLoopCharactersMessage));
    EXPECT_EQ(p.findAnimation(rain)->loop, 1) << "\"1\" goes back into the cell";
    EXPECT_TRUE(p.setLoopText(rain, QString()));
    EXPECT_EQ(p.findAnimation(rain)->loop, 0);
    EXPECT_FALSE(p.setLoopText(rain, QStringLiteral("-3")));
    EXPECT_FALSE(p.setLoopText(rain, QStringLiteral(" 3")));
    EXPECT_TRUE(p.setLoopText(rain, QStringLiteral("2147483647")));
    EXPECT_EQ(p.findAnimation(rain)->loop, 2147483647);
    EXPECT_FALSE(p.setLoopText(rain, QStringLiteral("2147483648")));
    EXPECT_EQ(p.findAnimation(rain)->loop, 1);
}

TEST_F(AnimationListTest, SpeedAndFrameChoicesArePositionPlusOne)
{
    addToFolder(QStringLiteral("rain.crs"));
    PlayProject p = newProject();
    const QString rain = QStringLiteral("rain.crs");
    ASSERT_TRUE(p.setSpeedChoice(rain, speedChoices().indexOf(QStringLiteral("OFF"))));
    EXPECT_EQ(p.findAnimation(rain)->speed, 8);
    ASSERT_TRUE(
        p.setFrameChoice(rain, frameStyleChoices().indexOf(QStringLiteral("Flash two dots"))));
    EXPECT_EQ(p.findAnimation(rain)->frameStyle, 6);
    EXPECT_FALSE(p.setSpeedChoice(rain, 8));
    EXPECT_FALSE(p.setFrameChoice(rain, -1));
    EXPECT_FALSE(p.setSpeedChoice(QStringLiteral("RAIN.crs"), 0))
        << "names compare case-sensitively";
}

TEST_F(AnimationListTest, ProjectBuildDropsGoneFilesAndTicksWhatThePlayListHolds)
{
    addToFolder(QStringLiteral("a.crs"));
    addToFolder(QStringLiteral("b.crs"));
    addToFolder(QStringLiteral("c.crs"));
    addToFolder(QStringLiteral("new.crs"));
    PlayProject p = newProject();
    ASSERT_TRUE(p.deleteAnimation(QStringLiteral("new.crs")));
    ASSERT_TRUE(p.appendToPlayList(QStringLiteral("c.crs")));
    ASSERT_TRUE(p.saveAs(path(QStringLiteral("p.plst"))));
    QFile::remove(path(QStringLiteral("animations/b.crs")));

    PlayProject reopened(p.library());
    ASSERT_TRUE(reopened.open(path(QStringLiteral("p.plst"))));
    EXPECT_EQ(rowNames(reopened), (QStringList{QStringLiteral("a.crs"), QStringLiteral("c.crs")}))
        << "a titled project lists only its own animations";
    EXPECT_EQ(reopened.findAnimation(QStringLiteral("c.crs"))->inPlayList, 1);
    EXPECT_FALSE(reopened.isDirty());
}

} // namespace

// The two readings of a file name's ending agree on every name the
// animation list takes; the memory image's older rule also reads a name
// without the dot.
TEST(AnimationFileKinds, TheListAndTheImageReadEndingsAlike)
{
    using halvane::project::AnimationFileKind;
    using halvane::project::animationFileKind;
    using halvane::project::imageFileKind;
    for (const char *name : {"a.crs", "B.CRS", "c.Bmp", "d.JPG", "e.jpg"}) {
        EXPECT_NE(animationFileKind(name), AnimationFileKind::None) << name;
        EXPECT_EQ(animationFileKind(name), imageFileKind(name)) << name;
    }
    EXPECT_EQ(animationFileKind("x.crs"), AnimationFileKind::Animation);
    EXPECT_EQ(animationFileKind("x.bmp"), AnimationFileKind::Picture);
    for (const char *name : {"Hour", "Text1", "a.gif", "a.jpeg", "crs", ""})
        EXPECT_EQ(animationFileKind(name), AnimationFileKind::None) << name;
    EXPECT_EQ(imageFileKind("acrs"), AnimationFileKind::Animation);
    EXPECT_EQ(animationFileKind("acrs"), AnimationFileKind::None);
}
