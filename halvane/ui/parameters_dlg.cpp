#include "halvane/ui/parameters_dlg.h"

#include "halvane/settings/halvane_config.h"
#include "halvane/ui/ui_messages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kWarningWidth = 420;
} // namespace

ParametersDlg::ParametersDlg(const link::LinkContext &link, QWidget *parent) : CrossDialog(link, parent)
{
    setWindowTitle(tr("Set Cross Resolution and Baudrate"));
    buildForm();
}

void ParametersDlg::buildForm()
{
    const settings::ParameterSettings stored = settings::readParameterSettings(linkContext().iniPath());

    auto *resolutionBox = new QGroupBox(tr("Cross Resolution"), this);
    auto *resolutionRow = new QHBoxLayout(resolutionBox);
    m_resolution = new QButtonGroup(this);
    // A stored value that is neither leaves both radios clear.
    m_resolution->setExclusive(false);
    for (int side : {48, 64}) {
        auto *radio = new QRadioButton(tr("%1 x %1").arg(side), resolutionBox);
        radio->setChecked((side == 48 && stored.crossStyle == settings::kCrossStyle48)
                          || (side == 64 && stored.crossStyle == settings::kCrossStyle64));
        m_resolution->addButton(radio, side);
        resolutionRow->addWidget(radio);
    }
    m_resolution->setExclusive(true);

    auto *harnessRow = new QHBoxLayout;
    m_harness = new QButtonGroup(this);
    const QStringList dots = {tr("None"), tr("1"), tr("2"), tr("3")};
    for (int n = 0; n < int(dots.size()); ++n) {
        auto *radio = new QRadioButton(dots[n], this);
        radio->setAccessibleName(tr("Harness frame dots %1").arg(dots[n]));
        radio->setChecked(n == stored.harnessFrameDots);
        m_harness->addButton(radio, n);
        harnessRow->addWidget(radio);
    }
    harnessRow->addStretch();

    m_timeZone = listBox(timeZoneList(), tr("Time Zone"), true, this);
    m_timeZone->setCurrentIndex(stored.timeZone);
    m_tempFactor = listBox(tempFactorList(), tr("Temp. Factor"), true, this);
    m_tempFactor->setCurrentIndex(stored.tempFactor);
    auto *setToCross = new QPushButton(tr("Set to cross"), this);

    auto *form = new QFormLayout;
    form->addRow(tr("Harness frame dots:"), harnessRow);
    form->addRow(tr("Time Zone:"), m_timeZone);
    form->addRow(tr("Temp. Factor:"), m_tempFactor);
    auto *setRow = new QHBoxLayout;
    setRow->addStretch();
    setRow->addWidget(setToCross);

    QLabel *warning = attentionNote(
        tr("1.Before set the \"Cross Resolution\", please make sure you know your Cross is 48 x 48 or 64 x 64. "
           "If you set the wrong \"Cross Resolution\", the software will say \"Can't find the Cross\"."),
        this);
    warning->setMinimumWidth(kWarningWidth);

    const ButtonRow buttons = buttonRow(tr("OK"), this);
    QPushButton *ok = buttons.action;
    QPushButton *cancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(resolutionBox);
    layout->addLayout(form);
    layout->addLayout(setRow);
    layout->addWidget(attentionHeading(this));
    layout->addWidget(warning);
    layout->addWidget(statusLine());
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_resolution, &QButtonGroup::idClicked, this, &ParametersDlg::chooseResolution);
    connect(m_harness, &QButtonGroup::idClicked, this, &ParametersDlg::chooseHarness);
    connect(setToCross, &QPushButton::clicked, this, &ParametersDlg::setToCross);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ParametersDlg::chooseResolution(int side)
{
    if (const common::Status written = settings::writeCrossResolution(linkContext().iniPath(), side); !written) {
        setStatus(written.message);
        return;
    }
    emit crossGeometryChanged();
}

void ParametersDlg::chooseHarness(int dots)
{
    if (const common::Status written = settings::writeHarnessFrameDots(linkContext().iniPath(), dots); !written) {
        setStatus(written.message);
        return;
    }
    emit crossGeometryChanged();
}

void ParametersDlg::setToCross()
{
    const int dots = std::max(m_harness->checkedId(), 0);
    setStatus(tr("Sending the parameters..."));
    runOnCross(link::CrossRunner::setParameters(dots, m_timeZone->currentIndex(), m_tempFactor->currentIndex()),
               [this](const link::CrossRunner::Result &result) {
                   setStatus(result.status.ok() ? QString() : result.status.message);
                   if (!result.status.message.isEmpty())
                       showMessage(this, result.status.message);
                   if (result.status.ok())
                       emit crossStatusChanged();
               });
}

} // namespace halvane::ui
