#include "common/command_line.h"

#include "common/app_dir.h"

#include <QCommandLineParser>
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

namespace {

const QString kAppDir = QStringLiteral("app-dir");

QStringList optionNames(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString bare(const QString &option)
{
    qsizetype dashes = 0;
    while (dashes < option.size() && option.at(dashes) == QLatin1Char('-'))
        ++dashes;
    return option.mid(dashes);
}

void printCommandHelp(const QString &program, const Command &c)
{
    out() << "Usage: " << program << " [--app-dir DIR] " << c.name << " [ARGS]\n  "
          << QString::fromUtf8(c.summary).replace(QLatin1Char('\n'), QLatin1String("\n  ")) << "\n";
    const QStringList valued = optionNames(c.valued), switches = optionNames(c.switches);
    if (!valued.isEmpty() || !switches.isEmpty())
        out() << "Options: " << (valued + switches).join(QLatin1String(", ")) << ", --help\n";
    out().flush();
}

} // namespace

void prepareFolderOrWarn(const QString &program)
{
    if (const Status prepared = prepareApplicationFolder(); !prepared) {
        err() << program << ": " << prepared.message << "\n";
        err().flush();
    }
}

std::optional<int> parseCommon(QCommandLineParser &parser, const QString &program, const QStringList &arguments,
                               const std::function<void()> &help, int usageStatus)
{
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this text."));
    parser.addOption(helpOption);
    parser.addOption({kAppDir, QStringLiteral("The application folder (default: this program's folder)."),
                      QStringLiteral("DIR")});
    if (!parser.parse(arguments))
        return fail(program, parser.errorText(), usageStatus);
    if (parser.values(kAppDir).size() > 1)
        return fail(program, QStringLiteral("--app-dir is given twice"), usageStatus);
    if (parser.isSet(kAppDir))
        setApplicationFolder(parser.value(kAppDir));
    if (parser.isSet(helpOption)) {
        help();
        out().flush();
        return 0;
    }
    return std::nullopt;
}

bool parseArguments(const QStringList &args, const QStringList &valued, const QStringList &switches,
                    Arguments &parsed, QString *error)
{
    QCommandLineParser parser;
    for (const QString &name : valued)
        parser.addOption({bare(name), QString(), QStringLiteral("value")});
    for (const QString &name : switches)
        parser.addOption({bare(name), QString()});
    if (!parser.parse(QStringList{QString()} + args)) {
        *error = parser.errorText();
        return false;
    }
    for (const QString &name : valued) {
        const QStringList values = parser.values(bare(name));
        if (values.size() > 1) {
            *error = QStringLiteral("%1 is given twice").arg(name);
            return false;
        }
        if (!values.isEmpty())
            parsed.values.insert(name, values.first());
    }
    for (const QString &name : switches)
        if (parser.isSet(bare(name)))
            parsed.switches.insert(name);
    parsed.positional = parser.positionalArguments();
    return true;
}

int runCommand(const QString &program, const QStringList &arguments, std::span<const Command> commands,
               const std::function<void()> &printUsage, int usageStatus)
{
    QCommandLineParser top;
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (const auto done = parseCommon(top, program, arguments, printUsage, usageStatus))
        return *done;
    QStringList rest = top.positionalArguments();
    const QString command = rest.isEmpty() ? QString() : rest.takeFirst();
    if (command.isEmpty() || command == QLatin1String("help")) {
        printUsage();
        out().flush();
        return command.isEmpty() ? usageStatus : 0;
    }
    for (const Command &c : commands) {
        if (command != QLatin1String(c.name))
            continue;
        Arguments parsed;
        QString error;
        if (!parseArguments(rest, optionNames(c.valued) << QStringLiteral("--app-dir"),
                            optionNames(c.switches) << QStringLiteral("--help"), parsed, &error))
            return fail(program, QStringLiteral("%1 (see %2 %3 --help)").arg(error, program, command), usageStatus);
        if (parsed.switches.contains(QStringLiteral("--help"))) {
            printCommandHelp(program, c);
            return 0;
        }
        if (parsed.has(QStringLiteral("--app-dir")))
            setApplicationFolder(parsed.values.take(QStringLiteral("--app-dir")));
        prepareFolderOrWarn(program);
        return c.run(parsed);
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
