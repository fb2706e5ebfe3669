#include "filelist/TTreeFileList.h"
#include "platform/WinError.h"

#include "tests/filelist/FileListFixture.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace kestrom {
namespace {

using test::FileListFixture;

// A hidden search list as the Search view sets it up, recording every report.
class Search : public FileListFixture {
protected:
    Search() {
        list.ListDetails = TListDetails{ldFiles};
        list.SearchMode = smSubDirectories;
        list.SortBy = sbName;
        list.OnAddFile = [this](TTreeFileList&, TSearchRec& s, const QString& path, bool& ok,
                                int& error) {
            reports.append(JoinPath(path, s.Name));
            if (handler)
                handler(s, ok, error);
        };
    }
    static QString JoinPath(const QString& folder, const QString& name) {
        return folder.endsWith(u'\\') ? folder + name : folder + u'\\' + name;
    }

    TTreeFileList list;
    QStringList reports;
    std::function<void(TSearchRec&, bool&, int&)> handler;
};

TEST_F(Search, ReportsDepthFirstInPreOrderAndListsByPath) {
    tree.file(QStringLiteral("Cur/z.ani"));
    tree.file(QStringLiteral("Cur/a.cur"));
    tree.file(QStringLiteral("Cur/b.ani"));
    tree.file(QStringLiteral("Cur/A1/deep.cur"));
    tree.file(QStringLiteral("Cur/B1/x.ani"));
    tree.file(QStringLiteral("Cur/B1/notes.txt"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.Ani *.Cur"), QStringLiteral("C:\\CUR")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\CUR\\b.ani", "C:\\CUR\\z.ani", "C:\\CUR\\a.cur",
                                    "C:\\CUR\\a1\\deep.cur", "C:\\CUR\\b1\\x.ani"}));
    QStringList paths;
    for (int i = 0; i < list.Count(); ++i)
        paths.append(list.ItemPath(i));
    EXPECT_EQ(paths, (QStringList{"\\", "..", "C:\\CUR\\a.cur", "C:\\CUR\\a1\\deep.cur",
                                  "C:\\CUR\\b.ani", "C:\\CUR\\b1\\x.ani", "C:\\CUR\\z.ani"}));
    EXPECT_EQ(list.ListCount(), 5);
}

TEST_F(Search, NoMatchLeavesRootAndParentOnlyAndNeverCallsTheHandler) {
    tree.file(QStringLiteral("None/sub/readme.txt"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.Ani"), QStringLiteral("C:\\NONE")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F .."}));
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(list.ListCount(), 0);

    tree.folder(QStringLiteral("Nothing"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.Ani"), QStringLiteral("C:\\NOTHING")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F .."}));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.Ani"), QStringLiteral("C:\\")), 0);
    EXPECT_EQ(list.Count(), 0); // a drive root has no root or parent entry
}

TEST_F(Search, StarDotStarReportsEveryFolderWithItsDotEntriesButListsOnlyTheFolders) {
    tree.file(QStringLiteral("All/one/f.txt"));
    tree.folder(QStringLiteral("All/two"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.*"), QStringLiteral("C:\\ALL")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\ALL\\.", "C:\\ALL\\..", "C:\\ALL\\one", "C:\\ALL\\two",
                                    "C:\\ALL\\one\\.", "C:\\ALL\\one\\..", "C:\\ALL\\one\\f.txt",
                                    "C:\\ALL\\two\\.", "C:\\ALL\\two\\.."}));
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "G one", "G two", "H f.txt"}));
    EXPECT_EQ(list.ItemPath(4), QStringLiteral("C:\\ALL\\one\\f.txt"));
}

TEST_F(Search, FolderNamedLikeACursorIsReportedListedAndDescended) {
    tree.file(QStringLiteral("F/set.ani/inner.ani"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.Ani"), QStringLiteral("C:\\F")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\F\\set.ani", "C:\\F\\set.ani\\inner.ani"}));
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "G set.ani", "H inner.ani"}));
}

TEST_F(Search, HandlerErrorsEndTheScanOrOnlyTheToken) {
    tree.file(QStringLiteral("E/a.ani"));
    tree.file(QStringLiteral("E/b.ani"));
    tree.file(QStringLiteral("E/c.cur"));
    tree.file(QStringLiteral("E/sub/d.cur"));
    handler = [](TSearchRec& s, bool&, int& error) {
        if (s.Name == QStringLiteral("a.ani"))
            error = kErrorFileNotFound; // ends this token only
    };
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.ani *.cur"), QStringLiteral("C:\\E")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\E\\a.ani", "C:\\E\\c.cur", "C:\\E\\sub\\d.cur"}));

    reports.clear();
    handler = [](TSearchRec& s, bool&, int& error) {
        if (s.Name == QStringLiteral("c.cur"))
            error = kErrorAccessDenied; // ends the whole search
    };
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.ani *.cur"), QStringLiteral("C:\\E")),
              kErrorAccessDenied);
    EXPECT_EQ(reports, (QStringList{"C:\\E\\a.ani", "C:\\E\\b.ani", "C:\\E\\c.cur"}));
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H a.ani", "H b.ani", "H c.cur"}));
}

