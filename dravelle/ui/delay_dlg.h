#pragma once

#include "dravelle/document/animation_store.h"

#include <QDialog>

class QLineEdit;

namespace dravelle::ui {

// "Change All Page's Delay": one delay in milliseconds for every page. OK
// sets it on the store (which marks the animation modified); text that is not
// a number, and a negative delay, are refused with a message and the dialog
// stays open.
class DelayDlg : public QDialog {
    Q_OBJECT

public:
    explicit DelayDlg(document::AnimationStore &store, QWidget *parent = nullptr);

    void accept() override;

private:
    document::AnimationStore &m_store;
    QLineEdit *m_delay = nullptr;
};

} // namespace dravelle::ui
