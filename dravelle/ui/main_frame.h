#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/dot_tools.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QSettings;

namespace dravelle::ui {

class WordsJob;

class ColourBar;
class DravelleView;
class EditCommands;
class RecentMenu;
class RecoveryKeeper;

// Dravelle's main window: the menus, the main tool bar, the dot-tool bar and
// the colour bar on the left, the status bar and the editor view. It owns
// the File and Template commands and the questions before an animation with
// unsaved changes is closed or replaced.
class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit MainFrame(document::AnimationStore &store, QWidget *parent = nullptr);

    // The size the program opens with.
    static QSize defaultSize() { return {960, 720}; }

    DravelleView *view() const { return m_view; }
    // Asks for the name Save As writes to; empty when the user cancels. The
    // tests put their own answer here instead of the file dialog.
    using SavePathChooser = std::function<QString(QWidget *parent)>;
    void setSavePathChooser(SavePathChooser chooser) { m_chooseSavePath = std::move(chooser); }

    // The File menu's commands; false when nothing was saved.
    bool saveAnimation();
    bool saveAnimationAs();
    // Open Animation for a file already chosen (the open dialog's answer,
    // a file dropped onto the window or named on the command line).
    void openAnimation(const QString &path);

    // Keeps a recovery copy in `folder` (the program gives the user's data
    // folder) and offers, once the window is up, what a crashed run left.
    void keepRecoveryCopies(const QString &folder);
    RecoveryKeeper *recovery() const { return m_recovery; }
    // The recent files on the File menu, kept in `settings`.
    void keepRecentFiles(std::unique_ptr<QSettings> settings);
    RecentMenu *recentFiles() const { return m_recent; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A .gif, .crs, .jpg or .bmp dropped onto the window opens as Open Animation does.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildMenus();
    void buildEditMenu();
    // Enables a command whose window has landed and connects it: one line per
    // dialog in buildEditMenu() (and Open Animation in buildMenus()).
    template <typename Slot>
    void hook(QAction *command, Slot slot)
    {
        command->setEnabled(true);
        connect(command, &QAction::triggered, this, slot);
    }
    void buildToolBars();
    QAction *addCommand(QMenu *menu, const QString &text, const char *icon = nullptr);
    void selectTool(editor::Tool tool);
    void updateColours();

    // "Do you want save the animation?" with Yes, No and Cancel: false when
    // the user cancelled or the save did not happen.
    bool saveOrDiscard();
    // Before New, Open and the templates: asks only when the animation was
    // changed since it was created, opened or saved.
    bool mayReplaceAnimation();
    bool writeTo(const QString &path);
    void newAnimation();
    void showAbout();

    document::AnimationStore &m_store;
    DravelleView *m_view = nullptr;
    ColourBar *m_colourBar = nullptr;
    // The commands on the main tool bar; those whose dialogs come with their
    // own windows (Open and the Edit menu) are disabled until then.
    QAction *m_newAnimation = nullptr;
    QAction *m_saveAnimation = nullptr;
    QAction *m_about = nullptr;
    QAction *m_openAnimation = nullptr;
    QAction *m_crossResolution = nullptr;
    QAction *m_addWords = nullptr;
    QAction *m_changeAllDelay = nullptr;
    QAction *m_reverseColour = nullptr;
    SavePathChooser m_chooseSavePath;
    bool m_firstShow = true;
    // Replacing the animation asks only when it changed since it was last
    // created, opened or saved: the store's origin mark, which undo and redo
    // follow. The store's modified flag also counts a fresh animation as
    // modified (the close prompt follows it).
    // Add Words on its worker; a child of the window, so it waits for the
    // worker before the window goes.
    WordsJob *m_words = nullptr;
    EditCommands *m_edit = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_exitLine = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    RecentMenu *m_recent = nullptr;
};

} // namespace dravelle::ui
