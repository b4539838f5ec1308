#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/document/crs_writer.h"

#include <QString>

#include <vector>

namespace dravelle::document {

// Saving the animation (Save Animation, Save Animation as): the pages with
// their words flattened in go to the .crs writer. The store keeps the words
// layer apart.

// The pages as the writer takes them: each page with its words page laid
// over, as colour bits per dot.
std::vector<CrsPage> crsPages(const AnimationStore &store);

// Writes the animation to `path`. On success `path` becomes the document path
// and the animation is no longer modified; on failure nothing changes (the
// animation stays modified, an existing file stays whole) and the status
// says why. Nothing is written while there is no animation.
common::Status saveAnimation(AnimationStore &store, const QString &path);

} // namespace dravelle::document
