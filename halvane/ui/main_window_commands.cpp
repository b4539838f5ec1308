// The main window's timers, the automatic search and the file commands.
#include "halvane/ui/main_window.h"

#include "common/app_dir.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/preview/thumbnail_loops.h"
#include "halvane/ui/animation_list_panel.h"
#include "halvane/ui/data_message_rows.h"
#include "halvane/ui/play_list_panel.h"
#include "halvane/ui/text_message_rows.h"
#include "halvane/ui/thumbnail_refresher.h"
#include "halvane/ui/ui_messages.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kSearchStartMs = 100;
constexpr int kSearchPollMs = 500;
constexpr int kTitleMs = 1000;

QString projectFilter()
{
    return QCoreApplication::translate("halvane::ui", "playlist file(*.plst)") + QStringLiteral(" (*.plst)");
}

QDialog *searchingWindow(QWidget *parent)
{
    auto *window = new QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setWindowTitle(QCoreApplication::translate("halvane::ui", "Halvane"));
    window->setModal(false);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("halvane::ui", "Searching Cross, Please Wait...")));
    return window;
}
} // namespace

void MainWindow::startTimers()
{
    m_searchStart.setSingleShot(true);
    m_searchStart.setInterval(kSearchStartMs);
    m_statusPoll.setInterval(kSearchPollMs);
    m_thumbnailPoll.setInterval(kSearchPollMs);
    m_titleTimer.setInterval(kTitleMs);
    connect(&m_searchStart, &QTimer::timeout, this, &MainWindow::startSearch);
    connect(&m_statusPoll, &QTimer::timeout, this, &MainWindow::pollSearch);
    connect(&m_thumbnailPoll, &QTimer::timeout, this, [this] {
        if (!m_searchDone)
            return;
        m_thumbnailPoll.stop();
        refreshThumbnails();
    });
    connect(&m_titleTimer, &QTimer::timeout, this, &MainWindow::updateTitle);
    if (m_setup.searchAtStart)
        m_searchStart.start();
    else
        m_searchDone = true;
    m_thumbnailPoll.start();
    m_titleTimer.start();
}

void MainWindow::startSearch()
{
    m_searchingWindow = searchingWindow(this);
    m_searchingWindow->adjustSize();
    m_searchingWindow->move(geometry().center() - m_searchingWindow->rect().center());
    m_searchingWindow->show();
    m_search = std::make_unique<link::CrossSearch>(m_setup.link);
    m_search->start();
    m_statusPoll.start();
}

void MainWindow::pollSearch()
{
    if (!m_search || !m_search->done())
        return;
    m_statusPoll.stop();
    m_search->wait(); // done: the worker is ending, this returns at once
    if (m_searchingWindow) {
        m_searchingWindow->close();
        m_searchingWindow->deleteLater();
        m_searchingWindow = nullptr;
    }
    showCrossStatus();
    const link::SearchResult &result = m_search->result();
    if (!result.settingsError.isEmpty())
        statusBar()->showMessage(tr("The search's result could not be kept in the settings: %1").arg(result.settingsError));
    // A cross behind a port this user may not open is the usual reason for
    // "Can't find cross!" on a new Linux desktop: say which port and why.
    // The message names the ports; the cross's pane tells why, at length.
    QStringList ports;
    QStringList why;
    if (!result.found)
        for (const link::PortProblem &problem : result.portProblems) {
            ports << QStringLiteral("COM%1").arg(problem.port);
            why << problem.why;
        }
    m_panes[0]->setToolTip(why.join(QLatin1Char('\n')));
    if (!ports.isEmpty() && result.settingsError.isEmpty()) {
        // Short enough for the room the panes leave, in every language.
        const QString named = ports.size() > 2 ? ports.mid(0, 2).join(QStringLiteral(", ")) + QStringLiteral(", ...")
                                               : ports.join(QStringLiteral(", "));
        statusBar()->showMessage(tr("%1 could not be used: see the cross's pane.").arg(named));
    }
    m_searchDone = true;
    emit searchFinished();
}

void MainWindow::showCrossStatus()
{
    const std::array<QString, 3> texts = link::statusBarTexts(iniPath());
    for (std::size_t pane = 0; pane < texts.size(); ++pane)
        m_panes[pane]->setText(texts[pane]);
}

void MainWindow::crossSettingsChanged()
{
    m_setup.harnessFrameDots = settings::readStartupSettings(iniPath()).harnessFrameDots;
    showCrossStatus();
    refreshThumbnails();
    emit crossGeometryChanged();
}

void MainWindow::refreshThumbnails()
{
    if (!m_searchDone || m_commandRunning)
        return;
    m_thumbnails->refresh([this] {
        return preview::thumbnailLoops(preview::previewContextFor(m_project, iniPath()),
                                       m_project.currentGroup());
    });
}

void MainWindow::afterStopAndQuestion(std::function<void()> command)
{
    if (m_commandRunning)
        return;
    m_commandRunning = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_thumbnails->whenStopped([this, command = std::move(command)] {
        QApplication::restoreOverrideCursor();
        const bool goOn = askToSave();
        m_commandRunning = false;
        if (goOn)
            command();
        else
            refreshThumbnails(); // the command was abandoned: the thumbnails play on
    });
}

bool MainWindow::askToSave()
{
    if (!m_project.isDirty())
        return true;
    const int answer = askYesNoCancel(this, tr("Do you want save the changes before closing?"),
                                      tr("Halvane"));
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    // Yes: only a project that was saved lets the command go on, so a
    // cancelled Save As or a failed write never loses the changes.
    return saveProject();
}

bool MainWindow::saveProject()
{
    if (m_project.path().isEmpty())
        return saveProjectAs();
    if (const common::Status saved = m_project.save(); !saved) {
        showMessage(this, saved.message, tr("Halvane"));
        return false;
    }
    rememberProject();
    return true;
}

