#include "halvane/ui/dialog_hooks.h"

namespace halvane::ui {

DialogHooks availableDialogs()
{
    DialogHooks hooks;
    // One line per dialog as it lands, e.g.
    //   hooks.send = [](QWidget *parent) { CSendDlg(parent).exec(); };
    return hooks;
}

} // namespace halvane::ui
