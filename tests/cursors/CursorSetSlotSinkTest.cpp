#include "cursors/CursorSetSlotSink.h"
#include "cursors/CursorSet.h"
#include "cursors/SystemCursorValues.h"

#include "tests/cursors/FakeArtwork.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

class NoCursorArtwork : public test::FakeArtwork {
public:
    HCURSOR FileCursor(const QString& fileName) override {
        return fileName.endsWith(QStringLiteral("empty.CUR")) ? nullptr
                                                              : FakeArtwork::FileCursor(fileName);
    }
};

TEST(CursorSetSlotSink, ALibraryFileBecomesTheRolesCursorWithNoDefault) {
    NoCursorArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);
    set.Slot(4)->DefaultPath = QStringLiteral("C:\\old.cur");
    CursorSetSlotSink sink(set);
    sink.assign(4, QStringLiteral("C:\\data\\00000004.CUR"));
    sink.assign(5, QStringLiteral("C:\\data\\empty.CUR"));
    sink.assign(16, QStringLiteral("C:\\data\\00000016.CUR")); // no such role: nothing

    const IconRec* given = set.Slot(4);
    EXPECT_EQ(given->Path, QStringLiteral("C:\\data\\00000004.CUR"));
    EXPECT_TRUE(given->DefaultPath.isEmpty());
    ASSERT_TRUE(given->Icon);
    EXPECT_EQ(given->Icon->images.front().color.size(), QSize(32, 32));
    EXPECT_EQ(set.Slot(5)->Path, QStringLiteral("C:\\data\\empty.CUR"));
    EXPECT_EQ(set.Slot(5)->Icon, nullptr);
    EXPECT_EQ(set.Size(), 15);
}

} // namespace
} // namespace kestrom
