#pragma once

#include "dravelle/document/animation_store.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>

namespace dravelle::editor {

// What the page strip under the editing square shows: the eight slots of the
// current group with their labels, delays and thumbnails, and which of the
// group buttons (First, Up, Down, Last) can be used. The editor window reads
// it after every change and drives the store with the moves below.

struct StripSlot {
    int page = 0;           // 1-based page number, 0 for an empty slot
    QString label;          // "Page%d" with the 0-based index, empty for an empty slot
    int delayMs = 0;        // 0 for an empty slot
    bool current = false;   // framed in red, its delay box the only one enabled
    bool chosen = false;    // among the pages chosen for the clipboard (framed in blue)
};

// The pages chosen in the strip with Shift-click, from `anchor` to `end` in
// either order; none (both 0) means the current page alone.
struct PageRange {
    int anchor = 0;
    int end = 0;

    bool isSet() const { return anchor > 0 && end > 0; }
    int first() const { return std::min(anchor, end); }
    int last() const { return std::max(anchor, end); }
};

struct GroupButtons {
    bool first = false;
    bool up = false;
    bool down = false;
    bool last = false;
};

struct PageStrip {
    std::array<StripSlot, document::AnimationStore::kPagesPerGroup> entries;
    GroupButtons buttons;
};

// "Page0" for page 1: labels count from 0 while the counters count from 1.
QString pageLabel(int page);

// First and Up only above group 1, Down and Last only when a later group has
// pages; all off without an animation.
GroupButtons groupButtons(const document::AnimationStore &store);

PageStrip pageStrip(const document::AnimationStore &store, PageRange chosen = {});

// The thumbnail of page `page`: one pixel per dot, its words laid over.
QImage pageThumbnail(const document::AnimationStore &store, int page);

enum class GroupMove { First, Up, Down, Last };

// Shows another group and makes its first page current; a move that the
// buttons would not allow does nothing and gives false.
bool moveGroup(document::AnimationStore &store, GroupMove move);

} // namespace dravelle::editor
