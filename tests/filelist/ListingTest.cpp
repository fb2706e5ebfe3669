#include "filelist/ItemText.h"
#include "filelist/TTreeFileList.h"
#include "platform/CurrentFolder.h"
#include "platform/FileAttributes.h"
#include "platform/WinError.h"

#include "tests/filelist/FileListFixture.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace kestrom {
namespace {

using test::FileListFixture;

class Listing : public FileListFixture {};

TEST_F(Listing, RootHasNoRootOrParentEntriesAndSubFoldersHaveThemAfterTheDrives) {
    tree.folder(QStringLiteral("Cursors/Anim"));
    tree.file(QStringLiteral("Cursors/arrow.cur"), "1234");
    tree.file(QStringLiteral("top.ani"));
    TTreeFileList list;
    list.SetDirectory(QStringLiteral("C:\\"));
    EXPECT_EQ(rows(list), (QStringList{"D c:", "G cursors", "H top.ani"}));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\"));

    list.SetDirectory(QStringLiteral("Cursors"));
    EXPECT_EQ(rows(list), (QStringList{"D c:", "E \\", "F ..", "G anim", "H arrow.cur"}));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\Cursors"));
    EXPECT_EQ(GetCurrentDir(), QStringLiteral("C:\\Cursors"));
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.ListSize(), 4);
    EXPECT_EQ(list.LastError(), 0);
    const int file = list.Count() - 1;
    EXPECT_EQ(list.ItemPath(file), QStringLiteral("C:\\Cursors\\arrow.cur"));
    EXPECT_EQ(list.ItemIcon(file), 9);
    EXPECT_EQ(list.ItemAttr(file), faArchive);
    EXPECT_EQ(list.ItemSize(file), 4);
    EXPECT_GE(static_cast<quint32>(list.ItemTime(file)), 2162688u);
    EXPECT_EQ(list.ItemIcon(1), 6);
    EXPECT_EQ(list.ItemIcon(2), 7);
    EXPECT_EQ(list.ItemType(99), QChar());
    EXPECT_EQ(list.ItemPath(-1), QString());
    EXPECT_EQ(list.ItemSize(99), 0);
}

TEST_F(Listing, EmptyFolderShowsDrivesRootAndParentOnly) {
    tree.folder(QStringLiteral("Empty"));
    TTreeFileList list;
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.*"), QStringLiteral("C:\\Empty")), 0);
    EXPECT_EQ(rows(list), (QStringList{"D c:", "E \\", "F .."}));
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(changes, 1);
}

TEST_F(Listing, HiddenAndSystemEntriesOnlyWithShowSystemFiles) {
    tree.file(QStringLiteral("F/.hidden.cur"));
    tree.folder(QStringLiteral("F/.secret"));
    tree.file(QStringLiteral("F/shown.cur"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(QStringLiteral("F/pipe"))).constData(), 0600),
              0);
    TTreeFileList list;
    list.ListDetails = TListDetails{ldDirectories, ldFiles};
    list.SetDirectory(QStringLiteral("C:\\F"));
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H shown.cur"}));
    list.ShowSystemFiles = true;
    list.Rescan();
    EXPECT_EQ(rows(list),
              (QStringList{"E \\", "F ..", "G .secret", "H .hidden.cur", "H pipe", "H shown.cur"}));
}

TEST_F(Listing, FileMatchedByTwoTokensIsShownOnceButCountedTwice) {
    tree.file(QStringLiteral("M/walk.ani"), "12");
    tree.file(QStringLiteral("M/other.txt"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    int reports = 0;
    list.OnAddFile = [&](TTreeFileList&, TSearchRec&, const QString&, bool&, int&) { ++reports; };
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.ani,\"*.a*\""), QStringLiteral("C:\\M")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H walk.ani"}));
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.ListSize(), 4);
}

TEST_F(Listing, ExcludedExtensionsAlsoDropFilesWithoutExtension) {
    tree.file(QStringLiteral("X/a.tmp"));
    tree.file(QStringLiteral("X/makefile"));
    tree.file(QStringLiteral("X/b.cur"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    list.ExcludedExtensions = QStringLiteral(".TMP|");
    list.SetDirectory(QStringLiteral("C:\\X"));
    EXPECT_EQ(rowsBelowDrives(list), (QStringList{"E \\", "F ..", "H b.cur"}));
    list.ExcludedExtensions.clear();
    list.Rescan();
    EXPECT_EQ(rowsBelowDrives(list),
              (QStringList{"E \\", "F ..", "H a.tmp", "H b.cur", "H makefile"}));
}

TEST_F(Listing, DriveLettersAndLabelsFollowTheTextCase) {
    qputenv("KESTROM_DRIVES",
            QStringLiteral("C=%1:3:MY  CURSORS;E=%1:2:Stick").arg(tree.root()).toUtf8());
    TTreeFileList list;
    list.ListDetails = TListDetails{ldDrives};
    list.SetDirectory(QStringLiteral("C:\\"));
    EXPECT_EQ(rows(list), (QStringList{"D c: [My  cursors]", "D e:"}));
    EXPECT_EQ(list.ItemIcon(0), 2);
    EXPECT_EQ(list.ItemIcon(1), 1);
    list.DriveAllowed['E' - 'A'] = false;
    list.SetTextCase(tcUpperCase);
    EXPECT_EQ(rows(list), (QStringList{"D C: [MY  CURSORS]"}));
}

TEST_F(Listing, InvertedSizeOrderPutsTheLargestFileFirstAndKeepsFolders) {
    tree.file(QStringLiteral("S/small.cur"), "1");
    tree.file(QStringLiteral("S/large.cur"), "12345");
    tree.file(QStringLiteral("S/mid.cur"), "123");
    tree.folder(QStringLiteral("S/b"));
    tree.folder(QStringLiteral("S/a"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldDirectories, ldFiles};
    list.SortBy = sbSize;
    list.SetDirectory(QStringLiteral("C:\\S"));
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "G a", "G b", "H small.cur", "H mid.cur",
                                       "H large.cur"}));
    list.ListOrder = flInverted;
    list.Rescan();
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "G a", "G b", "H large.cur", "H mid.cur",
                                       "H small.cur"}));
}

