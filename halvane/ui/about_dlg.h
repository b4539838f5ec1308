#pragma once

#include "halvane/ui/cross_dialog.h"

class QLabel;
class QLineEdit;

namespace halvane::ui {

inline constexpr char kProgramVersion[] = "6.6";

// "About Halvane": the program icon, the program's version and the cross's
// firmware version, read 100 ms after opening (empty without a cross).
class AboutDlg : public CrossDialog {
    Q_OBJECT

public:
    AboutDlg(const link::LinkContext &link, QWidget *parent = nullptr);

    QString versionLine() const;
    QString mcuVersion() const;

private:
    QLabel *m_version = nullptr;
    QLineEdit *m_mcu = nullptr;
};

} // namespace halvane::ui
