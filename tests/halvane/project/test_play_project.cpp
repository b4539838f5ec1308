#include "halvane/project/play_project.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/project/plst_bytes.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

using namespace halvane::project;
using namespace halvane::settings;
using namespace plst_bytes;

namespace {

// A project over a fresh animations folder holding anim00.crs .. anim29.crs.
class PlayProjectTest : public TempDirTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(path(QStringLiteral("animations")));
        for (int i = 0; i < 30; ++i)
            writeFile(QStringLiteral("animations/") + anim(i), "GIF89a");
        m_project.emplace(AnimationLibrary(path(QStringLiteral("animations"))));
        m_project->newProject(0);
    }

    static QString anim(int i)
    {
        return QStringLiteral("anim%1.crs").arg(i, 2, 10, QLatin1Char('0'));
    }

    PlayProject &p() { return *m_project; }

    // Appends anim00 .. anim<count - 1>.
    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(p().appendToPlayList(anim(i))) << i;
    }

    QStringList names(const QList<PlayListEntry> &entries) const
    {
        QStringList out;
        for (const PlayListEntry &e : entries)
            out << e.name;
        return out;
    }

    std::optional<PlayProject> m_project;
};

TEST_F(PlayProjectTest, NewProjectListsTheFolderCleanAndUntitled)
{
    EXPECT_EQ(p().animations().size(), 30);
    EXPECT_TRUE(p().path().isEmpty());
    EXPECT_FALSE(p().isDirty());
    EXPECT_EQ(p().groupCount(), 1);
    p().newProject(3);
    EXPECT_EQ(p().text(0).size, 0) << "three harness frame dots give size \"16\"";
}

TEST_F(PlayProjectTest, SixteenthEntrySwitchesToTheSecondGroup)
{
    fill(15);
    EXPECT_EQ(p().currentGroup(), 0);
    EXPECT_FALSE(p().groupButtonsVisible());
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Hour")));
    EXPECT_EQ(p().currentGroup(), 1);
    EXPECT_TRUE(p().groupButtonsVisible());
    EXPECT_EQ(names(p().shownEntries()), QStringList{QStringLiteral("Hour")});
    EXPECT_EQ(p().item(0).selected, 1);
    EXPECT_TRUE(p().isDirty());
}

TEST_F(PlayProjectTest, FullPlayListRefusesAnimationsAndMessagesAlike)
{
    fill(30);
    const auto before = p().playList();
    for (const QString &name : {QStringLiteral("Text2"), QStringLiteral("Humidity")}) {
        const common::Status s = p().appendToPlayList(name);
        EXPECT_FALSE(s);
        EXPECT_EQ(s.message, QString::fromLatin1(kPlayListFullMessage));
    }
    ASSERT_TRUE(p().removeFromPlayList(anim(29)));
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Text2")));
    const common::Status s = p().appendToPlayList(anim(29));
    EXPECT_EQ(s.message, QString::fromLatin1(kPlayListFullMessage))
        << "an animation gets the same message";
    EXPECT_EQ(p().findAnimation(anim(29))->inPlayList, 0) << "its Select box stays clear";
    EXPECT_EQ(p().text(1).selected, 1);
    EXPECT_EQ(p().item(3).selected, 0);
    EXPECT_EQ(p().playList().size(), 30);
}

TEST_F(PlayProjectTest, AppendRefusesUnknownAndRepeatedNames)
{
    EXPECT_FALSE(p().appendToPlayList(QStringLiteral("missing.crs")));
    EXPECT_FALSE(p().appendToPlayList(QStringLiteral("hour"))) << "keywords are case-sensitive";
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Date")));
    EXPECT_FALSE(p().appendToPlayList(QStringLiteral("Date")));
    QFile::remove(path(QStringLiteral("animations/")) + anim(3));
    EXPECT_FALSE(p().appendToPlayList(anim(3))) << "its file has gone since the list was built";
    EXPECT_EQ(p().playList().size(), 1);
}

TEST_F(PlayProjectTest, RemovingFromAGroupNotShownFails)
{
    fill(16);
    ASSERT_EQ(p().currentGroup(), 1);
    EXPECT_FALSE(p().removeFromPlayList(anim(0)));
    EXPECT_EQ(p().playList().size(), 16);
    EXPECT_EQ(p().findAnimation(anim(0))->inPlayList, 1) << "the box stays ticked";
    p().showGroup(0);
    EXPECT_TRUE(p().removeFromPlayList(anim(0)));
    EXPECT_EQ(p().findAnimation(anim(0))->inPlayList, 0);
}

