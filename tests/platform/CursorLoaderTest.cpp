#include "platform/CursorLoader.h"
#include "platform/ShellIcons.h"

#include "tests/support/AniFileWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/IconFileWriter.h"
#include "tests/support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::AniFileWriter;
using test::HermeticEnvironment;
using test::IconFileWriter;
using test::TempTree;

QByteArray fixture(const char* name) {
    QFile f(QStringLiteral(KESTROM_TEST_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// Puts bytes at C:\Cursors\<name> and answers the Windows path.
QString onDriveC(const QString& name, const QByteArray& bytes) {
    TempTree(HermeticEnvironment::driveC()).file(QStringLiteral("Cursors/") + name, bytes);
    return QStringLiteral("C:\\cursors\\") + name.toUpper();
}

TEST(CursorLoader, StillCursorIsOneStepWithEverySize) {
    const HCURSOR cursor =
        LoadCursorFromFileA(onDriveC(QStringLiteral("left.cur"), fixture("bibata-left_ptr.cur")));
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->steps.size(), 1u);
    EXPECT_EQ(cursor->steps[0].jiffies, 0u);
    EXPECT_EQ(cursor->steps[0].frame.images.size(), 11u);
    EXPECT_EQ(cursor->steps[0].frame.images[0].hotSpot, QPoint(4, 0));
}

TEST(CursorLoader, AnimatedCursorHasAStepPerDisplayStep) {
    const QByteArray ani = AniFileWriter::riff(
        {AniFileWriter::header(2, 3, 9), AniFileWriter::values("rate", {4, 5, 6}),
         AniFileWriter::values("seq ", {1, 0, 1}),
         AniFileWriter::frameList({IconFileWriter::smallIcon(1), IconFileWriter::smallIcon(2)})});
    const HCURSOR cursor = LoadCursorFromFileA(onDriveC(QStringLiteral("a.ani"), ani));
    ASSERT_TRUE(cursor);
    ASSERT_EQ(cursor->steps.size(), 3u);
    EXPECT_EQ(cursor->steps[0].jiffies, 4u);
    EXPECT_EQ(cursor->steps[2].jiffies, 6u);
    const QImage& first = cursor->steps[0].frame.images[0].color;
    EXPECT_EQ(first, cursor->steps[2].frame.images[0].color);
    EXPECT_NE(first, cursor->steps[1].frame.images[0].color);

    const HCURSOR real =
        LoadCursorFromFileA(onDriveC(QStringLiteral("w.ani"), fixture("bibata-wait.ani")));
    ASSERT_TRUE(real);
    EXPECT_EQ(real->steps.size(), 45u);
    EXPECT_EQ(real->steps[0].jiffies, 2u);
}

TEST(CursorLoader, NullForWhatIsNoCursor) {
    EXPECT_FALSE(LoadCursorFromFileA(QStringLiteral("C:\\Cursors\\missing.cur")));
    EXPECT_FALSE(LoadCursorFromFileA(onDriveC(QStringLiteral("text.cur"), "hello")));
    EXPECT_FALSE(LoadCursorFromFileA(QStringLiteral("Q:\\x.cur")));
    TempTree(HermeticEnvironment::driveC()).folder(QStringLiteral("folder.cur"));
    EXPECT_FALSE(LoadCursorFromFileA(QStringLiteral("C:\\folder.cur")));
}

TEST(CursorLoader, ProgramResourcesByNameWithoutRegardToCase) {
    EXPECT_EQ(CursorLoader::resourcePath(QStringLiteral("test_cursor")),
              QStringLiteral(":/kestrom/TEST_CURSOR.cur"));
    const HCURSOR cursor = LoadCursorA(QStringLiteral("Test_Cursor"));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->steps[0].frame.images.size(), 11u);
    EXPECT_FALSE(LoadCursorA(QStringLiteral("TEST")));
    EXPECT_FALSE(LoadCursorA(QString()));
}

TEST(ShellIcons, FirstIconOfEachKindOfFile) {
    const HICON ico =
        ExtractIconA(onDriveC(QStringLiteral("i.ico"), fixture("nsis-nsis3-install.ico")), 0);
    ASSERT_TRUE(ico);
    EXPECT_EQ(ico->images.size(), 6u);
    EXPECT_EQ(ico->images[0].color.size(), QSize(32, 32));

    const HICON ani =
        ExtractIconA(onDriveC(QStringLiteral("w.ani"), fixture("bibata-wait.ani")), 0);
    ASSERT_TRUE(ani);
    EXPECT_EQ(ani->images[0].color.size(), QSize(32, 32));

    const HICON pe =
        ExtractIconA(onDriveC(QStringLiteral("s.exe"), fixture("nsis-stub-zlib-x86-ansi.exe")), 0);
    ASSERT_TRUE(pe);
    ASSERT_EQ(pe->images.size(), 1u);
    EXPECT_EQ(pe->images[0].color.size(), QSize(32, 32));

    const HICON ne =
        ExtractIconA(onDriveC(QStringLiteral("t.dll"), fixture("wine-tools-16bit.ne")), 0);
    ASSERT_TRUE(ne);
    ASSERT_EQ(ne->images.size(), 2u);
    EXPECT_EQ(ne->images[0].color.size(), QSize(32, 32));
    EXPECT_EQ(ne->images[1].color.size(), QSize(16, 16));
}

TEST(ShellIcons, NullForOtherFilesAndIndexes) {
    const QString ico = onDriveC(QStringLiteral("i.ico"), fixture("nsis-win-install.ico"));
    EXPECT_TRUE(ExtractIconA(ico, 0));
    EXPECT_FALSE(ExtractIconA(ico, 1));
    EXPECT_FALSE(ExtractIconA(onDriveC(QStringLiteral("r.txt"), "just text"), 0));
    EXPECT_FALSE(ExtractIconA(
        onDriveC(QStringLiteral("dos.exe"), QByteArray("MZ") + QByteArray(200, '\0')), 0));
    EXPECT_FALSE(ExtractIconA(QStringLiteral("C:\\none.ico"), 0));
}

} // namespace
} // namespace kestrom
