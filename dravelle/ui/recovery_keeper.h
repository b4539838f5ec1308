#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/recovery_copy.h"

#include <QObject>
#include <QTimer>

class QWidget;

namespace dravelle::ui {

// Keeps the window's recovery copy: every minute while the animation is
// modified it writes the copy, a normal close removes it, and at the start
// it offers to restore a copy that a crashed or killed run left behind.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervalMs = 60'000;

    RecoveryKeeper(document::AnimationStore &store, const QString &folder, QWidget *window);

    const editor::RecoveryCopy &copy() const { return m_copy; }
    const QTimer &timer() const { return m_timer; }

    // The minute's work (the timer calls it; tests call it for a minute gone).
    void tick();
    // After a normal close: nothing to recover.
    void discard();
    // When a copy was left behind: asks whether to restore it; true when
    // its pages are now the animation's. Asks nothing otherwise.
    bool offerRestore();

private:
    document::AnimationStore &m_store;
    editor::RecoveryCopy m_copy;
    QWidget *m_window;
    QTimer m_timer;
    bool m_reported = false;
};

} // namespace dravelle::ui