TEST_F(PlayProjectTest, RemovingDownToFifteenShowsGroupZero)
{
    fill(17);
    ASSERT_TRUE(p().removeFromPlayList(anim(16)));
    EXPECT_EQ(p().currentGroup(), 1);
    EXPECT_TRUE(p().groupButtonsVisible());
    ASSERT_TRUE(p().removeFromPlayList(anim(15)));
    EXPECT_EQ(p().playList().size(), 15);
    EXPECT_EQ(p().currentGroup(), 0);
    EXPECT_FALSE(p().groupButtonsVisible());
}

TEST_F(PlayProjectTest, UpAndDownStayInsideTheGroup)
{
    fill(20);
    p().showGroup(0);
    EXPECT_FALSE(p().moveUp(0));
    EXPECT_FALSE(p().moveDown(14)) << "entry 14 never moves into group 1";
    p().showGroup(1);
    EXPECT_FALSE(p().moveUp(0)) << "entry 15 never moves into group 0";
    EXPECT_FALSE(p().moveDown(4)) << "last entry of a partly filled group";
    EXPECT_FALSE(p().moveDown(5));
    const auto unchanged = p().playList();
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("p.plst"))));
    ASSERT_TRUE(p().moveDown(0));
    EXPECT_EQ(p().playList()[15].name, anim(16));
    EXPECT_EQ(p().playList()[16].name, anim(15));
    EXPECT_TRUE(p().isDirty());
    ASSERT_TRUE(p().moveUp(1));
    EXPECT_EQ(p().playList(), unchanged);
}

TEST_F(PlayProjectTest, ShowingAGroupDropsEntriesWhoseFileHasGone)
{
    fill(18);
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("p.plst"))));
    for (int gone : {3, 4, 16})
        QFile::remove(path(QStringLiteral("animations/")) + anim(gone));
    // anim15 and anim16 move up into group 0 as anim03 and anim04 go; anim16 goes too.
    EXPECT_EQ(p().showGroup(0), (QStringList{anim(3), anim(4), anim(16)}));
    EXPECT_EQ(p().playList().size(), 15);
    ASSERT_EQ(p().shownEntries().size(), 15);
    EXPECT_EQ(p().shownEntries()[3].name, anim(5)) << "the entries after it are all shown";
    EXPECT_EQ(p().shownEntries()[14].name, anim(17));
    EXPECT_EQ(p().groupCount(), 1);
    EXPECT_FALSE(p().isDirty()) << "the clean-up is no change of the user's";
}

TEST_F(PlayProjectTest, EveryCleanUpIsReportedOnceForTheWindow)
{
    fill(16);
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("p.plst"))));
    for (int gone : {2, 15})
        QFile::remove(path(QStringLiteral("animations/")) + anim(gone));
    (void)p().takeDroppedEntries();
    // Open drops from the animation list and from the shown group; both
    // clean-ups discard their own result there.
    ASSERT_TRUE(p().open(path(QStringLiteral("p.plst"))));
    const QStringList dropped = p().takeDroppedEntries();
    EXPECT_TRUE(dropped.contains(anim(2)));
    EXPECT_TRUE(dropped.contains(anim(15)));
    EXPECT_TRUE(p().takeDroppedEntries().isEmpty()) << "taken once";
    // An append cleans the shown group first and reports that too.
    QFile::remove(path(QStringLiteral("animations/")) + anim(3));
    ASSERT_TRUE(p().appendToPlayList(anim(20)));
    EXPECT_EQ(p().takeDroppedEntries(), QStringList{anim(3)});
}

TEST_F(PlayProjectTest, OnlyTheShownGroupIsCleanedAndAnEmptiedGroupGivesWay)
{
    fill(16);
    QFile::remove(path(QStringLiteral("animations/")) + anim(15));
    EXPECT_TRUE(p().showGroup(0).isEmpty());
    EXPECT_EQ(p().playList().size(), 16);
    EXPECT_EQ(p().showGroup(1), QStringList{anim(15)});
    EXPECT_EQ(p().currentGroup(), 0) << "group 1 no longer exists";
    EXPECT_FALSE(p().groupButtonsVisible());
}

TEST_F(PlayProjectTest, AppendAtFifteenCleansGroupOneBeforeAppending)
{
    fill(17);
    p().showGroup(0);
    QFile::remove(path(QStringLiteral("animations/")) + anim(16));
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Text1")));
    EXPECT_EQ(p().currentGroup(), 1);
    EXPECT_EQ(p().shownEntries().size(), 2);
    EXPECT_EQ(p().playList().last().name, QStringLiteral("Text1"));
}

