#include "filelist/TTreeFileList.h"
#include "platform/CurrentFolder.h"

#include "tests/filelist/FileListFixture.h"

namespace kestrom {
namespace {

using test::FileListFixture;

class Navigation : public FileListFixture {};

TEST_F(Navigation, GoingUpSelectsTheFolderJustLeft) {
    tree.folder(QStringLiteral("Cursors/Anim"));
    tree.folder(QStringLiteral("Cursors/Base"));
    TTreeFileList list;
    list.SetDirectory(QStringLiteral("C:\\Cursors\\Anim"));
    list.SetDirectory(QStringLiteral(".."));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\Cursors"));
    ASSERT_GE(list.ItemIndex(), 0);
    EXPECT_EQ(list.ItemCaption(list.ItemIndex()), QStringLiteral("anim"));

    list.SetDirectory(QStringLiteral("C:\\Cursors\\Base"));
    list.SetDirectory(QStringLiteral("\\"));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(list.ItemIndex(), -1); // "base" is not in the root

    list.SetDirectory(QStringLiteral("C:\\Cursors"));
    list.SetDirectory(QStringLiteral(".."));
    ASSERT_GE(list.ItemIndex(), 0);
    EXPECT_EQ(list.ItemCaption(list.ItemIndex()), QStringLiteral("cursors"));
}

TEST_F(Navigation, GoingUpScrollsWhenTheFolderLeftIsBelowTheVisibleRows) {
    for (int i = 0; i < 12; ++i)
        tree.folder(QStringLiteral("P/f%1").arg(i, 2, 10, QChar(u'0')));
    TTreeFileList list;
    list.ItemHeight = 18;
    list.Height = 5 * 18;
    list.SetDirectory(QStringLiteral("C:\\P\\f11"));
    list.SetDirectory(QStringLiteral(".."));
    EXPECT_EQ(list.ItemCaption(list.ItemIndex()), QStringLiteral("f11"));
    EXPECT_EQ(list.TopIndex(), 1);
}

TEST_F(Navigation, KeySearchMovesThroughMatchingCaptionsAndWraps) {
    tree.folder(QStringLiteral("K/Program Files"));
    tree.folder(QStringLiteral("K/pics"));
    tree.folder(QStringLiteral("K/Photos"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldDirectories};
    list.SetTextCase(tcNone);
    list.SetDirectory(QStringLiteral("C:\\K"));
    ASSERT_EQ(rows(list), (QStringList{"E \\", "F ..", "G Photos", "G pics", "G Program Files"}));
    list.SetItemIndex(4);
    QStringList visited;
    for (int i = 0; i < 3; ++i) {
        QChar key = u'p';
        list.KeyPress(key);
        visited.append(list.ItemCaption(list.ItemIndex()));
    }
    EXPECT_EQ(visited, (QStringList{"Photos", "pics", "Program Files"}));

    // Nothing current and nothing matching: every item is looked at once.
    list.SetItemIndex(-1);
    QChar key = u'z';
    list.KeyPress(key);
    EXPECT_EQ(list.ItemIndex(), -1);
    key = u'.';
    list.KeyPress(key);
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST_F(Navigation, KeySearchInAMultipleSelectionSelectsOnlyTheFoundItem) {
    tree.folder(QStringLiteral("M/alpha"));
    tree.folder(QStringLiteral("M/beta"));
    TTreeFileList list;
    list.MultiSelect = true;
    list.ListDetails = TListDetails{ldDirectories};
    list.SetDirectory(QStringLiteral("C:\\M"));
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    list.SetSelected(2, true);
    QChar key = u'B';
    list.KeyPress(key);
    EXPECT_FALSE(list.Selected(2));
    EXPECT_TRUE(list.Selected(3));
    EXPECT_EQ(changes, 1);
}

TEST_F(Navigation, EnterRaisesDoubleClickOnlyWhenThereAreItems) {
    TTreeFileList list;
    int clicks = 0;
    int presses = 0;
    list.OnDblClick = [&](TTreeFileList&) { ++clicks; };
    list.OnKeyPress = [&](TTreeFileList&, QChar&) { ++presses; };
    QChar enter(13);
    list.KeyPress(enter);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(presses, 0);
    list.SetDirectory(QStringLiteral("C:\\"));
    ASSERT_GT(list.Count(), 0);
    ASSERT_EQ(list.ItemIndex(), -1);
    list.KeyPress(enter);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(presses, 1);
}

TEST_F(Navigation, DrivesRootAndParentNeverJoinAMultipleSelection) {
    tree.file(QStringLiteral("S/a.cur"));
    tree.file(QStringLiteral("S/b.cur"));
    TTreeFileList list;
    list.MultiSelect = true;
    list.SetDirectory(QStringLiteral("C:\\S"));
    ASSERT_EQ(rows(list), (QStringList{"D c:", "E \\", "F ..", "H a.cur", "H b.cur"}));
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    for (int i = 0; i < list.Count(); ++i)
        list.SetSelected(i, true);
    list.SelectionChanged();
    EXPECT_FALSE(list.Selected(0));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_FALSE(list.Selected(2));
    EXPECT_TRUE(list.Selected(3));
    EXPECT_TRUE(list.Selected(4));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(list.DrawingEnabled());
}

// A double-click in tree view as the windows handle it.
void expand(TTreeFileList& list, int index) {
    list.SetItemIndex(index);
    list.TreeLevel = list.ItemLevel(index) + 1;
    list.SetDirectory(list.ItemPath(index));
}

TEST_F(Navigation, TreeExpandInsertsBelowAndASecondExpandCollapses) {
    tree.file(QStringLiteral("T/A/sub/deep.cur"));
    tree.file(QStringLiteral("T/A/f.ani"));
    tree.folder(QStringLiteral("T/B"));
    TTreeFileList list;
    list.TreeView = true;
    list.ListDetails = TListDetails{ldDirectories, ldFiles};
    list.SetDirectory(QStringLiteral("C:\\T"));
    ASSERT_EQ(rows(list), (QStringList{"G a", "G b"}));
    EXPECT_EQ(list.ItemLevel(0), 0);

    expand(list, 0);
    EXPECT_EQ(rows(list), (QStringList{"G a", "G sub", "H f.ani", "G b"}));
    EXPECT_EQ(list.ItemOpen(0), 1);
    EXPECT_EQ(list.ItemIcon(0), 29);
    EXPECT_EQ(list.ItemLevel(1), 1);
    EXPECT_EQ(list.ItemLevel(2), 1);
    EXPECT_EQ(list.ItemPath(2), QStringLiteral("C:\\T\\a\\f.ani"));
    EXPECT_EQ(list.TreeItemType(2), u'H');
    EXPECT_EQ(list.ItemType(2), u'G');

    expand(list, 1);
    EXPECT_EQ(rows(list), (QStringList{"G a", "G sub", "H deep.cur", "H f.ani", "G b"}));
    EXPECT_EQ(list.ItemLevel(2), 2);

    list.SetItemIndex(0);
    list.TreeLevel = 1;
    list.SetDirectory(list.ItemPath(0));
    EXPECT_EQ(rows(list), (QStringList{"G a", "G b"}));
    EXPECT_EQ(list.ItemOpen(0), 0);
    EXPECT_EQ(list.ItemIcon(0), 8);
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\T"));
}

TEST_F(Navigation, RebuildTreeOpensEveryFolderOnThePath) {
    tree.file(QStringLiteral("R/x/y/leaf.cur"));
    tree.folder(QStringLiteral("R/other"));
    TTreeFileList list;
    list.TreeView = true;
    list.ListDetails = TListDetails{ldDirectories, ldFiles};
    list.BeginLoading();
    list.SetDirectory(QStringLiteral("C:\\R\\x\\y"));
    list.Loaded();
    list.RebuildTree();
    EXPECT_EQ(rows(list), (QStringList{"G r", "G other", "G x", "G y", "H leaf.cur"}));
    QList<int> levels;
    for (int i = 0; i < list.Count(); ++i)
        levels.append(list.ItemLevel(i));
    EXPECT_EQ(levels, (QList<int>{0, 1, 1, 2, 3}));
    EXPECT_EQ(list.ItemOpen(0), 1);
    EXPECT_EQ(list.ItemOpen(1), 0);
    EXPECT_EQ(list.ItemOpen(2), 1);
    EXPECT_EQ(list.ItemOpen(3), 1);
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\R\\x\\y"));

    list.SetDirectory(QStringLiteral(".."));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\R\\x"));
}

} // namespace
} // namespace kestrom
