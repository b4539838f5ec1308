// The command-line runner every program shares: options by name, usage errors
// as one status, --help and --app-dir everywhere.

#include "common/app_dir.h"
#include "common/command_line.h"

#include <gtest/gtest.h>

namespace {

using common::cli::Arguments;
using common::cli::Command;

const QStringList kValued{QStringLiteral("--res"), QStringLiteral("-o"), QStringLiteral("--start-x")};
const QStringList kSwitches{QStringLiteral("--all")};

bool parse(const QStringList &args, Arguments &parsed, QString *error = nullptr)
{
    QString why;
    const bool ok = common::cli::parseArguments(args, kValued, kSwitches, parsed, &why);
    if (error)
        *error = why;
    return ok;
}

TEST(CommandLineTest, OptionsAreTakenByNameInEitherFormAndTheRestKeepsItsOrder)
{
    Arguments a;
    ASSERT_TRUE(parse({"in.crs", "--res=64", "--all", "-o", "out.crs", "--start-x", "-5", "more"}, a));
    EXPECT_EQ(a.positional, (QStringList{"in.crs", "more"}));
    EXPECT_EQ(a.value("--res"), QStringLiteral("64"));
    EXPECT_EQ(a.value("-o"), QStringLiteral("out.crs"));
    EXPECT_EQ(a.value("--start-x"), QStringLiteral("-5")) << "a value may start with a dash";
    EXPECT_TRUE(a.has("--all"));
    EXPECT_FALSE(a.has("--red"));

    Arguments rest;
    ASSERT_TRUE(parse({"--", "--all", "-"}, rest));
    EXPECT_EQ(rest.positional, (QStringList{"--all", "-"})) << "after -- nothing is an option";
    EXPECT_FALSE(rest.has("--all"));
}

TEST(CommandLineTest, UnknownRepeatedOrIncompleteOptionsAreRefused)
{
    const QStringList bad[] = {
        {"--bogus"}, {"--res"}, {"--res", "48", "--res=64"}, {"--all=yes"}, {"-x"},
    };
    for (const QStringList &args : bad) {
        Arguments a;
        QString error;
        EXPECT_FALSE(parse(args, a, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    Arguments twice;
    QString error;
    parse({"--res", "48", "--res", "48"}, twice, &error);
    EXPECT_TRUE(error.contains("--res is given twice")) << error.toStdString();
}

// A table of one command that records how it was called.
Arguments g_seen;
int g_runs = 0;
int record(const Arguments &args)
{
    g_seen = args;
    ++g_runs;
    return 7;
}
const Command kTable[] = {{"go", record, "go FILE [--res R]", "--res", "--all"}};

int run(const QStringList &args)
{
    return common::cli::runCommand(QStringLiteral("prog"), QStringList{QStringLiteral("prog")} + args, kTable,
                                   [] {}, 2);
}

TEST(CommandLineTest, TheRunnerParsesTheCommandsOptionsAndRefusesBadUsageWithOneStatus)
{
    g_runs = 0;
    EXPECT_EQ(run({"go", "f", "--res", "48"}), 7);
    EXPECT_EQ(g_seen.positional, QStringList{"f"});
    EXPECT_EQ(g_seen.value("--res"), QStringLiteral("48"));

    EXPECT_EQ(run({"go", "--help"}), 0);
    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_EQ(run({"help"}), 0);
    EXPECT_EQ(run({}), 2);
    EXPECT_EQ(run({"go", "--zone", "E1"}), 2);
    EXPECT_EQ(run({"went"}), 2);
    EXPECT_EQ(run({"--app-dir"}), 2);
    EXPECT_EQ(g_runs, 1) << "help and usage errors run nothing";
}

TEST(CommandLineTest, AppDirWorksBeforeAndAfterTheCommand)
{
    const QString before = common::applicationFolder();
    EXPECT_EQ(run({"--app-dir", "/tmp/cli-a", "go", "f"}), 7);
    EXPECT_TRUE(common::applicationFolder().startsWith(QStringLiteral("/tmp/cli-a")));
    EXPECT_EQ(run({"go", "f", "--app-dir=/tmp/cli-b"}), 7);
    EXPECT_TRUE(common::applicationFolder().startsWith(QStringLiteral("/tmp/cli-b")));
    EXPECT_FALSE(g_seen.has("--app-dir")) << "the command never sees it";
    common::setApplicationFolder(before);
}

} // namespace
