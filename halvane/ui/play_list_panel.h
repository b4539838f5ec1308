#pragma once

#include "halvane/project/play_project.h"
#include "halvane/ui/dialog_hooks.h"

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace halvane::ui {

// The play list: "Up" and "Down" above the tree of the current group's
// entries (an icon per entry kind, rows 35 pixels high), beside each of its
// fifteen rows a thumbnail box, and below it the Group buttons (shown while
// the play list has more than 15 entries) and "Preview Play List".
class PlayListPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 35;

    PlayListPanel(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent = nullptr);
    // Shows the current group as the project holds it; boxes without an
    // entry are cleared.
    void load();
    // A new picture for thumbnail box `box` (ignored for a box without entry).
    void showThumbnail(int box, const QImage &image);
    void clearThumbnails();

signals:
    // The shown group or its order changed: the thumbnails refresh.
    void groupChanged();
    void edited();
    // A row of the animation list was dropped onto the tree.
    void animationDropped(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTreeAndBoxes();
    QLayout *buildGroupButtons(const DialogHooks &dialogs);
    void move(bool up);
    void showGroup(int group);

    project::PlayProject &m_project;
    QTreeWidget *m_tree = nullptr;
    std::array<QLabel *, 15> m_boxes{};
    std::array<QRadioButton *, 3> m_groups{};
    int m_shownEntries = 0;
};

} // namespace halvane::ui
