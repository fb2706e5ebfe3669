#include "formats/PlayAni.h"
#include "platform/UserNotice.h"

#include "tests/support/AniFileWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/IconFileWriter.h"
#include "tests/support/TempTree.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::AniFileWriter;
using test::HermeticEnvironment;
using test::IconFileWriter;
using test::TempTree;

QString onDriveC(const QString& name, const QByteArray& bytes) {
    TempTree(HermeticEnvironment::driveC()).file(QStringLiteral("Ani/") + name, bytes);
    return QStringLiteral("C:\\Ani\\") + name;
}

class Notices : public testing::Test {
protected:
    void SetUp() override {
        SetUserNoticeSink(
            [this](const QString&, const QString& message) { shown.append(message); });
    }
    void TearDown() override { SetUserNoticeSink(nullptr); }
    QStringList shown;
};

// Frames of 766 bytes each (even, so no pad byte is in question), told apart by colour.
QByteArray frame(std::uint32_t index) {
    return IconFileWriter::smallIcon(index);
}

struct Step {
    std::int32_t frame, rate, size;
    bool operator==(const Step&) const = default;
};

void PrintTo(const Step& s, std::ostream* os) {
    *os << "{" << s.frame << "," << s.rate << "," << s.size << "}";
}

std::vector<Step> steps(const AniStep* head) {
    std::vector<Step> out;
    for (; head; head = head->Next.get())
        out.push_back({head->Frame, head->Rate, head->Size});
    return out;
}

const QByteArray kFrames3 = AniFileWriter::frameList({frame(1), frame(2), frame(3)});
const QByteArray kInfo = AniFileWriter::list("INFO", AniFileWriter::chunk("INAM", "Wait"));

QByteArray header(std::uint32_t steps) {
    return AniFileWriter::header(3, steps);
}

QByteArray rate(const std::vector<std::uint32_t>& v) {
    return AniFileWriter::values("rate", v);
}

QByteArray seq(const std::vector<std::uint32_t>& v) {
    return AniFileWriter::values("seq ", v);
}

struct WalkCase {
    const char* name;
    QList<QByteArray> chunks;
    std::vector<Step> expected; // empty: an empty chain
};

void PrintTo(const WalkCase& row, std::ostream* os) {
    *os << row.name;
}

class StrictWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(StrictWalk, BuildsTheChainOrNone) {
    const QString path = onDriveC(QStringLiteral("a.ani"), AniFileWriter::riff(GetParam().chunks));
    const AniChain chain = LoadAniSteps(path);
    EXPECT_EQ(steps(chain.get()), GetParam().expected);
    for (const AniStep* s = chain.get(); s; s = s->Next.get()) {
        ASSERT_TRUE(s->Icon);
        EXPECT_EQ(s->Icon->images[0].color.size(), QSize(32, 32));
    }
}

constexpr std::int32_t kF = 766;

INSTANTIATE_TEST_SUITE_P(
    Orders, StrictWalk,
    testing::Values(
        WalkCase{"headerRateSeqFrames",
                 {header(4), rate({5, 6, 7, 8}), seq({0, 1, 2, 1}), kFrames3},
                 {{0, 5, kF}, {1, 6, kF}, {2, 7, kF}, {1, 8, 766}}},
        WalkCase{"headerRateFrames",
                 {header(3), rate({5, 6, 7}), kFrames3},
                 {{0, 5, kF}, {1, 6, kF}, {2, 7, kF}}},
        WalkCase{"headerSeqFrames",
                 {header(4), seq({0, 0, 1, 1}), kFrames3},
                 {{0, 10, kF}, {0, 10, 766}, {1, 10, kF}, {1, 10, 766}}},
        WalkCase{"headerFrames", {header(3), kFrames3}, {{0, 10, kF}, {1, 10, kF}, {2, 10, kF}}},
        WalkCase{"leadingListThenAll",
                 {kInfo, header(4), rate({5, 6, 7, 8}), seq({0, 1, 2, 1}), kFrames3},
                 {{0, 5, kF}, {1, 6, kF}, {2, 7, kF}, {1, 8, 766}}},
        WalkCase{"leadingListThenFrames",
                 {kInfo, header(3), kFrames3},
                 {{0, 10, kF}, {1, 10, kF}, {2, 10, kF}}},
        // First uses out of order show the frames in file order.
        WalkCase{"seqNotAscending",
                 {header(3), seq({2, 0, 1}), kFrames3},
                 {{0, 10, kF}, {0, 10, 766}, {1, 10, kF}}},
        // A rate (or rate and sequence) longer than the step count: the surplus is dropped.
        WalkCase{"rateLongerThanSteps",
                 {header(2), rate({5, 6, 7, 8}), kFrames3},
                 {{0, 5, kF}, {1, 6, kF}}},
        WalkCase{"rateAndSeqLongerThanSteps",
                 {header(2), rate({5, 6, 7, 8}), seq({1, 1, 0, 0}), kFrames3},
                 {{0, 5, kF}, {1, 6, kF}}},
        // Failures the walk names: more steps than records, more sequence entries than records.
        WalkCase{"stepCountPastRecords", {header(5), rate({5, 6, 7}), kFrames3}, {}},
        WalkCase{"stepCountHuge", {header(0x7FFFFFFF), kFrames3}, {}},
        WalkCase{"seqLongerThanRate", {header(2), rate({5, 6}), seq({0, 1, 2}), kFrames3}, {}},
        WalkCase{"noSteps", {header(0), rate({5}), kFrames3}, {}},
        // Orders the walk does not follow.
        WalkCase{"seqBeforeRate", {header(3), seq({0, 1, 2}), rate({5, 6, 7}), kFrames3}, {}},
        WalkCase{"chunkBetweenHeaderAndFrames",
                 {header(3), AniFileWriter::chunk("zzzz", "1234"), kFrames3},
                 {}},
        WalkCase{"framesCutShort", {header(4), kFrames3}, {}}),
    [](const testing::TestParamInfo<WalkCase>& row) { return row.param.name; });

