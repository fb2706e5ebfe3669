#include "formats/PlayAni.h"
#include "platform/TBitmap.h"
#include "platform/TCanvas.h"

#include "tests/support/AniFileWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/IconFileWriter.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::AniFileWriter;
using test::HermeticEnvironment;
using test::IconFileWriter;
using test::TempTree;

// 32 x 32 frames of one palette colour whose top-left 4 x 4 pixels are transparent.
QByteArray frame(std::uint32_t rgb) {
    std::vector<bool> mask(32 * 32, false);
    std::vector<std::uint32_t> pixels(32 * 32, 1);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            mask[static_cast<std::size_t>(y * 32 + x)] = true;
            pixels[static_cast<std::size_t>(y * 32 + x)] = 0;
        }
    }
    IconFileWriter::Entry e;
    e.data = IconFileWriter::dib(32, 32, 1, pixels, mask, {0x000000, rgb});
    return IconFileWriter::file(1, {e});
}

const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
const QRgb kBackdrop = qRgb(200, 200, 0);

class Player : public testing::Test {
protected:
    void SetUp() override {
        TempTree(HermeticEnvironment::driveC())
            .file(QStringLiteral("b.ani"),
                  AniFileWriter::riff({AniFileWriter::header(3, 3),
                                       AniFileWriter::frameList(
                                           {frame(0xFF0000), frame(0x00FF00), frame(0x0000FF)})}));
        chain = LoadAniSteps(name);
        ASSERT_EQ(ChainLength(chain.get()), 3u);
        backdrop.SetSize(40, 40);
        backdrop.Canvas().Brush().SetColor(0x0000C8C8);
        backdrop.Canvas().FillRect({0, 0, 40, 40});
        target.Canvas().Brush().SetColor(0x00FFFFFF);
        target.Canvas().FillRect({0, 0, 100, 100});
    }

    QRgb at(int x, int y) const { return target.Image().pixel(x, y) | 0xFF000000u; }
    void draw() {
        DrawNextAniStep(backdrop, name, counter, chain.get(), target.Canvas(), 10, 20, false);
    }

    const QString name = QStringLiteral("C:\\b.ani");
    AniChain chain;
    TBitmap backdrop;
    TBitmap target{100, 100};
    std::int32_t counter = 0;
};

TEST_F(Player, StepsInTurnThenBackToTheFirst) {
    for (int call = 0; call < 5; ++call) {
        draw();
        EXPECT_EQ(at(10 + 20, 20 + 20), kColours[call % 3]) << call;
        EXPECT_EQ(counter, call % 3 + 1) << call;
    }
    // Transparent pixels show the backdrop; nothing lands outside the square.
    EXPECT_EQ(at(10, 20), kBackdrop);
    EXPECT_EQ(at(9, 20), qRgb(255, 255, 255));
    EXPECT_EQ(at(42, 52), qRgb(255, 255, 255));
    EXPECT_EQ(backdrop.Width(), 32);
}

TEST_F(Player, ACounterPastTheEndDrawsTheFirstStep) {
    counter = 7;
    draw();
    EXPECT_EQ(at(30, 40), kColours[0]);
    EXPECT_EQ(counter, 1);
}

TEST_F(Player, NoFileDrawsNothingAndAnEmptyChainOnlyTheBackdrop) {
    DrawNextAniStep(backdrop, QStringLiteral("C:\\none.ani"), counter, chain.get(), target.Canvas(),
                    10, 20, false);
    EXPECT_EQ(at(30, 40), qRgb(255, 255, 255));
    EXPECT_EQ(counter, 0);

    DrawNextAniStep(backdrop, name, counter, nullptr, target.Canvas(), 10, 20, false);
    EXPECT_EQ(at(30, 40), kBackdrop);
    EXPECT_EQ(counter, 1);
}

TEST_F(Player, ARecordWithoutAnImageShowsTheBackdrop) {
    chain->Next->Next->Next = std::make_unique<AniStep>();
    counter = 3;
    draw();
    EXPECT_EQ(at(30, 40), kBackdrop);
    EXPECT_EQ(counter, 4);
    draw();
    EXPECT_EQ(at(30, 40), kColours[0]);
}

} // namespace
} // namespace kestrom
