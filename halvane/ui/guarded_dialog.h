#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>

namespace halvane::ui {

// A dialog that decides itself when it may close, for dialogs around a
// running worker: Esc and Enter (Return or the keypad's) never reach the
// default key handling, and the close box and reject() only ask
// requestClose(), which ends the dialog with done() when its rule allows.
class GuardedDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    virtual void requestClose() = 0;

    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        requestClose();
    }

    void reject() override { requestClose(); }
};

} // namespace halvane::ui
