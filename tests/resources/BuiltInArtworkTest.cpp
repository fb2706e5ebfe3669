#include "cursors/CursorRoles.h"
#include "cursors/SystemArtwork.h"

#include "tests/support/HermeticEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;

// The drawing covers the hot spot (or a pixel next to it): the point that acts is on the
// picture, as with the standard cursors.
bool coversHotSpot(const QImage& image, QPoint hot) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = hot + QPoint(dx, dy);
            if (image.rect().contains(p) && qAlpha(image.pixel(p)) > 128)
                return true;
        }
    }
    return false;
}

TEST(BuiltInArtwork, EveryRoleHasA32PixelIconAndCursorWithItsHotSpot) {
    SystemArtwork artwork;
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        const HICON icon = artwork.BuiltInIcon(QStringLiteral("icon_%1").arg(slot));
        ASSERT_TRUE(icon && !icon->images.empty()) << slot;
        EXPECT_EQ(icon->images[0].color.size(), QSize(32, 32));

        const HCURSOR cursor = artwork.BuiltInCursor(CursorRoles::builtInCursorName(slot));
        ASSERT_TRUE(cursor) << slot;
        ASSERT_EQ(cursor->steps.size(), 1u);
        ASSERT_EQ(cursor->steps[0].frame.images.size(), 1u);
        const IconImage& image = cursor->steps[0].frame.images[0];
        EXPECT_EQ(image.color.size(), QSize(32, 32));
        EXPECT_EQ(image.hotSpot, CursorRoles::bySlot(slot).hotSpot) << slot;
        EXPECT_TRUE(coversHotSpot(image.color, image.hotSpot)) << slot;
        EXPECT_EQ(qAlpha(image.color.pixel(31, 0)), 0) << slot; // a clear background
    }
    EXPECT_FALSE(artwork.BuiltInCursor(QStringLiteral("CURSOR_16")));
}

TEST(BuiltInArtwork, TheCommittedFilesAreWhatTheGeneratorDraws) {
    const QString out = HermeticEnvironment::root() + QStringLiteral("/artwork");
    QDir().mkpath(out);
    QProcess generator;
    generator.start(QStringLiteral(KESTROM_ARTWORK_BINARY), {out});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        for (const QString& name :
             {QStringLiteral("ICON_%1.ico").arg(slot), QStringLiteral("CURSOR_%1.cur").arg(slot)}) {
            QFile drawn(out + u'/' + name);
            QFile committed(QStringLiteral(KESTROM_RESOURCES_DIR "/") + name);
            ASSERT_TRUE(drawn.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
            EXPECT_EQ(drawn.readAll(), committed.readAll())
                << name.toStdString() << ": run the target regenerate_artwork";
        }
    }
}

} // namespace
} // namespace kestrom
