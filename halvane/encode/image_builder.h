#pragma once

#include "common/status.h"
#include "halvane/encode/memory_layout.h"
#include "halvane/encode/record_encoder.h"
#include "halvane/project/animation_library.h"
#include "halvane/project/play_project_records.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace halvane::encode {

using Image = std::vector<std::uint8_t>;

// The three memory images of a send, each exactly its used length.
struct SendImages {
    Image toc;
    Image animations;
    Image text;
    QStringList warnings; // files that were missing, entries sent with defaults

    const Image &image(Region region) const;
};

// While building, an image may grow past its region up to this size, so that
// the refusal can say how large it is; beyond it the build stops.
inline constexpr std::size_t kImageBuildLimit = 64 * 1024 * 1024;

// Builds the TOC, Animations and Text images of a send from a play project.
//
// For each play list entry in order, by its name:
//   - ending in "crs" (any case): a TOC entry for the animation of that name,
//     then its frame records and 0xFF 0xFF;
//   - ending in "bmp" or "jpg": the same with one picture frame record;
//   - "Hour", "Date", "Temperature", "Humidity": the data message's TOC entry,
//     with its back animation's frame records and 0xFF 0xFF when it has one;
//   - "Text1", "Text2", "Text3": the text entry, its back animation as above,
//     then its text record;
//   - any other name: nothing.
// The TOC ends with 0xFF 0xFF. Animation files are found in `library`. An
// animation file the animation list does not name is sent with the settings a
// new entry gets (loop 1, speed 4, frame style None, reserved 2) and a warning.
//
// Fails, with a message that names the image and both sizes, when an image is
// larger than its region of the cross's memory; `out` then holds what was
// built (nothing past the image that stopped the build at kImageBuildLimit).
common::Status buildImages(const project::PlayProjectData &project,
                           const project::AnimationLibrary &library, RecordEncoder &encoder,
                           SendImages *out);

// The message that refuses an image of `size` bytes for `region`.
QString imageTooLargeMessage(const MemoryRegion &region, std::size_t size);

} // namespace halvane::encode
