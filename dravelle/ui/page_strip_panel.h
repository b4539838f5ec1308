#pragma once

#include "dravelle/editor/page_strip.h"

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace dravelle::ui {

// One thumbnail of the page strip: the page at one pixel per dot, framed in
// red one pixel outside when it is the current page.
class ThumbnailWidget : public QWidget {
    Q_OBJECT

public:
    ThumbnailWidget(int resolution, QWidget *parent = nullptr);
    void setPicture(const QImage &picture, bool current, bool chosen = false);

signals:
    // `extend`: Shift was held (the range of chosen pages grows to this one).
    void clicked(bool extend);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_current = false;
    bool m_chosen = false;
};

// The eight slots of the current group: thumbnail, "Page%d" label and the
// delay box (digits only; only the current slot's box is enabled).
class PageStripPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlots = document::AnimationStore::kPagesPerGroup;

    PageStripPanel(int resolution, QWidget *parent = nullptr);

    // Shows the strip; `thumbnails` holds one picture per slot (null when empty).
    void showStrip(const editor::PageStrip &strip, const std::array<QImage, kSlots> &thumbnails);
    // Redraws one slot's thumbnail only (after a stroke on the current page).
    void showThumbnail(int slot, const QImage &picture, bool current);

signals:
    void slotClicked(int slot);
    void slotShiftClicked(int slot);
    // The delay box of the current slot lost the focus or took Enter.
    void delayEditFinished();
    // The user typed a delay into the box of `slot`.
    void delayEdited(int slot, int ms);

private:
    struct Slot {
        ThumbnailWidget *thumbnail = nullptr;
        QLabel *label = nullptr;
        QLineEdit *delay = nullptr;
    };
    std::array<Slot, kSlots> m_slots;
};

} // namespace dravelle::ui
