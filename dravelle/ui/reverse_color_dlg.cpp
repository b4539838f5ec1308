#include "dravelle/ui/reverse_color_dlg.h"

#include "dravelle/editor/page_operations.h"
#include "dravelle/ui/dialog_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravelle::ui {

ReverseColorDlg::ReverseColorDlg(document::AnimationStore &store, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
{
    setWindowTitle(tr("Reverse Color"));
    auto *colours = new QGroupBox(tr("Color"), this);
    m_red = new QCheckBox(tr("Red"), colours);
    m_green = new QCheckBox(tr("Green"), colours);
    m_blue = new QCheckBox(tr("Blue"), colours);
    auto *colourBoxes = new QVBoxLayout(colours);
    for (QCheckBox *box : {m_red, m_green, m_blue}) {
        box->setChecked(true);
        colourBoxes->addWidget(box);
    }

    auto *range = new QGroupBox(tr("Range"), this);
    m_currentPage = new QRadioButton(tr("Current Page"), range);
    auto *allPages = new QRadioButton(tr("All Page"), range);
    m_currentPage->setChecked(true);
    auto *rangeButtons = new QVBoxLayout(range);
    rangeButtons->addWidget(m_currentPage);
    rangeButtons->addWidget(allPages);
    rangeButtons->addStretch();

    auto *groups = new QHBoxLayout;
    groups->addWidget(colours);
    groups->addWidget(range);
    QDialogButtonBox *buttons = okCancelButtons(this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ReverseColorDlg::accept()
{
    using namespace dravelle::document;
    const int bits = (m_red->isChecked() ? kColourBitRed : 0) | (m_green->isChecked() ? kColourBitGreen : 0)
        | (m_blue->isChecked() ? kColourBitBlue : 0);
    editor::reverseColour(m_store, bits,
                          m_currentPage->isChecked() ? editor::ReverseRange::CurrentPage
                                                     : editor::ReverseRange::AllPages);
    QDialog::accept();
}

} // namespace dravelle::ui
