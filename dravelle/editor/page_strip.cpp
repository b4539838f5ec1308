#include "dravelle/editor/page_strip.h"

#include "dravelle/editor/page_view.h"

namespace dravelle::editor {

using document::AnimationStore;

QString pageLabel(int page)
{
    return QStringLiteral("Page%1").arg(page - 1);
}

GroupButtons groupButtons(const AnimationStore &store)
{
    GroupButtons b;
    if (!store.hasAnimation())
        return b;
    b.first = b.up = store.currentGroup() > 1;
    b.down = b.last = store.currentGroup() < store.groupCount();
    return b;
}

PageStrip pageStrip(const AnimationStore &store, PageRange chosen)
{
    PageStrip strip;
    strip.buttons = groupButtons(store);
    if (!store.hasAnimation())
        return strip;
    const int first = (store.currentGroup() - 1) * AnimationStore::kPagesPerGroup + 1;
    for (int s = 0; s < AnimationStore::kPagesPerGroup; ++s) {
        const int page = first + s;
        if (page > store.pageCount())
            break;
        StripSlot &slot = strip.entries[std::size_t(s)];
        slot.page = page;
        slot.label = pageLabel(page);
        slot.delayMs = store.delay(page);
        slot.current = page == store.currentPage();
        slot.chosen = chosen.isSet() && page >= chosen.first() && page <= chosen.last();
    }
    return strip;
}

QImage pageThumbnail(const AnimationStore &store, int page)
{
    return pageImage(store.composedPage(page), store.resolution());
}

bool moveGroup(AnimationStore &store, GroupMove move)
{
    const GroupButtons allowed = groupButtons(store);
    switch (move) {
    case GroupMove::First:
        return allowed.first && store.showGroup(1);
    case GroupMove::Up:
        return allowed.up && store.showGroup(store.currentGroup() - 1);
    case GroupMove::Down:
        return allowed.down && store.showGroup(store.currentGroup() + 1);
    case GroupMove::Last:
        return allowed.last && store.showGroup(store.groupCount());
    }
    return false;
}

} // namespace dravelle::editor
