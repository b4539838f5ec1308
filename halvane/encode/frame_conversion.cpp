#include "halvane/encode/frame_conversion.h"

#include "common/gif/picture.h"
#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_record.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>

namespace halvane::encode {

namespace {

constexpr int kCrsDelayStep = 24;
constexpr int kPictureDelayStep = 1000;

// speed x step, held within int; out-of-range speeds come only from damaged
// projects, and frame headers saturate long delays anyway.
int scaledDelay(int speed, int step)
{
    const std::int64_t delay = std::int64_t(speed) * step;
    return int(std::clamp<std::int64_t>(delay, 0, INT32_MAX));
}

// Why `file` (loaded from `path`) has nothing to show.
QString darkFrameWarning(const QString &path, const common::gif::Picture &file)
{
    const QString name = QFileInfo(path).fileName();
    const QString reason = QFileInfo::exists(path)
                               ? file.errorString()
                               : QCoreApplication::translate("halvane::encode", "The file %1 does not exist.").arg(path);
    return QCoreApplication::translate("halvane::encode", "%1 is sent as one dark frame. %2").arg(name, reason);
}

// One record of `canvas`: the single-frame case of both conversions.
ConversionResult appendSingle(const QImage &canvas, int side, int delayMs,
                              std::span<std::uint8_t> image, std::size_t size)
{
    const AppendResult r = appendFrameRecord(canvas, side, delayMs, image, size);
    return {r.size, r.fits, r.fits ? 1 : 0, false, {}};
}

ConversionResult withFallbackNote(ConversionResult result, const QString &path,
                                  const common::gif::Picture &file)
{
    if (file.isNull()) {
        result.darkFrame = true;
        result.warning = darkFrameWarning(path, file);
    }
    return result;
}

} // namespace

int animationDelayMs(int speed)
{
    return scaledDelay(speed, kCrsDelayStep);
}

int pictureDelayMs(int speed)
{
    return scaledDelay(speed, kPictureDelayStep);
}

ConversionResult convertAnimation(const common::gif::Picture &file, int speed, int side,
                                  std::span<std::uint8_t> image, std::size_t size)
{
    const int frames = file.frameCount();
    if (frames < 2)
        return appendSingle(renderFrame(file, 0, side), side, animationDelayMs(speed), image, size);

    const auto recordSize = std::size_t(frameRecordSize(side));
    if (!hasRoom(image, size, std::size_t(frames) * recordSize))
        return {size, false, 0, false, {}};
    const bool ownDelays = speed == kOwnDelaysSpeed;
    for (int i = 0; i < frames; ++i) {
        const int delay = ownDelays ? file.frameDelayMs(i) : animationDelayMs(speed);
        size = appendFrameRecord(renderFrame(file, i, side), side, delay, image, size).size;
    }
    return {size, true, frames, false, {}};
}

ConversionResult convertAnimation(const QString &path, int speed, int side,
                                  std::span<std::uint8_t> image, std::size_t size)
{
    const common::gif::Picture file = common::gif::Picture::fromFile(path);
    return withFallbackNote(convertAnimation(file, speed, side, image, size), path, file);
}

ConversionResult convertPicture(const QString &path, int speed, int side,
                                std::span<std::uint8_t> image, std::size_t size)
{
    const common::gif::Picture file = common::gif::Picture::fromFile(path);
    const QImage canvas = file.renderSquare(0, side);
    return withFallbackNote(appendSingle(canvas, side, pictureDelayMs(speed), image, size), path,
                            file);
}

QImage renderFrame(const common::gif::Picture &file, int frame, int side)
{
    return file.renderSquare(frame, side);
}

QImage renderPicture(const QString &path, int side)
{
    return common::gif::Picture::fromFile(path).renderSquare(0, side);
}

} // namespace halvane::encode
