#pragma once

#include "common/command_line.h"

#include <QStringList>
#include <QTextStream>

// The commands of halvane-cli. Each takes the arguments after its own name and
// returns the process exit status: 0 success, 1 the operation failed, 2 bad
// usage or a refused change, 3 the port or a file could not be opened, read
// or written.
namespace halvane::cli {

using common::cli::err;
using common::cli::out;

// Prints "halvane-cli: <message>" to stderr and returns `status`.
int fail(const QString &message, int status = 1);

int runInfo(const QStringList &args);
int runDecode(const QStringList &args);

// Cross commands: port, rate and address come from Halvane.ini as they run.
int runSearch(const QStringList &args);
int runFind(const QStringList &args);
int runAddress(const QStringList &args);
int runSyncTime(const QStringList &args);
int runBright(const QStringList &args);
int runOnOff(const QStringList &args);
int runParams(const QStringList &args);
int runVersion(const QStringList &args);
int runTest(const QStringList &args);

// The memory images of a play project: written to files, sent to the cross.
extern const char kBuildUsage[];
extern const char kSendUsage[];
int runBuild(const QStringList &args);
int runSend(const QStringList &args);

// The lines `help` prints for `project`.
extern const char kProjectUsage[];
int runProject(const QStringList &args);

// The lines `help` prints for `preview`.
extern const char kPreviewUsage[];
int runPreview(const QStringList &args);

} // namespace halvane::cli
