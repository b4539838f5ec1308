#pragma once

#include "common/command_line.h"
#include "common/status.h"
#include "dravelle/editor/picture_import.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTextStream>

namespace dravelle::document {
class AnimationStore;
}

// The commands of dravelle-cli. Each takes the arguments after its own name and
// returns the exit status: 0 success, 1 the operation failed, 2 bad arguments,
// 3 a file could not be read or written.
namespace dravelle::cli {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitFile = 3;

using common::cli::err;
using common::cli::out;

// Prints "dravelle-cli: <message>" to stderr and returns `status`.
int fail(const QString &message, int status);

// The arguments of one command: options with a value ("--res 48", also
// "--res=48"), switches ("--all") and the rest in order.
struct Arguments {
    QStringList positional;
    QHash<QString, QString> values;
    QSet<QString> switches;

    bool has(const QString &option) const { return values.contains(option) || switches.contains(option); }
    QString value(const QString &option) const { return values.value(option); }
};

// Splits `args` by the options a command knows; an unknown option or a missing
// value is an error.
common::Status parseArguments(const QStringList &args, const QStringList &valued, const QStringList &switches,
                              Arguments &parsed);

// Parses a command's arguments with --res (and -o when `needsOutput`) added to
// `valued`, checks that exactly `positional` arguments remain, and finds R.
// Returns 0 when the command may go on, else the exit status after the message.
int parseCommand(const QStringList &args, QStringList valued, const QStringList &switches, int positional,
                 bool needsOutput, Arguments &parsed, int &resolution);

// An integer option or argument; false with a message naming `what` when the
// text is not a whole number within min..max.
common::Status parseInt(const QString &text, const QString &what, int min, int max, int &value);

// R from --res 48|64, else from Dravelle.ini in the application folder.
common::Status resolutionOf(const Arguments &parsed, int &resolution);

// Reads an animation file into the store the way Open Animation does: a new
// animation whose pages are the file's. A file that cannot be read as a picture
// is an error here (the editor would show one dark page).
common::Status loadAnimation(document::AnimationStore &store, const editor::ImportOptions &options);
// The same with the whole square and the default threshold.
common::Status loadAnimation(document::AnimationStore &store, const QString &path);

// Saves to -o OUT; complains when -o is missing.
int saveTo(document::AnimationStore &store, const Arguments &parsed);

int runTemplate(const QStringList &args);
int runImport(const QStringList &args);
int runWords(const QStringList &args);
int runDelay(const QStringList &args);
int runReverse(const QStringList &args);
int runInfo(const QStringList &args);

} // namespace dravelle::cli
