#pragma once

#include "halvane/ui/cross_dialog.h"

class QLabel;

namespace halvane::ui {

// "Get Cross Test State": a second after opening it listens for the
// cross's self-test and shows whether the cross worked. "Exit" (or the
// close box) stops the listening at once.
class TestCrossDlg : public CrossDialog {
    Q_OBJECT

public:
    // The test gives up after `timeoutMs` when the cross sends too little.
    TestCrossDlg(const link::LinkContext &link, int timeoutMs, QWidget *parent = nullptr);

    QString resultText() const;

private:
    QLabel *m_result = nullptr;
};

// How long the dialog listens before it calls the test failed.
inline constexpr int kCrossTestTimeoutMs = 60'000;

} // namespace halvane::ui
