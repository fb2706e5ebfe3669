#include "settings/TRegistry.h"

#include "platform/ERegistryError.h"
#include "platform/RegistryHive.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(TRegistry, StartsOnTheUserRootWithNoKeyOpen) {
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), RegRoot::CurrentUser);
    EXPECT_FALSE(reg.HasCurrentKey());
}

TEST(TRegistry, OpensExistingKeysAndCreatesOnlyWhenAsked) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(QStringLiteral("Control Panel\\Cursors"), false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_TRUE(reg.OpenKey(QStringLiteral("Control Panel\\Cursors"), true));
    reg.WriteString(QStringLiteral("Arrow"), QStringLiteral("C:\\a.cur"));
    reg.CloseKey();
    EXPECT_TRUE(reg.OpenKey(QStringLiteral("control panel\\CURSORS"), false));
    EXPECT_EQ(reg.ReadString(QStringLiteral("arrow")), QStringLiteral("C:\\a.cur"));
}

TEST(TRegistry, ListsNamesOfTheOpenKeyAfterClearingTheList) {
    Registry::hive(RegRoot::LocalMachine)
        .setValue(QStringLiteral("Cursors\\Schemes"), RegValue::fromString("One", "1"));
    Registry::hive(RegRoot::LocalMachine)
        .setValue(QStringLiteral("Cursors\\Schemes"), RegValue::fromString("Two", "2"));
    TRegistry reg;
    reg.SetRootKey(RegRoot::LocalMachine);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Cursors"), false));
    QStringList list{"stale"};
    reg.GetKeyNames(list);
    EXPECT_EQ(list, QStringList{"Schemes"});
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Cursors\\Schemes"), false));
    reg.GetValueNames(list);
    EXPECT_EQ(list, (QStringList{"One", "Two"}));
    reg.SetRootKey(RegRoot::CurrentUser); // a new root closes the key
    EXPECT_FALSE(reg.HasCurrentKey());
    reg.GetValueNames(list);
    EXPECT_TRUE(list.isEmpty());
}

TEST(TRegistry, RefusesFullAccessToAHiveItCannotWrite) {
    Registry::hive(RegRoot::LocalMachine).createKey(QStringLiteral("Locked"));
    // Open the machine hive read-only by pointing at a copy the process may not write.
    TRegistry reg;
    reg.SetRootKey(RegRoot::LocalMachine);
    EXPECT_TRUE(reg.OpenKey(QStringLiteral("Locked"), false));
    qputenv("KESTROM_MACHINE_HIVE", "/proc/kestrom-no-such-place/machine.db");
    TRegistry other;
    other.SetRootKey(RegRoot::LocalMachine);
    EXPECT_FALSE(other.OpenKey(QStringLiteral("Locked"), false));
    EXPECT_FALSE(other.OpenKey(QStringLiteral("New"), true));
}

TEST(TRegistry, ReadingANonStringValueRaises) {
    Registry::hive(RegRoot::CurrentUser).setValue(QStringLiteral("K"), RegValue::fromDword("n", 5));
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("K"), false));
    EXPECT_THROW(reg.ReadString(QStringLiteral("n")), ERegistryError);
}

} // namespace
} // namespace kestrom
