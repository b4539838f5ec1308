#include "dravelle/ui/delay_dlg.h"

#include "dravelle/editor/page_operations.h"
#include "dravelle/ui/dialog_support.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dravelle::ui {

DelayDlg::DelayDlg(document::AnimationStore &store, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
{
    setWindowTitle(tr("Change All Page's Delay"));
    auto *label = new QLabel(tr("Delay:"), this);
    m_delay = new QLineEdit(QStringLiteral("0"), this);
    m_delay->setAccessibleName(tr("Delay"));
    label->setBuddy(m_delay);
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_delay, 1);
    row->addWidget(new QLabel(tr("ms"), this));

    QDialogButtonBox *buttons = okCancelButtons(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_delay->selectAll();
}

void DelayDlg::accept()
{
    const std::optional<int> ms = readIntegerField(m_delay, this);
    if (!ms)
        return;
    const common::Status status = editor::changeAllDelay(m_store, *ms);
    if (!status) {
        showPrompt(this, status.message);
        m_delay->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace dravelle::ui
