#include "controls/Palette256.h"

#include <cstdint>

namespace kestrom {

namespace {

using Table = std::array<PaletteEntry, 256>;

PaletteEntry rgb(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
            static_cast<std::uint8_t>(b), 0};
}

// Rounded linear ramp from a to b over count entries (count >= 2).
int lerp(int a, int b, int i, int count) {
    return a + ((b - a) * i * 2 + (count - 1)) / (2 * (count - 1));
}

void fillStandard(Table& t) {
    const PaletteEntry standard[16] = {
        rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
        rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
        rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};
    for (int i = 0; i < 16; ++i)
        t[static_cast<std::size_t>(i)] = standard[i];
}

// 16..37: the blue ramps the faces' default colours need (blue deepening, then lightening
// towards white).
void fillBlueRamps(Table& t) {
    for (int i = 0; i < 6; ++i)
        t[static_cast<std::size_t>(16 + i)] = rgb(0, 0, 195 + 12 * i);
    for (int i = 0; i < 16; ++i)
        t[static_cast<std::size_t>(22 + i)] = rgb(lerp(23, 247, i, 16), lerp(23, 251, i, 16), 255);
}

// 38..162: a 5 x 5 x 5 colour cube, red fastest, levels 0, 64, 128, 192, 255.
void fillCube(Table& t) {
    const int level[5] = {0, 64, 128, 192, 255};
    std::size_t n = 38;
    for (int b = 0; b < 5; ++b)
        for (int g = 0; g < 5; ++g)
            for (int r = 0; r < 5; ++r)
                t[n++] = rgb(level[r], level[g], level[b]);
}

// 163..242: five ramps of sixteen from dark to full: red, green, yellow, aqua and gray.
void fillHueRamps(Table& t) {
    std::size_t n = 163;
    const int hue[5][3] = {{1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 1, 1}, {1, 1, 1}};
    for (const auto& h : hue)
        for (int i = 0; i < 16; ++i) {
            const int v = 15 + 16 * i;
            t[n++] = rgb(h[0] * v, h[1] * v, h[2] * v);
        }
}

void fillTop(Table& t) {
    const int grays[6] = {240, 220, 200, 180, 160, 128};
    for (int i = 0; i < 6; ++i)
        t[static_cast<std::size_t>(243 + i)] = rgb(grays[i], grays[i], grays[i]);
    for (int i = 0; i < 7; ++i)
        t[static_cast<std::size_t>(249 + i)] = t[static_cast<std::size_t>(9 + i)];
}

Table build() {
    Table t{};
    fillStandard(t);
    fillBlueRamps(t);
    fillCube(t);
    fillHueRamps(t);
    fillTop(t);
    return t;
}

} // namespace

const std::array<PaletteEntry, 256>& Palette256() {
    static const Table table = build();
    return table;
}

} // namespace kestrom
