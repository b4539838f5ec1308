#include "halvane/ui/dialog_hooks.h"

#include "halvane/project/halvane_config.h"
#include "halvane/project/play_project.h"
#include "halvane/ui/preview_dlg.h"
#include "halvane/ui/send_dlg.h"

namespace halvane::ui {

DialogHooks availableDialogs(project::PlayProject &project, const QString &appFolder)
{
    DialogHooks hooks;
    hooks.send = [&project, appFolder](QWidget *parent) {
        CSendDlg::sendProject(parent, project.data(), project.library(), appFolder);
    };
    hooks.preview = [&project, appFolder](QWidget *parent, preview::PreviewKind kind, const QString &name) {
        CPreviewDlg dialog(preview::previewContextFor(project, appFolder + QStringLiteral("Halvane.ini")), kind,
                           name, parent);
        dialog.exec();
    };
    return hooks;
}

} // namespace halvane::ui
