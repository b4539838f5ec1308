#include "halvane/preview/preview_recorder.h"

#include "halvane/encode/dot_image.h"
#include "halvane/preview/canvas.h"
#include "halvane/preview/dot_grid.h"
#include "halvane/preview/preview_loops.h"

namespace halvane::preview {

namespace {

constexpr QRgb kBackground = kDark; // the corners beside the arms

// Passes the steps on to a recorder until a stop is raised.
class StoppableSink : public StepSink {
public:
    StoppableSink(PreviewRecorder &recorder, const std::atomic<bool> *stop) : m_recorder(recorder), m_stop(stop) {}
    bool show(const QImage &canvas, int durationMs) override
    {
        return !(m_stop && m_stop->load()) && m_recorder.show(canvas, durationMs);
    }
    void message(const QString &text) override { m_recorder.message(text); }

private:
    PreviewRecorder &m_recorder;
    const std::atomic<bool> *m_stop;
};

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

PreviewRecording recordPreview(const PreviewContext &context, PreviewKind kind,
                               const QString &fileName, int dotSize, const std::atomic<bool> *stop)
{
    PreviewRecorder recorder(context.geometry.side, dotSize);
    StoppableSink sink(recorder, stop);
    runPreview(context, kind, fileName, sink);
    PreviewRecording recording;
    recording.messages = recorder.messages();
    recording.cut = recorder.wasCut();
    recording.steps = recorder.stepCount();
    recording.durationMs = recorder.durationMs();
    recording.gif = recorder.finish();
    recording.frames = recorder.frameCount();
    return recording;
}

} // namespace halvane::preview
