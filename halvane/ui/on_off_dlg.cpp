#include "halvane/ui/on_off_dlg.h"

#include "halvane/ui/ui_messages.h"

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
constexpr int kModeEntries = 2; // "Always open", "Always closed" before the hours
} // namespace

OnOffDlg::OnOffDlg(const link::LinkContext &link, QWidget *parent) : CrossDialog(link, parent)
{
    setWindowTitle(tr("Set LED Open and Close Time"));
    buildForm();
    showSchedule(link::OnOffSchedule{});
    runAfterOpening(kReadBackDelayMs, link::CrossRunner::readOnOff(), [this](const auto &result) {
        if (result.status.ok())
            showSchedule(result.value.template value<link::OnOffSchedule>());
    });
}

void OnOffDlg::buildForm()
{
    // Which list of a window is which, for screen readers: "Monday first open hour".
    const std::array<QString, 4> times = {tr("first open"), tr("first close"), tr("second open"),
                                          tr("second close")};
    auto *table = new QWidget(this);
    auto *grid = new QGridLayout(table);
    grid->setHorizontalSpacing(4);
    const QStringList days = {tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                              tr("Friday"), tr("Saturday"), tr("Sunday")};
    // Each window is "Open From:" hour "h" minute "m" "To:" hour "h" minute "m"
    // (ten columns); a spacer column stands between the two windows.
    constexpr int kWindowColumns = 10;
    constexpr int kWeekColumn = 2 * kWindowColumns + 1;
    grid->addWidget(new QLabel(tr("FIRST"), table), 0, 0, 1, kWindowColumns, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("SECOND"), table), 0, kWindowColumns + 1, 1, kWindowColumns, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("Week"), table), 0, kWeekColumn);
    grid->setColumnMinimumWidth(kWindowColumns, 16);
    for (int day = 0; day < int(m_days.size()); ++day) {
        Day &row = m_days[day];
        const int line = day + 1;
        for (int time = 0; time < 4; ++time) {
            const QString name = days[day] + QLatin1Char(' ') + times[time];
            row.hours[time] = listBox(time == 0 ? onOffFirstHourList() : hourList(), name + tr(" hour"),
                                      time == 1 || time == 3, table);
            row.minutes[time] = listBox(minuteList(), name + tr(" minute"), true, table);
            int column = (time / 2) * (kWindowColumns + 1) + (time % 2) * 5;
            auto *caption = new QLabel(time % 2 == 0 ? tr("Open From:") : tr("To:"), table);
            if (time % 2 == 1)
                caption->setContentsMargins(12, 0, 0, 0); // apart from the "m" before it
            grid->addWidget(caption, line, column++);
            grid->addWidget(row.hours[time], line, column++);
            grid->addWidget(new QLabel(tr("h"), table), line, column++);
            grid->addWidget(row.minutes[time], line, column++);
            grid->addWidget(new QLabel(tr("m"), table), line, column++);
        }
        auto *dayName = new QLabel(days[day], table);
        dayName->setContentsMargins(8, 0, 0, 0);
        grid->addWidget(dayName, line, kWeekColumn);
        connect(row.hours[0], &QComboBox::currentIndexChanged, this, [this, day] { applyEnabling(day); });
    }
    const ButtonRow buttons = buttonRow(tr("Set"), this);
    QPushButton *setButton = buttons.action;
    QPushButton *cancel = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(statusLine());
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(setButton, &QPushButton::clicked, this, &OnOffDlg::set);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OnOffDlg::applyEnabling(int day)
{
    const Day &row = m_days[day];
    const bool times = row.hours[0]->currentIndex() >= kModeEntries;
    for (int time = 0; time < 4; ++time) {
        if (time > 0)
            row.hours[time]->setEnabled(times);
        row.minutes[time]->setEnabled(times);
    }
}

link::OnOffSchedule OnOffDlg::shownSchedule() const
{
    using Mode = link::OnOffDay::Mode;
    link::OnOffSchedule schedule;
    for (int day = 0; day < int(m_days.size()); ++day) {
        const Day &row = m_days[day];
        link::OnOffDay &shown = schedule[day];
        const int first = row.hours[0]->currentIndex();
        shown.mode = first == 0 ? Mode::AlwaysOpen : first == 1 ? Mode::AlwaysClosed : Mode::Times;
        for (int time = 0; time < 4; ++time) {
            const int hour = time == 0 ? std::max(first - kModeEntries, 0) : row.hours[time]->currentIndex();
            shown.times[time] = {hour, row.minutes[time]->currentIndex()};
        }
    }
    return schedule;
}

void OnOffDlg::showSchedule(const link::OnOffSchedule &schedule)
{
    using Mode = link::OnOffDay::Mode;
    for (int day = 0; day < int(m_days.size()); ++day) {
        const Day &row = m_days[day];
        const link::OnOffDay &shown = schedule[day];
        for (int time = 0; time < 4; ++time) {
            if (time > 0)
                row.hours[time]->setCurrentIndex(shown.times[time].hour);
            row.minutes[time]->setCurrentIndex(shown.times[time].minute);
        }
        const int first = shown.mode == Mode::AlwaysOpen     ? 0
                          : shown.mode == Mode::AlwaysClosed ? 1
                                                             : shown.times[0].hour + kModeEntries;
        row.hours[0]->setCurrentIndex(first);
        applyEnabling(day);
    }
}

void OnOffDlg::set()
{
    const link::OnOffSchedule schedule = shownSchedule();
    if (const common::Status valid = link::validateOnOff(schedule); !valid) {
        showMessage(this, valid.message);
        return;
    }
    setStatus(tr("Sending the open and close times..."));
    runOnCross(link::CrossRunner::setOnOff(schedule), [this](const link::CrossRunner::Result &result) {
        if (result.status.ok()) {
            setStatus(QString());
            showMessage(this, result.status.message, tr("Halvane"));
        } else {
            setStatus(result.status.message);
        }
    });
}

} // namespace halvane::ui
