#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>
#include <span>

class QCommandLineParser;

// What every command-line program of the system shares: its output streams,
// the "program: message" error form, parsing with QCommandLineParser (with
// `--app-dir DIR` and `--help` everywhere, a usage error is one status), and
// running one command out of a table.
namespace common::cli {

QTextStream &out();
QTextStream &err();

// Prints "<program>: <message>" to stderr and returns `status`.
int fail(const QString &program, const QString &message, int status);

// The arguments of one command: options with a value ("--res 48", also
// "--res=48"), switches ("--all") and the rest in order. Options are named as
// typed, with their dashes.
struct Arguments {
    QStringList positional;
    QHash<QString, QString> values;
    QSet<QString> switches;

    bool has(const QString &option) const { return values.contains(option) || switches.contains(option); }
    QString value(const QString &option) const { return values.value(option); }
};

struct Command {
    const char *name;
    int (*run)(const Arguments &args);
    const char *summary;
    // The options the command knows, separated by spaces ("--res -o").
    const char *valued = "";
    const char *switches = "";
};

// Parses `arguments` (program name first) with `parser` after adding --help
// and --app-dir to it, and applies --app-dir. Returns the exit status when the
// program is done: 0 after printing `help` for --help, `usageStatus` after a
// message for a parse error; nothing when the program goes on.
std::optional<int> parseCommon(QCommandLineParser &parser, const QString &program, const QStringList &arguments,
                               const std::function<void()> &help, int usageStatus);

// Splits a command's arguments by the options it knows. An unknown option, a
// missing value or an option given twice is an error.
bool parseArguments(const QStringList &args, const QStringList &valued, const QStringList &switches,
                    Arguments &parsed, QString *error);

// Runs the command that `arguments` (the whole command line, program name
// first) names, after parsing its options; `COMMAND --help` prints that
// command's usage. No command prints the usage and returns `usageStatus`;
// "help" or --help prints it and returns 0; an unknown command, an unknown
// option or a bad --app-dir is a usage error.
int runCommand(const QString &program, const QStringList &arguments, std::span<const Command> commands,
               const std::function<void()> &printUsage, int usageStatus);

// Prepares the application folder (see app_dir.h) once the options are
// read; a user folder that cannot be made is printed as a warning.
void prepareFolderOrWarn(const QString &program);

// Before a command-line program creates a GUI application for fonts and
// pictures: draw off-screen unless a platform is chosen, and give the
// application a private runtime folder when the session has none, so no
// display is needed and nothing is printed about it.
void prepareHeadlessGui();

} // namespace common::cli
