#include "filelist/SpecialFolders.h"
#include "filelist/SystemIconTable.h"
#include "filelist/TTreeFileList.h"

#include "tests/filelist/FileListFixture.h"

#include <QDir>

namespace kestrom {
namespace {

using test::FileListFixture;
using test::HermeticEnvironment;
using test::TempTree;

class SpecialFolderItems : public FileListFixture {
protected:
    TempTree home{HermeticEnvironment::root() + QStringLiteral("/home")};
    TempTree data{HermeticEnvironment::root() + QStringLiteral("/data")};
    TempTree config{HermeticEnvironment::root() + QStringLiteral("/config")};
};

TEST_F(SpecialFolderItems, FoldersTheHostLacksAddNothing) {
    TTreeFileList list;
    list.SetTreeRootFolder(rftCustom);
    list.SetTreeRootFolder(rftPrinters);
    list.SetTreeRootFolder(rftDocumentDir); // no Documents folder in this home
    EXPECT_EQ(list.Count(), 0);
    EXPECT_FALSE(SpecialFolders::Location(rftControlPanel));
}

TEST_F(SpecialFolderItems, SameFolderTwiceAddsOnceAndTwoFoldersAddBoth) {
    home.file(QStringLiteral("Desktop/notes.txt"));
    home.file(QStringLiteral("Templates/letter.odt"));
    TTreeFileList list;
    list.SetTreeRootFolder(rftDesktopDir);
    list.SetTreeRootFolder(rftDesktopDir);
    EXPECT_EQ(rows(list), (QStringList{"I notes.txt"}));
    list.SetTreeRootFolder(rftTemplates);
    EXPECT_EQ(rows(list), (QStringList{"I letter.odt", "I notes.txt"}));
    const int icon = list.ItemIcon(0) - 74;
    EXPECT_FALSE(SystemIconTable::shared().IconName(icon).isEmpty());
}

TEST_F(SpecialFolderItems, DesktopEntryComesBeforeTheDesktopItems) {
    home.file(QStringLiteral("Desktop/b.txt"));
    home.file(QStringLiteral("Desktop/Album/a.png"));
    home.file(QStringLiteral("Desktop/Album/Sub/deeper/c.png"));
    TTreeFileList list;
    list.isSpecialFile = true;
    list.ListDetails = TListDetails{lddesktop, ldDrives, ldFiles};
    list.SetDirectory(QStringLiteral("C:\\"));
    // A folder with sub-folders is followed kDepthLimit levels down; "deeper" is not entered.
    EXPECT_EQ(rows(list),
              (QStringList{"B Desktop", "I a.png", "I Album", "I b.txt", "I deeper", "I Sub"}));
}

TEST_F(SpecialFolderItems, LaunchersBookmarksRecentFilesTrashAndDrives) {
    data.file(QStringLiteral("applications/viewer.desktop"),
              "[Desktop Entry]\nType=Application\nName=Cursor Viewer\n");
    config.file(QStringLiteral("gtk-3.0/bookmarks"),
                "file:///srv/cursors Cursor store\nsftp://host/share\n");
    data.file(QStringLiteral("recently-used.xbel"),
              "<?xml version=\"1.0\"?><xbel version=\"1.0\">"
              "<bookmark href=\"file:///tmp/walk.ani\"/></xbel>");
    data.file(QStringLiteral("Trash/files/old.cur"));
    const struct {
        TTreeRootFolder folder;
        QStringList names;
    } cases[] = {
        {rftPrograms, {"Cursor Viewer"}},
        {rftFavoriteURLs, {"Cursor store", "sftp://host/share"}},
        {rftRecentDir, {"walk.ani"}},
        {rftRecycleBin, {"old.cur"}},
        {rftDrives, {"C:"}},
        {rftStartup, {}},
    };
    for (const auto& c : cases) {
        QStringList names;
        for (const SpecialFolders::Item& item : SpecialFolders::Items(c.folder))
            names.append(item.displayName);
        EXPECT_EQ(names, c.names) << c.folder;
    }
}

} // namespace
} // namespace kestrom
