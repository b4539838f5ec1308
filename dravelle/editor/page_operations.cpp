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
    for (int page = 1; page <= store.pageCount(); ++page)
        store.setDelay(page, ms);
    return common::Status::success();
}

void reverseColour(AnimationStore &store, int channelBits, ReverseRange range)
{
    if (!store.hasAnimation())
        return;
    if (range == ReverseRange::CurrentPage) {
        store.workingPage().reverse(channelBits);
        store.commitWorkingPage();
    } else {
        for (int page = 1; page <= store.pageCount(); ++page)
            store.storedPage(page).reverse(channelBits);
        store.announcePagesChanged(1, store.pageCount());
        store.selectPage(store.currentPage());
    }
    store.setModified(true);
}

} // namespace dravelle::editor
