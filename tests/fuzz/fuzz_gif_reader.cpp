// libFuzzer target for the GIF reader: any bytes that begin like a GIF go
// through the block walk, giflib's frame decoding, the compositor and the
// stretch. Sanitizers report any read or write outside a buffer.

#include "common/gif/picture.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int kFramesComposed = 8;   // enough to reach every disposal case
constexpr int kSquare = 48;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Raw data, not a copy: a read one byte past the input is then caught.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!bytes.startsWith("GIF8"))
        return 0;
    const common::gif::Picture picture = common::gif::Picture::fromData(bytes);
    if (picture.isNull())
        return 0;
    const int frames = std::min(picture.frameCount(), kFramesComposed);
    for (int i = 0; i < frames; ++i) {
        (void)picture.frameDelayMs(i);
        (void)picture.composeFrame(i);
    }
    if (frames > 1)
        (void)picture.composeFrame(0);   // back to the start
    (void)picture.renderSquare(frames - 1, kSquare);
    return 0;
}
