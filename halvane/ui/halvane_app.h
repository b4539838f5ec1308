#pragma once

#include "common/cross_geometry.h"
#include "halvane/link/serial_port.h"
#include "halvane/project/play_project.h"
#include "halvane/ui/dialog_hooks.h"

#include <functional>
#include <memory>
#include <optional>

namespace halvane::ui {

class MainWindow;

// The application object: one for the run. It owns the play project and
// the cross geometry, and starts in the order the program needs: the
// settings of Halvane.ini, the geometry, the language, the project to
// reopen, then the main window.
class HalvaneApp {
public:
    // `appFolder` ends with '/'.
    explicit HalvaneApp(const QString &appFolder);
    ~HalvaneApp();

    project::PlayProject &project() { return *m_project; }
    const common::CrossGeometry &geometry() const { return m_geometry; }
    int harnessFrameDots() const { return m_harnessFrameDots; }
    // How a language change starts the program again; by default the same
    // executable with `arguments` (set before the window is made).
    void setRestart(std::function<bool()> restart) { m_restart = std::move(restart); }
    void setRestartArguments(const QStringList &arguments);
    // The main window, made on first use; `projectPath` ("" for the last
    // project of Halvane.ini) is opened before it appears.
    // `dialogs` empty: the dialogs this build has (availableDialogs).
    MainWindow *mainWindow(const QString &projectPath = QString(), bool searchAtStart = true,
                           std::optional<DialogHooks> dialogs = std::nullopt);
    // Why the project named at start did not open ("" when it did or none was
    // named); the window starts untitled then and shows this.
    const QString &startProblem() const { return m_startProblem; }

private:
    void openStartProject(const QString &projectPath);
    // Takes the geometry and harness frame dots Halvane.ini holds now.
    void readGeometry();

    QString m_appFolder;
    QString m_iniPath;
    link::SystemLink m_link;
    std::unique_ptr<project::PlayProject> m_project;
    common::CrossGeometry m_geometry;
    int m_harnessFrameDots = 0;
    std::unique_ptr<MainWindow> m_window;
    QString m_startProblem;
    std::function<bool()> m_restart;
};

// Loads the texts of the language LANGUAGE names (0 the system's, 1..4
// English, French, Italian, Spanish) from `appFolder`'s language folder.
// Any other value, or a file that is missing or cannot be read, keeps the
// built-in texts. Returns whether a translation was loaded.
bool installLanguage(const QString &appFolder, int language);

} // namespace halvane::ui
