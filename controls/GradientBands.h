#pragma once

#include <cstdint>
#include <vector>

namespace kestrom {

// The three channels of a colour, each 0 to 255.
struct ChannelColor {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const ChannelColor&, const ChannelColor&) = default;
};

ChannelColor SplitColor(std::uint32_t color);   // 0x00BBGGRR into channels
std::uint32_t JoinColor(const ChannelColor& c); // channels into 0x00BBGGRR

// One row of a band gradient: fill (left, top, right, bottom) in Color.
struct GradientBand {
    int top = 0;
    int bottom = 0;
    ChannelColor color;
};

// The bands of a band gradient down the rows Y0 .. Y1 of a box, from Start towards Target
// in integer steps: the colour changes on every second band for the first 2 x (Y1 - K)
// bands and on every band after that. A bottom of 0 or less gives no band.
std::vector<GradientBand> GradientBandRows(int y0, int y1, bool reverse, ChannelColor start,
                                           ChannelColor target);

} // namespace kestrom
