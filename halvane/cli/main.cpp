// halvane-cli: Halvane's cross commands, project tools, image build, send and
// preview export for terminals and scripts.

#include "halvane/cli/commands.h"

#include "common/app_dir.h"

#include <QGuiApplication>

namespace halvane::cli {

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
    err() << "halvane-cli: " << message << "\n";
    err().flush();
    return status;
}

namespace {

struct Command {
    const char *name;
    int (*run)(const QStringList &args);
    const char *summary;
};

// One row per command; keep the names stable, scripts rely on them.
const Command kCommands[] = {
    {"info", runInfo, "the cross geometry and the settings of Halvane.ini"},
    {"project", runProject, kProjectUsage},
    {"preview", runPreview, kPreviewUsage},
};

void printUsage()
{
    out() << "Usage: halvane-cli [--app-dir DIR] COMMAND [ARGS]\n\nCommands:\n";
    for (const Command &c : kCommands)
        out() << "  " << QString::fromLatin1(c.name).leftJustified(12) << c.summary << "\n";
    out() << "  " << QStringLiteral("help").leftJustified(12) << "this text\n";
    out().flush();
}

} // namespace
} // namespace halvane::cli

int main(int argc, char **argv)
{
    using namespace halvane::cli;
    // Texts are drawn with the font engine, which needs a GUI application;
    // without a display it draws off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    QString error;
    if (!common::takeAppDirArgument(args, &error))
        return fail(error, 2);
    args.removeFirst();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    for (const Command &c : kCommands)
        if (command == QLatin1String(c.name))
            return c.run(args);
    if (command.isEmpty() || command == QLatin1String("help") || command == QLatin1String("--help")) {
        printUsage();
        return command.isEmpty() ? 2 : 0;
    }
    return fail(QStringLiteral("unknown command '%1' (see halvane-cli help)").arg(command), 2);
}
