#pragma once

#include "dravelle/document/crs_writer.h"
#include "dravelle/document/dot_page.h"

#include <cstdint>
#include <vector>

// A .crs page of one colour over the whole cross.
inline dravelle::document::CrsPage uniformPage(int r, int colour, int delayMs)
{
    return {std::vector<std::uint8_t>(std::size_t(r * r), std::uint8_t(colour)), delayMs};
}

// Whether every dot of rows firstRow..lastRow is dark.
inline bool rowsDark(const dravelle::document::DotPage &page, int r, int firstRow, int lastRow)
{
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < r; ++x)
            if (page.colourAt(x + y * r) != 0)
                return false;
    return true;
}
