#include "halvane/ui/set_bright_dlg.h"

#include "halvane/link/settings_commands.h"
#include "halvane/ui/ui_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kReadBackDelayMs = 50;
constexpr int kAlwaysEntries = 4; // "Alway 1 rate" .. "Alway 4 rate" before the hours
} // namespace

SetBrightDlg::SetBrightDlg(const link::LinkContext &link, QWidget *parent) : CrossDialog(link, parent)
{
    setWindowTitle(tr("Set Bright"));
    buildForm();
    showSchedule(link::BrightnessSchedule{});
    runAfterOpening(kReadBackDelayMs, link::CrossRunner::readBrightness(), [this](const auto &result) {
        if (result.status.ok())
            showSchedule(result.value.template value<link::BrightnessSchedule>());
    });
}

void SetBrightDlg::buildForm()
{
    m_automatic = new QCheckBox(tr("Brightness automatically"), this);
    auto *group = new QGroupBox(tr("Bright List"), this);
    auto *grid = new QGridLayout(group);
    for (int index = 0; index < int(m_rows.size()); ++index) {
        Row &row = m_rows[index];
        const QString name = tr("Row %1").arg(index + 1);
        row.hour = listBox(index == 0 ? brightnessFirstHourList() : hourList(), name + tr(" hour"), false, group);
        row.minute = listBox(minuteList(), name + tr(" minute"), true, group);
        row.level = listBox(levelList(), name + tr(" level"), false, group);
        int column = 0;
        grid->addWidget(new QLabel(tr("From:"), group), index, column++);
        grid->addWidget(row.hour, index, column++);
        grid->addWidget(new QLabel(tr("h"), group), index, column++);
        grid->addWidget(row.minute, index, column++);
        grid->addWidget(new QLabel(tr("m"), group), index, column++);
        grid->addWidget(new QLabel(tr("Use:"), group), index, column++);
        grid->addWidget(row.level, index, column++);
    }
    grid->setColumnStretch(1, 1);
    const ButtonRow buttons = buttonRow(tr("Set"), this);
    QPushButton *setButton = buttons.action;
    QPushButton *cancel = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_automatic);
    layout->addWidget(group);
    layout->addWidget(statusLine());
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_automatic, &QCheckBox::clicked, this, &SetBrightDlg::applyEnabling);
    connect(m_rows[0].hour, &QComboBox::currentIndexChanged, this, &SetBrightDlg::applyEnabling);
    connect(setButton, &QPushButton::clicked, this, &SetBrightDlg::set);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void SetBrightDlg::applyEnabling()
{
    const bool automatic = m_automatic->isChecked();
    const bool times = !automatic && m_rows[0].hour->currentIndex() >= kAlwaysEntries;
    m_rows[0].hour->setEnabled(!automatic);
    for (int index = 0; index < int(m_rows.size()); ++index) {
        const Row &row = m_rows[index];
        if (index > 0)
            row.hour->setEnabled(times);
        row.minute->setEnabled(times);
        row.level->setEnabled(times);
    }
}

link::BrightnessSchedule SetBrightDlg::shownSchedule() const
{
    link::BrightnessSchedule schedule;
    const int first = m_rows[0].hour->currentIndex();
    if (m_automatic->isChecked())
        schedule.mode = link::BrightnessSchedule::Mode::Automatic;
    else if (first < kAlwaysEntries)
        schedule.mode = link::BrightnessSchedule::Mode::Always;
    else
        schedule.mode = link::BrightnessSchedule::Mode::Times;
    schedule.alwaysLevel = first < kAlwaysEntries ? first : 0;
    for (int index = 0; index < int(m_rows.size()); ++index) {
        const Row &row = m_rows[index];
        const int hour = index == 0 ? std::max(first - kAlwaysEntries, 0) : row.hour->currentIndex();
        schedule.rows[index] = {{hour, row.minute->currentIndex()}, row.level->currentIndex()};
    }
    return schedule;
}

void SetBrightDlg::showSchedule(const link::BrightnessSchedule &schedule)
{
    using Mode = link::BrightnessSchedule::Mode;
    m_automatic->setChecked(schedule.mode == Mode::Automatic);
    for (int index = 0; index < int(m_rows.size()); ++index) {
        const Row &row = m_rows[index];
        const link::BrightnessRow &shown = schedule.rows[index];
        if (index > 0)
            row.hour->setCurrentIndex(shown.start.hour);
        row.minute->setCurrentIndex(shown.start.minute);
        row.level->setCurrentIndex(shown.level);
    }
    // Automatic keeps row 1's selection as it was, only disabled.
    if (schedule.mode == Mode::Times)
        m_rows[0].hour->setCurrentIndex(schedule.rows[0].start.hour + kAlwaysEntries);
    else if (schedule.mode == Mode::Always)
        m_rows[0].hour->setCurrentIndex(schedule.alwaysLevel);
    applyEnabling();
}

void SetBrightDlg::set()
{
    const link::BrightnessSchedule schedule = shownSchedule();
    if (const common::Status valid = link::validateBrightness(schedule); !valid) {
        showMessage(this, valid.message);
        return;
    }
    setStatus(tr("Sending the brightness schedule..."));
    runOnCross(link::CrossRunner::setBrightness(schedule), [this](const link::CrossRunner::Result &result) {
        if (result.status.ok()) {
            setStatus(QString());
            showMessage(this, result.status.message, tr("Halvane"));
        } else {
            setStatus(result.status.message);
        }
    });
}

} // namespace halvane::ui
