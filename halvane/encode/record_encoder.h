#pragma once

#include "halvane/project/play_project_records.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>

namespace halvane::encode {

// What one append of records did. Nothing is written when the records do not
// fit after `size` bytes of the image; the caller then offers more room.
struct AppendedRecords {
    std::size_t size = 0; // bytes used after the append; unchanged when it did not fit
    bool fits = true;
    QString warning; // a file was missing or undecodable and a dark frame stands in
};

// The encoders the image builder appends records with: frame records of
// animation files and pictures, text records of text messages. The real one
// renders with the cross geometry and fonts of Halvane.ini; tests put known
// bytes in its place.
class RecordEncoder {
public:
    virtual ~RecordEncoder() = default;

    // The frame records of the animation file at `path` (.crs, or any picture
    // taken as one frame) at animation speed 1..8 (8: the file's own delays).
    virtual AppendedRecords appendAnimation(const QString &path, int speed,
                                            std::span<std::uint8_t> image, std::size_t size) = 0;
    // One frame record of the .bmp or .jpg at `path`, shown 1000 x speed ms.
    virtual AppendedRecords appendPicture(const QString &path, int speed,
                                          std::span<std::uint8_t> image, std::size_t size) = 0;
    // The text record of a text message.
    virtual AppendedRecords appendText(const project::TextSettings &text,
                                       std::span<std::uint8_t> image, std::size_t size) = 0;
};

} // namespace halvane::encode
