#include "dravelle/document/crs_writer.h"

#include "common/atomic_save.h"
#include "common/cross_geometry.h"
#include "common/gif/gif_memory_encoder.h"

#include <gif_lib.h>

#include <QCoreApplication>

#include <algorithm>
#include <memory>

namespace dravelle::document {

namespace {

// The GIF colour index of a page code is the code itself: bit 0 red,
// bit 1 green, bit 2 blue, each channel 0 or 255.
constexpr int kColourCount = 8;
constexpr int kColourBits = 3;
constexpr int kColourResolution = 8;   // bits per primary colour
constexpr int kLoopCount = 1;
constexpr int kDisposalRestoreBackground = 2;
const char kComment[] = "CxImage demo";
const char kLoopApplication[] = "NETSCAPE2.0";

// The context of this file's texts in the translations.
struct CrsText {
    Q_DECLARE_TR_FUNCTIONS(CrsText)
};

struct MapDeleter {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, MapDeleter> pureColours()
{
    GifColorType colours[kColourCount];
    for (int code = 0; code < kColourCount; ++code)
        colours[code] = {GifByteType((code & 1) ? 255 : 0), GifByteType((code & 2) ? 255 : 0),
                         GifByteType((code & 4) ? 255 : 0)};
    return std::unique_ptr<ColorMapObject, MapDeleter>(GifMakeMapObject(kColourCount, colours));
}

QString inputProblem(int resolution, const std::vector<CrsPage> &pages)
{
    if (resolution != common::CrossGeometry::kSmallSide && resolution != common::CrossGeometry::kLargeSide)
        return CrsText::tr("The resolution must be 48 or 64, not %1.").arg(resolution);
    if (pages.empty())
        return CrsText::tr("The animation has no page.");
    const size_t dots = size_t(resolution) * size_t(resolution);
    for (size_t p = 0; p < pages.size(); ++p)
        if (pages[p].colours.size() != dots)
            return CrsText::tr("Page %1 does not have %2 x %2 dots.").arg(p + 1).arg(resolution);
    return {};
}

bool putHeader(GifFileType *gif, int resolution)
{
    const auto map = pureColours();
    static_assert(kColourCount == 1 << kColourBits);
    const GifByteType loop[] = {1, kLoopCount & 0xFF, (kLoopCount >> 8) & 0xFF};
    EGifSetGifVersion(gif, true);
    return map && EGifPutScreenDesc(gif, resolution, resolution, kColourResolution, 0, map.get()) == GIF_OK
        && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
        && EGifPutExtensionBlock(gif, 11, kLoopApplication) == GIF_OK
        && EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK
        && EGifPutExtensionTrailer(gif) == GIF_OK && EGifPutComment(gif, kComment) == GIF_OK;
}

bool putPage(common::gif::GifMemoryEncoder &encoder, int resolution, const CrsPage &page)
{
    GifFileType *gif = encoder.get();
    if (!encoder.putFrameHeader(kDisposalRestoreBackground, page.delayMs / 10,
                                QRect(0, 0, resolution, resolution)))
        return false;
    std::vector<GifPixelType> line(static_cast<size_t>(resolution));
    for (int y = 0; y < resolution; ++y) {
        for (int x = 0; x < resolution; ++x) {
            const bool inCross = common::CrossGeometry::inCross(resolution, x, y);
            line[size_t(x)] = inCross ? page.colours[size_t(x + y * resolution)] & (kColourCount - 1) : 0;
        }
        if (EGifPutLine(gif, line.data(), resolution) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

QByteArray encodeCrs(int resolution, const std::vector<CrsPage> &pages)
{
    if (!inputProblem(resolution, pages).isEmpty())
        return {};
    QByteArray out;
    common::gif::GifMemoryEncoder encoder(&out);
    if (!encoder.isOpen() || !putHeader(encoder.get(), resolution))
        return {};
    for (const CrsPage &page : pages)
        if (!putPage(encoder, resolution, page))
            return {};
    return encoder.close() ? out : QByteArray();
}

common::Status writeCrsFile(const QString &path, int resolution, const std::vector<CrsPage> &pages)
{
    const QString problem = inputProblem(resolution, pages);
    if (!problem.isEmpty())
        return common::Status::failure(problem);
    const QByteArray bytes = encodeCrs(resolution, pages);
    if (bytes.isEmpty())
        return common::Status::failure(CrsText::tr("The animation could not be encoded as a GIF."));
    const common::Status saved = common::saveAtomically(path, bytes);
    if (!saved)
        return common::Status::failure(CrsText::tr("The file %1 cannot be written: %2").arg(path, saved.message));
    return common::Status::success();
}

} // namespace dravelle::document
