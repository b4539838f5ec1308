#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/page_transforms.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace dravelle::ui {

class DravelleView;

// The Edit menu's own commands: Undo and Redo, the page clipboard (Cut,
// Copy, Paste, Duplicate of the current page or the pages chosen in the
// strip) and the page transforms on the current page or all pages. Every
// command that changes the animation asks the view first, so none runs
// while the preview plays, Add Words replaces the pages or a stroke is
// under way.
class EditCommands : public QObject {
    Q_OBJECT

public:
    EditCommands(document::AnimationStore &store, DravelleView *view, QWidget *window);

    void addHistoryCommands(QMenu *menu);
    void addClipboardCommands(QMenu *menu);
    void addTransformMenus(QMenu *menu);

    QAction *undoCommand() const { return m_undo; }
    QAction *redoCommand() const { return m_redo; }
    QAction *copyCommand() const { return m_copy; }
    QAction *pasteCommand() const { return m_paste; }

    // Enables what the animation allows now.
    void refresh();

private:
    bool mayChange();
    void undoOrRedo(bool undoing);
    void copy();
    void cut();
    void paste();
    void duplicate();
    void transform(editor::PageTransform transform, editor::TransformRange range);
    QAction *command(QMenu *menu, const QString &text, const char *icon, const QKeySequence &keys);

    document::AnimationStore &m_store;
    DravelleView *m_view;
    QWidget *m_window;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_cut = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_duplicate = nullptr;
    QList<QAction *> m_transforms;
};

} // namespace dravelle::ui
