#include "dravelle/ui/main_frame.h"

#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/delay_dlg.h"
#include "dravelle/ui/open_animation.h"
#include "dravelle/ui/resolution_dlg.h"
#include "dravelle/ui/reverse_color_dlg.h"
#include "dravelle/ui/words_dlg.h"
#include "dravelle/ui/words_job.h"

#include "dravelle/document/animation_file.h"
#include "dravelle/ui/colour_bar.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/edit_commands.h"
#include "dravelle/ui/recent_menu.h"
#include "dravelle/ui/recovery_keeper.h"
#include "dravelle/ui/square_widget.h"
#include "dravelle/ui/ui_icons.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QSettings>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace dravelle::ui {

using editor::Template;
using editor::Tool;

namespace {

// The file dialog of Save As: "cross file(*.crs)", extension added when
// missing, overwriting confirmed by the dialog.
QString askSavePath(QWidget *parent)
{
    QFileDialog dialog(parent, MainFrame::tr("Save Animation as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(MainFrame::tr("cross file(*.crs)"));
    dialog.setDefaultSuffix(QStringLiteral("crs"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

struct ToolEntry {
    Tool tool;
    const char *name;
    const char *icon;
};

constexpr ToolEntry kTools[] = {
    {Tool::Pen, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Pen"), "tool_pen"},
    {Tool::ColourPicker, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Colour picker"), "tool_picker"},
    {Tool::Eraser, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Eraser"), "tool_eraser"},
    {Tool::Fill, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Fill"), "tool_fill"},
    {Tool::BigPen, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Big pen"), "tool_bigpen"},
    {Tool::Line, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Line"), "tool_line"},
    {Tool::Rectangle, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Rectangle"), "tool_rectangle"},
    {Tool::Ellipse, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Ellipse"), "tool_ellipse"},
};

struct TemplateEntry {
    Template t;
    const char *name;
};

constexpr TemplateEntry kTemplates[] = {
    {Template::Diamond, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Diamond")},
    {Template::Cross, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Cross")},
    {Template::Circumgyrate, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Circumgyrate")},
    {Template::Circle, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Circle")},
    {Template::Rectangle, QT_TRANSLATE_NOOP("dravelle::ui::MainFrame", "Rectangle")},
};

} // namespace

MainFrame::MainFrame(document::AnimationStore &store, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_chooseSavePath(askSavePath)
{
    setWindowTitle(tr("Edit Cross Animation"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dravelle.svg")));
    m_view = new DravelleView(store, this);
    setCentralWidget(m_view);
    m_words = new WordsJob(m_store, this);
    // While Add Words replaces the pages, the view keeps its hands off them.
    m_view->setBusyGuard([this] { return m_words->refuseWhileBusy(this); });
    m_edit = new EditCommands(m_store, m_view, this);
    connect(m_view->square(), &SquareWidget::colourPicked, this, &MainFrame::updateColours);
    buildMenus();
    buildToolBars();
    statusBar()->showMessage(tr("Ready"));
    setAcceptDrops(true);
}

QAction *MainFrame::addCommand(QMenu *menu, const QString &text, const char *icon)
{
    QAction *action = menu->addAction(text);
    if (icon)
        action->setIcon(dravelleIcon(QString::fromLatin1(icon)));
    return action;
}

void MainFrame::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    m_newAnimation = addCommand(file, tr("New Animation"), "file_new");
    m_newAnimation->setShortcut(QKeySequence::New);
    connect(m_newAnimation, &QAction::triggered, this, &MainFrame::newAnimation);
    // Opens the import dialog once it exists.
    m_openAnimation = addCommand(file, tr("Open Animation"), "file_open");
    m_openAnimation->setShortcut(QKeySequence::Open);
    m_openAnimation->setEnabled(false);
    hook(m_openAnimation, [this] {
        if (m_words->refuseWhileBusy(this))
            return;
        if (const QString path = chooseAnimationFile(this); !path.isEmpty())
            openAnimation(path);
    });
    m_saveAnimation = addCommand(file, tr("Save Animation"), "file_save");
    m_saveAnimation->setShortcut(QKeySequence::Save);
    connect(m_saveAnimation, &QAction::triggered, this, &MainFrame::saveAnimation);
    connect(addCommand(file, tr("Save Animation as")), &QAction::triggered, this, &MainFrame::saveAnimationAs);
    m_fileMenu = file;
    m_exitLine = file->addSeparator();
    connect(addCommand(file, tr("E&xit")), &QAction::triggered, this, &QWidget::close);

    buildEditMenu();

    QMenu *templates = menuBar()->addMenu(tr("&Template"));
    for (const TemplateEntry &entry : kTemplates) {
        const Template t = entry.t;
        connect(templates->addAction(tr(entry.name)), &QAction::triggered, this, [this, t] {
            if (!mayReplaceAnimation())
                return;
            m_view->applyTemplate(t);
            m_store.markOrigin();
        });
    }
    QMenu *viewMenu = menuBar()->addMenu(tr("&View"));
    viewMenu->setObjectName(QStringLiteral("viewMenu"));
    QAction *onion = viewMenu->addAction(tr("&Onion Skin"));
    onion->setCheckable(true);
    connect(onion, &QAction::toggled, m_view->square(), &SquareWidget::setOnionSkin);
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    m_about = addCommand(help, tr("&About Dravelle..."), "about");
    connect(m_about, &QAction::triggered, this, &MainFrame::showAbout);
}

// The Edit menu's dialogs come with their own windows; until then the
// entries are there, disabled. Add Words, Change All Delay and Reverse Color
// change the page list: their handlers ask m_view->pageCommandAllowed() first.
void MainFrame::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    m_edit->addHistoryCommands(edit);
    edit->addSeparator();
    m_edit->addClipboardCommands(edit);
    edit->addSeparator();
    m_crossResolution = addCommand(edit, tr("Cross Resolution"));
    m_addWords = addCommand(edit, tr("Add Words"), "add_words");
    m_changeAllDelay = addCommand(edit, tr("Change All Delay"), "change_delay");
    m_reverseColour = addCommand(edit, tr("Reverse Color"), "reverse_colour");
    for (QAction *command : {m_crossResolution, m_addWords, m_changeAllDelay, m_reverseColour})
        command->setEnabled(false);
    hook(m_crossResolution, [this] { showResolutionSettings(editor::dravelleIniPath(), this); });
    hook(m_addWords, [this] {
        if (m_view->pageCommandAllowed())
            runAddWords(*m_words, m_store.wordsSettings(), this);
    });
    hook(m_changeAllDelay, [this] {
        if (m_view->pageCommandAllowed())
            DelayDlg(m_store, this).exec();
    });
    hook(m_reverseColour, [this] {
        if (m_view->pageCommandAllowed())
            ReverseColorDlg(m_store, this).exec();
    });
    edit->addSeparator();
    m_edit->addTransformMenus(edit);
}

void MainFrame::buildToolBars()
{
    QToolBar *main = addToolBar(tr("Toolbar"));
    main->setObjectName(QStringLiteral("mainToolBar"));
    main->addActions({m_newAnimation, m_openAnimation, m_saveAnimation});
    main->addSeparator();
    main->addActions({m_edit->undoCommand(), m_edit->redoCommand()});
    main->addSeparator();
    main->addActions({m_reverseColour, m_changeAllDelay, m_addWords});
    main->addSeparator();
    main->addAction(m_about);

    QToolBar *tools = new QToolBar(tr("ToolBar"), this);
    tools->setObjectName(QStringLiteral("toolBar"));
    addToolBar(Qt::LeftToolBarArea, tools);
    auto *group = new QActionGroup(this);
    for (const ToolEntry &entry : kTools) {
        QAction *action = tools->addAction(dravelleIcon(QString::fromLatin1(entry.icon)), tr(entry.name));
        action->setCheckable(true);
        action->setChecked(entry.tool == Tool::Pen);
        group->addAction(action);
        const Tool tool = entry.tool;
        connect(action, &QAction::triggered, this, [this, tool] { selectTool(tool); });
    }

    QToolBar *colours = new QToolBar(tr("Colours"), this);
    colours->setObjectName(QStringLiteral("colourBar"));
    m_colourBar = new ColourBar(colours);
    colours->addWidget(m_colourBar);
    addToolBar(Qt::LeftToolBarArea, colours);
    insertToolBarBreak(colours);
    connect(m_colourBar, &ColourBar::drawingColourPicked, this, [this](int bits) {
        m_view->square()->tools().setDrawingColour(bits);
        updateColours();
    });
    connect(m_colourBar, &ColourBar::eraseColourPicked, this, [this](int bits) {
        m_view->square()->tools().setEraseColour(bits);
        updateColours();
    });
    updateColours();

    QMenu *viewMenu = menuBar()->findChild<QMenu *>(QStringLiteral("viewMenu"));
    QAction *toolbarToggle = main->toggleViewAction();
    toolbarToggle->setText(tr("&Toolbar"));
    viewMenu->addAction(toolbarToggle);
    QAction *statusToggle = viewMenu->addAction(tr("&Status Bar"));
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void MainFrame::selectTool(Tool tool)
{
    m_view->square()->setTool(tool);
}

void MainFrame::updateColours()
{
    const editor::DotTools &tools = m_view->square()->tools();
    m_colourBar->setColours(tools.drawingColour(), tools.eraseColour());
}

void MainFrame::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    // The first animation, once the window is up.
    QTimer::singleShot(100, this, [this] {
        if (!m_store.hasAnimation())
            newAnimation();
        if (m_recovery)
            m_recovery->offerRestore();
    });
}

void MainFrame::newAnimation()
{
    if (!mayReplaceAnimation())
        return;
    m_view->newAnimation();
    m_store.markOrigin();
}

bool MainFrame::saveOrDiscard()
{
    const auto answer = QMessageBox::question(this, tr("Dravelle"), tr("Do you want save the animation?"),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        return saveAnimation();
    return answer == QMessageBox::No;
}

bool MainFrame::mayReplaceAnimation()
{
    if (m_words->refuseWhileBusy(this))
        return false;
    return !m_store.hasAnimation() || m_store.atOrigin() || saveOrDiscard();
}

void MainFrame::openAnimation(const QString &path)
{
    if (!mayReplaceAnimation())
        return;
    // A cancelled import over an untouched animation leaves nothing to ask about.
    const bool untouched = m_store.atOrigin();
    const bool opened = openAnimationFile(m_store, path, this);
    if (opened || untouched)
        m_store.markOrigin();
    if (opened && m_recent)
        m_recent->add(path);
}

namespace {
// The one local file a drag carries, when Open Animation takes it.
QString droppedAnimation(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    const QString path = data->urls().first().toLocalFile();
    return acceptsDroppedPath(path) ? path : QString();
}
} // namespace

void MainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedAnimation(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent *event)
{
    const QString path = droppedAnimation(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The import dialog is modal: it opens once the drag has ended.
    QTimer::singleShot(0, this, [this, path] { openAnimation(path); });
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    if (m_store.hasAnimation() && m_store.isModified() && !saveOrDiscard()) {
        event->ignore();
        return;
    }
    if (m_recovery)
        m_recovery->discard();
    event->accept();
}

bool MainFrame::saveAnimation()
{
    if (!m_store.hasAnimation())
        return false;
    if (m_store.documentPath().isEmpty())
        return saveAnimationAs();
    return writeTo(m_store.documentPath());
}

bool MainFrame::saveAnimationAs()
{
    if (!m_store.hasAnimation())
        return false;
    const QString path = m_chooseSavePath(this);
    return !path.isEmpty() && writeTo(path);
}

bool MainFrame::writeTo(const QString &path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const common::Status status = document::saveAnimation(m_store, path);
    QApplication::restoreOverrideCursor();
    if (!status) {
        QMessageBox::warning(this, tr("Dravelle"), status.message);
        return false;
    }
    m_store.markOrigin();
    if (m_recent)
        m_recent->add(path);
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

void MainFrame::keepRecoveryCopies(const QString &folder)
{
    delete m_recovery;
    m_recovery = new RecoveryKeeper(m_store, folder, this);
}

void MainFrame::keepRecentFiles(std::unique_ptr<QSettings> settings)
{
    delete m_recent;
    m_recent = new RecentMenu(std::move(settings), m_fileMenu, m_exitLine, this);
    connect(m_recent, &RecentMenu::openRequested, this, &MainFrame::openAnimation);
}

void MainFrame::showAbout()
{
    QMessageBox box(this);
    box.setWindowTitle(tr("About Dravelle"));
    box.setIconPixmap(QIcon(QStringLiteral(":/icons/dravelle.svg")).pixmap(64, 64));
    box.setText(tr("Dravelle Version 1.06"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace dravelle::ui
