#include "common/command_line.h"

#include "common/app_dir.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

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

void prepareHeadlessGui()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::temp().filePath(QStringLiteral("runtime-%1").arg(::getuid()));
    if (!QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

} // namespace common::cli
