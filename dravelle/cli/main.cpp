// dravelle-cli: templates, import, words, delays, colour reversal and .crs
// export of the animation editor, without a window.

#include "dravelle/cli/commands.h"

#include "common/app_dir.h"

#include <QGuiApplication>

namespace dravelle::cli {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int fail(const QString &message, int status)
{
    err() << "dravelle-cli: " << message << "\n";
    err().flush();
    return status;
}

namespace {

struct Command {
    const char *name;
    int (*run)(const QStringList &args);
    const char *usage;
};

// One row per command; keep the names stable, scripts rely on them.
const Command kCommands[] = {
    {"template", runTemplate, "template diamond|cross|circumgyrate|circle|rectangle [--res R] -o OUT.crs"},
    {"import", runImport,
     "import IN.(gif|crs|jpg|bmp) [--region full|horizontal|vertical] [--gray T] [--res R] -o OUT.crs"},
    {"words", runWords,
     "words \"TEXT\" [--font FACE] [--size N] [--color NAME] [--background NAME] [--start-x N]\n"
     "              [--start-y N] [--move-out] [--in IN.crs] [--res R] -o OUT.crs"},
    {"delay", runDelay, "delay MS IN.crs [--res R] -o OUT.crs"},
    {"reverse", runReverse, "reverse [--red] [--green] [--blue] [--page N | --all] IN.crs [--res R] -o OUT.crs"},
    {"info", runInfo, "info IN.crs [--res R]"},
};

void printUsage()
{
    out() << "Usage: dravelle-cli [--app-dir DIR] COMMAND [ARGS]\n\nCommands:\n";
    for (const Command &c : kCommands)
        out() << "  " << c.usage << "\n";
    out() << "  help\n\n"
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
    // Fonts need a GUI application, the command line needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    QString error;
    if (!common::takeAppDirArgument(args, &error))
        return fail(error, kExitUsage);
    args.removeFirst();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    for (const Command &c : kCommands)
        if (command == QLatin1String(c.name))
            return c.run(args);
    if (command.isEmpty() || command == QLatin1String("help") || command == QLatin1String("--help")) {
        printUsage();
        return command.isEmpty() ? kExitUsage : 0;
    }
    return fail(QStringLiteral("unknown command '%1' (see dravelle-cli help)").arg(command), kExitUsage);
}
