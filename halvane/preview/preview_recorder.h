#pragma once

#include "halvane/preview/animated_gif_writer.h"
#include "halvane/preview/preview_context.h"
#include "halvane/preview/step_sink.h"

#include <QStringList>

#include <atomic>
#include <memory>

namespace halvane::preview {

// Records a preview as the Preview dialog would show it, once through: every
// step becomes the dot-grid picture (dot size d) held for the step's time,
// written as an animated GIF. Consecutive steps that look the same become one
// frame. The recording ends (the sink answers false) after kMaxFrames
// frames, so a loop count in the millions cannot fill the disk.
class PreviewRecorder : public StepSink {
public:
    static constexpr int kMaxFrames = 10000;

    PreviewRecorder(int side, int dotSize, int maxFrames = kMaxFrames);
    ~PreviewRecorder() override;

    bool show(const QImage &canvas, int durationMs) override;
    void message(const QString &text) override { m_messages << text; }

    QStringList messages() const { return m_messages; }
    bool wasCut() const { return m_cut; }
    long long durationMs() const { return m_durationMs; }
    int stepCount() const { return m_steps; }

    // The GIF's bytes; empty when nothing was shown or the encoder failed.
    // Call once, after the loop.
    QByteArray finish();
    int frameCount() const { return m_writer.frameCount(); }

private:
    bool flush();

    int m_dotSize;
    int m_maxFrames;
    AnimatedGifWriter m_writer;
    QImage m_pending;
    long long m_pendingMs = 0;
    long long m_durationMs = 0;
    int m_steps = 0;
    bool m_cut = false;
    bool m_failed = false;
    QStringList m_messages;
};

// A preview recorded once through, as `halvane-cli preview` writes it and the
// Preview dialog's "Save as GIF..." saves it.
struct PreviewRecording {
    QByteArray gif;       // empty when nothing was shown
    QStringList messages; // what the dialog would have shown in message boxes
    bool cut = false;     // ended after PreviewRecorder::kMaxFrames frames
    int frames = 0;
    int steps = 0;
    long long durationMs = 0;
};

// Runs the preview of `kind` (fileName for kinds 7 and 8) into a recorder of
// dot size `dotSize` on the calling thread. Needs no waits: the recorder
// keeps the steps' times instead of sleeping them. Raising `stop` ends the
// recording at its next step (what was recorded so far is kept).
PreviewRecording recordPreview(const PreviewContext &context, PreviewKind kind,
                               const QString &fileName, int dotSize,
                               const std::atomic<bool> *stop = nullptr);

} // namespace halvane::preview
