#include "dravelle/ui/page_strip_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace dravelle::ui {

ThumbnailWidget::ThumbnailWidget(int resolution, QWidget *parent) : QWidget(parent)
{
    // One pixel of frame around the picture and one of space for the red one.
    setFixedSize(resolution + 4, resolution + 4);
}

void ThumbnailWidget::setPicture(const QImage &picture, bool current, bool chosen)
{
    m_picture = picture;
    m_current = current;
    m_chosen = chosen;
    update();
}

void ThumbnailWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(2, 2, -2, -2);
    painter.fillRect(rect(), palette().window());
    // An empty slot stays a quiet frame on the window's colour.
    if (!m_picture.isNull())
        painter.drawImage(inner.topLeft(), m_picture);
    painter.setPen(m_current ? QColor(255, 0, 0) : palette().mid().color());
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
    if (m_chosen && !m_current) {
        painter.setPen(QColor(0, 90, 230));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void ThumbnailWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(event->modifiers().testFlag(Qt::ShiftModifier));
}

PageStripPanel::PageStripPanel(int resolution, QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this);
    for (int s = 0; s < kSlots; ++s) {
        Slot &slot = m_slots[std::size_t(s)];
        const QString n = QString::number(s + 1);
        slot.thumbnail = new ThumbnailWidget(resolution, this);
        slot.thumbnail->setAccessibleName(tr("Page %1").arg(n));
        slot.label = new QLabel(this);
        slot.label->setAlignment(Qt::AlignCenter);
        slot.label->setMinimumWidth(slot.label->fontMetrics().horizontalAdvance(QStringLiteral("Page0000")));
        slot.delay = new QLineEdit(this);
        slot.delay->setValidator(digits);
        slot.delay->setEnabled(false);
        slot.delay->setAccessibleName(tr("Delay %1").arg(n));
        slot.delay->setMaximumWidth(slot.delay->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        auto *delayRow = new QHBoxLayout;
        delayRow->setSpacing(2);
        delayRow->addWidget(slot.delay);
        delayRow->addWidget(new QLabel(tr("ms"), this));
        grid->addWidget(slot.thumbnail, 0, s, Qt::AlignHCenter);
        grid->addWidget(slot.label, 1, s, Qt::AlignHCenter);
        grid->addLayout(delayRow, 2, s, Qt::AlignHCenter);
        connect(slot.thumbnail, &ThumbnailWidget::clicked, this, [this, s](bool extend) {
            if (extend)
                emit slotShiftClicked(s + 1);
            else
                emit slotClicked(s + 1);
        });
        connect(slot.delay, &QLineEdit::editingFinished, this, &PageStripPanel::delayEditFinished);
        connect(slot.delay, &QLineEdit::textEdited, this, [this, s](const QString &text) {
            bool ok = false;
            const int ms = text.toInt(&ok);
            if (ok)
                emit delayEdited(s + 1, ms);
        });
    }
}

void PageStripPanel::showStrip(const editor::PageStrip &strip, const std::array<QImage, kSlots> &thumbnails)
{
    for (int s = 0; s < kSlots; ++s) {
        const editor::StripSlot &entry = strip.entries[std::size_t(s)];
        Slot &slot = m_slots[std::size_t(s)];
        slot.thumbnail->setPicture(thumbnails[std::size_t(s)], entry.current, entry.chosen);
        slot.thumbnail->setAccessibleDescription(entry.chosen ? tr("chosen") : QString());
        slot.label->setText(entry.label);
        const QString delay = entry.page > 0 ? QString::number(entry.delayMs) : QString();
        if (slot.delay->text() != delay)
            slot.delay->setText(delay);
        slot.delay->setEnabled(entry.current);
    }
}

void PageStripPanel::showThumbnail(int slot, const QImage &picture, bool current)
{
    if (slot >= 1 && slot <= kSlots)
        m_slots[std::size_t(slot - 1)].thumbnail->setPicture(picture, current);
}

} // namespace dravelle::ui
