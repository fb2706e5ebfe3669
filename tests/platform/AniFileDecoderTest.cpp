#include "platform/AniFileDecoder.h"
#include "platform/ByteReader.h"

#include "tests/support/AniFileWriter.h"
#include "tests/support/IconFileWriter.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::AniFileWriter;
using test::IconFileWriter;

std::optional<AniAnimation> decode(const QByteArray& file) {
    return AniFileDecoder::decode(byteSpan(file));
}

// A cursor frame whose colour index tells the frames apart.
QByteArray frame(std::uint32_t index, int side = 32) {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::solidDib(side, side, 4, index);
    e.width = e.height = side;
    e.planes = 3;
    e.bitCount = 4;
    return IconFileWriter::file(2, {e});
}

std::vector<std::size_t> framesOf(const AniAnimation& a) {
    std::vector<std::size_t> out;
    for (const auto& s : a.steps)
        out.push_back(s.frame);
    return out;
}

std::vector<std::uint32_t> jiffiesOf(const AniAnimation& a) {
    std::vector<std::uint32_t> out;
    for (const auto& s : a.steps)
        out.push_back(s.jiffies);
    return out;
}

struct OrderCase {
    const char* name;
    QList<QByteArray> chunks;
    std::vector<std::size_t> frames;
    std::vector<std::uint32_t> jiffies;
};

void PrintTo(const OrderCase& row, std::ostream* os) {
    *os << row.name;
}

const QByteArray kHeader = AniFileWriter::header(3, 4, 7);
const QByteArray kRate = AniFileWriter::values("rate", {1, 2, 3, 4});
const QByteArray kSeq = AniFileWriter::values("seq ", {0, 2, 1, 2});
const QByteArray kFrames = AniFileWriter::frameList({frame(1), frame(2), frame(3)});
const QByteArray kInfo = AniFileWriter::list("INFO", AniFileWriter::chunk("INAM", "Odd"));
const QByteArray kUnknown = AniFileWriter::chunk("zzzz", "12345");

class AniChunkOrders : public testing::TestWithParam<OrderCase> {};

TEST_P(AniChunkOrders, ReadLikeTheSystem) {
    const auto a = decode(AniFileWriter::riff(GetParam().chunks));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->frames.size(), 3u);
    EXPECT_EQ(framesOf(*a), GetParam().frames);
    EXPECT_EQ(jiffiesOf(*a), GetParam().jiffies);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, AniChunkOrders,
    testing::Values(
        OrderCase{
            "headerRateSeqFrames", {kHeader, kRate, kSeq, kFrames}, {0, 2, 1, 2}, {1, 2, 3, 4}},
        OrderCase{"seqBeforeRate", {kHeader, kSeq, kRate, kFrames}, {0, 2, 1, 2}, {1, 2, 3, 4}},
        OrderCase{"framesFirst", {kFrames, kSeq, kHeader, kRate}, {0, 2, 1, 2}, {1, 2, 3, 4}},
        OrderCase{"infoAndUnknownBetween",
                  {kInfo, kHeader, kUnknown, kRate, kInfo, kSeq, kUnknown, kFrames},
                  {0, 2, 1, 2},
                  {1, 2, 3, 4}},
        // Without a sequence the steps run through the frames; steps past them show the last.
        OrderCase{"noSeq", {kHeader, kRate, kFrames}, {0, 1, 2, 2}, {1, 2, 3, 4}},
        OrderCase{"noRateUsesHeaderRate", {kHeader, kSeq, kFrames}, {0, 2, 1, 2}, {7, 7, 7, 7}},
        OrderCase{"seqPastLastFrameClamped",
                  {kHeader, AniFileWriter::values("seq ", {0, 9, 0xFFFFFFFF, 1}), kFrames},
                  {0, 2, 2, 1},
                  {7, 7, 7, 7}},
        OrderCase{"stepCountZeroMeansFrames",
                  {AniFileWriter::header(3, 0, 5), kFrames},
                  {0, 1, 2},
                  {5, 5, 5}},
        // A header claiming more steps than anything in the file is bounded by what is there.
        OrderCase{"stepCountHuge",
                  {AniFileWriter::header(3, 0x7FFFFFFF, 5), kFrames},
                  {0, 1, 2},
                  {5, 5, 5}}),
    [](const testing::TestParamInfo<OrderCase>& row) { return row.param.name; });

