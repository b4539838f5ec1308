#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/document/words_settings.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace dravelle::ui {

class WaitWindow;

// Add Words as the editor runs it: the words layer is drawn on a worker
// while the modeless wait window is shown, then installed in the store on
// the user-interface thread (the pages are fitted to it and page 1 becomes
// current). The worker touches nothing shared; still, until it has finished
// the store is busy: the window refuses page commands, drawing and the
// preview (refuseWhileBusy()), because the pages are about to be replaced.
class WordsJob : public QObject {
    Q_OBJECT

public:
    using LayerBuilder = std::function<std::vector<document::DotPage>(const document::WordsSettings &, int)>;

    // `window` is the parent of the wait window. `builder` draws the layer
    // (the words code unless a test puts its own).
    WordsJob(document::AnimationStore &store, QWidget *window, LayerBuilder builder = {});
    // Waits for a running worker; its layer is then dropped.
    ~WordsJob() override;

    // Stores the settings (refused when they do not validate or while a job
    // runs) and starts drawing them.
    common::Status start(const document::WordsSettings &settings);

    bool isBusy() const { return m_busy.load(); }
    // While busy: tells the user to wait and gives true (the caller then does
    // nothing). Otherwise false, silently.
    bool refuseWhileBusy(QWidget *parent) const;

signals:
    // The layer is in the store; the window redraws and resets its group buttons.
    void finished();

private:
    void install(std::vector<document::DotPage> layer);
    void join();

    document::AnimationStore &m_store;
    QWidget *m_window;
    LayerBuilder m_builder;
    std::atomic_bool m_busy{false};
    std::thread m_thread;
    QPointer<WaitWindow> m_waitWindow;
};

} // namespace dravelle::ui
