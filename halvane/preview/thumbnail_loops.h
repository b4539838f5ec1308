#pragma once

#include "halvane/preview/preview_context.h"
#include "halvane/preview/step_sink.h"

#include <vector>

namespace halvane::preview {

// The play list thumbnails' loops: each plays its entry over and over until
// the sink stops it. Animations and pictures show their lit dots green;
// messages show their back animations in their own colours. A text message
// without back animation is shown once and its loop ends.

// The thumbnail loop of the play list entry `name` (looked up by name like
// the send job does). Returns false when stopped, true when it ended by
// itself (a one-shot text, a missing file, a name with nothing to show).
bool thumbnailLoop(const PreviewContext &context, const QString &name, StepSink &sink);

// The loops of play list group `group`: one per entry 15 g .. 15 g + 14 that
// exists, in order (ThumbnailWorkers fills the remaining boxes black).
std::vector<PreviewLoop> thumbnailLoops(const PreviewContext &context, int group);

} // namespace halvane::preview
