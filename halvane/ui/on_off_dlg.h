#pragma once

#include "halvane/ui/cross_dialog.h"

#include <array>

class QComboBox;

namespace halvane::ui {

// "Set LED Open and Close Time": the cross's weekly on/off schedule, one
// row per weekday from Monday with two open windows each. A row's first
// open hour can instead say "Always open" or "Always closed". The schedule
// is read back from the cross 50 ms after opening; "Set" sends what the
// rows show and the dialog stays open.
class OnOffDlg : public CrossDialog {
    Q_OBJECT

public:
    OnOffDlg(const link::LinkContext &link, QWidget *parent = nullptr);

    link::OnOffSchedule shownSchedule() const;
    void showSchedule(const link::OnOffSchedule &schedule);

private:
    // Open 1, close 1, open 2, close 2: an hour and a minute list each.
    struct Day {
        std::array<QComboBox *, 4> hours{};
        std::array<QComboBox *, 4> minutes{};
    };
    void buildForm();
    // A day's seven other lists are usable only when its first open hour
    // shows an hour.
    void applyEnabling(int day);
    void set();

    std::array<Day, 7> m_days{};
};

} // namespace halvane::ui
