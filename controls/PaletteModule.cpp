#include "controls/PaletteModule.h"

#include "controls/Palette256.h"
#include "messages/ScreenColors.h"
#include "platform/TColor.h"

namespace kestrom {

namespace {

struct State {
    std::unique_ptr<LogicalPalette> shared;
    PaletteResolver previous;         // the canvas's rule before the module started
    LogicalPalette::Entries screen{}; // what the screen's palette holds after realizing
    int mode = 16777216;
};

State& state() {
    static State s;
    return s;
}

std::uint32_t packed(const PaletteEntry& e) {
    return static_cast<std::uint32_t>(e.red) | (static_cast<std::uint32_t>(e.green) << 8) |
           (static_cast<std::uint32_t>(e.blue) << 16);
}

const PaletteEntry& entryOf(std::uint8_t index) {
    if (const LogicalPalette* p = SharedPalette())
        return p->entry(index);
    return Palette256()[index];
}

} // namespace

LogicalPalette* SharedPalette() {
    return state().shared.get();
}

int PaletteMode() {
    return state().mode;
}

int DisplayColorCount() {
    return ScreenColorCount() <= 256 ? 256 : 16777216;
}

bool CreateSystemPalette(std::unique_ptr<LogicalPalette>& palette) {
    LogicalPalette::Entries entries = Palette256();
    for (PaletteEntry& e : entries)
        e.flags = 0;
    palette = std::make_unique<LogicalPalette>(entries);
    return true;
}

bool RealizeSharedPalette(const LogicalPalette* palette, bool background) {
    if (SharedPalette() == nullptr || palette == nullptr)
        return false;
    // A background palette takes the screen entries as they are; only the foreground one
    // maps its own colours onto the screen.
    if (background)
        return false;
    bool changed = false;
    auto& screen = state().screen;
    for (std::size_t i = 0; i < screen.size(); ++i) {
        if (!(screen[i] == palette->entries()[i])) {
            screen[i] = palette->entries()[i];
            changed = true;
        }
    }
    return changed;
}

void SetPaletteMode(int mode) {
    state().mode = mode;
    if (LogicalPalette* p = SharedPalette()) {
        p->setEntries(Palette256());
        RealizeSharedPalette(p, false);
    }
}

std::uint32_t PaletteColor(std::uint8_t index) {
    return 0x02000000u | packed(entryOf(index));
}

std::uint32_t NearestPaletteIndexColor(std::uint32_t color) {
    const LogicalPalette* p = SharedPalette();
    const std::uint8_t index =
        p != nullptr ? p->nearestIndex(color) : LogicalPalette(Palette256()).nearestIndex(color);
    return 0x01000000u | index;
}

std::uint32_t ResolvePaletteColor(std::uint32_t color) {
    if ((color & 0xFF000000u) == 0x01000000u) {
        const std::uint32_t index = color & 0xFFFF;
        return index < 256 ? packed(entryOf(static_cast<std::uint8_t>(index))) : 0;
    }
    if ((color & 0xFF000000u) == 0x02000000u) {
        const std::uint32_t rgb = color & 0xFFFFFFu;
        if (DisplayColorCount() > 256)
            return rgb;
        return packed(entryOf(NearestPaletteIndexColor(rgb) & 0xFF));
    }
    return color & 0xFFFFFFu;
}

void StartPaletteModule() {
    state().mode = DisplayColorCount();
    std::unique_ptr<LogicalPalette> palette;
    if (CreateSystemPalette(palette))
        state().shared = std::move(palette);
    SetPaletteMode(state().mode);
    state().previous = SetPaletteResolver(ResolvePaletteColor);
}

void EndPaletteModule() {
    SetPaletteResolver(std::move(state().previous));
    state().shared.reset();
    state().screen = {};
}

} // namespace kestrom