TEST_F(PlayProjectTest, SaveAndLoadKeepEveryRecord)
{
    fill(3);
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Text3")));
    ASSERT_TRUE(p().setText(2, QStringLiteral(u"Caf\u00E9 \u20AC5")));
    ASSERT_TRUE(p().setItemBackAnimation(1, anim(7)));
    ASSERT_TRUE(p().setSpeedChoice(anim(1), 7));
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("p.plst"))));
    EXPECT_EQ(readFile(QStringLiteral("p.plst")).size(), 1652 + 4 * 100 + 30 * 120);

    PlayProject other(p().library());
    ASSERT_TRUE(other.open(path(QStringLiteral("p.plst"))));
    EXPECT_EQ(other.data(), p().data());
    EXPECT_EQ(other.path(), QFileInfo(path(QStringLiteral("p.plst"))).absoluteFilePath());
    EXPECT_EQ(speedChoices().at(other.findAnimation(anim(1))->speed - 1), QStringLiteral("OFF"));
}

TEST_F(PlayProjectTest, DamagedFileLeavesTheProjectAsItWas)
{
    fill(2);
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("good.plst"))));
    ASSERT_TRUE(p().setItemTime(2, 9));
    const PlayProjectData before = p().data();
    writeFile(QStringLiteral("bad.plst"),
              le32(1) + field("../../etc/x.crs", 100) + le32(0) + defaultMessages());
    writeFile(QStringLiteral("short.plst"), le32(0) + le32(0));
    for (const QString &name :
         {QStringLiteral("bad.plst"), QStringLiteral("short.plst"), QStringLiteral("none.plst")}) {
        const common::Status s = p().open(path(name));
        EXPECT_FALSE(s) << name.toStdString();
        EXPECT_TRUE(s.message.contains(name)) << s.message.toStdString();
        EXPECT_EQ(p().data(), before);
        EXPECT_TRUE(p().isDirty());
        EXPECT_EQ(p().path(), QFileInfo(path(QStringLiteral("good.plst"))).absoluteFilePath());
    }
}

TEST_F(PlayProjectTest, FailedSaveKeepsOldFileAndDirtyFlag)
{
    const QString folder = path(QStringLiteral("ro"));
    QDir().mkpath(folder);
    ASSERT_TRUE(p().saveAs(folder + QStringLiteral("/p.plst")));
    const QByteArray before = readFile(QStringLiteral("ro/p.plst"));
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Hour")));
    {
        UnwritableFolder lock(folder);
        if (!lock.holds())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        EXPECT_FALSE(p().save());
        EXPECT_FALSE(p().saveAs(folder + QStringLiteral("/q.plst")));
    }
    EXPECT_TRUE(p().isDirty());
    EXPECT_EQ(p().path(), QFileInfo(folder + QStringLiteral("/p.plst")).absoluteFilePath());
    EXPECT_EQ(readFile(QStringLiteral("ro/p.plst")), before);
    EXPECT_TRUE(p().save());
    EXPECT_FALSE(p().isDirty());
}

TEST_F(PlayProjectTest, UntitledSaveAsksForAName)
{
    EXPECT_FALSE(p().save());
}

TEST_F(PlayProjectTest, OpenAndSaveAsRememberTheProjectInTheSettingsFile)
{
    const QString ini = path(QStringLiteral("Halvane.ini"));
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("a.plst"))));
    EXPECT_EQ(previousProjectPath(ini), QString()) << "nothing remembered without a settings file";
    p().setSettingsFile(ini);
    ASSERT_TRUE(p().saveAs(path(QStringLiteral("b.plst"))));
    EXPECT_EQ(previousProjectPath(ini),
              QFileInfo(path(QStringLiteral("b.plst"))).absoluteFilePath());
    ASSERT_TRUE(p().open(path(QStringLiteral("a.plst"))));
    EXPECT_EQ(previousProjectPath(ini),
              QFileInfo(path(QStringLiteral("a.plst"))).absoluteFilePath());
    p().newProject(0);
    EXPECT_EQ(previousProjectPath(ini),
              QFileInfo(path(QStringLiteral("a.plst"))).absoluteFilePath())
        << "New leaves PREFILE alone";
    QFile::remove(path(QStringLiteral("a.plst")));
    EXPECT_EQ(previousProjectPath(ini), QString()) << "a file that has gone is not reopened";
}

