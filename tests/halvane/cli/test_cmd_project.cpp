#include "tests/common/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include "tests/common/program_run.h"

namespace {

// halvane-cli project, run as a user would, in an application folder of its own.
class CmdProjectTest : public TempDirTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(path(QStringLiteral("animations")));
        writeFile(QStringLiteral("animations/rain.crs"), "GIF89a");
        writeFile(QStringLiteral("Halvane.ini"),
                  "[BOOT]\nHARNESSFRAMEDOTS=2\n[FONT]\nFONTNUM=2\nFONT1=Serif\nFONT2=Sans\n");
    }

    int run(const QStringList &args)
    {
        const ProgramRun r = runInAppDir(QStringLiteral(HALVANE_CLI), m_dir.path(), args, 30000);
        m_out = r.out.toUtf8();
        m_err = r.err;
        return r.exitCode;
    }

    int project(const QStringList &args)
    {
        return run(QStringList{QStringLiteral("project")} + args);
    }

    QJsonObject shown()
    {
        EXPECT_EQ(project({QStringLiteral("show"), plst(), QStringLiteral("--json")}), 0);
        return QJsonDocument::fromJson(m_out).object();
    }

    QString plst() const { return path(QStringLiteral("p.plst")); }

    QByteArray m_out;
    QString m_err;
};

TEST_F(CmdProjectTest, NewAddSetAndShowWorkTogether)
{
    ASSERT_EQ(project({QStringLiteral("new"), plst()}), 0) << m_err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("p.plst")).size(), 1652 + 120);
    ASSERT_EQ(project({QStringLiteral("add"), plst(), QStringLiteral("rain.crs"),
                       QStringLiteral("Hour")}),
              0);
    ASSERT_EQ(
        project({QStringLiteral("set"), plst(), QStringLiteral("Text1.text=Open 24h"),
                 QStringLiteral("Text1.font=Sans"), QStringLiteral("Text1.size=30"),
                 QStringLiteral("anim.rain.crs.speed=OFF"), QStringLiteral("Hour.back=rain.crs")}),
        0)
        << m_err.toStdString();

    const QJsonObject json = shown();
    EXPECT_EQ(json[QLatin1String("playList")].toArray(),
              (QJsonArray{QStringLiteral("rain.crs"), QStringLiteral("Hour")}));
    const QJsonObject rain = json[QLatin1String("animations")].toArray().at(0).toObject();
    EXPECT_EQ(rain[QLatin1String("file")].toString(), QStringLiteral("rain.crs"));
    EXPECT_EQ(rain[QLatin1String("inPlayList")].toInt(), 1);
    EXPECT_EQ(rain[QLatin1String("speed")].toInt(), 8);
    const QJsonObject hour = json[QLatin1String("items")][QLatin1String("Hour")].toObject();
    EXPECT_EQ(hour[QLatin1String("selected")].toInt(), 1);
    EXPECT_EQ(hour[QLatin1String("backAnimation")].toString(), QStringLiteral("rain.crs"));
    const QJsonObject text1 = json[QLatin1String("texts")][QLatin1String("Text1")].toObject();
    EXPECT_EQ(text1[QLatin1String("text")].toString(), QStringLiteral("Open 24h"));
    EXPECT_EQ(text1[QLatin1String("font")].toInt(), 1);
    EXPECT_EQ(text1[QLatin1String("size")].toInt(), 14);
    EXPECT_EQ(json[QLatin1String("texts")][QLatin1String("Text2")][QLatin1String("size")].toInt(),
              2)
        << "two harness frame dots give size \"18\"";

    ASSERT_EQ(project({QStringLiteral("remove"), plst(), QStringLiteral("rain.crs")}), 0);
    const QJsonObject onlyHour = shown();
    EXPECT_EQ(onlyHour[QLatin1String("playList")].toArray(), QJsonArray{QStringLiteral("Hour")});
    // One TOC entry and the end mark: one block; Hour's back animation, one
    // frame of a 48 cross (176 bytes) and the end mark: one block. Without a
    // rate in the settings a block takes at least 2350 ms, the send's steps 5700 ms.
    const QJsonObject memory = onlyHour[QLatin1String("memory")].toObject();
    const QJsonObject toc = memory[QLatin1String("regions")][QLatin1String("TOC")].toObject();
    EXPECT_EQ(toc[QLatin1String("bytes")].toInt(), 18);
    EXPECT_EQ(toc[QLatin1String("blocks")].toInt(), 1);
    EXPECT_EQ(memory[QLatin1String("regions")][QLatin1String("Animations")][QLatin1String("bytes")].toInt(), 178);
    EXPECT_EQ(memory[QLatin1String("blocks")].toInt(), 2);
    EXPECT_EQ(memory[QLatin1String("sendMs")].toInt(), 5700 + 2 * 2350);
    EXPECT_TRUE(memory[QLatin1String("fits")].toBool());

    EXPECT_EQ(project({QStringLiteral("show"), plst()}), 0);
    EXPECT_TRUE(m_out.contains("Hour")) << "the text form";
    EXPECT_TRUE(m_out.contains("Cross memory:\n  TOC: 18 of 65536 bytes, 1 block, 1%\n")) << m_out.toStdString();
    EXPECT_TRUE(m_out.contains("Sending takes at least 0:10 (2 blocks)")) << m_out.toStdString();
}

