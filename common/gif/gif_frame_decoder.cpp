#include "common/gif/gif_frame_decoder.h"

#include <gif_lib.h>

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace common::gif {

namespace {

// giflib reads through this: a window of the file's bytes that ends where
// the frame ends, so the decoder can never read past the frame.
struct MemoryReader {
    const QByteArray *data = nullptr;
    qint64 pos = 0;
    qint64 limit = 0;
};

int readFromMemory(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *reader = static_cast<MemoryReader *>(gif->UserData);
    const qint64 available = std::max<qint64>(0, reader->limit - reader->pos);
    const qint64 count = std::min<qint64>(std::max(length, 0), available);
    if (count > 0)
        std::memcpy(buffer, reader->data->constData() + reader->pos, static_cast<size_t>(count));
    reader->pos += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType *gif) const { DGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// The context of this file's texts in the translations.
struct GifText {
    Q_DECLARE_TR_FUNCTIONS(GifText)
};

QString giflibError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromUtf8(text) : GifText::tr("damaged image data");
}

bool failWith(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

void fillPalette(const ColorMapObject *map, FramePalette &palette)
{
    palette.fill(qRgb(0, 0, 0));
    const int count = std::min(map->ColorCount, static_cast<int>(palette.size()));
    for (int i = 0; i < count; ++i)
        palette[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
}

// Rows in the order an interlaced image stores them: every 8th from 0, every
// 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> storedRowOrder(int height, bool interlaced)
{
    std::vector<int> order;
    order.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            order.push_back(y);
    return order;
}

} // namespace

bool decodeGifFrame(const QByteArray &data, const GifFrameBlock &frame, FramePalette &palette,
                    const FrameRowSink &sink, QString *error)
{
    if (frame.plainText || frame.imageOffset < 0 || frame.end > data.size())
        return failWith(error, GifText::tr("no image data"));
    // The rectangle is checked before giflib is asked for anything: a
    // descriptor alone sets the width of the rows it would decode.
    if (qint64(frame.info.rect.width()) * frame.info.rect.height() > Picture::kMaxPixels)
        return failWith(error, GifText::tr("a frame larger than %1 pixels").arg(Picture::kMaxPixels));
    MemoryReader reader{&data, 0, frame.imageOffset};
    int code = 0;
    GifHandle gif(DGifOpen(&reader, readFromMemory, &code));
    if (!gif)
        return failWith(error, giflibError(code));
    reader.pos = frame.imageOffset;
    reader.limit = frame.end;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR || type != IMAGE_DESC_RECORD_TYPE
        || DGifGetImageDesc(gif.get()) == GIF_ERROR)
        return failWith(error, giflibError(gif->Error));
    const ColorMapObject *map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
    if (!map)
        return failWith(error, GifText::tr("no colour table"));
    const int width = gif->Image.Width;
    const int height = gif->Image.Height;
    if (width <= 0 || height <= 0)
        return failWith(error, GifText::tr("an empty image"));
    fillPalette(map, palette);
    std::vector<GifPixelType> line(static_cast<size_t>(width));
    for (int y : storedRowOrder(height, gif->Image.Interlace)) {
        if (DGifGetLine(gif.get(), line.data(), width) == GIF_ERROR)
            return failWith(error, giflibError(gif->Error));
        sink(y, line.data());
    }
    return true;
}

} // namespace common::gif
