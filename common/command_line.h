#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <span>

// What every command-line program of the system shares: its output streams,
// the "program: message" error form, and running one command out of a table
// after the `--app-dir DIR` option has been applied.
namespace common::cli {

QTextStream &out();
QTextStream &err();

// Prints "<program>: <message>" to stderr and returns `status`.
int fail(const QString &program, const QString &message, int status);

struct Command {
    const char *name;
    int (*run)(const QStringList &args);
    const char *summary;
};

// Runs the command that `arguments` (the whole command line, program name
// first) names. No command prints the usage and returns `usageStatus`; "help"
// prints it and returns 0; an unknown command or a bad --app-dir is a usage
// error.
int runCommand(const QString &program, QStringList arguments, std::span<const Command> commands,
               const std::function<void()> &printUsage, int usageStatus);

// Before a command-line program creates a GUI application for fonts and
// pictures: draw off-screen unless a platform is chosen, and give the
// application a private runtime folder when the session has none, so no
// display is needed and nothing is printed about it.
void prepareHeadlessGui();

} // namespace common::cli
