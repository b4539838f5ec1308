#pragma once

#include "dravelle/document/dot_page.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace dravelle::document {

// A page kept aside (the undo history, the clipboard) in a compact but
// lossless form: two bits per dot and plane for the three codes a plane
// holds (0, its off code, its on code), a sixteenth of the page's own size.
// A page with any other code is kept as it stands.
class PackedPage {
public:
    PackedPage() = default;
    static PackedPage pack(const DotPage &page);
    DotPage unpack() const;

    // The bytes this copy holds.
    std::size_t bytes() const;

    bool operator==(const PackedPage &) const = default;

private:
    int m_dots = 0;
    std::vector<std::uint8_t> m_bits;
    std::optional<DotPage> m_raw;
};

} // namespace dravelle::document
