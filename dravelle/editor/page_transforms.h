#pragma once

#include "dravelle/document/animation_store.h"

namespace dravelle::editor {

// The page transforms of the Edit menu: mirrors, quarter turns and shifts by
// one dot. Only the cross's dots move: a dot that lands on a corner or
// leaves the square is lost, a dot that nothing lands on is off, and the
// corners stay outside the cross.
enum class PageTransform {
    MirrorLeftRight,
    MirrorTopBottom,
    RotateClockwise,
    RotateAnticlockwise,
    ShiftUp,
    ShiftDown,
    ShiftLeft,
    ShiftRight,
};

document::DotPage transformedPage(const document::DotPage &page, int resolution, PageTransform transform);

enum class TransformRange { CurrentPage, AllPages };

// Transforms the stored current page or every page, as one undoable step.
// The words layer stays as it is and is laid over the transformed pages.
// False without an animation.
bool transformPages(document::AnimationStore &store, PageTransform transform, TransformRange range);

} // namespace dravelle::editor
