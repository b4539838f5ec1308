#pragma once

#include "common/gif/picture.h"

#include <QByteArray>
#include <QSize>

#include <vector>

namespace common::gif {

// One frame found by the block walk: the image block (with the graphic
// control extension before it, if any) or a plain text extension. Offsets
// are byte positions in the file; every byte of the frame lies inside it.
struct GifFrameBlock {
    bool plainText = false;   // a plain text extension: counts as a frame, never decodes
    qint64 imageOffset = -1;  // the 0x2C byte of the image descriptor
    qint64 end = 0;           // one past the frame's last byte
    FrameInfo info;
};

// The structure of a GIF file as far as it can be walked: its logical screen
// and its frames in file order. The walk ends at the trailer, at a block it
// does not know, or where a block would run past the end of the data, so a
// cut file keeps the frames that are complete.
struct GifLayout {
    bool isGif = false;         // the data begins with "GIF87a" or "GIF89a"
    QSize logicalSize;          // from the logical screen descriptor
    bool globalColourTable = false;
    std::vector<GifFrameBlock> frames;
};

bool hasGifSignature(const QByteArray &data);
GifLayout walkGifBlocks(const QByteArray &data);

} // namespace common::gif
