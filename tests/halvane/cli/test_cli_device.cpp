// The device commands of halvane-cli as scripts use them: the program run
// against virtual crosses on pseudo-terminals.

#include "tests/halvane/link/pty_fixture.h"

#include "common/profile.h"
#include "halvane/link/serial_port.h"

#include <QFileInfo>

#include <grp.h>
#include <unistd.h>

#include "tests/common/program_run.h"

namespace {

class CliDeviceTest : public PtyFixture {
protected:
    ProgramRun cli(const QStringList &args)
    {
        return runInAppDir(QStringLiteral(HALVANE_CLI_PATH), m_dir.path(), args, 60000);
    }
    QString boot(const char *key) const
    {
        return common::GetPrivateProfileStringA("BOOT", key, "?", 100, ini());
    }
};

TEST_F(CliDeviceTest, SearchPrintsPortRateAndResolution)
{
    addCross(2);
    writeIni("");
    ProgramRun r = cli({"search"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("COM2 9600 48x48\n"));
    EXPECT_EQ(boot("FIND"), QStringLiteral("1"));
    m_crosses.clear();
    r = cli({"search"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Can't find cross!\n"));
    EXPECT_EQ(boot("FIND"), QStringLiteral("0"));
}

TEST_F(CliDeviceTest, SchedulesAreSetAndReadBack)
{
    addCross(3);
    writeIni("PORT=3\nBAUDRATE=9600\nADDRESS4=EF\n");
    ProgramRun r = cli({"bright", "set", "06:00=1", "08:30=2", "18:00=3", "22:15=4"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("Set Bright Complete!\n"));
    r = cli({"bright", "get"});
    EXPECT_EQ(r.out, QStringLiteral("06:00 1\n08:30 2\n18:00 3\n22:15 4\n"));
    r = cli({"onoff", "set", "MON=07:00-12:00,13:30-22:00", "sunday=closed", "Tue=open"});
    EXPECT_EQ(r.out, QStringLiteral("Set Open/Close Complete!\n"));
    r = cli({"onoff", "get"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("Monday 07:00-12:00,13:30-22:00\nTuesday open\nWednesday open\n"
                                    "Thursday open\nFriday open\nSaturday open\nSunday closed\n"));
    r = cli({"bright", "set", "always", "3"});
    EXPECT_EQ(cli({"bright", "get"}).out, QStringLiteral("always 3\n"));
}

TEST_F(CliDeviceTest, BadValuesAreRefusedWithExitTwo)
{
    writeIni("PORT=3\nBAUDRATE=9600\n");
    ProgramRun r = cli({"bright", "set", "08:00=1", "08:00=2", "09:00=3", "10:00=4"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("HH2:MM2 is smaller than HH1:MM1")) << r.err.toStdString();
    r = cli({"onoff", "set", "wed=10:00-09:00,11:00-12:00"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("Wednesday HH2:MM2 is smaller than HH1:MM1")) << r.err.toStdString();
    EXPECT_EQ(cli({"bright", "set", "always", "5"}).exitCode, 2);
    EXPECT_EQ(cli({"bright", "set", "24:00=1", "08:00=2", "09:00=3", "10:00=4"}).exitCode, 2);
    EXPECT_EQ(cli({"onoff", "set", "funday=open"}).exitCode, 2);
    EXPECT_EQ(cli({"onoff", "set", "mon=open", "Monday=closed"}).exitCode, 2);
    EXPECT_EQ(cli({"params", "set", "--dots", "4"}).exitCode, 2);
    EXPECT_EQ(cli({"params", "set", "--factor", "11"}).exitCode, 2);
    EXPECT_EQ(cli({"params", "set", "--zone", "E13"}).exitCode, 2);
    EXPECT_EQ(cli({"address", "set", "5", "12AB34CD"}).exitCode, 2);
    EXPECT_EQ(cli({"address", "set", "1", "12AB34C"}).exitCode, 2);
    EXPECT_EQ(cli({"test", "--timeout", "0"}).exitCode, 2);
}

TEST_F(CliDeviceTest, PortThatDoesNotOpenGivesExitThree)
{
    writeIni("PORT=3\nBAUDRATE=9600\n");
    for (const QStringList &args : {QStringList{"version"}, QStringList{"find"}, QStringList{"sync-time"},
                                    QStringList{"bright", "get"}, QStringList{"onoff", "set", "mon=open"}}) {
        const ProgramRun r = cli(args);
        EXPECT_EQ(r.exitCode, 3) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Can't Open Com Port!")) << r.err.toStdString();
    }
}

TEST_F(CliDeviceTest, ParamsTakeEffectInHalvaneIniAndOnTheCross)
{
    cross_sim::PtyCross &cross = addCross(3);
    writeIni("PORT=3\nBAUDRATE=9600\nCROSSSTYLE=0\nTIMEZONE=8\n");
    ProgramRun r = cli({"params", "set", "--resolution", "64", "--dots=2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(boot("CROSSSTYLE"), QStringLiteral("1"));
    EXPECT_EQ(boot("HARNESSFRAMEDOTS"), QStringLiteral("2"));
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().commandsSeen; }), 0) << "nothing sent";
    r = cli({"params", "set", "--factor", "-3"});
    EXPECT_EQ(r.out, QStringLiteral("Set cross's parameters ok!\n"));
    ASSERT_TRUE(cross.waitForCommands(1, 5000));
    EXPECT_EQ(cross.withCross([](const auto &c) { return c.state().parameters; }),
              QByteArray::fromHex("000101000000030000F30100 0208FD00")) << "zone 8 from Halvane.ini";
    EXPECT_EQ(boot("TEMPFACTOR"), QStringLiteral("13"));
}

TEST_F(CliDeviceTest, AddressesFindAndVersion)
{
    cross_sim::CrossConfig other;
    other.address = {0x12, 0xAB, 0x34, 0xCD};
    other.version = "CRS64V10";
    addCross(3, other);
    writeIni("PORT=3\nBAUDRATE=9600\n");
    ProgramRun r = cli({"find"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Can't find cross!\n"));
    EXPECT_EQ(cli({"address", "set", "2", "12ab34cd"}).exitCode, 0);
    EXPECT_EQ(cli({"address"}).out, QStringLiteral("No 1          \nNo 2  12AB34CD  current\nNo 3          \nNo 4          \n"));
    r = cli({"find"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("Find cross!\n"));
    EXPECT_EQ(cli({"version"}).out, QStringLiteral("CRS64V10\n"));
}

// Runs halvane-cli as a user without rights to the terminals: "nobody" when
// the tests run as root, else this user after the terminal of `port` is made
// unreadable.
class CliPortAccessTest : public CliDeviceTest {
protected:
    ProgramRun cliWithoutAccess(const QStringList &args, int port)
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                                QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        QProcess p;
        if (::geteuid() == 0) {
            p.setChildProcessModifier([] {
                constexpr gid_t kNobody = 65534;
                if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                    ::_exit(99);
            });
        } else {
            QFile::setPermissions(canonical(port), QFileDevice::Permissions());
        }
        p.start(QStringLiteral(HALVANE_CLI_PATH), QStringList{QStringLiteral("--app-dir"), m_dir.path()} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QString canonical(int port) const { return QFileInfo(device(port)).canonicalFilePath(); }
    QString device(int port) const { return path(QStringLiteral("com%1").arg(port)); }
    // The line of `ports` for COM<port>.
    static QString row(const QString &listing, int port)
    {
        for (const QString &line : listing.split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("COM%1 ").arg(port)))
                return line;
        return {};
    }
};

TEST_F(CliPortAccessTest, PortsListsEachDeviceAndWhatStandsInTheWay)
{
    addCross(1);
    addCross(3);
    writeIni("");
    ASSERT_TRUE(common::WritePrivateProfileStringA(QStringLiteral("PORTS"), QStringLiteral("COM4"), QString(), ini()));
    halvane::link::SerialPortOpener opener(ini());
    auto held = opener.open(3, 9600); // this test holds COM3 while the program looks
    ASSERT_NE(held, nullptr);

    const ProgramRun r = cli({"ports"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.count(QLatin1Char('\n')), 16) << r.out.toStdString();
    EXPECT_TRUE(row(r.out, 1).contains(device(1)));
    EXPECT_TRUE(row(r.out, 1).endsWith(QStringLiteral("readable, writable"))) << r.out.toStdString();
    EXPECT_TRUE(row(r.out, 2).contains(device(2)));
    EXPECT_TRUE(row(r.out, 2).endsWith(QStringLiteral("does not exist"))) << r.out.toStdString();
    EXPECT_TRUE(row(r.out, 3).contains(QStringLiteral("busy: held by process %1 (").arg(QCoreApplication::applicationPid())))
        << r.out.toStdString();
    EXPECT_TRUE(row(r.out, 3).contains(QStringLiteral("lock file "))) << r.out.toStdString();
    EXPECT_TRUE(row(r.out, 4).endsWith(QStringLiteral("no device"))) << r.out.toStdString();

    // The same port as a send or a cross command meets it.
    writeIni("PORT=3\nBAUDRATE=9600\n");
    const ProgramRun busy = cli({"find"});
    EXPECT_EQ(busy.exitCode, 3);
    EXPECT_TRUE(busy.err.contains(QStringLiteral("Can't Open Com Port!\nCOM3 (%1) is busy: held by process %2")
                                      .arg(device(3)).arg(QCoreApplication::applicationPid())))
        << busy.err.toStdString();
}

TEST_F(CliPortAccessTest, FailedSearchNamesThePortsInTheWay)
{
    addCross(3);
    writeIni("");
    halvane::link::SerialPortOpener opener(ini());
    auto held = opener.open(3, 9600); // the only cross is on a port this test holds
    ASSERT_NE(held, nullptr);
    const ProgramRun r = cli({"search"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QStringLiteral("Can't find cross!\n"));
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << "missing devices are not problems: " << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("halvane-cli: COM3 (%1) is busy: held by process %2")
                                     .arg(device(3)).arg(QCoreApplication::applicationPid())))
        << r.err.toStdString();
}

TEST_F(CliPortAccessTest, PermissionDeniedNamesTheDevicesGroup)
{
    addCross(1);
    writeIni("PORT=1\nBAUDRATE=9600\n");
    const QString group = QFileInfo(canonical(1)).group();
    ASSERT_FALSE(group.isEmpty());
    const ProgramRun r = cliWithoutAccess({"find"}, 1);
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Can't Open Com Port!\nCOM1 (%1): permission denied.").arg(device(1))))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("the group that owns the device, here \"%1\"").arg(group)))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("log in again"))) << r.err.toStdString();

    const ProgramRun listing = cliWithoutAccess({"ports"}, 1);
    EXPECT_TRUE(row(listing.out, 1).endsWith(QStringLiteral("not readable, not writable (group %1)").arg(group)))
        << listing.out.toStdString();
}

} // namespace
