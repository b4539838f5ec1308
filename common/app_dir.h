#pragma once

#include "common/status.h"

#include <QString>
#include <QStringList>

namespace common {

struct ProgramFolder;

// The application folder: where a program finds its settings file, its
// animations, language and font folders. A `--app-dir DIR` argument names it
// outright. Otherwise a program that has prepared its folder (every program
// does so at start, see folder_choice.h) uses the portable folder it runs
// from or, installed, the user's data folder; without that, the folder of
// the running executable.

// The folder with a trailing '/'.
QString applicationFolder();

// Overrides the folder (tests, several installations side by side).
void setApplicationFolder(const QString &folder);

// Removes `--app-dir DIR` (or `--app-dir=DIR`) from the arguments and applies
// it. Returns false with a message when the option lacks its value.
bool takeAppDirArgument(QStringList &arguments, QString *error = nullptr);

// The same for a plain argc/argv pair, before any QCoreApplication exists.
bool takeAppDirArgument(int &argc, char **argv, QString *error = nullptr);

// A file of the application folder: applicationFolder() + name.
QString applicationFile(const QString &name);

// Names the running program's family (its settings file and sub-folder);
// called first thing by every main().
void setProgramFolder(const ProgramFolder &program);

// Decides the folder of the named family, once, unless --app-dir has named
// one: creates and seeds the user's data folder when the program is
// installed. Nothing happens for a program that named no family. A user
// folder that cannot be made is reported; the program folder is used then.
Status prepareApplicationFolder();

// The folder of the read-only shipped files (language/): the application
// folder when portable or named by --app-dir, <prefix>/share/halvane/...
// when installed. Ends with '/'.
QString shippedFolder();

// The folder that holds the shipped folder `name` ("language", "Fonts") for
// a program working in `appFolder`: that folder when it has one (portable,
// --app-dir, tests), else shippedFolder(). Ends with '/'.
QString folderWithShipped(const QString &appFolder, const QString &name);

// The folder of the running executable, with a trailing '/'.
QString executableFolder();

// Another program of the same installation: `portablePath` below the
// application folder in a portable folder ("Dravelle/dravelle"),
// `installedName` beside this program when installed ("dravelle").
QString companionProgram(const QString &portablePath, const QString &installedName);

// Whether the application folder is the user's data folder (an installed
// program), so the programs beside this one are in executableFolder().
bool applicationFolderIsPerUser();

} // namespace common
