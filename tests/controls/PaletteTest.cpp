#include "controls/Palette256.h"
#include "controls/PaletteModule.h"
#include "messages/ScreenColors.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

struct FixedEntry {
    int index;
    int r, g, b;
};

TEST(Palette256, KeepsTheStandardAndTopEntries) {
    const FixedEntry fixed[] = {
        {0, 0, 0, 0},         {1, 128, 0, 0},       {2, 0, 128, 0},       {3, 128, 128, 0},
        {4, 0, 0, 128},       {5, 128, 0, 128},     {6, 0, 128, 128},     {7, 192, 192, 192},
        {8, 128, 128, 128},   {9, 255, 0, 0},       {10, 0, 255, 0},      {11, 255, 255, 0},
        {12, 0, 0, 255},      {13, 255, 0, 255},    {14, 0, 255, 255},    {15, 255, 255, 255},
        {16, 0, 0, 195},      {21, 0, 0, 255},      {22, 23, 23, 255},    {37, 247, 251, 255},
        {243, 240, 240, 240}, {244, 220, 220, 220}, {245, 200, 200, 200}, {246, 180, 180, 180},
        {247, 160, 160, 160}, {248, 128, 128, 128}, {249, 255, 0, 0},     {250, 0, 255, 0},
        {251, 255, 255, 0},   {252, 0, 0, 255},     {253, 255, 0, 255},   {254, 0, 255, 255},
        {255, 255, 255, 255}};
    for (const FixedEntry& f : fixed) {
        const PaletteEntry& e = Palette256()[static_cast<std::size_t>(f.index)];
        EXPECT_EQ(e, (PaletteEntry{static_cast<std::uint8_t>(f.r), static_cast<std::uint8_t>(f.g),
                                   static_cast<std::uint8_t>(f.b), 0}))
            << "entry " << f.index;
    }
    for (int i = 16; i <= 21; ++i) // blue deepening in steps of 12
        EXPECT_EQ(Palette256()[static_cast<std::size_t>(i)].blue, 195 + 12 * (i - 16));
    for (int i = 23; i <= 37; ++i) // then lightening towards white
        EXPECT_GT(Palette256()[static_cast<std::size_t>(i)].red,
                  Palette256()[static_cast<std::size_t>(i - 1)].red);
}

TEST(PaletteModule, StartRecordsTheModeAndFillsTheSharedPalette) {
    const int bits[] = {8, 4, 16, 24};
    const int modes[] = {256, 256, 16777216, 16777216};
    for (int i = 0; i < 4; ++i) {
        SetScreenBitsPerPixel(bits[i]);
        PaletteModuleScope scope;
        EXPECT_EQ(PaletteMode(), modes[i]) << bits[i] << " bits";
        ASSERT_NE(SharedPalette(), nullptr);
        EXPECT_EQ(SharedPalette()->entries(), Palette256());
    }
    SetScreenBitsPerPixel(0);
    EXPECT_EQ(SharedPalette(), nullptr); // deleted at the end
}

TEST(PaletteModule, PaletteColorIsPaletteRelative) {
    PaletteModuleScope scope;
    EXPECT_EQ(PaletteColor(1), 0x02000080u);  // maroon
    EXPECT_EQ(PaletteColor(12), 0x02FF0000u); // blue
    EXPECT_EQ(PaletteColor(16), 0x02C30000u); // (0, 0, 195)
}

TEST(PaletteModule, NearestEntryAndResolvedColours) {
    PaletteModuleScope scope;
    EXPECT_EQ(NearestPaletteIndexColor(0xFFFFFF), 0x0100000Fu); // white: the first of 15, 255
    EXPECT_EQ(NearestPaletteIndexColor(0xC40000), 0x01000010u); // nearly (0, 0, 195)
    EXPECT_EQ(ResolvePaletteColor(0x01000001u), 0x000080u);
    EXPECT_EQ(ResolvePaletteColor(0x00123456u), 0x123456u);
    SetScreenBitsPerPixel(8); // palette-relative colours snap to an entry on 256 colours
    EXPECT_EQ(ResolvePaletteColor(0x02C40000u), 0xC30000u);
    SetScreenBitsPerPixel(24);
    EXPECT_EQ(ResolvePaletteColor(0x02C40000u), 0xC40000u);
    SetScreenBitsPerPixel(0);
}

TEST(PaletteModule, RealizingReportsNewMappingsOnce) {
    EXPECT_FALSE(RealizeSharedPalette(nullptr, false)); // no shared palette yet
    PaletteModuleScope scope;
    LogicalPalette other(Palette256());
    EXPECT_FALSE(RealizeSharedPalette(&other, false)); // start-up realized the same entries
    LogicalPalette::Entries changed = Palette256();
    changed[100] = {1, 2, 3, 0};
    other.setEntries(changed);
    EXPECT_FALSE(RealizeSharedPalette(&other, true));
    EXPECT_TRUE(RealizeSharedPalette(&other, false));
    EXPECT_FALSE(RealizeSharedPalette(&other, false));
}

} // namespace
} // namespace kestrom
