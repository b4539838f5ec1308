#include "dravelle/editor/page_operations.h"

#include <QCoreApplication>

namespace dravelle::editor {

using namespace dravelle::document;

common::Status changeAllDelay(AnimationStore &store, int ms)
{
    if (ms < 0)
        return common::Status::failure(QCoreApplication::translate("Dravelle", "The delay cannot be negative."));
    if (!store.hasAnimation())
        return common::Status::failure(QCoreApplication::translate("Dravelle", "There is no animation."));
    AnimationStore::Step step(store);
    for (int page = 1; page <= store.pageCount(); ++page)
        store.setDelay(page, ms);
    return common::Status::success();
}

void reverseColour(AnimationStore &store, int channelBits, ReverseRange range)
{
    if (!store.hasAnimation())
        return;
    AnimationStore::Step step(store);
    if (range == ReverseRange::CurrentPage) {
        store.workingPage().reverse(channelBits);
        store.commitWorkingPage();
    } else {
        store.changePages(1, store.pageCount(), [channelBits](DotPage &page) { page.reverse(channelBits); });
    }
    store.setModified(true);
}

} // namespace dravelle::editor
