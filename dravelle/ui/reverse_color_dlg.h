#pragma once

#include "dravelle/document/animation_store.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace dravelle::ui {

// "Reverse Color": swaps on and off for the ticked channels on the current
// page (words included, then committed) or on every stored page (the words
// layer stays as it is). OK applies it to the store and marks it modified.
class ReverseColorDlg : public QDialog {
    Q_OBJECT

public:
    explicit ReverseColorDlg(document::AnimationStore &store, QWidget *parent = nullptr);

    void accept() override;

private:
    document::AnimationStore &m_store;
    QCheckBox *m_red = nullptr;
    QCheckBox *m_green = nullptr;
    QCheckBox *m_blue = nullptr;
    QRadioButton *m_currentPage = nullptr;
};

} // namespace dravelle::ui
