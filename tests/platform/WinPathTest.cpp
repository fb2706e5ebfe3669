#include "platform/WinPath.h"

#include <QDir>

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

TEST(WinPath, MakesPathsAbsoluteLikeWindows) {
    struct Case {
        const char* base;
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Users\\x", "C:\\Windows\\", "C:\\Windows"},
        {"C:\\Users\\x", "..", "C:\\Users"},
        {"C:\\Users\\x", "..\\..\\..", "C:\\"}, // never above the root
        {"C:\\Users\\x", "\\", "C:\\"},         // the root of the current drive
        {"C:\\Users\\x", "\\Temp\\.\\a", "C:\\Temp\\a"},
        {"C:\\Users\\x", "sub\\file.cur", "C:\\Users\\x\\sub\\file.cur"},
        {"C:\\Users\\x", "d:\\", "D:\\"},
        {"C:\\Users\\x", "C:sub", "C:\\Users\\x\\sub"},
        {"C:\\Users\\x", "D:sub", "D:\\sub"},
        {"C:\\Users\\x", "C:/a//b/", "C:\\a\\b"},
        {"C:\\Users\\x", "\\\\server\\share", ""}, // network paths have no drive here
        {"", "relative", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WinPath::absoluteFrom(QString::fromUtf8(c.base), QString::fromUtf8(c.path)),
                  QString::fromUtf8(c.expected))
            << c.base << " + " << c.path;
    }
}

TEST(WinPath, ConvertsBothWays) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("Users/x/arrow.cur"));
    const HostLocation where = WinPath::toHost(QStringLiteral("C:\\Users\\x\\arrow.cur"));
    EXPECT_EQ(where.error, 0);
    EXPECT_TRUE(where.exists);
    EXPECT_EQ(where.hostPath, tree.path(QStringLiteral("Users/x/arrow.cur")));
    EXPECT_EQ(WinPath::fromHost(tree.path(QStringLiteral("Users/x"))),
              QStringLiteral("C:\\Users\\x"));
    EXPECT_EQ(WinPath::fromHost(QStringLiteral("/nowhere/else")), QString());
    EXPECT_EQ(WinPath::fromUserInput(tree.path(QStringLiteral("Users"))),
              QStringLiteral("C:\\Users"));
    EXPECT_EQ(WinPath::fromUserInput(QStringLiteral("C:\\x")), QStringLiteral("C:\\x"));
}

TEST(WinPath, ResolvesCaseComponentByComponent) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("Cursors/Wait.ani"), "lower");
    tree.file(QStringLiteral("Cursors/WAIT.ANI"), "upper");
    tree.file(QStringLiteral("Cursors/Arrow.cur"));

    // An exact match wins over the other spelling...
    EXPECT_EQ(WinPath::toHost(QStringLiteral("C:\\CURSORS\\WAIT.ANI")).hostPath,
              tree.path(QStringLiteral("Cursors/WAIT.ANI")));
    EXPECT_EQ(WinPath::toHost(QStringLiteral("C:\\cursors\\Wait.ani")).hostPath,
              tree.path(QStringLiteral("Cursors/Wait.ani")));
    // ... otherwise the first case-insensitive match in name order.
    EXPECT_EQ(WinPath::toHost(QStringLiteral("C:\\cursors\\wait.ani")).hostPath,
              tree.path(QStringLiteral("Cursors/WAIT.ANI")));
    EXPECT_EQ(WinPath::toHost(QStringLiteral("c:\\CURSORS\\arrow.CUR")).hostPath,
              tree.path(QStringLiteral("Cursors/Arrow.cur")));

    const HostLocation missing = WinPath::toHost(QStringLiteral("C:\\cursors\\new\\file.cur"));
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(missing.hostPath, tree.path(QStringLiteral("Cursors/new/file.cur")));
}

TEST(WinPath, ResolvesAgainWhenFoldersChangeBetweenLookups) {
    TempTree tree(HermeticEnvironment::driveC());
    tree.folder(QStringLiteral("Walk/Mixed/inner"));
    EXPECT_EQ(WinPath::toHost(QStringLiteral("C:\\walk\\mixed\\inner")).hostPath,
              tree.path(QStringLiteral("Walk/Mixed/inner")));
    // An exact name made since wins over the earlier case-insensitive match.
    tree.folder(QStringLiteral("Walk/mixed/inner"));
    EXPECT_EQ(WinPath::toHost(QStringLiteral("C:\\walk\\mixed\\inner")).hostPath,
              tree.path(QStringLiteral("Walk/mixed/inner")));
    // A folder renamed to another case is found under its new name.
    ASSERT_TRUE(
        QDir().rename(tree.path(QStringLiteral("Walk")), tree.path(QStringLiteral("WALK"))));
    const HostLocation renamed = WinPath::toHost(QStringLiteral("C:\\walk\\mixed\\inner"));
    EXPECT_TRUE(renamed.exists);
    EXPECT_EQ(renamed.hostPath, tree.path(QStringLiteral("WALK/mixed/inner")));
    QDir(tree.path(QStringLiteral("WALK"))).removeRecursively();
    EXPECT_FALSE(WinPath::toHost(QStringLiteral("C:\\walk\\mixed\\inner")).exists);
}

TEST(WinPath, ReportsUnknownAndUnreadyDrives) {
    qputenv(
        "KESTROM_DRIVES",
        (QStringLiteral("C=%1:3;E=%1/unplugged:2").arg(HermeticEnvironment::driveC())).toUtf8());
    EXPECT_EQ(WinPath::toHost(QStringLiteral("Q:\\x")).error, 3);
    EXPECT_EQ(WinPath::toHost(QStringLiteral("E:\\x")).error, 21);
}

TEST(WinPath, NeverListsNamesWindowsCannotHold) {
    EXPECT_TRUE(WinPath::isListableName("arrow.cur"));
    EXPECT_TRUE(WinPath::isListableName("Zeiger \xC3\xBC.cur"));
    EXPECT_FALSE(WinPath::isListableName("back\\slash"));
    EXPECT_FALSE(WinPath::isListableName("tab\there"));
    EXPECT_FALSE(WinPath::isListableName("bad\xFF.cur"));
}

} // namespace
} // namespace kestrom
