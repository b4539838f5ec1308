#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dravelle::document {

// Dot codes of the three planes of a page. Each channel has an off and an on
// code of its own, so a code alone says which plane it belongs to; 0 marks a
// dot outside the cross in a page and a transparent dot in the words layer.
constexpr int kChannelCount = 3;
constexpr int kRedChannel = 0;
constexpr int kGreenChannel = 1;
constexpr int kBlueChannel = 2;
constexpr std::int32_t kNotADot = 0;

// 100, 200, 300 for red, green, blue.
constexpr std::int32_t offCode(int channel) { return 100 * (channel + 1); }
// 101, 201, 301 for red, green, blue.
constexpr std::int32_t onCode(int channel) { return offCode(channel) + 1; }

// A dot's colour as channel bits: bit 0 red, bit 1 green, bit 2 blue, so
// 0 is black (all off), 3 yellow, 5 purple, 6 cyan, 7 white.
constexpr int kColourBitRed = 1;
constexpr int kColourBitGreen = 2;
constexpr int kColourBitBlue = 4;
constexpr int kColourWhite = 7;
constexpr int channelBit(int channel) { return 1 << channel; }

// The memory all pages of an animation and its words layer may take
// together: no picture and no text can make the editor hold more.
inline constexpr std::size_t kPagesMemoryBudget = std::size_t(1) << 30;

// The most pages an animation of R x R dots may have, and the most words
// pages: with both full the budget holds (19,418 pages at 48, 10,922 at 64).
int maxPageCount(int resolution);

// A page of the animation (or of the words layer, or the working page): three
// planes of R x R codes, dot (x, y) at index x + y * R.
struct DotPage {
    std::array<std::vector<std::int32_t>, kChannelCount> planes;

    // Every code 0: no dot at all (the working page after a reset).
    static DotPage blank(int resolution);
    // The cross mask: every cross dot off, the corner dots 0.
    static DotPage crossMask(int resolution);

    int dotCount() const { return int(planes[0].size()); }
    // Whether the dot belongs to the cross (any of its codes is non-zero).
    bool isCrossDot(int index) const;
    bool isOn(int channel, int index) const { return planes[channel][index] == onCode(channel); }
    // The channels that are on, as colour bits.
    int colourAt(int index) const;
    // Sets the channels of a cross dot on or off from colour bits; a dot
    // outside the cross is left alone.
    void setColourAt(int index, int colourBits);
    // Every on code of the chosen channels becomes the off code and the other
    // way round; code 0 stays 0.
    void reverse(int channelBits);
    // Every on code becomes its off code (Clear).
    void switchOff() { reverseOnly(kColourWhite, true); }
    // Number of dots with any channel on.
    int litDotCount() const;

    bool operator==(const DotPage &) const = default;

private:
    void reverseOnly(int channelBits, bool onlyOn);
};

// Lays a words page over a page: every non-zero code of `words` replaces the
// page's code in the same plane.
void layOver(DotPage &page, const DotPage &words);

} // namespace dravelle::document
