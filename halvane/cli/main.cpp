// halvane-cli: Halvane's cross commands, project tools, image build, send and
// preview export for terminals and scripts.

#include "halvane/cli/commands.h"
#include "halvane/cli/link_cli.h"

#include "common/command_line.h"

#include <QGuiApplication>

#include <memory>

namespace halvane::cli {

int fail(const QString &message, int status)
{
    return common::cli::fail(QStringLiteral("halvane-cli"), message, status);
}

namespace {

using common::cli::Command;

// One row per command; keep the names stable, scripts rely on them.
const Command kCommands[] = {
    {"info", runInfo, "the cross geometry and the settings of Halvane.ini"},
    {"search", runSearch, "search COM1..COM16 for the cross: \"COM<n> <rate> 48x48|64x64|Error\""},
    {"find", runFind, "find the cross at the current address: \"Find cross!\""},
    {"address", runAddress, "the four stored addresses; address set N HEX8 makes one current"},
    {"sync-time", runSyncTime, "set the cross clock from the local time"},
    {"bright", runBright, "bright get | bright set auto | always L | HH:MM=L x4 (L = 1..4)"},
    {"onoff", runOnOff, "onoff get | onoff set DAY=open|closed|HH:MM-HH:MM,HH:MM-HH:MM ..."},
    {"params", runParams, "params set [--resolution 48|64] [--dots 0-3] [--zone TEXT] [--factor N]",
     "--resolution --dots --zone --factor"},
    {"version", runVersion, "the cross's eight version characters"},
    {"test", runTest, "test [--timeout S]: wait for the cross's self-test frames", "--timeout"},
    {"decode", runDecode, "FILE [--out DIR]: frames, delays and disposal of a picture", "--out"},
    {"project", runProject, kProjectUsage, "", "--json"},
    {"preview", runPreview, kPreviewUsage, "--entry --out --dot"},
    {"build", runBuild, kBuildUsage, "--out"},
    {"send", runSend, kSendUsage},
};

void printUsage()
{
    out() << "Usage: halvane-cli [--app-dir DIR] COMMAND [ARGS]\n\nCommands:\n";
    for (const Command &c : kCommands)
        out() << "  " << QString::fromLatin1(c.name).leftJustified(12) << c.summary << "\n";
    out() << "  " << QStringLiteral("help").leftJustified(12) << "this text; COMMAND --help: one command's usage\n";
    out() << deviceHelp();
    out().flush();
}

// Commands that draw text need the font engine, which needs a GUI
// application; without a display it draws off-screen. `project show` measures
// the images a send would build.
const char *const kTextCommands[] = {"preview", "build", "send", "project"};

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *name : kTextCommands)
            if (qstrcmp(argv[i], name) == 0) {
                common::cli::prepareHeadlessGui();
                return std::make_unique<QGuiApplication>(argc, argv);
            }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace
} // namespace halvane::cli

int main(int argc, char **argv)
{
    using namespace halvane::cli;
    const auto app = makeApplication(argc, argv);
    return common::cli::runCommand(QStringLiteral("halvane-cli"), QCoreApplication::arguments(),
                                   kCommands, printUsage, 2);
}
