#include "controls/PlayAniSource.h"

#include "platform/TBitmap.h"

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

QString writeAni() {
    const QByteArray frames = AniFileWriter::frameList(
        {IconFileWriter::smallIcon(1), IconFileWriter::smallIcon(2), IconFileWriter::smallIcon(4)});
    TempTree(HermeticEnvironment::driveC())
        .file(QStringLiteral("Bar/run.ani"),
              AniFileWriter::riff({AniFileWriter::header(3, 3), frames}));
    return QStringLiteral("C:\\Bar\\run.ani");
}

TEST(PlayAniSource, PlaysTheFileStepByStepAndWraps) {
    const QString file = writeAni();
    PlayAniSource source;
    source.Load(file);
    TBitmap face(40, 40);
    const QImage backdrop = TBitmap(32, 32).Image();
    std::int32_t counter = 0;
    std::vector<TColor> centres;
    for (int i = 0; i < 4; ++i) {
        source.DrawNext(backdrop, file, counter, face.Canvas(), 4, 4);
        centres.push_back(face.Canvas().Pixel(20, 20));
    }
    EXPECT_EQ(counter, 1); // three steps, then back to the first
    EXPECT_NE(centres[0], centres[1]);
    EXPECT_NE(centres[1], centres[2]);
    EXPECT_EQ(centres[3], centres[0]);
}

TEST(PlayAniSource, WithoutAChainDrawsNothing) {
    PlayAniSource source;
    source.Load(QStringLiteral("C:\\Bar\\missing.ani"));
    TBitmap face(40, 40);
    face.Canvas().SetPixel(20, 20, 0x123456);
    std::int32_t counter = 7;
    source.DrawNext(TBitmap(32, 32).Image(), QStringLiteral("C:\\Bar\\missing.ani"), counter,
                    face.Canvas(), 4, 4);
    EXPECT_EQ(counter, 7);
    EXPECT_EQ(face.Canvas().Pixel(20, 20), TColor{0x123456});
}

} // namespace
} // namespace kestrom
