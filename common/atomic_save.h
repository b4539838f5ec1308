#pragma once

#include "common/status.h"

#include <QByteArray>
#include <QString>

namespace common {

// Replaces the file at `path` with `bytes` through a temporary file and a
// rename: on any failure the old file stays as it was and the result's
// message is the system's reason (for example "No space left on device"),
// for the caller to put into its own words. A new file gets the usual
// permissions (0666 less the umask); an existing file keeps its own.
Status saveAtomically(const QString &path, const QByteArray &bytes);

} // namespace common
