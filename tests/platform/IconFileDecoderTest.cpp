#include "platform/IconFileDecoder.h"
#include "platform/ByteReader.h"

#include "tests/support/IconFileWriter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <set>

namespace kestrom {
namespace {

using test::IconFileWriter;

std::optional<IconObject> decode(const QByteArray& file) {
    return IconFileDecoder::decode(byteSpan(file));
}

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(KESTROM_TEST_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

struct DepthCase {
    const char* name;
    int bits;
    std::vector<std::uint32_t> pixels; // 3 x 2, top-down
    std::vector<std::uint32_t> palette;
    std::vector<QRgb> expected; // with the mask's transparent pixel at (1, 0)
};

void PrintTo(const DepthCase& row, std::ostream* os) {
    *os << row.name;
}

class DibDepths : public testing::TestWithParam<DepthCase> {};

TEST_P(DibDepths, DecodesColoursAndMask) {
    const DepthCase& c = GetParam();
    const std::vector<bool> mask = {false, true, false, false, false, false};
    IconFileWriter::Entry e;
    e.data = IconFileWriter::dib(3, 2, c.bits, c.pixels, mask, c.palette);
    const auto icon = decode(IconFileWriter::file(1, {e}));
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->images.size(), 1u);
    const QImage& image = icon->images[0].color;
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(image.pixel(i % 3, i / 3), c.expected[static_cast<std::size_t>(i)]) << i;
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

INSTANTIATE_TEST_SUITE_P(
    Depths, DibDepths,
    testing::Values(DepthCase{"bits1",
                              1,
                              {1, 0, 0, 0, 1, 1},
                              {0x000000, 0xFFFFFF},
                              {0xFFFFFFFF, 0, 0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF}},
                    DepthCase{"bits4",
                              4,
                              {1, 0, 2, 3, 0, 1},
                              kPalette,
                              {0xFFFF0000, 0, 0xFF00FF00, 0xFF0000FF, 0xFF000000, 0xFFFF0000}},
                    DepthCase{"bits8",
                              8,
                              {3, 0, 2, 1, 0, 200},
                              kPalette,
                              // An index past the palette reads as black.
                              {0xFF0000FF, 0, 0xFF00FF00, 0xFFFF0000, 0xFF000000, 0xFF000000}},
                    DepthCase{"bits24",
                              24,
                              {0x123456, 0, 0xABCDEF, 0x010203, 0, 0xFFFFFF},
                              {},
                              {0xFF123456, 0, 0xFFABCDEF, 0xFF010203, 0xFF000000, 0xFFFFFFFF}},
                    // Without any alpha, a 32-bit image is opaque where the mask is clear.
                    DepthCase{"bits32NoAlpha",
                              32,
                              {0x123456, 0, 0xABCDEF, 0x010203, 0, 0xFFFFFF},
                              {},
                              {0xFF123456, 0, 0xFFABCDEF, 0xFF010203, 0xFF000000, 0xFFFFFFFF}},
                    // With alpha, the alpha channel decides and the mask is not looked at.
                    DepthCase{
                        "bits32Alpha",
                        32,
                        {0x80123456, 0xFF00FF00, 0x00ABCDEF, 0xFF010203, 0x01000000, 0xFFFFFFFF},
                        {},
                        {0x80123456, 0xFF00FF00, 0x00ABCDEF, 0xFF010203, 0x01000000, 0xFFFFFFFF}}),
    [](const testing::TestParamInfo<DepthCase>& row) { return row.param.name; });

TEST(IconFileDecoder, MonochromeCursorKeepsInvertedPixelsAndHotSpot) {
    // 1-bit: mask set over white inverts the screen, mask set over black is transparent.
    IconFileWriter::Entry e;
    e.data = IconFileWriter::dib(2, 1, 1, {1, 0}, {true, true}, {0x000000, 0xFFFFFF});
    e.planes = 7;
    e.bitCount = 9;
    const auto cursor = decode(IconFileWriter::file(2, {e}));
    ASSERT_TRUE(cursor);
    const IconImage& image = cursor->images[0];
    EXPECT_EQ(image.hotSpot, QPoint(7, 9));
    EXPECT_EQ(image.color.pixel(0, 0), 0u);
    EXPECT_EQ(image.color.pixel(1, 0), 0u);
    ASSERT_FALSE(image.invert.isNull());
    EXPECT_EQ(image.invert.pixelIndex(0, 0), 1);
    EXPECT_EQ(image.invert.pixelIndex(1, 0), 0);
}

TEST(IconFileDecoder, IconsHaveNoHotSpotAndNoInvertMask) {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::solidDib(4, 4, 8, 1);
    e.planes = 5;
    e.bitCount = 8;
    const auto icon = decode(IconFileWriter::file(1, {e}));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->images[0].hotSpot, QPoint(0, 0));
    EXPECT_TRUE(icon->images[0].invert.isNull());
}

TEST(IconFileDecoder, PngEntriesAndSizeByteZeroMeaning256) {
    QImage big(256, 256, QImage::Format_ARGB32);
    big.fill(qRgba(10, 20, 30, 128));
    IconFileWriter::Entry png;
    png.data = IconFileWriter::png(big);
    png.width = png.height = 256; // stored as 0
    IconFileWriter::Entry small;
    small.data = IconFileWriter::solidDib(16, 16, 4, 2);
    small.width = small.height = 16;
    IconFileWriter::Entry standard;
    standard.data = IconFileWriter::solidDib(32, 32, 4, 3);

    const QByteArray file = IconFileWriter::file(1, {png, small, standard});
    ASSERT_EQ(static_cast<unsigned char>(file[6]), 0u);
    const auto entries = IconFileDecoder::directory(byteSpan(file));
    ASSERT_TRUE(entries);
    EXPECT_EQ((*entries)[0].width, 256);
    EXPECT_EQ((*entries)[0].height, 256);

    const auto icon = decode(file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->images.size(), 3u);
    // The standard size comes first, the rest in file order.
    EXPECT_EQ(icon->images[0].color.size(), QSize(32, 32));
    EXPECT_EQ(icon->images[1].color.size(), QSize(256, 256));
    EXPECT_EQ(icon->images[1].color.pixel(5, 5), qRgba(10, 20, 30, 128));
    EXPECT_EQ(icon->images[2].color.size(), QSize(16, 16));
}

TEST(IconFileDecoder, DeeperColoursWinAtTheSameSize) {
    IconFileWriter::Entry four, eight;
    four.data = IconFileWriter::solidDib(32, 32, 4, 1);
    four.bitCount = 4;
    eight.data = IconFileWriter::solidDib(32, 32, 8, 200);
    eight.bitCount = 8;
    const auto icon = decode(IconFileWriter::file(1, {four, eight}));
    ASSERT_TRUE(icon);
    const auto firstEntry = IconFileDecoder::decodeImage(byteSpan(eight.data));
    ASSERT_TRUE(firstEntry);
    EXPECT_EQ(icon->images[0].color, firstEntry->color);
}

struct BrokenCase {
    const char* name;
    QByteArray file;
};

void PrintTo(const BrokenCase& row, std::ostream* os) {
    *os << row.name;
}

QByteArray validIcon() {
    return IconFileWriter::smallIcon();
}

QByteArray patched16(QByteArray file, qsizetype at, std::uint32_t v) {
    IconFileWriter::set16(file, at, v);
    return file;
}

QByteArray patched32(QByteArray file, qsizetype at, std::uint32_t v) {
    IconFileWriter::set32(file, at, v);
    return file;
}

class BrokenIcons : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenIcons, GiveNothing) {
    EXPECT_FALSE(decode(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(
    Broken, BrokenIcons,
    testing::Values(BrokenCase{"empty", {}}, BrokenCase{"headerOnly", validIcon().left(6)},
                    BrokenCase{"reservedSet", patched16(validIcon(), 0, 1)},
                    BrokenCase{"typeThree", patched16(validIcon(), 2, 3)},
                    BrokenCase{"noEntries", patched16(validIcon(), 4, 0)},
                    BrokenCase{"moreEntriesThanFile", patched16(validIcon(), 4, 0xFFFF)},
                    BrokenCase{"imageCutShort", validIcon().left(700)},
                    BrokenCase{"offsetPastEnd", patched32(validIcon(), 18, 0xFFFFFFF0u)},
                    BrokenCase{"sizeWrapsOffset", patched32(validIcon(), 14, 0xFFFFFFFFu)},
                    BrokenCase{"dibWidthHuge", patched32(validIcon(), 22 + 4, 0x7FFFFFFF)},
                    BrokenCase{"dibHeightNegative", patched32(validIcon(), 22 + 8, 0xFFFFFFC0u)},
                    BrokenCase{"dibDepthSixteen", patched16(validIcon(), 22 + 14, 16)},
                    BrokenCase{"dibCompressed", patched32(validIcon(), 22 + 16, 1)},
                    BrokenCase{"paletteTooLarge", patched32(validIcon(), 22 + 32, 257)},
                    BrokenCase{"headerSizePastEnd", patched32(validIcon(), 22, 0x10000)}),
    [](const testing::TestParamInfo<BrokenCase>& row) { return row.param.name; });

// icotool's listing of an icon file: width, height and depth per image, in file order.
std::vector<std::tuple<int, int, int>> icotoolList(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("icotool"), {QStringLiteral("-l"), path});
    p.waitForFinished();
    std::vector<std::tuple<int, int, int>> out;
    const QRegularExpression re(
        QStringLiteral("--width=(\\d+) --height=(\\d+) --bit-depth=(\\d+)"));
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        const auto m = re.match(line);
        if (m.hasMatch())
            out.emplace_back(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }
    return out;
}

TEST(IconFileDecoder, RealIconsMatchIcotool) {
    if (QStandardPaths::findExecutable(QStringLiteral("icotool")).isEmpty())
        GTEST_SKIP() << "icotool (icoutils) is not installed";
    for (const char* name :
         {"nsis-nsis3-install.ico", "nsis-win-install.ico", "nsis-orange-install.ico"}) {
        const QByteArray file = fixture(name);
        const auto listed =
            icotoolList(QStringLiteral(KESTROM_TEST_DATA "/") + QLatin1String(name));
        const auto entries = IconFileDecoder::directory(byteSpan(file));
        const auto icon = decode(file);
        ASSERT_TRUE(entries && icon) << name;
        ASSERT_EQ(entries->size(), listed.size()) << name;
        ASSERT_EQ(icon->images.size(), listed.size()) << name;
        std::multiset<std::pair<int, int>> ours, theirs;
        for (std::size_t i = 0; i < listed.size(); ++i) {
            EXPECT_EQ((*entries)[i].width, std::get<0>(listed[i])) << name << " " << i;
            EXPECT_EQ((*entries)[i].height, std::get<1>(listed[i])) << name << " " << i;
            ours.insert({icon->images[i].color.width(), icon->images[i].color.height()});
            theirs.insert({std::get<0>(listed[i]), std::get<1>(listed[i])});
        }
        EXPECT_EQ(ours, theirs) << name;
        EXPECT_EQ(icon->images[0].color.size(), QSize(32, 32)) << name;
    }
}

TEST(IconFileDecoder, RealCursorOfElevenSizes) {
    const auto cursor = decode(fixture("bibata-left_ptr.cur"));
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->images.size(), 11u);
    // The 32 x 32 image first, with its own hot spot; then 96 x 96 with 15,1.
    EXPECT_EQ(cursor->images[0].color.size(), QSize(32, 32));
    EXPECT_EQ(cursor->images[0].hotSpot, QPoint(4, 0));
    EXPECT_EQ(cursor->images[1].color.size(), QSize(96, 96));
    EXPECT_EQ(cursor->images[1].hotSpot, QPoint(15, 1));
    int opaque = 0;
    const QImage& big = cursor->images[1].color;
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x)
            opaque += qAlpha(big.pixel(x, y)) == 255;
    }
    EXPECT_GT(opaque, 100);
    EXPECT_LT(opaque, 96 * 96 / 2);
}

} // namespace
} // namespace kestrom
