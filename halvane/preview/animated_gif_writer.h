#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

#include <memory>

namespace common::gif {
class GifMemoryEncoder;
}

namespace halvane::preview {

// Writes an animated GIF89a frame by frame into memory with giflib: one
// global colour table given up front (pictures of a few known colours, such
// as the preview's dot grid), every frame the size of the logical screen,
// shown once (no loop extension). After the first frame only the rectangle
// that changed is stored, drawn over the frame before (disposal 1), which
// keeps scrolling texts and blinking outlines small.
class AnimatedGifWriter {
public:
    // The longest delay one frame can carry: 65535 hundredths of a second.
    static constexpr int kMaxDelayMs = 655350;

    // `palette`: 2 .. 256 colours; a pixel of another colour is written as
    // the palette's first colour.
    AnimatedGifWriter(const QSize &size, const QList<QRgb> &palette);
    ~AnimatedGifWriter();
    AnimatedGifWriter(const AnimatedGifWriter &) = delete;
    AnimatedGifWriter &operator=(const AnimatedGifWriter &) = delete;

    // Appends a frame shown for `delayMs` (0 .. kMaxDelayMs). The delays are
    // rounded to hundredths on the running total, so they do not drift.
    // False when the image has the wrong size or the encoder failed.
    bool addFrame(const QImage &image, int delayMs);

    int frameCount() const { return m_frames; }

    // Ends the file and returns its bytes; empty when any step failed or no
    // frame was added.
    QByteArray finish();

private:
    bool putHeader();
    QRect changedRect(const QImage &image) const;
    bool putFrame(const QImage &image, const QRect &rect, int delayCs);
    unsigned char indexOf(QRgb colour) const;

    QByteArray m_bytes; // before the encoder: closing it writes here
    std::unique_ptr<common::gif::GifMemoryEncoder> m_encoder;
    QSize m_size;
    QList<QRgb> m_palette;
    QImage m_previous;
    long long m_totalMs = 0;
    int m_frames = 0;
    bool m_failed = false;
};

} // namespace halvane::preview
