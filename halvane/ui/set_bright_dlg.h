#pragma once

#include "halvane/ui/cross_dialog.h"

#include <array>

class QCheckBox;
class QComboBox;

namespace halvane::ui {

// "Set Bright": the cross's brightness schedule. Four rows "From:" hour
// and minute "Use:" level; row 1's hour list can instead hold one of the
// fixed levels, and the tick box lets the cross follow the daylight. The
// schedule is read back from the cross 50 ms after opening; "Set" sends
// what the rows show and the dialog stays open.
class SetBrightDlg : public CrossDialog {
    Q_OBJECT

public:
    SetBrightDlg(const link::LinkContext &link, QWidget *parent = nullptr);

    // What the rows show, as the schedule "Set" would send.
    link::BrightnessSchedule shownSchedule() const;
    void showSchedule(const link::BrightnessSchedule &schedule);

private:
    struct Row {
        QComboBox *hour = nullptr;
        QComboBox *minute = nullptr;
        QComboBox *level = nullptr;
    };
    void buildForm();
    // The other eleven lists are usable only when the tick box is clear and
    // row 1's hour list shows an hour.
    void applyEnabling();
    void set();

    QCheckBox *m_automatic = nullptr;
    std::array<Row, 4> m_rows{};
};

} // namespace halvane::ui
