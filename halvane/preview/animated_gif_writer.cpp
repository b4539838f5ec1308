#include "halvane/preview/animated_gif_writer.h"

#include "common/gif/gif_memory_encoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace halvane::preview {

namespace {

constexpr int kColourResolution = 8;
constexpr int kMaxColours = 256;
constexpr int kDisposalLeaveInPlace = 1;

// The smallest power of two of at least `count` colours (2 .. 256).
int tableSize(int count)
{
    int size = 2;
    while (size < count)
        size *= 2;
    return size;
}

long long hundredths(long long ms)
{
    return (ms + 5) / 10;
}

} // namespace

AnimatedGifWriter::AnimatedGifWriter(const QSize &size, const QList<QRgb> &palette)
    : m_encoder(std::make_unique<common::gif::GifMemoryEncoder>(&m_bytes)), m_size(size),
      m_palette(palette.mid(0, kMaxColours))
{
    m_failed = !m_encoder->isOpen() || m_palette.size() < 2 || size.isEmpty() || !putHeader();
}

AnimatedGifWriter::~AnimatedGifWriter() = default;

bool AnimatedGifWriter::putHeader()
{
    std::vector<GifColorType> colours(size_t(tableSize(int(m_palette.size()))), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < m_palette.size(); ++i)
        colours[size_t(i)] = {GifByteType(qRed(m_palette[i])), GifByteType(qGreen(m_palette[i])),
                              GifByteType(qBlue(m_palette[i]))};
    ColorMapObject *map = GifMakeMapObject(int(colours.size()), colours.data());
    if (!map)
        return false;
    EGifSetGifVersion(m_encoder->get(), true);
    const bool ok = EGifPutScreenDesc(m_encoder->get(), m_size.width(), m_size.height(), kColourResolution,
                                      0, map) == GIF_OK;
    GifFreeMapObject(map);
    return ok;
}

unsigned char AnimatedGifWriter::indexOf(QRgb colour) const
{
    const qsizetype i = m_palette.indexOf(colour | 0xFF000000u);
    return i < 0 ? 0 : static_cast<unsigned char>(i);
}

QRect AnimatedGifWriter::changedRect(const QImage &image) const
{
    if (m_previous.isNull())
        return image.rect();
    QRect changed;
    for (int y = 0; y < image.height(); ++y) {
        const auto *now = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *before = reinterpret_cast<const QRgb *>(m_previous.constScanLine(y));
        int left = 0;
        int right = image.width() - 1;
        while (left <= right && now[left] == before[left])
            ++left;
        while (right >= left && now[right] == before[right])
            --right;
        if (left <= right)
            changed |= QRect(left, y, right - left + 1, 1);
    }
    // Nothing changed: one pixel keeps the frame (and its delay) in the file.
    return changed.isEmpty() ? QRect(0, 0, 1, 1) : changed;
}

bool AnimatedGifWriter::putFrame(const QImage &image, const QRect &rect, int delayCs)
{
    GifFileType *gif = m_encoder->get();
    if (!m_encoder->putFrameHeader(kDisposalLeaveInPlace, delayCs, rect))
        return false;
    std::vector<GifPixelType> line(size_t(rect.width()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < rect.width(); ++x)
            line[size_t(x)] = indexOf(pixels[rect.x() + x]);
        if (EGifPutLine(gif, line.data(), rect.width()) == GIF_ERROR)
            return false;
    }
    return true;
}

bool AnimatedGifWriter::addFrame(const QImage &image, int delayMs)
{
    if (m_failed || image.size() != m_size)
        return false;
    const QImage frame = image.convertToFormat(QImage::Format_RGB32);
    const long long end = m_totalMs + std::clamp(delayMs, 0, kMaxDelayMs);
    const int delayCs = int(std::min(hundredths(end) - hundredths(m_totalMs), 0xFFFFLL));
    if (!putFrame(frame, changedRect(frame), delayCs)) {
        m_failed = true;
        return false;
    }
    m_totalMs = end;
    m_previous = frame;
    ++m_frames;
    return true;
}

QByteArray AnimatedGifWriter::finish()
{
    const bool closed = m_encoder->close();
    if (m_failed || !closed || m_frames == 0)
        return {};
    return m_bytes;
}

} // namespace halvane::preview
