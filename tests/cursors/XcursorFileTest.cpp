#include "cursors/XcursorFile.h"
#include "cursors/XcursorFrames.h"

#include "tests/cursors/FakeArtwork.h"
#include "tests/support/HermeticEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

#include <X11/Xcursor/Xcursor.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::MakeCursor;

struct ImagesDeleter {
    void operator()(XcursorImages* images) const { XcursorImagesDestroy(images); }
};
using Images = std::unique_ptr<XcursorImages, ImagesDeleter>;

QString writeCursor(const CursorObject& cursor) {
    const QString path = HermeticEnvironment::root() + QStringLiteral("/test.xcursor");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(XcursorFile::Encode(XcursorFrames::Build(cursor)));
    return path;
}

Images load(const QString& path, int size) {
    return Images(XcursorFilenameLoadImages(QFile::encodeName(path).constData(), size));
}

TEST(XcursorFile, StillCursorGetsEveryNominalSizeWithScaledHotSpots) {
    const QString path = writeCursor(MakeCursor({32}, {5, 1}, 1, 0, 0x80FF0000u));
    struct Case {
        int size;
        XcursorUInt xhot, yhot;
    };
    for (const Case c : {Case{24, 4, 1}, Case{32, 5, 1}, Case{48, 8, 2}, Case{64, 10, 2}}) {
        const Images images = load(path, c.size);
        ASSERT_TRUE(images) << c.size;
        ASSERT_EQ(images->nimage, 1) << c.size;
        const ::XcursorImage* image = images->images[0];
        EXPECT_EQ(image->size, static_cast<XcursorDim>(c.size));
        EXPECT_EQ(image->width, static_cast<XcursorDim>(c.size));
        EXPECT_EQ(image->height, static_cast<XcursorDim>(c.size));
        EXPECT_EQ(image->xhot, c.xhot) << c.size;
        EXPECT_EQ(image->yhot, c.yhot) << c.size;
        EXPECT_EQ(image->delay, 0u);
    }
    // Half-transparent red, premultiplied.
    const Images exact = load(path, 32);
    EXPECT_EQ(exact->images[0]->pixels[0], 0x80800000u);
}

TEST(XcursorFile, EachSizeComesFromTheNearestImageAndOwnSizesAreKept) {
    // Own sizes 16, 48 and 96; the fills tell which source an image came from.
    CursorObject cursor = MakeCursor({96}, {30, 60});
    const CursorObject small = MakeCursor({16}, {5, 10}, 1, 0, 0xFF00FF00u);
    const CursorObject middle = MakeCursor({48}, {15, 30}, 1, 0, 0xFF0000FFu);
    cursor.steps[0].frame.images.push_back(small.steps[0].frame.images[0]);
    cursor.steps[0].frame.images.push_back(middle.steps[0].frame.images[0]);
    const QString path = writeCursor(cursor);
    struct Case {
        int size;
        XcursorPixel pixel;
        XcursorUInt xhot;
    };
    const Case cases[] = {
        {16, 0xFF00FF00u, 5},  {24, 0xFF00FF00u, 8},  {32, 0xFF0000FFu, 10},
        {48, 0xFF0000FFu, 15}, {64, 0xFF0000FFu, 20}, {96, 0x80800000u, 30},
    };
    for (const Case& c : cases) {
        const Images images = load(path, c.size);
        ASSERT_TRUE(images);
        ASSERT_EQ(images->nimage, 1);
        EXPECT_EQ(images->images[0]->size, static_cast<XcursorDim>(c.size));
        EXPECT_EQ(images->images[0]->pixels[c.size / 2 * c.size + c.size / 2], c.pixel) << c.size;
        EXPECT_EQ(images->images[0]->xhot, c.xhot) << c.size;
    }
}

TEST(XcursorFile, AnimatedCursorKeepsStepOrderAndDisplayTimes) {
    const QString path = writeCursor(MakeCursor({32}, {16, 16}, 3, 10, 0xFF000010u));
    for (const int size : {24, 32, 48, 64}) {
        const Images images = load(path, size);
        ASSERT_TRUE(images);
        ASSERT_EQ(images->nimage, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(images->images[i]->delay, 167u);
            EXPECT_EQ(images->images[i]->pixels[0] & 0xFF, 0x10u + static_cast<unsigned>(i));
        }
    }
}

TEST(XcursorFile, DisplayTimesRoundAndNeverReachZero) {
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {{0, 1},   {1, 17},   {3, 50},
                                                             {6, 100}, {10, 167}, {60, 1000}};
    for (const auto& [jiffies, ms] : cases)
        EXPECT_EQ(XcursorFrames::DelayMs(jiffies), ms) << jiffies;
}

TEST(XcursorFile, NothingToShowGivesNoFile) {
    EXPECT_TRUE(XcursorFile::Encode(XcursorFrames::Build(CursorObject{})).isEmpty());
    CursorObject emptyStep;
    emptyStep.steps.emplace_back();
    EXPECT_TRUE(XcursorFile::Encode(XcursorFrames::Build(emptyStep)).isEmpty());
    EXPECT_TRUE(XcursorFile::Encode(XcursorFrames::Build(MakeCursor({300}, {0, 0}))).isEmpty());
}

TEST(XcursorFile, InvertedPixelsOfMonochromeCursorsTurnBlack) {
    CursorObject cursor = MakeCursor({32}, {0, 0}, 1, 0, 0x00000000u);
    QImage invert(32, 32, QImage::Format_Mono);
    invert.fill(0);
    invert.setPixel(3, 2, 1);
    cursor.steps[0].frame.images[0].invert = invert;
    const Images images = load(writeCursor(cursor), 32);
    ASSERT_TRUE(images);
    EXPECT_EQ(images->images[0]->pixels[2 * 32 + 3], 0xFF000000u);
    EXPECT_EQ(images->images[0]->pixels[0], 0x00000000u);
}

} // namespace
} // namespace kestrom
