#pragma once

#include "halvane/preview/preview_context.h"
#include "halvane/preview/step_sink.h"

namespace halvane::preview {

// The Preview dialog's loops. Each sends its steps to the sink and returns
// false when the sink stopped it, true when it ran to its end (also when it
// showed nothing). A missing animation file goes to the sink as a message
// and ends that entry's preview.

// Kind 7: the animation list entry's file, all frames `loop` times (a file of
// one frame is shown as a picture). An entry that is not in the animation
// list, or whose loop, speed or frame style is -1, shows nothing.
bool previewAnimation(const PreviewContext &context, const QString &fileName, StepSink &sink);

// Kind 8: the picture rendered once, then `loop` steps of 20 x speed ms
// with the entry's outline.
bool previewPicture(const PreviewContext &context, const QString &fileName, StepSink &sink);

// Kinds 4, 5, 6, 9: data message 0..3 with its caption, outline and back
// animation, for its time made even, in steps of 100 ms (steps over a back
// animation of two or more frames last that frame's own delay).
bool previewDataMessage(const PreviewContext &context, int item, StepSink &sink);

// Kinds 1..3: text message 0..2 scrolling through the cross, w + S + 3
// steps of 20 x speed ms, over its back animation.
bool previewText(const PreviewContext &context, int text, StepSink &sink);

// Kind 99: every play list entry in order, by name; names that are neither
// message keywords nor animation files are skipped. After a stop the
// remaining entries end at once.
bool previewPlayList(const PreviewContext &context, StepSink &sink);

// The preview of `kind` (fileName for kinds 7 and 8). Other kinds show nothing.
bool runPreview(const PreviewContext &context, PreviewKind kind, const QString &fileName,
                StepSink &sink);

// The same bound to its input, for PreviewPlayback and the command line.
PreviewLoop previewLoop(PreviewContext context, PreviewKind kind, QString fileName = {});

} // namespace halvane::preview
