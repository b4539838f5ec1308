#include "halvane/ui/play_list_panel.h"

#include "halvane/ui/animation_list_panel.h"
#include "halvane/ui/icons.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kBoxes = 15;

// Every tree row as high as a thumbnail box, so the boxes line up with them.
class RowHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), PlayListPanel::kRowHeight};
    }
};

QPushButton *arrowButton(const QString &icon, const QString &text)
{
    auto *button = new QPushButton(uiIcon(icon), text);
    button->setAccessibleName(text);
    return button;
}
} // namespace

PlayListPanel::PlayListPanel(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent)
    : QWidget(parent), m_project(project)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(tr("Play List")));
    auto *moves = new QHBoxLayout;
    auto *up = arrowButton(QStringLiteral("up"), tr("Up"));
    auto *down = arrowButton(QStringLiteral("down"), tr("Down"));
    moves->addWidget(up);
    moves->addWidget(down);
    column->addLayout(moves);
    column->addWidget(buildTreeAndBoxes());
    column->addLayout(buildGroupButtons(dialogs));
    column->addStretch(1);
    connect(up, &QPushButton::clicked, this, [this] { move(true); });
    connect(down, &QPushButton::clicked, this, [this] { move(false); });
    load();
}

QWidget *PlayListPanel::buildTreeAndBoxes()
{
    auto *holder = new QWidget;
    auto *row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    m_tree = new QTreeWidget;
    m_tree->setAccessibleName(tr("Play List"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setItemDelegate(new RowHeightDelegate(m_tree));
    m_tree->setIconSize(QSize(16, 16));
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = m_tree->frameWidth();
    m_tree->setFixedHeight(kBoxes * kRowHeight + 2 * frame);
    m_tree->setMinimumWidth(m_tree->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 22);
    // Rows of the animation list dropped here join the play list.
    m_tree->viewport()->setAcceptDrops(true);
    m_tree->viewport()->installEventFilter(this);
    row->addWidget(m_tree, 1);

    auto *boxes = new QVBoxLayout;
    boxes->setContentsMargins(0, frame, 0, frame);
    boxes->setSpacing(0);
    for (int box = 0; box < kBoxes; ++box) {
        auto *label = new QLabel;
        label->setFixedSize(kRowHeight, kRowHeight);
        label->setAlignment(Qt::AlignCenter);
        label->setAccessibleName(tr("Thumbnail %1").arg(box + 1));
        label->setStyleSheet(QStringLiteral("QLabel { background: #202020; border: 1px solid #808080; }"));
        m_boxes[std::size_t(box)] = label;
        boxes->addWidget(label);
    }
    row->addLayout(boxes);
    return holder;
}

bool PlayListPanel::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (watched != m_tree->viewport() ||
        (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
        return QWidget::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QString mimeType = QString::fromLatin1(kAnimationNameMimeType);
    if (!drop->mimeData() || !drop->mimeData()->hasFormat(mimeType))
        return false; // files from elsewhere: the window takes them
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        emit animationDropped(QString::fromUtf8(drop->mimeData()->data(mimeType)));
    return true;
}

QLayout *PlayListPanel::buildGroupButtons(const DialogHooks &dialogs)
{
    auto *column = new QVBoxLayout;
    auto *groups = new QHBoxLayout;
    for (int group = 0; group < 3; ++group) {
        auto *button = new QRadioButton(tr("Group%1").arg(group + 1));
        m_groups[std::size_t(group)] = button;
        groups->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, group] { showGroup(group); });
    }
    groups->addStretch(1);
    column->addLayout(groups);
    auto *preview = new QPushButton(tr("Preview Play List"));
    preview->setEnabled(bool(dialogs.preview));
    if (dialogs.preview)
        connect(preview, &QPushButton::clicked, this,
                [this, open = dialogs.preview] { open(this, preview::PreviewKind::PlayList, QString()); });
    column->addWidget(preview);
    return column;
}

void PlayListPanel::load()
{
    const int current = m_tree->currentIndex().row();
    m_tree->clear();
    const QList<project::PlayListEntry> shown = m_project.shownEntries();
    for (const project::PlayListEntry &entry : shown) {
        auto *item = new QTreeWidgetItem(m_tree, {entry.name});
        item->setIcon(0, entryKindIcon(entry.kind()));
    }
    if (current >= 0 && current < int(shown.size()))
        m_tree->setCurrentItem(m_tree->topLevelItem(current));
    m_shownEntries = int(shown.size());
    for (int box = m_shownEntries; box < kBoxes; ++box)
        m_boxes[std::size_t(box)]->clear();
    const bool visible = m_project.groupButtonsVisible();
    for (int group = 0; group < 3; ++group) {
        QRadioButton *button = m_groups[std::size_t(group)];
        // The third button exists for the file's three groups; the play
        // list holds two.
        button->setVisible(visible && group < m_project.groupCount());
        const QSignalBlocker block(button);
        button->setChecked(group == m_project.currentGroup());
    }
}

void PlayListPanel::showThumbnail(int box, const QImage &image)
{
    if (box < 0 || box >= m_shownEntries)
        return;
    m_boxes[std::size_t(box)]->setPixmap(QPixmap::fromImage(image));
}

void PlayListPanel::clearThumbnails()
{
    for (QLabel *box : m_boxes)
        box->clear();
}

void PlayListPanel::move(bool up)
{
    const int row = m_tree->currentIndex().row();
    if (row < 0 || !(up ? m_project.moveUp(row) : m_project.moveDown(row)))
        return;
    load();
    m_tree->setCurrentItem(m_tree->topLevelItem(up ? row - 1 : row + 1));
    emit edited();
    emit groupChanged();
}

void PlayListPanel::showGroup(int group)
{
    (void)m_project.showGroup(group); // the window reports what it dropped
    clearThumbnails();
    load();
    emit groupChanged();
}

} // namespace halvane::ui
