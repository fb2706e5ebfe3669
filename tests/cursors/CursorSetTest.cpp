#include "cursors/CursorSet.h"
#include "cursors/CursorRoles.h"
#include "cursors/SystemCursorValues.h"
#include "platform/Registry.h"
#include "platform/RegistryHive.h"
#include "settings/TRegIniFile.h"

#include "tests/cursors/FakeArtwork.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

#include <set>

namespace kestrom {
namespace {

using test::FakeArtwork;
using test::HermeticEnvironment;
using test::TempTree;

void setRoleValue(const QString& valueName, const QString& text) {
    TRegIniFile(QStringLiteral("Control Panel"))
        .WriteString(QStringLiteral("Cursors"), valueName, text);
}

TEST(CursorRoles, PositionTableMapsEveryPositionToOneSlotAndBack) {
    std::set<int> seen;
    for (int position = 1; position <= 15; ++position) {
        const int slot = CursorRoles::slotOfPosition(position);
        ASSERT_GE(slot, 1);
        EXPECT_EQ(CursorRoles::bySlot(slot).position, position) << "position " << position;
        seen.insert(slot);
    }
    EXPECT_EQ(seen.size(), 15u);
    for (const int outside : {0, 16, -1, 1000})
        EXPECT_EQ(CursorRoles::slotOfPosition(outside), 0);
    EXPECT_EQ(CursorRoles::bySlot(14).valueName, QStringLiteral("nwopen"));
    EXPECT_EQ(CursorRoles::bySlot(14).systemCursor, 0);
}

TEST(CursorSet, UserWhoNeverChangedACursorSeesTheFifteenBuiltInIcons) {
    FakeArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);
    ASSERT_EQ(set.Size(), 15);
    EXPECT_EQ(set.First()->Count, 15);
    for (int slot = 1; slot <= 15; ++slot) {
        const IconRec* role = set.Slot(slot);
        EXPECT_EQ(role->Name, CursorRoles::bySlot(slot).name);
        EXPECT_TRUE(role->Path.isEmpty());
        EXPECT_TRUE(role->DefaultPath.isEmpty());
        EXPECT_EQ(role->IconNumber, slot); // an empty path numbers the role by its slot
        EXPECT_EQ(artwork.NameOf(role->Icon), QStringLiteral("builtin:icon_%1").arg(slot));
        if (slot > 1) {
            EXPECT_EQ(role->Count, 1);
        }
    }
    EXPECT_EQ(set.Row(15), nullptr);
}

TEST(CursorSet, StoredValuesKeepTheirTextWhileIconsFollowTheFiles) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("Cursors/arrow.cur"), "x");
    tree.file(QStringLiteral("Cursors/help.cur"), "x");
    tree.folder(QStringLiteral("Cursors/folder.cur"));
    setRoleValue(QStringLiteral("Arrow"), QStringLiteral("C:\\Cursors\\arrow.cur"));
    setRoleValue(QStringLiteral("help"), QStringLiteral("\"C:\\Cursors\\help.cur\""));
    setRoleValue(QStringLiteral("wait"), QStringLiteral("C:\\Cursors\\gone.ani"));
    setRoleValue(QStringLiteral("ibeam"), QStringLiteral("C:\\Cursors\\folder.cur"));
    setRoleValue(QStringLiteral("hand"), QStringLiteral("C:\\Cursors\\arrow.cur,7"));

    FakeArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);

    struct Case {
        int slot;
        QString path;
        QString icon;
        int iconNumber;
    };
    const Case cases[] = {
        {3, "C:\\Cursors\\arrow.cur", "file:C:\\Cursors\\arrow.cur", 0},
        {5, "\"C:\\Cursors\\help.cur\"", "file:C:\\Cursors\\help.cur", 0},
        {1, "C:\\Cursors\\gone.ani", "builtin:icon_1", 0},
        {6, "C:\\Cursors\\folder.cur", "builtin:icon_6", 0},
        // the stored text's own comma: the part after it, "7,0", is not a number
        {15, "C:\\Cursors\\arrow.cur", "file:C:\\Cursors\\arrow.cur", 0},
    };
    for (const Case& c : cases) {
        const IconRec* role = set.Slot(c.slot);
        EXPECT_EQ(role->Path, c.path) << c.slot;
        EXPECT_TRUE(role->DefaultPath.isEmpty());
        EXPECT_EQ(artwork.NameOf(role->Icon), c.icon) << c.slot;
        EXPECT_EQ(role->IconNumber, c.iconNumber) << c.slot;
    }
}

TEST(CursorSet, AddRoleReadsTheNumberAfterTheFirstComma) {
    FakeArtwork artwork;
    CursorSet set(artwork);
    set.AddRole(QStringLiteral("C:\\a.cur,42"), 3);
    set.AddRole(QStringLiteral("C:\\a.cur"), 4);
    set.AddRole(QStringLiteral(",9"), 5);
    set.AddRole(QStringLiteral("C:\\a.cur,x"), 6);
    EXPECT_EQ(set.Row(0)->IconNumber, 42);
    EXPECT_EQ(set.Row(1)->IconNumber, 4);
    EXPECT_EQ(set.Row(2)->IconNumber, 5);
    EXPECT_EQ(set.Row(3)->IconNumber, 0);
    EXPECT_EQ(set.First()->Count, 4);
}

TEST(CursorSet, ValueOfAnotherTypeReadsAsEmptyAndExpandableStringsAsText) {
    RegistryHive& hive = Registry::hive(RegRoot::CurrentUser);
    hive.setValue(QStringLiteral("Control Panel\\Cursors"),
                  RegValue::fromDword(QStringLiteral("Arrow"), 5));
    hive.setValue(QStringLiteral("Control Panel\\Cursors"),
                  RegValue::fromString(QStringLiteral("wait"), QStringLiteral("%X%\\busy.ani"),
                                       REG_EXPAND_SZ));
    FakeArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);
    ASSERT_EQ(set.Size(), 15);
    EXPECT_TRUE(set.Slot(3)->Path.isEmpty());
    EXPECT_EQ(artwork.NameOf(set.Slot(3)->Icon), QStringLiteral("builtin:icon_3"));
    EXPECT_EQ(set.Slot(1)->Path, QStringLiteral("%X%\\busy.ani"));
}

} // namespace
} // namespace kestrom
