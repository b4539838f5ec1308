#pragma once

#include <QRgb>
#include <QString>

#include <array>

namespace dravelle::editor {

// The eight colours a dot can show, in the order of the words dialog's colour
// lists: Black, Red, Green, Blue, Yellow, Purple, Cyan, White. A colour is
// kept as channel bits (bit 0 red, bit 1 green, bit 2 blue).
struct NamedColour {
    const char *name;
    int bits;
};

const std::array<NamedColour, 8> &colourList();

// The index of a colour list name, ignoring case; -1 when there is none.
int colourIndexByName(const QString &name);
// The channel bits of colour list entry `index` (0..7).
int colourBitsOfIndex(int index);
// The names joined with ", " for messages and usage texts.
QString colourNames();

// The pure colour of channel bits: each channel 255 when set, 0 otherwise.
QRgb rgbOfBits(int bits);

} // namespace dravelle::editor