TEST(AniFileDecoder, PadByteAfterOddSizedFrames) {
    // A frame of odd size: 32-bit PNG data made odd by a trailing byte the decoder ignores.
    QByteArray odd = frame(5);
    odd.append('\x7F');
    ASSERT_EQ(odd.size() % 2, 1);
    const QByteArray file = AniFileWriter::riff(
        {AniFileWriter::header(2, 2, 6), AniFileWriter::frameList({odd, frame(6)})});
    const auto a = decode(file);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->frames.size(), 2u);
}

TEST(AniFileDecoder, PngFramesOfSeveralSizesAndRiffLengthPastEnd) {
    QImage small(16, 16, QImage::Format_ARGB32), big(48, 48, QImage::Format_ARGB32);
    small.fill(qRgba(1, 2, 3, 255));
    big.fill(qRgba(4, 5, 6, 255));
    IconFileWriter::Entry a, b;
    a.data = IconFileWriter::png(small);
    a.width = a.height = 16;
    b.data = IconFileWriter::png(big);
    b.width = b.height = 48;
    b.planes = 10;
    b.bitCount = 11;
    const QByteArray cur = IconFileWriter::file(2, {a, b});
    QByteArray file =
        AniFileWriter::riff({AniFileWriter::header(1, 1), AniFileWriter::frameList({cur})});
    IconFileWriter::set32(file, 4, 0x7FFFFFFF);
    const auto anim = decode(file);
    ASSERT_TRUE(anim);
    ASSERT_EQ(anim->frames.size(), 1u);
    ASSERT_EQ(anim->frames[0].images.size(), 2u);
    EXPECT_EQ(anim->frames[0].images[0].color.size(), QSize(48, 48));
    EXPECT_EQ(anim->frames[0].images[0].hotSpot, QPoint(10, 11));
    EXPECT_EQ(anim->frames[0].images[1].color.pixel(0, 0), qRgba(1, 2, 3, 255));
}

struct BrokenAni {
    const char* name;
    QByteArray file;
};

void PrintTo(const BrokenAni& row, std::ostream* os) {
    *os << row.name;
}

class BrokenAnis : public testing::TestWithParam<BrokenAni> {};

TEST_P(BrokenAnis, GiveNothing) {
    EXPECT_FALSE(decode(GetParam().file));
    EXPECT_FALSE(AniFileDecoder::firstFrame(byteSpan(GetParam().file)));
}

QByteArray truncated(const QByteArray& file, qsizetype drop) {
    return file.left(file.size() - drop);
}

const QByteArray kGood = AniFileWriter::riff({kHeader, kRate, kSeq, kFrames});

INSTANTIATE_TEST_SUITE_P(
    Broken, BrokenAnis,
    testing::Values(
        BrokenAni{"empty", {}}, BrokenAni{"staticCursor", frame(1)},
        BrokenAni{"notAcon", AniFileWriter::riff({kHeader, kFrames}, "WAVE")},
        BrokenAni{"noHeader", AniFileWriter::riff({kRate, kFrames})},
        BrokenAni{"headerWithoutIconFlag",
                  AniFileWriter::riff({AniFileWriter::header(3, 3, 10, 0), kFrames})},
        BrokenAni{"noFrames", AniFileWriter::riff({kHeader, kRate})},
        BrokenAni{"framesCutShort", truncated(kGood, 100)},
        BrokenAni{"frameNotAnIcon",
                  AniFileWriter::riff({kHeader, AniFileWriter::frameList({"not an icon"})})},
        BrokenAni{"headerCutShort",
                  AniFileWriter::riff({AniFileWriter::chunk("anih", "short"), kFrames})}),
    [](const testing::TestParamInfo<BrokenAni>& row) { return row.param.name; });

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(KESTROM_TEST_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

TEST(AniFileDecoder, RealCursors) {
    const auto wait = decode(fixture("bibata-wait.ani"));
    ASSERT_TRUE(wait);
    EXPECT_EQ(wait->frames.size(), 45u);
    EXPECT_EQ(wait->steps.size(), 45u);
    EXPECT_EQ(wait->frames[0].images[0].color.size(), QSize(32, 32));

    // Odd-sized frame chunks with pad bytes, eleven sizes a frame.
    const auto watch = decode(fixture("bibata-left_ptr_watch.ani"));
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->frames.size(), 60u);
    EXPECT_EQ(watch->steps.size(), 60u);
    for (const IconObject& f : watch->frames) {
        ASSERT_EQ(f.images.size(), 11u);
        EXPECT_EQ(f.images[0].color.size(), QSize(32, 32));
    }
}

} // namespace
} // namespace kestrom
