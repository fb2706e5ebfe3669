#include "messages/PathHelpers.h"

#include "platform/EInOutError.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

TEST(PathHelpers, JoinsAndSplitsPaths) {
    EXPECT_EQ(JoinPath(QString(), QStringLiteral("a.cur")), QStringLiteral("a.cur"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\"), QStringLiteral("a.cur")),
              QStringLiteral("C:\\a.cur"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\x"), QStringLiteral("a.cur")),
              QStringLiteral("C:\\x\\a.cur"));
    EXPECT_EQ(FolderPart(QStringLiteral("C:\\Cursors\\a.cur")), QStringLiteral("C:\\Cursors"));
    EXPECT_EQ(FolderPart(QStringLiteral("C:\\a.cur")), QStringLiteral("C:\\"));
    EXPECT_EQ(FolderPart(QStringLiteral("a.cur")), QString());
}

TEST(PathHelpers, TellsDrivesFoldersAndPathsApart) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("Cursors/a.cur"));
    EXPECT_TRUE(DriveExists(u'c'));
    EXPECT_FALSE(DriveExists(u'Q')); // a letter with no drive has no root folder
    EXPECT_FALSE(DriveExists(u'1'));
    EXPECT_TRUE(FolderExists(QStringLiteral("C:\\")));
    EXPECT_TRUE(FolderExists(QStringLiteral("C:\\cursors\\")));
    EXPECT_TRUE(FolderExists(QStringLiteral("C:\\Cursors\\*.cur")));
    EXPECT_FALSE(FolderExists(QStringLiteral("C:\\Cursors\\a.cur")));
    EXPECT_FALSE(FolderExists(QString()));
    EXPECT_TRUE(PathExists(QStringLiteral("C:\\Cursors\\A.CUR")));
    EXPECT_TRUE(PathExists(QStringLiteral("C:\\Cursors\\*.cur")));
    EXPECT_FALSE(PathExists(QStringLiteral("C:\\Cursors\\*.ani")));
}

TEST(PathHelpers, ForceFoldersMakesEveryMissingLevel) {
    const TempTree tree(HermeticEnvironment::driveC());
    ForceFolders(QStringLiteral("C:\\One\\Two\\Three\\"));
    EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("One/Two/Three"))).isDir());
    EXPECT_THROW(ForceFolders(QStringLiteral("Q:\\nowhere")), EInOutError);
    tree.file(QStringLiteral("blocker"));
    try {
        ForceFolders(QStringLiteral("C:\\blocker\\sub"));
        ADD_FAILURE() << "a file stands in the way";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 3);
    }
}

TEST(PathHelpers, CreatesTheFirstFreeNumberedFile) {
    const TempTree tree(HermeticEnvironment::driveC());
    tree.file(QStringLiteral("Lib/00000001.CUR"));
    tree.file(QStringLiteral("Lib/00000002.cur")); // taken whatever the case
    QString name;
    ASSERT_TRUE(CreateNumberedFile(QStringLiteral("C:\\Lib"), QStringLiteral("CUR"), name));
    EXPECT_EQ(name, QStringLiteral("C:\\Lib\\00000003.CUR"));
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("Lib/00000003.CUR"))).size(), 0);

    ASSERT_TRUE(CreateNumberedFile(QStringLiteral("C:\\New\\Folder"), QStringLiteral("ani"), name));
    EXPECT_EQ(name, QStringLiteral("C:\\New\\Folder\\00000001.ani"));
    EXPECT_TRUE(QFileInfo::exists(tree.path(QStringLiteral("New/Folder/00000001.ani"))));
}

} // namespace
} // namespace kestrom
