#pragma once

#include <QString>
#include <QStringList>

namespace common {

// The application folder: where a program finds its settings file, its
// animations, language and font folders. It is the folder of the running
// executable unless a `--app-dir DIR` argument names another one.

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

} // namespace common
