#pragma once

#include "halvane/encode/memory_image.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

namespace common::gif {
class Picture;
}

namespace halvane::encode {

// Animation files (.crs, which are animated GIFs, and .bmp/.jpg pictures)
// turned into frame records (frame_record.h) for the Animations image, and
// the same renderings of a frame onto the S x S canvas for the preview.
//
// Frame delays:
//   .crs, speed 1..7               24 x speed ms for every frame
//   .crs, speed 8 ("OFF")          the file's own delay of each frame (10 x the
//                                  GIF delay field, 100 ms when that is under 5);
//                                  192 ms when the file has a single frame
//   back animations of messages    as a .crs at speed 8
//   .bmp / .jpg                    one frame of 1000 x speed ms
//
// A file that is missing or cannot be decoded still gives one frame record,
// all dots dark, with the single-frame delay, so that a send's table of
// contents stays whole; the result says so, with the reason, so that the
// caller can warn the user.

// The speed that selects the file's own frame delays; back animations use it.
inline constexpr int kOwnDelaysSpeed = 8;

struct ConversionResult {
    std::size_t size = 0;   // bytes used after the append; unchanged when it did not fit
    bool fits = true;       // false: nothing was written, the records need more room
    int frames = 0;         // frame records written
    bool darkFrame = false; // the file was missing or undecodable: one dark frame stands in
    QString warning;        // with darkFrame: what went wrong, in words a user can read

    explicit operator bool() const { return fits; }
};

// The delay of every frame of a .crs at speed 1..7, and of a single-frame
// file at any speed: 24 x speed ms (192 at speed 8).
int animationDelayMs(int speed);
// The delay of a .bmp or .jpg: 1000 x speed ms.
int pictureDelayMs(int speed);

// Appends the frame records of the animation at `path` (a .crs or any
// picture) for a cross of `side` at `size` of the Animations image. The
// caller appends the 0xFF 0xFF end mark afterwards.
ConversionResult convertAnimation(const QString &path, int speed, int side,
                                  std::span<std::uint8_t> image, std::size_t size);

// The same for an animation already loaded.
ConversionResult convertAnimation(const common::gif::Picture &file, int speed, int side,
                                  std::span<std::uint8_t> image, std::size_t size);

// Appends one frame record of the picture at `path` (.bmp, .jpg), stretched
// over the whole square, with a delay of 1000 x speed ms.
ConversionResult convertPicture(const QString &path, int speed, int side,
                                std::span<std::uint8_t> image, std::size_t size);

// Frame i of a loaded file on the S x S canvas, black where nothing is drawn:
// for a file of two or more frames, frame i composed and stretched over the
// square; otherwise the single picture (i does not matter). All black for a
// file that could not be decoded. Frames are cheapest shown in order.
QImage renderFrame(const common::gif::Picture &file, int frame, int side);

// The picture at `path` stretched over the S x S canvas (its aspect is not
// kept); all black when it cannot be read or decoded.
QImage renderPicture(const QString &path, int side);

} // namespace halvane::encode
