#include "controls/GradientBands.h"

#include <algorithm>
#include <cstdlib>

namespace kestrom {

namespace {

struct Steps {
    int red, green, blue;
    int counter;
};

Steps stepsFor(int y1, ChannelColor s, ChannelColor t) {
    const int dr = std::abs(s.red - t.red);
    const int dg = std::abs(s.green - t.green);
    const int db = std::abs(s.blue - t.blue);
    Steps st{dr / y1 + 1, dg / y1 + 1, db / y1 + 1, 0};
    const int k = std::max({dr / st.red, dg / st.green, db / st.blue});
    st.counter = (dr > 0 || dg > 0 || db > 0) ? (y1 - k) * 2 : 0;
    return st;
}

int stepToward(int cur, int target, int step) {
    if (cur < target - step)
        return std::min(255, cur + step);
    if (cur > target + step)
        return std::max(0, cur - step);
    return target;
}

} // namespace

ChannelColor SplitColor(std::uint32_t color) {
    return {static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
            static_cast<int>((color >> 16) & 0xFF)};
}

std::uint32_t JoinColor(const ChannelColor& c) {
    return static_cast<std::uint32_t>(c.red & 0xFF) |
           (static_cast<std::uint32_t>(c.green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(c.blue & 0xFF) << 16);
}

std::vector<GradientBand> GradientBandRows(int y0, int y1, bool reverse, ChannelColor start,
                                           ChannelColor target) {
    std::vector<GradientBand> bands;
    if (y1 <= 0)
        return bands;
    Steps st = stepsFor(y1, start, target);
    ChannelColor cur = start;
    const int first = reverse ? y1 - 1 : y0;
    for (int y = first; reverse ? y >= y0 : (y < y1 && y >= 0); y += reverse ? -1 : 1) {
        if (st.counter <= 0 || st.counter % 2 == 0) {
            cur.red = stepToward(cur.red, target.red, st.red);
            cur.green = stepToward(cur.green, target.green, st.green);
            cur.blue = stepToward(cur.blue, target.blue, st.blue);
        }
        --st.counter;
        if (reverse)
            bands.push_back({std::max(0, y), std::max(0, y + 1), cur});
        else
            bands.push_back({std::min(y1, y), std::min(y1, y + 1), cur});
    }
    return bands;
}

} // namespace kestrom
