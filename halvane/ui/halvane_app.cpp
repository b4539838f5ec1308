#include "halvane/ui/halvane_app.h"

#include "common/app_dir.h"
#include "common/language.h"
#include "halvane/encode/installed_fonts.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/ui/main_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace halvane::ui {

HalvaneApp::HalvaneApp(const QString &appFolder)
    : m_appFolder(appFolder), m_iniPath(appFolder + QStringLiteral("Halvane.ini")), m_link(appFolder)
{
    const settings::StartupSettings settings = settings::readStartupSettings(m_iniPath);
    m_geometry = settings.geometry();
    m_harnessFrameDots = settings.harnessFrameDots;
    installLanguage(common::folderWithShipped(appFolder, QStringLiteral("language")), settings.language);
    // The fonts installed through the fonts dialog, for every text drawn.
    (void)encode::loadInstalledFonts(m_iniPath);
    m_project = std::make_unique<project::PlayProject>(
        project::AnimationLibrary(appFolder + QStringLiteral("animations/")));
    m_project->setSettingsFile(m_iniPath);
}

HalvaneApp::~HalvaneApp() = default;

void HalvaneApp::setRestartArguments(const QStringList &arguments)
{
    m_restart = [arguments] {
        return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
    };
}

void HalvaneApp::readGeometry()
{
    const settings::StartupSettings settings = settings::readStartupSettings(m_iniPath);
    m_geometry = settings.geometry();
    m_harnessFrameDots = settings.harnessFrameDots;
}

void HalvaneApp::openStartProject(const QString &projectPath)
{
    const QString path = projectPath.isEmpty() ? project::previousProjectPath(m_iniPath) : projectPath;
    m_project->reset(m_harnessFrameDots);
    // A last project that cannot be read leaves the run untitled; one the
    // user named (a double-clicked file) says why it did not open.
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        const common::Status opened = m_project->open(path);
        if (opened)
            return;
        if (!projectPath.isEmpty())
            m_startProblem = opened.message;
    } else if (!projectPath.isEmpty()) {
        m_startProblem = QStringLiteral("%1 does not exist.").arg(projectPath);
    }
    (void)m_project->newProject(m_harnessFrameDots);
}

MainWindow *HalvaneApp::mainWindow(const QString &projectPath, bool searchAtStart,
                                    std::optional<DialogHooks> dialogs)
{
    if (!m_window) {
        openStartProject(projectPath);
        MainWindowSetup setup;
        setup.project = m_project.get();
        setup.link = m_link.context();
        setup.harnessFrameDots = m_harnessFrameDots;
        setup.dialogs = dialogs ? std::move(*dialogs) : availableDialogs(*m_project, m_appFolder);
        setup.searchAtStart = searchAtStart;
        setup.restart = m_restart;
        m_window = std::make_unique<MainWindow>(std::move(setup));
        QObject::connect(m_window.get(), &MainWindow::crossGeometryChanged, m_window.get(),
                         [this] { readGeometry(); });
    }
    return m_window.get();
}

bool installLanguage(const QString &appFolder, int language)
{
    const std::optional<std::uint16_t> id = common::halvaneLanguageId(language, common::systemLanguageId());
    return id && common::loadLanguage(appFolder, *id, common::LanguageTableOf::Halvane);
}

} // namespace halvane::ui