TEST_F(Listing, EnteringAHiddenFolderShowsTheRootOfTheFirstAllowedDrive) {
    tree.folder(QStringLiteral("Top/.hid"));
    tree.folder(QStringLiteral("Top/seen"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldDirectories};
    list.SetDirectory(QStringLiteral("C:\\Top"));
    list.SetDirectory(QStringLiteral("C:\\Top\\.hid"));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(rows(list), (QStringList{"G top"}));
    EXPECT_EQ(list.LastError(), 0);
}

TEST_F(Listing, OpenFolderThatCannotBeEnteredKeepsMaskAndFolder) {
    tree.file(QStringLiteral("Good/a.cur"));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    ASSERT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\Good")), 0);
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.ani"), QStringLiteral("C:\\Missing")),
              kErrorPathNotFound);
    EXPECT_EQ(list.FileMask(), QStringLiteral("*.cur"));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\Good"));
    EXPECT_EQ(list.LastError(), kErrorPathNotFound);

    qputenv("KESTROM_DRIVES", QStringLiteral("C=%1:3;E=%1/gone:2").arg(tree.root()).toUtf8());
    EXPECT_EQ(list.OpenFolder(QString(), QStringLiteral("E:\\")), kErrorNotReady);
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\Good"));

    EXPECT_EQ(list.OpenFolder(QString(), QStringLiteral("C:\\Good")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H a.cur"}));
    // An empty folder lists the folder already shown, with the new mask.
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.ani"), QString()), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F .."}));
    EXPECT_EQ(list.OpenFolder(QString(), QString()), 0);
}

TEST_F(Listing, DisallowedDriveIsIgnored) {
    qputenv("KESTROM_DRIVES", QStringLiteral("C=%1:3;Q=%1:3").arg(tree.root()).toUtf8());
    tree.folder(QStringLiteral("Temp"));
    TTreeFileList list;
    list.SetDirectory(QStringLiteral("C:\\"));
    const QStringList before = rows(list);
    list.DriveAllowed['Q' - 'A'] = false;
    list.SetDirectory(QStringLiteral("Q:\\Temp"));
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(list.OpenFolder(QString(), QStringLiteral("q:\\Temp")), 0);
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\"));
    EXPECT_EQ(rows(list), before);
}

TEST_F(Listing, AssigningTheSameTextCaseListsAgain) {
    TTreeFileList list;
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    list.SetDirectory(QStringLiteral("C:\\"));
    list.SetTextCase(list.TextCase());
    EXPECT_EQ(changes, 2);
    list.SetFileMask(list.FileMask());
    EXPECT_EQ(changes, 2);
}

TEST_F(Listing, LoadingOnlyStoresValues) {
    tree.folder(QStringLiteral("L"));
    TTreeFileList list;
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    list.BeginLoading();
    list.SetDirectory(QStringLiteral("C:\\L"));
    list.SetTextCase(tcUpperCase);
    list.SetFileMask(QStringLiteral("*.cur"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Directory(), QStringLiteral("C:\\L"));
    list.Loaded();
    list.Rescan();
    EXPECT_EQ(changes, 1);
}

TEST_F(Listing, AFullListEndsTheListingSilently) {
    for (const char* name : {"a.cur", "b.cur", "c.cur", "d.cur"})
        tree.file(QStringLiteral("Full/") + QString::fromLatin1(name), "1");
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    list.ItemLimit = 4;
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    EXPECT_EQ(list.OpenFolder(QString(), QStringLiteral("C:\\Full")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H a.cur", "H b.cur"}));
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(Listing, ManyItemsOverflowTheOrderCounterWhenInverted) {
    // With 10000 items the counter takes five digits and pushes the size out of the key.
    const int files = 10000;
    for (int i = 0; i < files; ++i)
        tree.file(QStringLiteral("Many/f%1.cur").arg(i, 5, 10, QChar(u'0')));
    TTreeFileList list;
    list.ListDetails = TListDetails{ldFiles};
    list.ListOrder = flInverted;
    list.SetDirectory(QStringLiteral("C:\\Many"));
    ASSERT_EQ(list.Count(), files + 2);
    EXPECT_EQ(list.ItemCaption(2), QStringLiteral("f09999.cur"));
    // f00000 got the counter 10000, whose key ties with 1000's: it is not the last file.
    EXPECT_EQ(list.ItemCaption(list.Count() - 1), QStringLiteral("f00001.cur"));
}

TEST_F(Listing, FolderThatCannotBeReadEndsWithAccessDenied) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    const QString closed = tree.folder(QStringLiteral("Closed"));
    ::chmod(QFile::encodeName(closed).constData(), 0);
    TTreeFileList list;
    EXPECT_EQ(list.OpenFolder(QString(), QStringLiteral("C:\\Closed")), kErrorAccessDenied);
    ::chmod(QFile::encodeName(closed).constData(), 0755);
}

} // namespace
} // namespace kestrom
