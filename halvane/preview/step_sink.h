#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace halvane::preview {

// Where a preview loop sends its steps. Every loop of the preview, for the
// Preview dialog, the thumbnails and the command line alike, is a sequence
// of steps: each yields the S x S canvas to show and how long to show it.
// The sink shows the canvas (or records it), waits, and answers whether the
// loop may go on; a loop ends at once when it answers false, so a stop
// request takes effect within one step.
class StepSink {
public:
    virtual ~StepSink() = default;
    // Shows `canvas` for `durationMs` milliseconds. False: end the loop now.
    virtual bool show(const QImage &canvas, int durationMs) = 0;
    // A message for the user, such as a missing animation file; the entry
    // that raised it ends, the loop goes on with the next one.
    virtual void message(const QString &text) = 0;
};

// A preview loop bound to its input: it sends its steps to the sink and
// returns false when the sink stopped it, true when it ended by itself.
using PreviewLoop = std::function<bool(StepSink &)>;

} // namespace halvane::preview
