#include "common/gif/gif_compositor.h"

#include "common/gif/gif_frame_decoder.h"

#include <algorithm>

namespace common::gif {

namespace {

constexpr int kRestoreBackground = 2;
constexpr int kRestorePrevious = 3;
constexpr QRgb kBlack = 0xFF000000;

} // namespace

GifCompositor::GifCompositor(QByteArray data, QSize logicalSize, std::vector<GifFrameBlock> frames)
    : m_data(std::move(data)), m_size(logicalSize), m_frames(std::move(frames))
{
}

QImage GifCompositor::compose(int i)
{
    if (i < 0 || i >= frameCount())
        return {};
    if (i == m_shownIndex)
        return m_shown;
    if (m_canvas.isNull() || i < m_next)
        restart();
    while (m_next <= i) {
        const GifFrameBlock &f = frame(m_next);
        const QRect area = clipped(f);
        const QImage saved = f.info.disposal == kRestorePrevious ? m_canvas.copy(area) : QImage();
        draw(f);
        if (m_next == i) {
            m_shown = m_canvas.copy();
            m_shownIndex = i;
        }
        dispose(f, saved);
        ++m_next;
    }
    return m_shown;
}

void GifCompositor::restart()
{
    m_canvas = QImage(m_size, QImage::Format_RGB32);
    m_canvas.fill(kBlack);
    m_next = 0;
    m_shownIndex = -1;
}

QRect GifCompositor::clipped(const GifFrameBlock &frame) const
{
    return frame.info.rect.intersected(QRect(QPoint(0, 0), m_size));
}

void GifCompositor::draw(const GifFrameBlock &frame)
{
    const QRect area = clipped(frame);
    if (area.isEmpty())
        return;   // nothing of it is on the screen; its data need not be read
    const int left = frame.info.rect.left();
    const int top = frame.info.rect.top();
    const int columns = area.right() - left + 1;   // frame columns that lie on the canvas
    const int transparent = frame.info.transparentIndex;
    FramePalette palette;
    decodeGifFrame(m_data, frame, palette, [&](int y, const quint8 *indices) {
        const int canvasY = top + y;
        if (canvasY < area.top() || canvasY > area.bottom())
            return;
        auto *row = reinterpret_cast<QRgb *>(m_canvas.scanLine(canvasY)) + left;
        for (int x = 0; x < columns; ++x)
            if (indices[x] != transparent)
                row[x] = palette[indices[x]];
    });
}

void GifCompositor::dispose(const GifFrameBlock &frame, const QImage &saved)
{
    const QRect area = clipped(frame);
    if (area.isEmpty())
        return;
    if (frame.info.disposal == kRestoreBackground) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(m_canvas.scanLine(y));
            std::fill(row + area.left(), row + area.right() + 1, kBlack);
        }
    } else if (frame.info.disposal == kRestorePrevious && !saved.isNull()) {
        for (int y = 0; y < saved.height(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(saved.constScanLine(y));
            auto *to = reinterpret_cast<QRgb *>(m_canvas.scanLine(area.top() + y)) + area.left();
            std::copy(from, from + saved.width(), to);
        }
    }
}

} // namespace common::gif
