#pragma once

#include <QStringList>
#include <QTableWidget>

class QComboBox;

namespace halvane::ui {

// A report list whose cells the user edits in place: check box cells,
// editable text cells, drop-down cells and plain text. The owner builds the
// rows and reacts to three notifications, each with the row and column:
// a check box toggled, a text edit ended, a drop-down choice changed.
//
// Every setter works silently: setting a check box from inside its own
// notification (a list that refuses the tick) changes what is shown and
// sends nothing further. A drop-down cell shows its choice at once, before
// it is opened. Used by the animation list and the fonts dialog.
class CellList : public QTableWidget {
    Q_OBJECT

public:
    explicit CellList(QWidget *parent = nullptr);

    // Column headers; the columns' count follows them.
    void setColumns(const QStringList &headers);
    // Inserts a row at `row` whose column 0 shows `text`; returns the row.
    int insertItem(int row, const QString &text);
    void setItemText(int row, int column, const QString &text);
    QString itemText(int row, int column) const;
    void setItemAlignment(int row, int column, Qt::Alignment alignment);
    // Turns the cell into a check box with that state, or changes the state.
    void setCheckbox(int row, int column, bool checked);
    bool checkbox(int row, int column) const;
    // Makes the cell an editable text cell.
    void setEdit(int row, int column);
    // Makes the cell a drop-down list of `choices` showing `initial`;
    // `accessibleName` names the drop-down for screen readers.
    void setComboBox(int row, int column, const QStringList &choices, int initial,
                     const QString &accessibleName = QString());
    void setComboChoice(int row, int column, int position);
    int comboChoice(int row, int column) const; // -1 for a cell without a drop-down
    void deleteItem(int row);
    void deleteAllItems();
    // Lets the user drag a row by its `column` cell: the drag carries that
    // cell's text under `mimeType`, for a list elsewhere to take.
    void setRowDrag(int column, const QString &mimeType);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTableWidgetItem *> &items) const override;

signals:
    void checkboxClicked(int row, int column);
    void editEnded(int row, int column);
    void comboSelection(int row, int column);

private:
    enum CellKind { Plain = 0, Check = 1, Edit = 2 };
    QTableWidgetItem *cell(int row, int column);
    QComboBox *combo(int row, int column) const;
    void onItemChanged(QTableWidgetItem *item);
    void onComboChanged(QComboBox *box);

    int m_silent = 0; // > 0 while the list itself changes cells
    int m_dragColumn = -1;
    QString m_dragMimeType;
};

} // namespace halvane::ui
