#include "halvane/ui/main_window.h"

#include "halvane/settings/halvane_config.h"
#include "halvane/ui/animation_list_panel.h"
#include "halvane/ui/data_message_rows.h"
#include "halvane/ui/icons.h"
#include "halvane/ui/memory_meter.h"
#include "halvane/ui/play_list_panel.h"
#include "halvane/ui/text_message_rows.h"
#include "halvane/ui/thumbnail_refresher.h"
#include "halvane/ui/ui_messages.h"

#include <QActionGroup>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr char kEmptyPlayListMessage[] =
    QT_TRANSLATE_NOOP("halvane::ui", "Please open a exist playlist file, or create a new playlist file.");

// A menu entry for a dialog: opens it when the dialog exists, else disabled.
QAction *dialogAction(QMenu *menu, const QString &text, const DialogHooks::Open &open, QWidget *parent)
{
    QAction *action = menu->addAction(text);
    action->setEnabled(bool(open));
    if (open)
        QObject::connect(action, &QAction::triggered, parent, [open, parent] { open(parent); });
    return action;
}
} // namespace

MainWindow::MainWindow(MainWindowSetup setup, QWidget *parent)
    : QMainWindow(parent), m_setup(std::move(setup)), m_project(*m_setup.project)
{
    setWindowIcon(programIcon());
    m_thumbnails = new ThumbnailRefresher(this);
    setCentralWidget(buildPanels());
    buildMenus();
    buildStatusBar();
    connectPanels();
    loadPanels();
    reportDropped();
    updateTitle();
    rememberProject();
    setAcceptDrops(true);
    startTimers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    ToolActions actions = buildFileMenu();
    buildControlMenus(actions);
    buildToolBar(actions);
}

MainWindow::ToolActions MainWindow::buildFileMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    connect(file->addAction(tr("New Animation")), &QAction::triggered, this, &MainWindow::newAnimation);
    QAction *newAction = file->addAction(uiIcon(QStringLiteral("new")), tr("New Play Project"));
    QAction *openAction = file->addAction(uiIcon(QStringLiteral("open")), tr("Open Play Project"));
    QAction *saveAction = file->addAction(uiIcon(QStringLiteral("save")), tr("Save Play Project"));
    QAction *saveAsAction = file->addAction(tr("Save Play Project as"));
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("Recent Play Projects"));
    updateRecentMenu();
    file->addSeparator();
    QAction *exitAction = file->addAction(tr("Exit"));
    newAction->setShortcut(QKeySequence::New);
    openAction->setShortcut(QKeySequence::Open);
    saveAction->setShortcut(QKeySequence::Save);
    saveAsAction->setShortcut(QKeySequence::SaveAs);
    exitAction->setShortcut(QKeySequence::Quit);
    connect(newAction, &QAction::triggered, this, &MainWindow::newProject);
    connect(openAction, &QAction::triggered, this, &MainWindow::openProject);
    connect(saveAction, &QAction::triggered, this, [this] { saveProject(); });
    connect(saveAsAction, &QAction::triggered, this, [this] { saveProjectAs(); });
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    ToolActions actions;
    actions.newProject = newAction;
    actions.open = openAction;
    actions.save = saveAction;
    return actions;
}

void MainWindow::buildControlMenus(ToolActions &actions)
{
    const DialogHooks &dialogs = m_setup.dialogs;
    QMenu *control = menuBar()->addMenu(tr("&Control"));
    DialogHooks::Open send;
    if (dialogs.send)
        send = [this, open = dialogs.send](QWidget *parent) {
            if (m_project.playList().isEmpty())
                showMessage(this, QCoreApplication::translate("halvane::ui", kEmptyPlayListMessage));
            else
                open(parent);
        };
    actions.send = dialogAction(control, tr("Send"), send, this);
    actions.time = dialogAction(control, tr("Sync Time"), dialogs.syncTime, this);
    actions.bright = dialogAction(control, tr("Set Bright"), dialogs.setBright, this);
    actions.onOff = dialogAction(control, tr("ON/OFF"), dialogs.onOff, this);
    actions.set = dialogAction(control, tr("Set"), dialogs.setResolution, this);
    actions.search = dialogAction(control, tr("Search"), dialogs.searchCross, this);
    dialogAction(control, tr("Test Cross"), dialogs.testCross, this);
    QMenu *fonts = menuBar()->addMenu(tr("F&onts"));
    actions.fonts = dialogAction(fonts, tr("Add/Delete Fonts"), dialogs.fonts, this);

    QMenu *language = menuBar()->addMenu(tr("&Language"));
    m_languages = new QActionGroup(this);
    const QStringList names = {tr("Auto"), tr("English"), tr("French"), tr("Italian"), tr("Spanish")};
    for (int index = 0; index < int(names.size()); ++index) {
        QAction *action = language->addAction(names[index]);
        action->setCheckable(true);
        action->setEnabled(bool(m_setup.restart));
        m_languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
    }
    checkLanguageEntry();
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    actions.help = dialogAction(help, tr("About"), dialogs.about, this);
}

