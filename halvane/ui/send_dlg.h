#pragma once

#include "halvane/ui/guarded_dialog.h"
#include "halvane/encode/send_estimate.h"
#include "halvane/project/animation_library.h"
#include "halvane/project/play_project_records.h"

#include <QElapsedTimer>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

namespace halvane::ui {

class SendRelay;

// The send dialog: runs the send job on a worker thread and shows its status
// line, the progress over all blocks, the blocks sent and the time left, and
// any warnings (files sent as dark frames). There is no cancel: Esc and
// Enter do nothing, and the dialog closes (by its close box or Close) only
// once the job has ended, whatever the outcome. The job releases the port on
// every path before its last status shows.
class CSendDlg : public GuardedDialog {
    Q_OBJECT

public:
    // `appFolder` holds Halvane.ini (PORT, BAUDRATE, the cross address, the
    // geometry and fonts the images are built with); it ends with '/'.
    CSendDlg(const project::PlayProjectData &project, const project::AnimationLibrary &library,
             const QString &appFolder, QWidget *parent = nullptr);
    // Waits for a job still running (it cannot be stopped part way).
    ~CSendDlg() override;

    // The Send command: an empty play list is refused with its message box;
    // otherwise the dialog runs modally.
    static void sendProject(QWidget *parent, const project::PlayProjectData &project,
                            const project::AnimationLibrary &library, const QString &appFolder);

    // True once the job has ended.
    bool isDone() const { return m_done; }

signals:
    // The job ended; `ok` when the send completed.
    void sendEnded(bool ok);

protected:
    void showEvent(QShowEvent *event) override;
    // Ignored until the job has ended; then the dialog closes after 500 ms.
    void requestClose() override;

private:
    void buildForm();
    void start();
    void showStatus(const QString &text);
    void growToFit();
    void showProgress(int position, int total);
    void showWarning(const QString &text);
    void ended(bool ok, const QString &status);

    project::PlayProjectData m_project;
    project::AnimationLibrary m_library;
    QString m_appFolder;
    encode::SendTimeEstimate m_estimate;
    QElapsedTimer m_clock;
    bool m_done = false;
    bool m_closing = false;

    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_blocks = nullptr;
    QLabel *m_timeLeft = nullptr;
    QLabel *m_warnings = nullptr;
    QPushButton *m_close = nullptr;

    std::unique_ptr<SendRelay> m_relay;
    std::unique_ptr<QThread> m_worker; // declared last: joined before the relay goes
};

} // namespace halvane::ui