TEST_F(CmdProjectTest, RefusedChangesExit2AndChangeNothing)
{
    ASSERT_EQ(project({QStringLiteral("new"), plst()}), 0);
    const QByteArray before = readFile(QStringLiteral("p.plst"));
    EXPECT_EQ(project({QStringLiteral("set"), plst(), QStringLiteral("Text1.text=ok"),
                       QStringLiteral("anim.rain.crs.loop=12a")}),
              2);
    EXPECT_TRUE(m_err.contains(
        QStringLiteral("The characters can't be shown in the parameter LOOP of animation!")));
    EXPECT_EQ(project({QStringLiteral("add"), plst(), QStringLiteral("Hour"),
                       QStringLiteral("gone.crs")}),
              2);
    EXPECT_EQ(project({QStringLiteral("remove"), plst(), QStringLiteral("Date")}), 2);
    EXPECT_EQ(project({QStringLiteral("set"), plst(), QStringLiteral("Hour.time=0")}), 2);
    EXPECT_TRUE(m_err.contains(QStringLiteral("Please enter an integer between 1 and 1000.")));
    EXPECT_EQ(project({QStringLiteral("set"), plst(), QStringLiteral("Text1.font=Arial")}), 2);
    EXPECT_EQ(project({QStringLiteral("set"), plst(), QStringLiteral("Text9.text=x")}), 2);
    EXPECT_EQ(project({QStringLiteral("new"), plst()}), 2) << "an existing file is not replaced";
    EXPECT_EQ(readFile(QStringLiteral("p.plst")), before);
}

TEST_F(CmdProjectTest, FilesThatCannotBeReadExit3)
{
    EXPECT_EQ(project({QStringLiteral("show"), path(QStringLiteral("none.plst"))}), 3);
    writeFile(QStringLiteral("bad.plst"), QByteArray(100, '\0'));
    EXPECT_EQ(
        project({QStringLiteral("add"), path(QStringLiteral("bad.plst")), QStringLiteral("Hour")}),
        3);
    EXPECT_TRUE(m_err.contains(QStringLiteral("damaged"))) << m_err.toStdString();
    EXPECT_EQ(project({QStringLiteral("new"), path(QStringLiteral("no/such/folder/p.plst"))}), 3);
}

TEST_F(CmdProjectTest, EveryCommandExplainsItselfWithHelpAndRefusesUnknownOptions)
{
    const char *const commands[] = {"info", "search", "find", "address", "sync-time", "bright", "onoff", "params",
                                    "version", "test", "decode", "project", "preview", "build", "send"};
    for (const char *command : commands) {
        const QString name = QString::fromLatin1(command);
        EXPECT_EQ(run({name, QStringLiteral("--help")}), 0) << command;
        EXPECT_TRUE(QString::fromUtf8(m_out).startsWith(QStringLiteral("Usage: halvane-cli [--app-dir DIR] %1").arg(name)))
            << m_out.toStdString();
        EXPECT_EQ(run({name, QStringLiteral("--no-such-option")}), 2) << command;
        EXPECT_TRUE(m_err.contains(QStringLiteral("see halvane-cli %1 --help").arg(name))) << m_err.toStdString();
    }
    EXPECT_EQ(project({QStringLiteral("new"), plst(), QStringLiteral("--json")}), 2) << "--json is for show only";
    EXPECT_FALSE(QFile::exists(plst()));
}

} // namespace
