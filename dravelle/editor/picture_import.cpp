#include "dravelle/editor/picture_import.h"

#include "common/cross_geometry.h"
#include "common/gif/picture.h"
#include "dravelle/document/animation_store.h"

#include <QCoreApplication>
#include <QPainter>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

constexpr int kCorner = common::CrossGeometry::kCorner;

QImage blackSquare(int resolution)
{
    QImage canvas(resolution, resolution, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    return canvas;
}

} // namespace

QRect importRegionRect(ImportRegion region, int r)
{
    switch (region) {
    case ImportRegion::Horizontal:
        return {0, kCorner, r, r - 2 * kCorner};
    case ImportRegion::Vertical:
        return {kCorner, 0, r - 2 * kCorner, r};
    case ImportRegion::Full:
        break;
    }
    return {0, 0, r, r};
}

std::optional<ImportRegion> importRegionByName(const QString &name)
{
    const std::pair<const char *, ImportRegion> names[] = {
        {"full", ImportRegion::Full}, {"horizontal", ImportRegion::Horizontal}, {"vertical", ImportRegion::Vertical}};
    for (auto [text, region] : names)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return region;
    return std::nullopt;
}

DotPage pageFromCanvas(const QImage &canvas, int threshold)
{
    const int r = canvas.width();
    DotPage page = DotPage::crossMask(r);
    for (int y = 0; y < r; ++y)
        for (int x = 0; x < r; ++x) {
            const int index = x + y * r;
            if (!page.isCrossDot(index))
                continue;
            const QRgb pixel = canvas.pixel(x, y);
            int bits = 0;
            if (qRed(pixel) > threshold)
                bits |= kColourBitRed;
            if (qGreen(pixel) > threshold)
                bits |= kColourBitGreen;
            if (qBlue(pixel) > threshold)
                bits |= kColourBitBlue;
            page.setColourAt(index, bits);
        }
    return page;
}

ImportResult importPictureFile(const ImportOptions &options, const std::atomic_bool *cancel,
                               const ImportProgress &progress)
{
    ImportResult result;
    const int r = options.resolution;
    const common::gif::Picture picture = common::gif::Picture::fromFile(options.path);
    if (picture.isNull()) {
        result.loaded = false;
        result.error = picture.errorString();
    }
    int frames = std::max(1, picture.frameCount());
    const int maxPages = options.maxPages > 0 ? options.maxPages : maxPageCount(r);
    if (frames > maxPages) {
        result.notice = QCoreApplication::translate("dravelle::editor",
                                                    "The picture has %1 frames: the first %2 were taken, the most "
                                                    "pages an animation of %3 x %3 dots may have.")
                            .arg(frames)
                            .arg(maxPages)
                            .arg(r);
        frames = maxPages;
    }
    // The square is not cleared between frames: each frame overdraws the
    // region and the rest of the square stays black.
    QImage canvas = blackSquare(r);
    for (int i = 0; i < frames; ++i) {
        if (cancel && cancel->load()) {
            result.cancelled = true;
            return result;
        }
        if (frames > 1) {
            QPainter painter(&canvas);
            picture.drawFrame(painter, i, importRegionRect(options.region, r));
        } else {
            canvas = blackSquare(r);
            QPainter painter(&canvas);
            picture.drawSingle(painter, QRect(0, 0, r, r));
        }
        result.pages.push_back(pageFromCanvas(canvas, options.threshold));
        result.delays.push_back(frames > 1 ? picture.frameDelayMs(i) : AnimationStore::kDefaultDelayMs);
        if (progress)
            progress(i + 1, frames);
    }
    return result;
}

common::Status openAnimation(document::AnimationStore &store, ImportResult result)
{
    if (result.cancelled)
        return common::Status::failure(QCoreApplication::translate("Dravelle", "The import was cancelled."));
    {
        document::AnimationStore::Step step(store);
        store.newAnimation();
        store.replacePages(std::move(result.pages), std::move(result.delays));
    }
    if (!result.loaded)
        return common::Status::failure(result.error);
    return common::Status::success();
}

} // namespace dravelle::editor
