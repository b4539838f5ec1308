#include "common/gif/gif_memory_encoder.h"

#include <algorithm>

namespace common::gif {

namespace {

int appendBytes(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

} // namespace

GifMemoryEncoder::GifMemoryEncoder(QByteArray *out) : m_gif(EGifOpen(out, appendBytes, nullptr)) {}

GifMemoryEncoder::~GifMemoryEncoder()
{
    close();
}

bool GifMemoryEncoder::close()
{
    if (!m_gif)
        return false;
    const bool ok = EGifCloseFile(m_gif, nullptr) == GIF_OK;
    m_gif = nullptr;
    return ok;
}

bool GifMemoryEncoder::putFrameHeader(int disposal, int delayCs, const QRect &rect)
{
    if (!m_gif)
        return false;
    const int delay = std::clamp(delayCs, 0, 0xFFFF);
    // Packed byte: disposal method in bits 2..4, no user input, no transparency.
    const GifByteType control[] = {GifByteType((disposal & 7) << 2), GifByteType(delay & 0xFF),
                                   GifByteType(delay >> 8), 0};
    return EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_OK
        && EGifPutImageDesc(m_gif, rect.x(), rect.y(), rect.width(), rect.height(), false, nullptr)
               == GIF_OK;
}

} // namespace common::gif
