#include "dravelle/document/animation_file.h"

#include <QCoreApplication>

namespace dravelle::document {

std::vector<CrsPage> crsPages(const AnimationStore &store)
{
    std::vector<CrsPage> pages;
    pages.reserve(std::size_t(store.pageCount()));
    for (int number = 1; number <= store.pageCount(); ++number) {
        const DotPage page = store.composedPage(number);
        CrsPage out;
        out.colours.resize(std::size_t(page.dotCount()));
        for (int i = 0; i < page.dotCount(); ++i)
            out.colours[std::size_t(i)] = std::uint8_t(page.colourAt(i));
        out.delayMs = store.delay(number);
        pages.push_back(std::move(out));
    }
    return pages;
}

common::Status saveAnimation(AnimationStore &store, const QString &path)
{
    if (!store.hasAnimation())
        return common::Status::failure(QCoreApplication::translate("Dravelle", "There is no animation to save."));
    common::Status status = writeCrsFile(path, store.resolution(), crsPages(store));
    if (status) {
        store.setDocumentPath(path);
        store.setModified(false);
    }
    return status;
}

} // namespace dravelle::document
