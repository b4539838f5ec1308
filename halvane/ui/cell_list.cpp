#include "halvane/ui/cell_list.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMimeData>

namespace halvane::ui {

namespace {
constexpr int kKindRole = Qt::UserRole + 1;  // CellKind of the cell
constexpr int kShownRole = Qt::UserRole + 2; // the check state last announced

// Runs a change of the list's own without notifications.
class Silence {
public:
    explicit Silence(int &depth) : m_depth(depth) { ++m_depth; }
    ~Silence() { --m_depth; }

private:
    int &m_depth;
};
} // namespace

CellList::CellList(QWidget *parent) : QTableWidget(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    verticalHeader()->hide();
    connect(this, &QTableWidget::itemChanged, this, &CellList::onItemChanged);
}

void CellList::setColumns(const QStringList &headers)
{
    setColumnCount(int(headers.size()));
    setHorizontalHeaderLabels(headers);
}

int CellList::insertItem(int row, const QString &text)
{
    const Silence quiet(m_silent);
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto *item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                       (column == m_dragColumn ? Qt::ItemIsDragEnabled : Qt::NoItemFlags));
        item->setData(kKindRole, Plain);
        setItem(row, column, item);
    }
    if (columnCount() > 0)
        item(row, 0)->setText(text);
    return row;
}

void CellList::setRowDrag(int column, const QString &mimeType)
{
    m_dragColumn = column;
    m_dragMimeType = mimeType;
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QStringList CellList::mimeTypes() const
{
    return m_dragMimeType.isEmpty() ? QTableWidget::mimeTypes() : QStringList{m_dragMimeType};
}

QMimeData *CellList::mimeData(const QList<QTableWidgetItem *> &items) const
{
    for (const QTableWidgetItem *item : items) {
        if (item->column() != m_dragColumn)
            continue;
        auto *data = new QMimeData;
        data->setData(m_dragMimeType, item->text().toUtf8());
        return data;
    }
    return nullptr;
}

void CellList::deleteItem(int row)
{
    const Silence quiet(m_silent); // an open editor commits as its row goes
    removeRow(row);
}

void CellList::deleteAllItems()
{
    const Silence quiet(m_silent);
    setRowCount(0);
}

QTableWidgetItem *CellList::cell(int row, int column)
{
    QTableWidgetItem *found = item(row, column);
    if (!found) {
        found = new QTableWidgetItem;
        found->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, column, found);
    }
    return found;
}

void CellList::setItemText(int row, int column, const QString &text)
{
    const Silence quiet(m_silent);
    cell(row, column)->setText(text);
}

void CellList::setItemAlignment(int row, int column, Qt::Alignment alignment)
{
    const Silence quiet(m_silent);
    cell(row, column)->setTextAlignment(alignment);
}

QString CellList::itemText(int row, int column) const
{
    if (QComboBox *box = combo(row, column))
        return box->currentText();
    const QTableWidgetItem *found = item(row, column);
    return found ? found->text() : QString();
}

void CellList::setCheckbox(int row, int column, bool checked)
{
    const Silence quiet(m_silent);
    QTableWidgetItem *item = cell(row, column);
    item->setData(kKindRole, Check);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    item->setData(kShownRole, checked);
}

bool CellList::checkbox(int row, int column) const
{
    const QTableWidgetItem *found = item(row, column);
    return found && found->checkState() == Qt::Checked;
}

void CellList::setEdit(int row, int column)
{
    const Silence quiet(m_silent);
    QTableWidgetItem *item = cell(row, column);
    item->setData(kKindRole, Edit);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
}

void CellList::setComboBox(int row, int column, const QStringList &choices, int initial,
                           const QString &accessibleName)
{
    const Silence quiet(m_silent);
    auto *box = new QComboBox;
    box->addItems(choices);
    box->setMaxVisibleItems(int(choices.size()));
    box->setCurrentIndex(initial);
    box->setFrame(false);
    box->setAccessibleName(accessibleName);
    connect(box, &QComboBox::currentIndexChanged, this, [this, box] { onComboChanged(box); });
    setCellWidget(row, column, box);
}

void CellList::setComboChoice(int row, int column, int position)
{
    const Silence quiet(m_silent);
    if (QComboBox *box = combo(row, column))
        box->setCurrentIndex(position);
}

int CellList::comboChoice(int row, int column) const
{
    const QComboBox *box = combo(row, column);
    return box ? box->currentIndex() : -1;
}

QComboBox *CellList::combo(int row, int column) const
{
    return qobject_cast<QComboBox *>(cellWidget(row, column));
}

void CellList::onItemChanged(QTableWidgetItem *item)
{
    if (m_silent > 0)
        return;
    const int kind = item->data(kKindRole).toInt();
    if (kind == Check) {
        const bool checked = item->checkState() == Qt::Checked;
        if (checked == item->data(kShownRole).toBool())
            return; // a change of text or flags, not a toggle
        {
            const Silence quiet(m_silent);
            item->setData(kShownRole, checked);
        }
        emit checkboxClicked(item->row(), item->column());
    } else if (kind == Edit) {
        emit editEnded(item->row(), item->column());
    }
}

void CellList::onComboChanged(QComboBox *box)
{
    if (m_silent > 0)
        return;
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (cellWidget(row, column) == box) {
                emit comboSelection(row, column);
                return;
            }
}

} // namespace halvane::ui
