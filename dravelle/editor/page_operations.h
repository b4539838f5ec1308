#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"

namespace dravelle::editor {

// Change All Delay: every page gets `ms`; a negative delay is refused with a
// message and nothing changes. Marks the animation modified.
common::Status changeAllDelay(document::AnimationStore &store, int ms);

enum class ReverseRange { CurrentPage, AllPages };

// Reverse Color: for the chosen channels (colour bits, bit 0 red) every off
// dot turns on and every on dot off; corners stay outside the cross.
// Current page: the working page, words included, is reversed and committed.
// All pages: the stored pages are reversed, the words layer stays as it is and
// is laid over them again when the current page is reloaded.
// Marks the animation modified; does nothing without an animation.
void reverseColour(document::AnimationStore &store, int channelBits, ReverseRange range);

} // namespace dravelle::editor
