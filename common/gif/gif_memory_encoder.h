#pragma once

#include <QByteArray>
#include <QRect>

#include <gif_lib.h>

namespace common::gif {

// A giflib encoder that writes into a byte array instead of a file, so the
// callers can save the finished bytes atomically. The handle is closed on
// every path; close() says whether the trailer and the last data made it out.
class GifMemoryEncoder {
public:
    explicit GifMemoryEncoder(QByteArray *out);
    ~GifMemoryEncoder();
    GifMemoryEncoder(const GifMemoryEncoder &) = delete;
    GifMemoryEncoder &operator=(const GifMemoryEncoder &) = delete;

    GifFileType *get() const { return m_gif; }
    bool isOpen() const { return m_gif != nullptr; }
    bool close();

    // A graphic control extension (no transparency) and the image descriptor
    // of a frame at `rect` without a local colour table; the caller then
    // writes the frame's lines with EGifPutLine. The delay is in hundredths
    // of a second and is held to the field's 0..65535.
    bool putFrameHeader(int disposal, int delayCs, const QRect &rect);

private:
    GifFileType *m_gif = nullptr;
};

} // namespace common::gif
