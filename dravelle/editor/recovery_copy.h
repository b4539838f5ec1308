#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"

#include <QString>
#include <QStringList>

namespace dravelle::editor {

// The recovery copy of the animation being edited: its pages with their
// delays (words merged in) in the page clipboard's bytes, which keep every
// delay exactly, in a file of the user's data folder named after the run's
// process and the resolution (recovery-<pid>-<R>.pages), brought up to date
// every minute while the animation is modified. A normal close removes it; after a crash or a kill
// it stays, and the next run of the same resolution offers to restore it.
class RecoveryCopy {
public:
    RecoveryCopy(QString folder, int resolution, qint64 pid);

    const QString &path() const { return m_path; }

    // While the animation is modified, writes the copy (atomically, as every
    // saved file); otherwise the saved file is the copy and it goes.
    common::Status update(const document::AnimationStore &store);
    void remove();

    // Copies of this resolution left by runs that are no longer running,
    // newest first.
    QStringList leftBehind() const;

    // A copy's pages back: they become the animation (one undoable step).
    // A damaged copy is refused with the reason and changes nothing.
    static common::Status restore(const QString &path, document::AnimationStore &store);

private:
    QString m_folder;
    int m_resolution;
    qint64 m_pid;
    QString m_path;
};

// Whether a process with this id is running now.
bool processIsRunning(qint64 pid);

} // namespace dravelle::editor
