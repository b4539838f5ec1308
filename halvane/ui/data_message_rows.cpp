#include "halvane/ui/data_message_rows.h"

#include "halvane/ui/back_animation_box.h"
#include "halvane/ui/ui_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace halvane::ui {

namespace {
constexpr std::array<preview::PreviewKind, project::kItemCount> kPreviewKinds = {
    preview::PreviewKind::Hour, preview::PreviewKind::Date, preview::PreviewKind::Temperature,
    preview::PreviewKind::Humidity};

enum Column { NameColumn, SelectColumn, TimeColumn, FrameColumn, BackColumn, PreviewColumn };
} // namespace

QString itemCaption(int item)
{
    static const std::array<const char *, project::kItemCount> kCaptions = {
        QT_TRANSLATE_NOOP("halvane::ui", "Hour"), QT_TRANSLATE_NOOP("halvane::ui", "Date"),
        QT_TRANSLATE_NOOP("halvane::ui", "Temperature °C"), QT_TRANSLATE_NOOP("halvane::ui", "Humidity")};
    return QCoreApplication::translate("halvane::ui", kCaptions.at(std::size_t(item)));
}

DataMessageRows::DataMessageRows(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent)
    : QWidget(parent), m_project(project)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const QStringList headers = {QString(), tr("Select"), tr("Time(s)"), tr("Frame"), tr("Back Animation"),
                                 QString()};
    for (int column = 0; column < int(headers.size()); ++column)
        if (!headers[column].isEmpty())
            grid->addWidget(new QLabel(headers[column]), 0, column, Qt::AlignCenter);
    for (int item = 0; item < project::kItemCount; ++item)
        buildRow(item, item + 1, dialogs);
    grid->setColumnStretch(BackColumn, 1);
    load();
}

void DataMessageRows::buildRow(int item, int gridRow, const DialogHooks &dialogs)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    const QString keyword = QLatin1String(project::kItemKeywords.at(std::size_t(item)));
    const QString caption = itemCaption(item);
    Row &row = m_rows.at(std::size_t(item));

    grid->addWidget(new QLabel(caption), gridRow, NameColumn);
    row.select = new QCheckBox;
    row.select->setAccessibleName(caption + QLatin1Char(' ') + tr("Select"));
    grid->addWidget(row.select, gridRow, SelectColumn, Qt::AlignCenter);
    row.time = new QLineEdit;
    row.time->setValidator(new QIntValidator(row.time));
    row.time->setAccessibleName(caption + QLatin1Char(' ') + tr("Time(s)"));
    row.time->setMaximumWidth(row.time->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8);
    grid->addWidget(row.time, gridRow, TimeColumn);
    row.frame = new QComboBox;
    row.frame->addItems(project::frameStyleChoices());
    row.frame->setAccessibleName(caption + QLatin1Char(' ') + tr("Frame"));
    grid->addWidget(row.frame, gridRow, FrameColumn);
    row.back = new BackAnimationBox(caption + QLatin1Char(' ') + tr("Back Animation"));
    grid->addWidget(row.back, gridRow, BackColumn);
    row.preview = new QPushButton(tr("Preview"));
    row.preview->setAccessibleName(caption + QLatin1Char(' ') + tr("Preview"));
    row.preview->setEnabled(bool(dialogs.preview));
    grid->addWidget(row.preview, gridRow, PreviewColumn);

    connect(row.select, &QCheckBox::toggled, this, [this, item](bool on) { onSelect(item, on); });
    connect(row.time, &QLineEdit::textEdited, this, [this, item] { onTimeEdited(item); });
    connect(row.time, &QLineEdit::editingFinished, this, [this, item] { onTimeFinished(item); });
    connect(row.frame, &QComboBox::activated, this, [this, item, keyword](int position) {
        if (const common::Status status = m_project.setItemFrameChoice(item, position); !status)
            showMessage(this, status.message);
        emit edited();
        emit lookChanged(keyword);
    });
    connect(row.back, &BackAnimationBox::chooseRequested, this, [this, item] {
        const QString chosen = chooseBackAnimation(this, m_project.library().folder());
        if (!chosen.isEmpty())
            setBack(item, chosen);
    });
    connect(row.back, &BackAnimationBox::cleared, this, [this, item] { setBack(item, QString()); });
    if (dialogs.preview)
        connect(row.preview, &QPushButton::clicked, this, [this, item, keyword, open = dialogs.preview] {
            open(this, kPreviewKinds.at(std::size_t(item)), keyword);
        });
}

void DataMessageRows::load()
{
    m_loading = true;
    for (int item = 0; item < project::kItemCount; ++item) {
        const project::ItemSettings &settings = m_project.item(item);
        Row &row = m_rows.at(std::size_t(item));
        const QSignalBlocker blockSelect(row.select);
        row.select->setChecked(settings.selected != 0);
        row.time->setText(QString::number(settings.time));
        row.frame->setCurrentIndex(settings.frameStyle - 1);
        row.back->setFileName(settings.backAnimation);
    }
    m_loading = false;
}

void DataMessageRows::onSelect(int item, bool checked)
{
    const QString keyword = QLatin1String(project::kItemKeywords.at(std::size_t(item)));
    QCheckBox *box = m_rows.at(std::size_t(item)).select;
    if (checked) {
        if (const common::Status status = m_project.appendToPlayList(keyword); !status) {
            const QSignalBlocker block(box);
            box->setChecked(false);
            showMessage(this, status.message);
            return;
        }
    } else if (!m_project.removeFromPlayList(keyword)) {
        const QSignalBlocker block(box);
        box->setChecked(true); // the entry is in the group the tree does not show
        return;
    }
    emit edited();
    emit playListChanged();
}

void DataMessageRows::onTimeEdited(int item)
{
    bool ok = false;
    const int seconds = m_rows.at(std::size_t(item)).time->text().toInt(&ok);
    if (!ok)
        return;
    // Out of range for Hour: not stored; the prompt comes when editing ends.
    if (m_project.setItemTime(item, seconds)) {
        emit edited();
        emit lookChanged(QLatin1String(project::kItemKeywords.at(std::size_t(item))));
    }
}

void DataMessageRows::onTimeFinished(int item)
{
    QLineEdit *field = m_rows.at(std::size_t(item)).time;
    const int stored = m_project.item(item).time;
    bool ok = false;
    const int typed = field->text().toInt(&ok);
    if (ok && typed == stored)
        return;
    field->setText(QString::number(stored)); // first: the box takes the focus away
    if (item == 0 && ok)
        showMessage(this, QCoreApplication::translate("PlayProject", project::kHourTimeRangeMessage));
}

void DataMessageRows::setBack(int item, const QString &fileName)
{
    if (const common::Status status = m_project.setItemBackAnimation(item, fileName); !status) {
        showMessage(this, status.message);
        return;
    }
    m_rows.at(std::size_t(item)).back->setFileName(fileName);
    emit edited();
    emit lookChanged(QLatin1String(project::kItemKeywords.at(std::size_t(item))));
}

} // namespace halvane::ui
