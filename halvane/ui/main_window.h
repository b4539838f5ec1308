#pragma once

#include "halvane/link/cross_port.h"
#include "halvane/link/cross_search.h"
#include "halvane/project/play_project.h"
#include "common/recent_files.h"
#include "halvane/ui/dialog_hooks.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QActionGroup;
class QDialog;
class QLabel;
class QMenu;
class QMimeData;

namespace halvane::ui {

class AnimationListPanel;
class DataMessageRows;
class MemoryMeter;
class PlayListPanel;
class TextMessageRows;
class ThumbnailRefresher;

// What the main window needs from the application: the project it edits,
// the cross link of the run and where the settings live.
struct MainWindowSetup {
    project::PlayProject *project = nullptr;
    link::LinkContext link;          // the automatic search runs over it
    int harnessFrameDots = 0;        // text size of a new project
    DialogHooks dialogs;
    bool searchAtStart = true;       // false: no search, the panes stay as they start
    // Starts a new run of the program for a language change; false when it
    // cannot be started. Empty: the language entries are disabled.
    std::function<bool()> restart;
};

// Halvane's main window: menus, toolbar and status bar around the four
// panels (play list, animation list, data messages, text messages). It
// starts the automatic cross search and the thumbnails, keeps the title,
// and runs the file commands with their stop-and-wait and save question.
// The panels edit the project; the window only wires them together.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowSetup setup, QWidget *parent = nullptr);
    ~MainWindow() override;

    MemoryMeter *memoryMeter() const { return m_meter; }
    // The three status bar panes' texts.
    std::array<QString, 3> statusTexts() const;
    bool searchDone() const { return m_searchDone; }

    // File menu commands (also the toolbar's).
    void newProject();
    void openProject();
    // Opens `path` as Open does, after the same stop and save question; a
    // file that has gone is taken off the recent list with a message.
    void openRecentProject(const QString &path);
    bool saveProject();
    bool saveProjectAs();
    void newAnimation();
    // Asks the thumbnails to refresh (after the search only).
    void refreshThumbnails();
    // Fills the three Fonts lists of the text rows again from Halvane.ini.
    void reloadFontLists();
    // Fills the status panes from Halvane.ini, as after a search.
    void showCrossStatus();
    // The cross resolution or harness frame dots changed in Halvane.ini:
    // new projects take the new text size, the thumbnails restart on the
    // new geometry and the status bar shows it.
    void crossSettingsChanged();

signals:
    // The automatic search has ended and the panes show its result.
    void searchFinished();
    // Emitted by crossSettingsChanged(): the application takes the new geometry.
    void crossGeometryChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files dropped from a file manager: a .plst opens as Open does, .crs,
    // .bmp and .jpg files are added to the animation list as Add does.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The menu entries the toolbar repeats.
    struct ToolActions {
        QAction *newProject = nullptr, *open = nullptr, *save = nullptr, *set = nullptr,
                *search = nullptr, *send = nullptr, *time = nullptr, *bright = nullptr,
                *onOff = nullptr, *fonts = nullptr, *help = nullptr;
    };
    void buildMenus();
    ToolActions buildFileMenu();
    void buildControlMenus(ToolActions &actions);
    void buildToolBar(const ToolActions &actions);
    void buildStatusBar();
    QWidget *buildPanels();
    void connectPanels();
    void loadPanels();
    void startTimers();
    void startSearch();
    void pollSearch();
    void updateTitle();
    void onLookChanged(const QString &name);
    // Tells the user in the status bar which entries the project dropped
    // because their animation file has gone.
    void reportDropped();
    // Stops the thumbnails (without blocking), asks the save question, and
    // runs `command` unless the user cancelled or the save failed.
    void afterStopAndQuestion(std::function<void()> command);
    bool askToSave();
    // A Language menu entry: after the save question, LANGUAGE takes
    // `language` and the program starts again in it.
    void chooseLanguage(int language);
    void checkLanguageEntry();
    // Opens `path` in place of the project (the question has been asked).
    void openProjectFile(const QString &path);
    // The project's file goes first on the recent list.
    void rememberProject();
    void updateRecentMenu();
    QString iniPath() const { return m_setup.link.iniPath(); }

    MainWindowSetup m_setup;
    project::PlayProject &m_project;
    PlayListPanel *m_playList = nullptr;
    AnimationListPanel *m_animations = nullptr;
    DataMessageRows *m_items = nullptr;
    TextMessageRows *m_texts = nullptr;
    ThumbnailRefresher *m_thumbnails = nullptr;
    std::array<QLabel *, 3> m_panes{};
    MemoryMeter *m_meter = nullptr;
    QMenu *m_recentMenu = nullptr;
    common::RecentFiles m_recent{QStringLiteral("halvane")};
    std::unique_ptr<link::CrossSearch> m_search;
    QDialog *m_searchingWindow = nullptr;
    QActionGroup *m_languages = nullptr;
    QTimer m_searchStart;   // timer 1: starts the search
    QTimer m_statusPoll;    // timer 2: status panes once the search is done
    QTimer m_thumbnailPoll; // timer 3: first thumbnails once the search is done
    QTimer m_titleTimer;    // timer 4: the title
    bool m_searchDone = false;
    bool m_closeConfirmed = false;
    bool m_commandRunning = false;
};

} // namespace halvane::ui