TEST_F(Search, HandlerCanRenameOrRefuseAnEntry) {
    tree.file(QStringLiteral("R/old.cur"));
    tree.file(QStringLiteral("R/skip.cur"));
    handler = [](TSearchRec& s, bool& ok, int&) {
        if (s.Name == QStringLiteral("old.cur"))
            s.Name = QStringLiteral("new.ani");
        if (s.Name == QStringLiteral("skip.cur"))
            ok = false;
    };
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\R")), 0);
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "H new.ani"}));
    EXPECT_EQ(list.ItemPath(2), QStringLiteral("C:\\R\\new.ani"));
    EXPECT_EQ(list.ItemIcon(2), 31);
    EXPECT_EQ(list.ListCount(), 1);
}

TEST_F(Search, FolderCyclesThroughLinksEndAndEachFolderIsVisitedOnce) {
    tree.file(QStringLiteral("Loop/a/x.cur"));
    tree.file(QStringLiteral("Loop/b/y.cur"));
    ASSERT_EQ(
        ::symlink("..", QFile::encodeName(tree.path(QStringLiteral("Loop/a/up"))).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(tree.path(QStringLiteral("Loop/a"))).constData(),
                        QFile::encodeName(tree.path(QStringLiteral("Loop/b/toA"))).constData()),
              0);
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\LOOP")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\LOOP\\a\\x.cur", "C:\\LOOP\\b\\y.cur"}));
    EXPECT_EQ(list.ListCount(), 2);
}

TEST_F(Search, VeryDeepTreeDoesNotExhaustTheStack) {
    // 1,500 nested folders: the host path stays below the host's 4,096-byte limit.
    QString relative = QStringLiteral("Deep");
    for (int i = 0; i < 1500; ++i)
        relative += QStringLiteral("/d");
    ASSERT_LT(tree.path(relative).size(), 4000);
    ASSERT_TRUE(QDir().mkpath(tree.path(relative)));
    tree.file(relative + QStringLiteral("/bottom.cur"));
    tree.file(QStringLiteral("Deep/d/top.cur"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\DEEP")), 0);
    ASSERT_EQ(reports.size(), 2);
    EXPECT_EQ(reports[0], QStringLiteral("C:\\DEEP\\d\\top.cur"));
    EXPECT_TRUE(reports[1].endsWith(QStringLiteral("\\d\\d\\bottom.cur")));
    EXPECT_EQ(reports[1].count(u'\\'), 1 + 1500 + 1);
}

TEST_F(Search, HiddenFoldersAreNotDescendedUnlessSystemFilesAreShown) {
    tree.file(QStringLiteral("H/.private/in.cur"));
    tree.file(QStringLiteral("H/open/out.cur"));
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\H")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\H\\open\\out.cur"}));
    reports.clear();
    list.ShowSystemFiles = true;
    list.Rescan();
    EXPECT_EQ(reports, (QStringList{"C:\\H\\.private\\in.cur", "C:\\H\\open\\out.cur"}));
}

TEST_F(Search, UnreadableSubFolderStopsTheSearchAndKeepsEarlierHits) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    tree.file(QStringLiteral("U/a/first.cur"));
    const QString closed = tree.folder(QStringLiteral("U/b"));
    tree.file(QStringLiteral("U/c/later.cur"));
    ::chmod(QFile::encodeName(closed).constData(), 0);
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\U")),
              kErrorAccessDenied);
    EXPECT_EQ(reports, (QStringList{"C:\\U\\a\\first.cur"}));
    ::chmod(QFile::encodeName(closed).constData(), 0755);
}

TEST_F(Search, LongPathsLoseTheirBeginningInTheNameColumn) {
    tree.file(QStringLiteral("Long/a rather long folder name/cursor.cur"));
    ASSERT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\LONG")), 0);
    ASSERT_EQ(list.Count(), 3);
    list.TextWidth = [](const QString& text) { return 7 * static_cast<int>(text.size()); };
    const QString shown = list.DetailTexts(2)[0];
    EXPECT_EQ(shown.size(), 17); // 17 * 7 + 30 fits the 150-pixel column
    EXPECT_TRUE(list.ItemPath(2).endsWith(shown));
    list.OnAddFile = nullptr;
    EXPECT_EQ(list.DetailTexts(2)[0], QStringLiteral("cursor.cur"));
}

TEST_F(Search, FlatModeReportsTheMatchesOfOneFolder) {
    tree.file(QStringLiteral("Flat/a.cur"));
    tree.file(QStringLiteral("Flat/sub/b.cur"));
    list.SearchMode = smNormal;
    EXPECT_EQ(list.OpenFolder(QStringLiteral("*.cur"), QStringLiteral("C:\\FLAT")), 0);
    EXPECT_EQ(reports, (QStringList{"C:\\FLAT\\a.cur"}));
}

} // namespace
} // namespace kestrom