TEST_F(PlayProjectTest, MessageSettingsFollowTheWindowRules)
{
    EXPECT_EQ(p().setItemTime(0, 0).message, QString::fromLatin1(kHourTimeRangeMessage));
    EXPECT_FALSE(p().setItemTime(0, 1001));
    EXPECT_TRUE(p().setItemTime(0, 1000));
    EXPECT_TRUE(p().setItemTime(1, -5)) << "Date takes any integer";
    EXPECT_EQ(p().item(1).time, -5);
    EXPECT_TRUE(p().setText(0, QString(255, QLatin1Char('a'))));
    EXPECT_FALSE(p().setText(0, QString(256, QLatin1Char('a'))));
    EXPECT_EQ(p().text(0).text.size(), 255);
    EXPECT_FALSE(p().setText(1, QStringLiteral(u"\u65E5\u672C")));
    EXPECT_FALSE(p().setTextSpeed(1, 8));
    EXPECT_FALSE(p().setTextSizeChoice(1, 15));
    EXPECT_TRUE(p().setTextSizeChoice(1, 14));
    EXPECT_FALSE(p().setItemBackAnimation(0, QStringLiteral("nothere.crs")));
    EXPECT_FALSE(p().setTextBackAnimation(0, QStringLiteral("../anim00.crs")));
    EXPECT_TRUE(p().setTextBackAnimation(0, anim(0)));
    EXPECT_TRUE(p().setTextBackAnimation(0, QString())) << "none";
    EXPECT_FALSE(p().setItemTime(4, 3)) << "there are four data messages";
    EXPECT_FALSE(p().setTextBold(3, true)) << "and three texts";
}

} // namespace

// Every change is told once, after it is made, with what it touched; a
// refused change tells nothing; New and Open tell Whole once they are done.
TEST_F(PlayProjectTest, ChangeNoticesTellWhatChanged)
{
    using Part = ProjectChange::Part;
    std::vector<ProjectChange> heard;
    QStringList playListSeen;
    const int id = p().addChangeListener([&](const ProjectChange &change) {
        heard.push_back(change);
        playListSeen = names(p().playList());
    });
    const quint64 before = p().revision();

    ASSERT_TRUE(p().appendToPlayList(anim(3)));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].part, Part::PlayList);
    EXPECT_EQ(heard[0].name, anim(3));
    EXPECT_EQ(playListSeen, QStringList{anim(3)}) << "told after the change";

    EXPECT_FALSE(p().appendToPlayList(anim(3)));
    EXPECT_FALSE(p().setItemTime(0, 5000));
    EXPECT_FALSE(p().setSpeedChoice(anim(4), 99));
    EXPECT_EQ(heard.size(), 1u) << "refused changes tell nothing";

    ASSERT_TRUE(p().setItemTime(2, 9));
    ASSERT_TRUE(p().setText(1, QStringLiteral("Hi")));
    ASSERT_TRUE(p().setFrameChoice(anim(4), 2));
    ASSERT_TRUE(p().appendToPlayList(QStringLiteral("Hour")));
    ASSERT_TRUE(p().moveUp(1));
    ASSERT_EQ(heard.size(), 6u);
    EXPECT_EQ(heard[1].part, Part::Item);
    EXPECT_EQ(heard[1].index, 2);
    EXPECT_EQ(heard[2].part, Part::Text);
    EXPECT_EQ(heard[2].index, 1);
    EXPECT_EQ(heard[3].part, Part::Animation);
    EXPECT_EQ(heard[3].name, anim(4));
    EXPECT_EQ(heard[5].part, Part::PlayList);
    EXPECT_EQ(heard[5].name, QStringLiteral("Hour"));
    EXPECT_EQ(p().revision(), before + 6);

    // A clean-up tells which entries went.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("animations/") + anim(3))));
    heard.clear();
    p().showGroup(0);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].part, Part::Dropped);
    EXPECT_EQ(heard[0].dropped, QStringList{anim(3)});

    // Open: the animation entry whose file went is dropped, then one Whole
    // notice once the animation list is built.
    const QString file = path(QStringLiteral("p.plst"));
    ASSERT_TRUE(p().saveAs(file));
    heard.clear();
    std::optional<bool> inPlayListSeen;
    const int second = p().addChangeListener([&](const ProjectChange &change) {
        if (change.part == Part::Whole)
            inPlayListSeen = p().findAnimation(anim(4)) != nullptr;
    });
    ASSERT_TRUE(p().open(file));
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].part, Part::Dropped);
    EXPECT_EQ(heard[0].dropped, QStringList{anim(3)});
    EXPECT_EQ(heard[1].part, Part::Whole);
    EXPECT_EQ(inPlayListSeen, true);
    p().removeChangeListener(second);

    heard.clear();
    p().newProject(0);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].part, Part::Whole);

    p().removeChangeListener(id);
    ASSERT_TRUE(p().appendToPlayList(anim(5)));
    EXPECT_EQ(heard.size(), 1u) << "a removed listener hears nothing";
}