void MainWindow::buildToolBar(const ToolActions &actions)
{
    // The menu's actions with short texts under their images.
    struct Button {
        QAction *action;
        const char *icon;
        QString text;
    };
    const std::vector<std::vector<Button>> groups = {
        {{actions.newProject, "new", tr("New")}, {actions.open, "open", tr("Open")},
         {actions.save, "save", tr("Save")}},
        {{actions.set, "set", tr("Set")}, {actions.search, "search", tr("Search")}},
        {{actions.send, "send", tr("Send")}},
        {{actions.time, "time", tr("Time")}, {actions.bright, "bright", tr("Bright")}},
        {{actions.onOff, "onoff", tr("ON/OFF")}},
        {{actions.fonts, "fonts", tr("Fonts")}},
        {{actions.help, "help", tr("Help")}}};
    QToolBar *bar = addToolBar(tr("Toolbar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const auto &group : groups) {
        if (&group != &groups.front())
            bar->addSeparator();
        for (const Button &button : group) {
            auto *shown = new QAction(uiIcon(QLatin1String(button.icon)), button.text, bar);
            shown->setEnabled(button.action->isEnabled());
            shown->setToolTip(button.action->text());
            connect(shown, &QAction::triggered, button.action, &QAction::trigger);
            bar->addAction(shown);
        }
    }
}

void MainWindow::buildStatusBar()
{
    // The panes' first texts, shown until the search has ended.
    const std::array<QString, 3> first = {tr("        Can't find cross          "), tr("   COM : -     "),
                                          tr("   Baudrate : ------     ")};
    const std::array<QString, 3> names = {tr("Cross"), tr("COM"), tr("Baudrate")};
    // How full the cross would be, left of the cross's own panes.
    m_meter = new MemoryMeter(m_project, iniPath(), this);
    statusBar()->addPermanentWidget(m_meter);
    for (std::size_t pane = 0; pane < m_panes.size(); ++pane) {
        m_panes[pane] = new QLabel(first[pane]);
        m_panes[pane]->setAccessibleName(names[pane]);
        m_panes[pane]->setFrameShape(QFrame::StyledPanel);
        m_panes[pane]->setFrameShadow(QFrame::Sunken);
        statusBar()->addPermanentWidget(m_panes[pane]);
    }
}

QWidget *MainWindow::buildPanels()
{
    const DialogHooks &dialogs = m_setup.dialogs;
    m_playList = new PlayListPanel(m_project, dialogs);
    m_animations = new AnimationListPanel(m_project, dialogs);
    m_items = new DataMessageRows(m_project, dialogs);
    m_texts = new TextMessageRows(m_project, dialogs);

    auto *central = new QWidget;
    auto *columns = new QHBoxLayout(central);
    columns->addWidget(m_playList, 0);
    auto *right = new QVBoxLayout;
    right->addWidget(m_animations, 1);
    auto *items = new QGroupBox(tr("Data Messages"));
    (new QVBoxLayout(items))->addWidget(m_items);
    right->addWidget(items);
    auto *texts = new QGroupBox(tr("Text Messages"));
    (new QVBoxLayout(texts))->addWidget(m_texts);
    right->addWidget(texts);
    columns->addLayout(right, 1);
    return central;
}

void MainWindow::connectPanels()
{
    connect(m_thumbnails, &ThumbnailRefresher::thumbnail, m_playList, &PlayListPanel::showThumbnail);
    connect(m_playList, &PlayListPanel::groupChanged, this, [this] {
        reportDropped();
        refreshThumbnails();
    });
    auto playListChanged = [this] {
        m_playList->load();
        reportDropped();
        refreshThumbnails();
    };
    connect(m_animations, &AnimationListPanel::playListChanged, this, playListChanged);
    connect(m_items, &DataMessageRows::playListChanged, this, playListChanged);
    connect(m_texts, &TextMessageRows::playListChanged, this, playListChanged);
    connect(m_playList, &PlayListPanel::animationDropped, m_animations, &AnimationListPanel::selectForPlayList);
    connect(m_animations, &AnimationListPanel::lookChanged, this, &MainWindow::onLookChanged);
    connect(m_items, &DataMessageRows::lookChanged, this, &MainWindow::onLookChanged);
    connect(m_texts, &TextMessageRows::lookChanged, this, &MainWindow::onLookChanged);
}

void MainWindow::loadPanels()
{
    m_playList->load();
    m_animations->load();
    m_items->load();
    m_texts->load(settings::readFontNames(iniPath()));
}

void MainWindow::reloadFontLists()
{
    m_texts->load(settings::readFontNames(iniPath()));
}

void MainWindow::onLookChanged(const QString &name)
{
    if (m_project.shownGroupContains(name))
        refreshThumbnails();
}

void MainWindow::reportDropped()
{
    const QStringList names = m_project.takeDroppedEntries();
    if (!names.isEmpty())
        statusBar()->showMessage(tr("Removed, their files have gone: %1").arg(names.join(QStringLiteral(", "))));
}

void MainWindow::updateTitle()
{
    const QString path = m_project.path();
    setWindowTitle(QStringLiteral("Halvane -- ") + (path.isEmpty() ? tr("Untitled") : path));
}

std::array<QString, 3> MainWindow::statusTexts() const
{
    return {m_panes[0]->text(), m_panes[1]->text(), m_panes[2]->text()};
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // Escape never closes the window
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace halvane::ui
