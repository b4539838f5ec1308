#include "common/command_line.h"

#include "common/app_dir.h"

namespace common::cli {

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

int fail(const QString &program, const QString &message, int status)
{
    err() << program << ": " << message << "\n";
    err().flush();
    return status;
}

int runCommand(const QString &program, QStringList arguments, std::span<const Command> commands,
               const std::function<void()> &printUsage, int usageStatus)
{
    QString error;
    if (!takeAppDirArgument(arguments, &error))
        return fail(program, error, usageStatus);
    if (!arguments.isEmpty())
        arguments.removeFirst();
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    for (const Command &c : commands)
        if (command == QLatin1String(c.name))
            return c.run(arguments);
    if (command.isEmpty() || command == QLatin1String("help") || command == QLatin1String("--help")) {
        printUsage();
        out().flush();
        return command.isEmpty() ? usageStatus : 0;
    }
    return fail(program, QStringLiteral("unknown command '%1' (see %2 help)").arg(command, program),
                usageStatus);
}

} // namespace common::cli
