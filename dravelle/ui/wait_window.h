#pragma once

#include <QDialog>
#include <QTimer>

#include <atomic>

namespace dravelle::ui {

// The modeless "Processing, please wait..." window of a long job: centred on
// its parent, with the wait cursor over the whole program while it is open.
// It looks at the job's busy flag every 100 ms and closes (and deletes)
// itself once the flag is cleared. The flag must outlive the window.
class WaitWindow : public QDialog {
    Q_OBJECT

public:
    WaitWindow(const std::atomic_bool &busy, QWidget *parent = nullptr);
    ~WaitWindow() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void checkBusy();
    void setWaitCursor(bool on);

    const std::atomic_bool &m_busy;
    QTimer m_poll;
    bool m_cursorSet = false;
};

} // namespace dravelle::ui
