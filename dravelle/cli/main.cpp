// dravelle-cli: templates, import, words, delays, colour reversal and .crs
// export of the animation editor, without a window.

#include "dravelle/cli/commands.h"

#include "common/app_dir.h"
#include "common/command_line.h"
#include "common/folder_choice.h"

#include <QGuiApplication>

namespace dravelle::cli {

int fail(const QString &message, int status)
{
    return common::cli::fail(QStringLiteral("dravelle-cli"), message, status);
}

namespace {

using common::cli::Command;

// One row per command; keep the names stable, scripts rely on them.
const Command kCommands[] = {
    {"template", runTemplate, "template diamond|cross|circumgyrate|circle|rectangle [--res R] -o OUT.crs",
     "--res -o"},
    {"import", runImport,
     "import IN.(gif|crs|jpg|bmp) [--region full|horizontal|vertical] [--gray T] [--res R] -o OUT.crs",
     "--region --gray --res -o"},
    {"words", runWords,
     "words \"TEXT\" [--font FACE] [--size N] [--color NAME] [--background NAME] [--start-x N]\n"
     "              [--start-y N] [--move-out] [--in IN.crs] [--res R] -o OUT.crs",
     "--font --size --color --background --start-x --start-y --in --res -o", "--move-out"},
    {"delay", runDelay, "delay MS IN.crs [--res R] -o OUT.crs", "--res -o"},
    {"reverse", runReverse, "reverse [--red] [--green] [--blue] [--page N | --all] IN.crs [--res R] -o OUT.crs",
     "--page --res -o", "--red --green --blue --all"},
    {"info", runInfo, "info IN.crs [--res R]", "--res"},
};

void printUsage()
{
    out() << "Usage: dravelle-cli [--app-dir DIR] COMMAND [ARGS]\n\nCommands:\n";
    for (const Command &c : kCommands)
        out() << "  " << c.summary << "\n";
    out() << "  help\n\n"
             "COMMAND --help shows the usage of one command.\n"
             "R is 48 or 64; without --res it comes from Dravelle.ini (RESOLUTION).\n"
             "Colours: Black, Red, Green, Blue, Yellow, Purple, Cyan, White.\n"
             "Exit status: 0 done, 2 bad arguments, 3 a file could not be read or written.\n";
    out().flush();
}

} // namespace
} // namespace dravelle::cli

int main(int argc, char **argv)
{
    using namespace dravelle::cli;
    common::setProgramFolder(common::dravelleProgramFolder());
    // Fonts need a GUI application, the command line needs no display.
    common::cli::prepareHeadlessGui();
    QGuiApplication app(argc, argv);
    return common::cli::runCommand(QStringLiteral("dravelle-cli"), QCoreApplication::arguments(),
                                   kCommands, printUsage, kExitUsage);
}
