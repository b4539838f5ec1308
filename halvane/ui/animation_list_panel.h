#pragma once

#include "halvane/project/play_project.h"
#include "halvane/ui/dialog_hooks.h"

#include <QWidget>

namespace halvane::ui {

class CellList;

// What a row of the animation list carries when dragged: the entry's name.
inline constexpr char kAnimationNameMimeType[] = "application/x-halvane-animation";

// The animation list: "Add" and "Delete" above the cell list of five
// columns (Select, Name, Loop, Speed/Delay(1s), Frame), rows sorted by
// lower-cased name. Every cell acts on the entry of its row's name, never on
// the row's position.
class AnimationListPanel : public QWidget {
    Q_OBJECT

public:
    AnimationListPanel(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent = nullptr);
    // Shows the project's animation entries.
    void load();
    // Adds the files as Add does, one after the other, each refusal with its message.
    void addFiles(const QStringList &paths);
    // Ticks Select of the entry `name` as the user would.
    void selectForPlayList(const QString &name);
    CellList *list() const { return m_list; }

signals:
    void playListChanged();
    void lookChanged(const QString &name);
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Column { SelectColumn, NameColumn, LoopColumn, SpeedColumn, FrameColumn, ColumnCount };
    void addRow(const project::AnimationEntry &entry);
    void fitColumns();
    void onAdd();
    void onDelete();
    void onCheckbox(int row, int column);
    void onEditEnded(int row, int column);
    void onCombo(int row, int column);

    project::PlayProject &m_project;
    CellList *m_list = nullptr;
};

} // namespace halvane::ui
