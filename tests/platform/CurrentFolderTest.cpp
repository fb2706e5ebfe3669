#include "platform/CurrentFolder.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDir>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

TEST(CurrentFolder, TakesTheRelativeFormsAndMovesTheHostFolderToo) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.folder(QStringLiteral("Themes/Blue"));

    ASSERT_EQ(ChDir(QStringLiteral("C:\\Themes\\Blue")), 0);
    EXPECT_EQ(GetCurrentDir(), QStringLiteral("C:\\Themes\\Blue"));
    EXPECT_EQ(QDir::currentPath(), tree.path(QStringLiteral("Themes/Blue")));

    ASSERT_EQ(ChDir(QStringLiteral("..")), 0);
    EXPECT_EQ(GetCurrentDir(), QStringLiteral("C:\\Themes"));
    ASSERT_EQ(ChDir(QStringLiteral("blue")), 0); // the case need not match
    EXPECT_EQ(QDir::currentPath(), tree.path(QStringLiteral("Themes/Blue")));
    ASSERT_EQ(ChDir(QStringLiteral("\\")), 0);
    EXPECT_EQ(GetCurrentDir(), QStringLiteral("C:\\"));
}

TEST(CurrentFolder, FailsWithoutMoving) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("plain.txt"));
    ASSERT_EQ(ChDir(QStringLiteral("C:\\")), 0);
    EXPECT_EQ(ChDir(QStringLiteral("C:\\missing")), 3);
    EXPECT_EQ(ChDir(QStringLiteral("C:\\plain.txt")), 3);
    EXPECT_EQ(ChDir(QStringLiteral("Q:\\")), 3);
    EXPECT_FALSE(SetCurrentDir(QStringLiteral("C:\\missing")));
    EXPECT_EQ(GetCurrentDir(), QStringLiteral("C:\\"));
}

} // namespace
} // namespace kestrom
