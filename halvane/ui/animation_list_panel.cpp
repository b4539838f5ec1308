#include "halvane/ui/animation_list_panel.h"

#include "halvane/ui/cell_list.h"
#include "halvane/ui/icons.h"
#include "halvane/ui/ui_messages.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
QToolButton *imageButton(const QString &icon, const QString &name, const QString &tip)
{
    auto *button = new QToolButton;
    button->setIcon(uiIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    button->setAccessibleName(name);
    return button;
}
} // namespace

AnimationListPanel::AnimationListPanel(project::PlayProject &project, const DialogHooks &dialogs,
                                       QWidget *parent)
    : QWidget(parent), m_project(project)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Animation List")));
    top->addStretch(1);
    auto *add = imageButton(QStringLiteral("add"), tr("Add"), tr("Add a Animation"));
    auto *remove = imageButton(QStringLiteral("delete"), tr("Delete"), tr("Delete a Animation"));
    top->addWidget(add);
    top->addWidget(remove);
    column->addLayout(top);

    m_list = new CellList;
    m_list->setAccessibleName(tr("Animation List"));
    m_list->setColumns({tr("Select"), tr("Name"), tr("Loop"), tr("Speed/Delay(1s)"), tr("Frame")});
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 10);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setRowDrag(NameColumn, QString::fromLatin1(kAnimationNameMimeType));
    column->addWidget(m_list, 1);
    m_list->installEventFilter(this);

    connect(add, &QToolButton::clicked, this, &AnimationListPanel::onAdd);
    connect(remove, &QToolButton::clicked, this, &AnimationListPanel::onDelete);
    connect(m_list, &CellList::checkboxClicked, this, &AnimationListPanel::onCheckbox);
    connect(m_list, &CellList::editEnded, this, &AnimationListPanel::onEditEnded);
    connect(m_list, &CellList::comboSelection, this, &AnimationListPanel::onCombo);
    if (dialogs.preview)
        connect(m_list, &CellList::cellDoubleClicked, this, [this, open = dialogs.preview](int row) {
            const QString name = m_list->itemText(row, NameColumn);
            const bool crs = name.right(3).toLower() == QLatin1String("crs");
            open(this, crs ? preview::PreviewKind::Animation : preview::PreviewKind::Picture, name);
        });
    load();
}

void AnimationListPanel::load()
{
    m_list->deleteAllItems();
    for (const project::AnimationEntry &entry : m_project.animationRows())
        addRow(entry);
}

void AnimationListPanel::addRow(const project::AnimationEntry &entry)
{
    const int row = m_list->insertItem(m_list->rowCount(), QString());
    m_list->setCheckbox(row, SelectColumn, entry.inPlayList != 0);
    m_list->setItemText(row, NameColumn, entry.fileName);
    m_list->setEdit(row, LoopColumn);
    m_list->setItemText(row, LoopColumn, QString::number(entry.loop));
    const QString prefix = entry.fileName + QLatin1Char(' ');
    m_list->setComboBox(row, SpeedColumn, project::speedChoices(), entry.speed - 1, prefix + tr("Speed"));
    m_list->setComboBox(row, FrameColumn, project::frameStyleChoices(), entry.frameStyle - 1,
                        prefix + tr("Frame"));
    for (int column : {SelectColumn, LoopColumn})
        m_list->setItemAlignment(row, column, Qt::AlignCenter);
}

bool AnimationListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void AnimationListPanel::fitColumns()
{
    // Shares of 64 of the width without a scroll bar; the last takes the rest.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int w = m_list->width() - 2 * m_list->frameWidth() - scrollBar - 2;
    const int widths[] = {w * 6 / 64, w * 20 / 64, w * 8 / 64, w * 15 / 64};
    int used = 0;
    for (int column = 0; column < 4; ++column) {
        m_list->setColumnWidth(column, widths[column]);
        used += widths[column];
    }
    m_list->setColumnWidth(FrameColumn, std::max(0, w - used - 2));
}

void AnimationListPanel::onAdd()
{
    const QString path = chooseFile(
        {this, false, m_project.library().folder(),
         tr("animation file(*.crs; *.bmp; *.jpg)") + QStringLiteral(" (*.crs *.bmp *.jpg *.CRS *.BMP *.JPG)")});
    if (!path.isEmpty())
        addFiles({path});
}

void AnimationListPanel::addFiles(const QStringList &paths)
{
    bool added = false;
    for (const QString &path : paths) {
        if (const common::Status status = m_project.addAnimation(path); !status) {
            showMessage(this, status.message);
            continue;
        }
        added = true;
    }
    if (!added)
        return;
    load();
    emit edited();
}

void AnimationListPanel::selectForPlayList(const QString &name)
{
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (m_list->itemText(row, NameColumn) != name)
            continue;
        if (m_list->checkbox(row, SelectColumn))
            return; // on the play list already
        m_list->setCheckbox(row, SelectColumn, true);
        onCheckbox(row, SelectColumn);
        return;
    }
}

void AnimationListPanel::onDelete()
{
    const int row = m_list->currentRow();
    if (row < 0)
        return;
    if (const common::Status status = m_project.deleteAnimation(m_list->itemText(row, NameColumn)); !status) {
        showMessage(this, status.message);
        return;
    }
    m_list->deleteItem(row);
    emit edited();
}

void AnimationListPanel::onCheckbox(int row, int column)
{
    if (column != SelectColumn)
        return;
    const QString name = m_list->itemText(row, NameColumn);
    if (m_list->checkbox(row, column)) {
        if (const common::Status status = m_project.appendToPlayList(name); !status) {
            m_list->setCheckbox(row, column, false);
            showMessage(this, status.message);
            return;
        }
    } else if (!m_project.removeFromPlayList(name)) {
        m_list->setCheckbox(row, column, true); // in the group the tree does not show
        return;
    }
    emit edited();
    emit playListChanged();
}

void AnimationListPanel::onEditEnded(int row, int column)
{
    if (column != LoopColumn)
        return;
    const QString name = m_list->itemText(row, NameColumn);
    const common::Status status = m_project.setLoopText(name, m_list->itemText(row, column));
    if (!status) {
        m_list->setItemText(row, column, QString::number(m_project.findAnimation(name)->loop));
        showMessage(this, status.message);
    }
    emit edited();
}

void AnimationListPanel::onCombo(int row, int column)
{
    const QString name = m_list->itemText(row, NameColumn);
    const int position = m_list->comboChoice(row, column);
    const common::Status status = column == SpeedColumn ? m_project.setSpeedChoice(name, position)
                                                        : m_project.setFrameChoice(name, position);
    if (!status)
        showMessage(this, status.message);
    emit edited();
    if (m_list->checkbox(row, SelectColumn))
        emit lookChanged(name);
}

} // namespace halvane::ui
