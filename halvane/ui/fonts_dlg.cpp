#include "halvane/ui/fonts_dlg.h"

#include "common/app_dir.h"
#include "halvane/ui/cross_dialog.h"
#include "halvane/encode/installed_fonts.h"
#include "halvane/ui/cell_list.h"
#include "halvane/ui/ui_messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace halvane::ui {

namespace {
enum Column { InstallColumn = 0, NameColumn = 1 };
constexpr int kListWidth = 360;
constexpr int kListHeight = 200;
} // namespace

FontsDlg::FontsDlg(const QString &appFolder, QWidget *parent)
    : QDialog(parent), m_iniPath(appFolder + QStringLiteral("Halvane.ini")),
      m_fontsFolder(common::folderWithShipped(appFolder, QStringLiteral("Fonts")) + QStringLiteral("Fonts/"))
{
    setWindowTitle(tr("Add and Delete Fonts"));
    m_list = new CellList(this);
    m_list->setAccessibleName(tr("Fonts"));
    m_list->setColumns({tr("Install"), tr("Name")});
    m_list->setMinimumSize(kListWidth, kListHeight);
    // Install takes a tenth and a half of the list, Name the rest.
    const int inner = kListWidth - m_list->verticalScrollBar()->sizeHint().width() - 2;
    m_list->horizontalHeader()->resizeSection(InstallColumn,
                                              std::max(inner * 10 / 64, m_list->horizontalHeader()->sectionSizeHint(InstallColumn)));
    m_list->horizontalHeader()->setStretchLastSection(true);

    const ButtonRow buttons = buttonRow(tr("OK"), this);
    QPushButton *ok = buttons.action;
    QPushButton *cancel = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons.layout);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &CellList::checkboxClicked, this, &FontsDlg::onCheckbox);
    fill();
}

void FontsDlg::fill()
{
    m_list->deleteAllItems();
    const QStringList files = encode::fontFiles(m_fontsFolder);
    for (int row = 0; row < int(files.size()); ++row) {
        m_list->insertItem(row, QString());
        m_list->setCheckbox(row, InstallColumn, encode::fontRowInstalled(m_iniPath, row));
        m_list->setItemAlignment(row, InstallColumn, Qt::AlignCenter);
        m_list->setItemText(row, NameColumn, files[row]);
    }
}

void FontsDlg::onCheckbox(int row, int column)
{
    if (column != InstallColumn)
        return;
    const bool install = m_list->checkbox(row, InstallColumn);
    const common::Status done =
        install ? encode::installFont(m_iniPath, m_fontsFolder, row, m_list->itemText(row, NameColumn))
                : encode::uninstallFont(m_iniPath, row);
    if (!done) {
        m_list->setCheckbox(row, InstallColumn, !install); // the box stays as it was
        showMessage(this, done.message, windowTitle());
    }
}

} // namespace halvane::ui
