#pragma once

#include "dravelle/editor/picture_import.h"

#include <QObject>

#include <atomic>
#include <thread>

namespace dravelle::editor {

// Runs one import (GetAnimations of the import dialog) on a thread of its own,
// reports progress, and can be stopped: the dialog calls cancelAndWait()
// before it closes, so the worker never outlives it. The signals are emitted
// from the worker thread; connected to an object of the user-interface thread
// they arrive there queued. The result goes to the store only after
// finished(), through takeResult() and AnimationStore::replacePages().
class ImportWorker : public QObject {
    Q_OBJECT

public:
    explicit ImportWorker(QObject *parent = nullptr);
    // Stops a running import and waits for it.
    ~ImportWorker() override;

    // Starts an import; false (nothing started) while one is still running.
    bool start(const ImportOptions &options);
    bool isRunning() const { return m_running.load(); }
    // Asks the running import to stop before its next frame.
    void cancel() { m_cancel.store(true); }
    // cancel() and wait until the worker thread has ended.
    void cancelAndWait();

    // The finished import's pages (waits for the thread to end first).
    ImportResult takeResult();

signals:
    void progress(int done, int total);
    void finished();

private:
    void join();

    std::thread m_thread;
    std::atomic_bool m_cancel{false};
    std::atomic_bool m_running{false};
    ImportResult m_result;
};

} // namespace dravelle::editor
