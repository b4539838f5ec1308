#pragma once

#include "common/command_line.h"

#include <QStringList>
#include <QTextStream>

// The commands of halvane-cli. Each takes the arguments after its own name,
// parsed by the options its row of the command table names, and
// returns the process exit status: 0 success, 1 the operation failed, 2 bad
// usage or a refused change, 3 the port or a file could not be opened, read
// or written.
namespace halvane::cli {

using common::cli::Arguments;
using common::cli::err;
using common::cli::out;

// Exit status 3: the port or a file could not be opened, read or written.
constexpr int kFileError = 3;

// Prints "halvane-cli: <message>" to stderr and returns `status`.
int fail(const QString &message, int status = 1);

// The commands that draw text first load the fonts installed through
// Halvane's fonts dialog; a font that cannot be loaded is named on stderr
// and its texts are drawn with the engine's fall-back.
void loadInstalledFonts();

int runInfo(const Arguments &args);
int runDecode(const Arguments &args);

// Cross commands: port, rate and address come from Halvane.ini as they run.
int runSearch(const Arguments &args);
int runFind(const Arguments &args);
int runAddress(const Arguments &args);
int runSyncTime(const Arguments &args);
int runBright(const Arguments &args);
int runOnOff(const Arguments &args);
int runParams(const Arguments &args);
int runVersion(const Arguments &args);
int runTest(const Arguments &args);
int runPorts(const Arguments &args);

// The memory images of a play project: written to files, sent to the cross.
extern const char kBuildUsage[];
extern const char kSendUsage[];
int runBuild(const Arguments &args);
int runSend(const Arguments &args);

// The lines `help` prints for `project`.
extern const char kProjectUsage[];
int runProject(const Arguments &args);

// The lines `help` prints for `preview`.
extern const char kPreviewUsage[];
int runPreview(const Arguments &args);

} // namespace halvane::cli