TEST_F(Notices, CursorFramesLoadAsIconsAndSizesComeFromTheFile) {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::solidDib(32, 32, 4, 2);
    e.planes = 9; // hot spot
    e.bitCount = 9;
    QByteArray cur = IconFileWriter::file(2, {e});
    cur.append(QByteArray(10, '\0')); // a longer chunk than the image
    const QString path = onDriveC(
        QStringLiteral("c.ani"), AniFileWriter::riff({header(1), AniFileWriter::frameList({cur})}));
    const AniChain chain = LoadAniSteps(path);
    ASSERT_TRUE(chain);
    EXPECT_EQ(chain->Size, 776);
    EXPECT_EQ(chain->Icon->images[0].hotSpot, QPoint(0, 0));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Notices, NoFileOrNoAnimatedCursorGivesNothingAndSaysNothing) {
    EXPECT_FALSE(LoadAniSteps(QStringLiteral("C:\\Ani\\none.ani")));
    EXPECT_FALSE(LoadAniSteps(onDriveC(QStringLiteral("still.cur"), frame(1))));
    EXPECT_FALSE(LoadAniSteps(onDriveC(QStringLiteral("empty.ani"), {})));
    const QByteArray good = AniFileWriter::riff({header(3), kFrames3});
    EXPECT_FALSE(LoadAniSteps(onDriveC(QStringLiteral("cut.ani"), good.left(good.size() - 1))));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(Notices, ReadOnlyFilesLoad) {
    const QString path =
        onDriveC(QStringLiteral("ro.ani"), AniFileWriter::riff({header(3), kFrames3}));
    QFile::setPermissions(HermeticEnvironment::driveC() + QStringLiteral("/Ani/ro.ani"),
                          QFileDevice::ReadOwner);
    EXPECT_EQ(ChainLength(LoadAniSteps(path).get()), 3u);
}

TEST_F(Notices, AStreamIsReadInsteadAndItsEndIsReportedOnce) {
    const QString name = onDriveC(QStringLiteral("n.ani"), "not read");
    QByteArray bytes = AniFileWriter::riff({header(3), kFrames3});
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    stream.seek(10);
    EXPECT_EQ(ChainLength(LoadAniSteps(name, &stream).get()), 3u);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(LoadAniSteps(QStringLiteral("C:\\Ani\\none.ani"), &stream));

    QByteArray cut = bytes.left(30);
    QBuffer short_(&cut);
    short_.open(QIODevice::ReadOnly);
    EXPECT_FALSE(LoadAniSteps(name, &short_));
    EXPECT_EQ(shown, QStringList{QStringLiteral("Disk read error! File may be damaged.")});
}

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(KESTROM_TEST_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

TEST(PlayAni, RealCursors) {
    // Header and frame list: every step its own frame, at the default rate.
    const AniChain wait =
        LoadAniSteps(onDriveC(QStringLiteral("w.ani"), fixture("bibata-wait.ani")));
    ASSERT_EQ(ChainLength(wait.get()), 45u);
    EXPECT_EQ(wait->Rate, 10);
    EXPECT_EQ(wait->Next->Frame, 1);
    // Odd-sized frames with pad bytes: the strict walk reads the pad as the next chunk's id
    // and the frame length one byte off, so the second frame fails.
    EXPECT_FALSE(
        LoadAniSteps(onDriveC(QStringLiteral("p.ani"), fixture("bibata-left_ptr_watch.ani"))));
}

} // namespace
} // namespace kestrom
