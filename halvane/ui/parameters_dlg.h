#pragma once

#include "halvane/ui/cross_dialog.h"

#include <array>

class QButtonGroup;
class QComboBox;

namespace halvane::ui {

// The Parameters dialog ("Set Cross Resolution and Baudrate"). The
// resolution and harness radios take effect in Halvane.ini the moment they
// are clicked; the time zone and temperature factor go to the cross (and
// are stored) only with "Set to cross". OK and Cancel only close.
class ParametersDlg : public CrossDialog {
    Q_OBJECT

public:
    ParametersDlg(const link::LinkContext &link, QWidget *parent = nullptr);

signals:
    // The cross resolution or the harness frame dots have changed in
    // Halvane.ini: the window takes the new geometry and restarts its thumbnails.
    void crossGeometryChanged();
    // The parameters went to the cross: the status bar reads Halvane.ini again.
    void crossStatusChanged();

private:
    void buildForm();
    void chooseResolution(int side);
    void chooseHarness(int dots);
    void setToCross();

    QButtonGroup *m_resolution = nullptr;
    QButtonGroup *m_harness = nullptr;
    QComboBox *m_timeZone = nullptr;
    QComboBox *m_tempFactor = nullptr;
};

} // namespace halvane::ui
