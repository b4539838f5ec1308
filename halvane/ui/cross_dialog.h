#pragma once

#include "halvane/link/cross_runner.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace halvane::ui {

// The base of the dialogs that talk to the cross. It owns the dialog's one
// cross runner, so every exchange runs off the UI thread and its result
// comes back queued; closing the dialog cancels what still runs, and the
// runner waits for its worker before the dialog's widgets go, so a worker
// never reaches a destroyed dialog. A status line at the foot of the
// dialog says what the last exchange did when nothing else would.
class CrossDialog : public QDialog {
    Q_OBJECT

public:
    using Handler = std::function<void(const link::CrossRunner::Result &result)>;

    CrossDialog(const link::LinkContext &link, QWidget *parent);
    ~CrossDialog() override;

    // Whether an exchange is still running (tests wait on it).
    bool crossBusy() const { return m_runner.busy(); }
    QString statusText() const;

signals:
    // An exchange has ended and its handler has run.
    void exchangeEnded();

protected:
    // Runs `operation` and hands its result to `handler`. While another
    // exchange holds the cross nothing is sent: the status line says so.
    bool runOnCross(link::CrossRunner::Operation operation, Handler handler);
    // Runs `operation` once, `delayMs` after the dialog has opened.
    void runAfterOpening(int delayMs, link::CrossRunner::Operation operation, Handler handler);
    void setStatus(const QString &text);
    // The status line, for the dialog's layout.
    QLabel *statusLine() const { return m_status; }
    const link::LinkContext &linkContext() const { return m_link; }

    void done(int result) override;
    // Enter in a typed list only takes the text; it never presses a button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void delivered(const link::CrossRunner::Result &result);

    link::LinkContext m_link;
    link::CrossRunner m_runner;
    Handler m_handler;
    QTimer m_openTimer;
    QLabel *m_status = nullptr;
};

// The lists the device dialogs share.
QStringList hourList();                // "00" .. "23"
QStringList minuteList();              // "00" .. "59"
QStringList levelList();               // "1 rate" .. "4 rate"
QStringList brightnessFirstHourList(); // "Alway 1 rate" .. "Alway 4 rate", "00" .. "23"
QStringList onOffFirstHourList();      // "Always open", "Always closed", "00" .. "23"
QStringList timeZoneList();            // "Zone 0", "E1" .. "W1"
QStringList tempFactorList();          // "+10" .. "-10"

// A drop-down list of `items` named `name` for screen readers. An editable
// list takes typed text only when it names an entry (Enter or leaving the
// field selects it); any other text goes back to the selected entry, so
// the value is always an entry's position.
QComboBox *listBox(const QStringList &items, const QString &name, bool editable, QWidget *parent);

// A dialog's button row: `actionText` ("OK", "Set") as the default button
// and "Cancel", at the right; the caller connects both.
struct ButtonRow {
    QHBoxLayout *layout = nullptr;
    QPushButton *action = nullptr;
    QPushButton *cancel = nullptr;
};
ButtonRow buttonRow(const QString &actionText, QWidget *parent);

// The red "ATTENTION" heading of the dialogs that warn, in the default
// face at a cell height of 36 pixels, and a red note under it.
QLabel *attentionHeading(QWidget *parent);
QLabel *attentionNote(const QString &text, QWidget *parent);

} // namespace halvane::ui
