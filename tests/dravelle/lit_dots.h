#pragma once

#include "dravelle/document/dot_page.h"

#include <set>

// The indexes of the dots of a page that have any channel on.
inline std::set<int> litDots(const dravelle::document::DotPage &page)
{
    std::set<int> lit;
    for (int i = 0; i < page.dotCount(); ++i)
        if (page.colourAt(i) != 0)
            lit.insert(i);
    return lit;
}
