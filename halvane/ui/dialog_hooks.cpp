#include "halvane/ui/dialog_hooks.h"

#include "halvane/link/serial_port.h"
#include "halvane/project/play_project.h"
#include "halvane/ui/about_dlg.h"
#include "halvane/ui/fonts_dlg.h"
#include "halvane/ui/main_window.h"
#include "halvane/ui/on_off_dlg.h"
#include "halvane/ui/parameters_dlg.h"
#include "halvane/ui/preview_dlg.h"
#include "halvane/ui/search_cross_dlg.h"
#include "halvane/ui/send_dlg.h"
#include "halvane/ui/set_bright_dlg.h"
#include "halvane/ui/test_cross_dlg.h"
#include "halvane/ui/ui_messages.h"

#include <memory>

namespace halvane::ui {

namespace {

// The dialogs that report to the main window find it as their parent.
template <class Dialog>
void connectToWindow(Dialog &dialog, QWidget *parent)
{
    auto *window = qobject_cast<MainWindow *>(parent);
    if (!window)
        return;
    if constexpr (requires { &Dialog::crossStatusChanged; })
        QObject::connect(&dialog, &Dialog::crossStatusChanged, window, &MainWindow::showCrossStatus);
    if constexpr (requires { &Dialog::crossGeometryChanged; })
        QObject::connect(&dialog, &Dialog::crossGeometryChanged, window, &MainWindow::crossSettingsChanged);
}

template <class Dialog, class... Args>
DialogHooks::Open modal(std::shared_ptr<link::SystemLink> system, Args... args)
{
    return [system, args...](QWidget *parent) {
        Dialog dialog(system->context(), args..., parent);
        connectToWindow(dialog, parent);
        dialog.exec();
    };
}

// Sync Time has no dialog: the clock is set off the UI thread and only a
// failure is shown, with the link's words.
DialogHooks::Open syncTime(std::shared_ptr<link::SystemLink> system)
{
    return [system](QWidget *parent) {
        auto *runner = new link::CrossRunner(system->context(), parent);
        QObject::connect(runner, &link::CrossRunner::finished, parent,
                         [runner, parent](const link::CrossRunner::Result &result) {
                             if (!result.status.ok() && !result.status.message.isEmpty())
                                 showMessage(parent, result.status.message);
                             runner->deleteLater();
                         });
        if (!runner->run(link::CrossRunner::setClock()))
            runner->deleteLater();
    };
}

} // namespace

DialogHooks availableDialogs(project::PlayProject &project, const QString &appFolder)
{
    auto system = std::make_shared<link::SystemLink>(appFolder);
    DialogHooks hooks;
    hooks.send = [&project, appFolder](QWidget *parent) {
        CSendDlg::sendProject(parent, project.data(), project.library(), appFolder);
    };
    hooks.preview = [&project, appFolder](QWidget *parent, preview::PreviewKind kind, const QString &name) {
        CPreviewDlg dialog(preview::previewContextFor(project, appFolder + QStringLiteral("Halvane.ini")), kind,
                           name, parent);
        dialog.exec();
    };
    hooks.setBright = modal<SetBrightDlg>(system);
    hooks.onOff = modal<OnOffDlg>(system);
    hooks.setResolution = modal<ParametersDlg>(system);
    hooks.searchCross = modal<SearchCrossDlg>(system);
    hooks.testCross = modal<TestCrossDlg>(system, kCrossTestTimeoutMs);
    hooks.about = modal<AboutDlg>(system);
    hooks.syncTime = syncTime(system);
    hooks.fonts = [appFolder](QWidget *parent) {
        FontsDlg dialog(appFolder, parent);
        dialog.exec();
        if (auto *window = qobject_cast<MainWindow *>(parent))
            window->reloadFontLists();
    };
    return hooks;
}

} // namespace halvane::ui
