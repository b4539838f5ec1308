#include "halvane/preview/preview_recorder.h"

#include "halvane/encode/dot_image.h"
#include "halvane/preview/canvas.h"
#include "halvane/preview/dot_grid.h"

namespace halvane::preview {

namespace {

constexpr QRgb kBackground = kDark; // the corners beside the arms

} // namespace

PreviewRecorder::PreviewRecorder(int side, int dotSize, int maxFrames)
    : m_dotSize(dotSize), m_maxFrames(maxFrames),
      m_writer(QSize(side * dotSize, side * dotSize), {kBackground, encode::kDotGreen, kGridGrey})
{
}

PreviewRecorder::~PreviewRecorder() = default;

bool PreviewRecorder::show(const QImage &canvas, int durationMs)
{
    const QImage picture = dotGridImage(canvas, m_dotSize, kBackground);
    const long long ms = std::max(durationMs, 0);
    ++m_steps;
    m_durationMs += ms;
    if (!m_pending.isNull() && picture == m_pending && m_pendingMs + ms <= AnimatedGifWriter::kMaxDelayMs) {
        m_pendingMs += ms;
        return true;
    }
    if (!flush())
        return false;
    if (m_writer.frameCount() >= m_maxFrames) {
        m_cut = true;
        return false;
    }
    m_pending = picture;
    m_pendingMs = ms;
    return true;
}

bool PreviewRecorder::flush()
{
    if (m_pending.isNull())
        return true;
    if (!m_writer.addFrame(m_pending, int(m_pendingMs)))
        m_failed = true;
    m_pending = QImage();
    return !m_failed;
}

QByteArray PreviewRecorder::finish()
{
    flush();
    return m_failed ? QByteArray() : m_writer.finish();
}

} // namespace halvane::preview
