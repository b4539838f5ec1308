#pragma once

#include "common/gif/gif_layout.h"

#include <QByteArray>
#include <QRgb>
#include <QString>

#include <array>
#include <functional>

namespace common::gif {

// The colours of a frame's 256 possible indices: its local colour table, else
// the global one; indices beyond the table are black.
using FramePalette = std::array<QRgb, 256>;

// Receives one decoded row: y counts from the frame's top (interlacing
// undone), `indices` holds the frame's width colour indices.
using FrameRowSink = std::function<void(int y, const quint8 *indices)>;

// Decodes the image data of one frame found by the block walk with giflib,
// reading only the file's header and that frame's bytes. Returns false with
// a reason when the frame cannot be decoded (no colour table, an empty
// rectangle, damaged image data); rows handed out before the failure stay
// handed out.
bool decodeGifFrame(const QByteArray &data, const GifFrameBlock &frame, FramePalette &palette,
                    const FrameRowSink &sink, QString *error = nullptr);

} // namespace common::gif
