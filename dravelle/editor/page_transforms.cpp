#include "dravelle/editor/page_transforms.h"

#include <QPoint>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

// The dot whose colour lands on (x, y).
QPoint sourceOf(PageTransform transform, int r, int x, int y)
{
    switch (transform) {
    case PageTransform::MirrorLeftRight: return {r - 1 - x, y};
    case PageTransform::MirrorTopBottom: return {x, r - 1 - y};
    case PageTransform::RotateClockwise: return {y, r - 1 - x};
    case PageTransform::RotateAnticlockwise: return {r - 1 - y, x};
    case PageTransform::ShiftUp: return {x, y + 1};
    case PageTransform::ShiftDown: return {x, y - 1};
    case PageTransform::ShiftLeft: return {x + 1, y};
    case PageTransform::ShiftRight: return {x - 1, y};
    }
    return {x, y};
}

} // namespace

DotPage transformedPage(const DotPage &page, int resolution, PageTransform transform)
{
    DotPage out = page;
    for (int y = 0; y < resolution; ++y)
        for (int x = 0; x < resolution; ++x) {
            const int index = x + y * resolution;
            if (!page.isCrossDot(index))
                continue;
            const QPoint from = sourceOf(transform, resolution, x, y);
            const bool inside = from.x() >= 0 && from.y() >= 0 && from.x() < resolution && from.y() < resolution;
            const int source = from.x() + from.y() * resolution;
            out.setColourAt(index, inside && page.isCrossDot(source) ? page.colourAt(source) : 0);
        }
    return out;
}

bool transformPages(AnimationStore &store, PageTransform transform, TransformRange range)
{
    if (!store.hasAnimation())
        return false;
    const int first = range == TransformRange::AllPages ? 1 : store.currentPage();
    const int last = range == TransformRange::AllPages ? store.pageCount() : store.currentPage();
    const int r = store.resolution();
    return store.changePages(first, last,
                             [r, transform](DotPage &page) { page = transformedPage(page, r, transform); });
}

} // namespace dravelle::editor
