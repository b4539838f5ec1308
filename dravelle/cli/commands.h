#pragma once

#include "common/command_line.h"
#include "common/status.h"
#include "dravelle/editor/picture_import.h"

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

using common::cli::Arguments;

// Checks that exactly `positional` arguments remain besides the options and,
// when `needsOutput`, that -o is given, and finds R. Returns 0 when the command
// may go on, else the exit status after the message.
int parseCommand(const Arguments &parsed, int positional, bool needsOutput, int &resolution);

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

int runTemplate(const Arguments &args);
int runImport(const Arguments &args);
int runWords(const Arguments &args);
int runDelay(const Arguments &args);
int runReverse(const Arguments &args);
int runInfo(const Arguments &args);

} // namespace dravelle::cli
