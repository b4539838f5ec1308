#pragma once

#include "common/gif/gif_layout.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <vector>

namespace common::gif {

// Composes the frames of one GIF, in order, onto a canvas of its logical
// screen that starts black. A frame is drawn into its rectangle (clipped to
// the canvas) without its transparent pixels; its disposal takes effect after
// it has been shown: method 2 clears its rectangle to black, method 3 puts
// back what lay under it, other methods leave it. The frames are decoded again
// on every pass, so memory stays at the file plus two canvases whatever the
// number of frames.
class GifCompositor {
public:
    GifCompositor() = default;
    GifCompositor(QByteArray data, QSize logicalSize, std::vector<GifFrameBlock> frames);

    int frameCount() const { return static_cast<int>(m_frames.size()); }
    const GifFrameBlock &frame(int i) const { return m_frames[static_cast<size_t>(i)]; }

    // The canvas showing frame i (Format_RGB32); null out of range. Going on
    // to the next frame costs one frame; going back starts again at frame 0.
    QImage compose(int i);

private:
    void restart();
    void draw(const GifFrameBlock &frame);
    void dispose(const GifFrameBlock &frame, const QImage &saved);
    QRect clipped(const GifFrameBlock &frame) const;

    QByteArray m_data;
    QSize m_size;
    std::vector<GifFrameBlock> m_frames;
    QImage m_canvas;       // after the disposal of frame m_next - 1
    int m_next = 0;
    int m_shownIndex = -1; // the frame m_shown shows
    QImage m_shown;
};

} // namespace common::gif
