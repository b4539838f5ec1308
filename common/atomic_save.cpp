#include "common/atomic_save.h"

#include <QSaveFile>

namespace common {

Status saveAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(file.errorString());
    // Flushed and checked before the commit: Qt 6.4's commit() does not see a
    // failure of the final flush (a full disk) and would put a cut file in
    // place of the old one. Without a commit the temporary file is discarded.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return Status::failure(file.errorString());
    if (!file.commit())
        return Status::failure(file.errorString());
    return Status::success();
}

} // namespace common