bool MainWindow::saveProjectAs()
{
    const QString folder = m_project.path().isEmpty() ? common::applicationFolder()
                                                      : QFileInfo(m_project.path()).absolutePath();
    QString path = chooseFile({this, true, folder, projectFilter()});
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".plst");
    if (const common::Status saved = m_project.saveAs(path); !saved) {
        showMessage(this, saved.message, tr("Halvane"));
        return false;
    }
    rememberProject();
    updateTitle();
    return true;
}

void MainWindow::newProject()
{
    afterStopAndQuestion([this] {
        const project::AnimationListBuild build = m_project.newProject(m_setup.harnessFrameDots);
        m_playList->clearThumbnails();
        loadPanels();
        updateTitle();
        if (!build.refused.isEmpty())
            showMessage(this, build.refused.join(QLatin1Char('\n')));
    });
}

void MainWindow::openProject()
{
    afterStopAndQuestion([this] {
        const QString path = chooseFile({this, false, common::applicationFolder(), projectFilter()});
        if (path.isEmpty()) {
            refreshThumbnails();
            return;
        }
        openProjectFile(path);
    });
}

void MainWindow::openRecentProject(const QString &path)
{
    afterStopAndQuestion([this, path] {
        if (!QFileInfo(path).isFile()) {
            m_recent.remove(path);
            updateRecentMenu();
            showMessage(this,
                        tr("The play project \"%1\" is no longer there: it has been taken off the list of "
                           "recent play projects.")
                            .arg(QDir::toNativeSeparators(path)),
                        tr("Halvane"));
            refreshThumbnails();
            return;
        }
        openProjectFile(path);
    });
}

void MainWindow::openProjectFile(const QString &path)
{
    if (const common::Status opened = m_project.open(path); !opened)
        showMessage(this, opened.message, tr("Halvane"));
    else
        rememberProject();
    m_playList->clearThumbnails();
    loadPanels();
    reportDropped();
    updateTitle();
    refreshThumbnails();
}

void MainWindow::rememberProject()
{
    if (m_project.path().isEmpty())
        return;
    m_recent.add(m_project.path());
    updateRecentMenu();
}

void MainWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_recent.files();
    for (int i = 0; i < files.size(); ++i) {
        QAction *action = m_recentMenu->addAction(common::RecentFiles::menuText(i, files[i]));
        action->setToolTip(files[i]);
        connect(action, &QAction::triggered, this, [this, path = files[i]] { openRecentProject(path); });
    }
    if (!files.isEmpty()) {
        m_recentMenu->addSeparator();
        connect(m_recentMenu->addAction(tr("Clear the List")), &QAction::triggered, this, [this] {
            m_recent.clear();
            updateRecentMenu();
        });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

namespace {
// The local files of a drop that Halvane takes: play projects and the
// animation files Add takes.
QStringList droppedFiles(const QMimeData *data, const QStringList &suffixes)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && suffixes.contains(QFileInfo(url.toLocalFile()).suffix().toLower()))
            files << url.toLocalFile();
    return files;
}

const QStringList kProjectSuffixes{QStringLiteral("plst")};
const QStringList kAnimationSuffixes{QStringLiteral("crs"), QStringLiteral("bmp"), QStringLiteral("jpg")};
} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFiles(event->mimeData(), kProjectSuffixes + kAnimationSuffixes).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QStringList projects = droppedFiles(event->mimeData(), kProjectSuffixes);
    const QStringList animations = droppedFiles(event->mimeData(), kAnimationSuffixes);
    if (projects.isEmpty() && animations.isEmpty())
        return;
    event->acceptProposedAction();
    // Questions and messages are modal: they come once the drag has ended.
    if (!projects.isEmpty()) {
        const QString path = projects.first();
        QTimer::singleShot(0, this, [this, path] {
            afterStopAndQuestion([this, path] { openProjectFile(path); });
        });
    } else {
        QTimer::singleShot(0, this, [this, animations] { m_animations->addFiles(animations); });
    }
}

void MainWindow::newAnimation()
{
    const QString editor = common::companionProgram(QStringLiteral("Dravelle/dravelle"), QStringLiteral("dravelle"));
    if (!QProcess::startDetached(editor, {}))
        showMessage(this, tr("Execute Dravelle/Dravelle.exe Programe Error!"), tr("Halvane"));
}

void MainWindow::checkLanguageEntry()
{
    // The check mark shows what LANGUAGE holds; a value outside 0..4 checks none.
    const int chosen = settings::readStartupSettings(iniPath()).language;
    const QList<QAction *> entries = m_languages->actions();
    for (int index = 0; index < int(entries.size()); ++index)
        entries[index]->setChecked(index == chosen);
}

void MainWindow::chooseLanguage(int language)
{
    // Until the change is made the mark stays where LANGUAGE is: a cancelled
    // question leaves both as they were.
    checkLanguageEntry();
    afterStopAndQuestion([this, language] {
        if (const common::Status written = settings::writeBootInt(iniPath(), settings::kKeyLanguage, language);
            !written) {
            showMessage(this, written.message, tr("Halvane"));
            refreshThumbnails();
            return;
        }
        checkLanguageEntry();
        if (!m_setup.restart()) {
            // Without a new run there is nothing to close into: the program ends.
            QCoreApplication::exit(-1);
            return;
        }
        // The question has been answered: the window closes as Exit does.
        m_closeConfirmed = true;
        close();
    });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeConfirmed) {
        m_thumbnails->whenStopped([] {});
        event->accept();
        return;
    }
    event->ignore();
    afterStopAndQuestion([this] {
        m_closeConfirmed = true;
        close();
    });
}

} // namespace halvane::ui
