#include "filelist/ExtensionGroups.h"
#include "filelist/RemoteListingLine.h"
#include "filelist/TTreeFileList.h"

#include "tests/filelist/FileListFixture.h"

#include <QFile>

namespace kestrom {
namespace {

using test::FileListFixture;

int packed(int year, int month, int day, int hour, int minute) {
    return RemoteListingLine::PackDateTime(QDate(year, month, day), hour, minute, 0);
}

RemoteListingLine parse(const char* line, const QDate& today = QDate(2026, 12, 11)) {
    static const TExtStringList groups = ExtensionGroups::Create();
    return RemoteListingLine::Parse(QString::fromUtf8(line), today, groups);
}

TEST(RemoteListingLine, UnixFileWithATimeOfDayTakesTheYearOfTheLastTwelveMonths) {
    const RemoteListingLine entry =
        parse("-rw-r--r--   1 user  group   4096 Mar  7 10:15 arrow.cur");
    EXPECT_TRUE(entry.listed);
    EXPECT_EQ(entry.kind, u'H');
    EXPECT_EQ(entry.size, 4096);
    EXPECT_EQ(entry.name, QStringLiteral("arrow.cur"));
    EXPECT_EQ(entry.icon, 9);
    EXPECT_EQ(entry.time, packed(2026, 3, 7, 10, 15));
    // In January, a December date is last year's.
    EXPECT_EQ(parse("-rw-r--r-- 1 u g 1 Dec 24 18:00 x.ani", QDate(2027, 1, 5)).time,
              packed(2026, 12, 24, 18, 0));
    EXPECT_EQ(parse("-rw-r--r-- 1 u g 1 Jan  3 08:00 x.ani", QDate(2027, 1, 5)).time,
              packed(2027, 1, 3, 8, 0));
    EXPECT_EQ(parse("-rw-r--r-- 1 u g 1 Feb 29 08:00 x.ani", QDate(2025, 3, 1)).time,
              packed(2024, 2, 29, 8, 0));
}

TEST(RemoteListingLine, UnixFolderWithAYearAndNamesWithSpaces) {
    const RemoteListingLine folder =
        parse("drwxr-xr-x   2 user  group    512 Jan 12  1997 cursors");
    EXPECT_TRUE(folder.listed);
    EXPECT_EQ(folder.kind, u'G');
    EXPECT_EQ(folder.icon, 8);
    EXPECT_EQ(folder.time, packed(1997, 1, 12, 0, 0));
    const RemoteListingLine link = parse("lrwxrwxrwx 1 u g 7 Jan 12 1999 my cursors -> x");
    EXPECT_EQ(link.kind, u'G');
    EXPECT_EQ(link.name, QStringLiteral("my cursors -> x"));
    EXPECT_EQ(link.time, packed(1999, 1, 12, 0, 0));
    const RemoteListingLine page = parse("-rw-r--r-- 1 u g 3000000000 Jan 12 2001 page.html");
    EXPECT_EQ(page.icon, 34);
    EXPECT_EQ(page.size, static_cast<int>(3000000000u)); // wraps to 32 bits
}

TEST(RemoteListingLine, DosLinesAndLinesThatAreIgnoredOrEndTheListing) {
    const RemoteListingLine dos = parse("12-05-98  10:30AM       <DIR>          my cursors");
    EXPECT_TRUE(dos.listed);
    EXPECT_EQ(dos.kind, u'G');
    EXPECT_EQ(dos.name, QStringLiteral("my cursors"));
    EXPECT_EQ(dos.time, 0);
    const RemoteListingLine file = parse("12-05-98  10:30PM   1234 walk.ANI");
    EXPECT_EQ(file.kind, u'H');
    EXPECT_EQ(file.size, 1234);
    EXPECT_EQ(file.icon, 31);

    EXPECT_FALSE(parse("total 12").listed);
    EXPECT_FALSE(parse("").listed);
    EXPECT_FALSE(parse("drwxr-xr-x 2 u g 512 Jan 12 10:00 .").listed);
    EXPECT_FALSE(parse("drwxr-xr-x 2 u g 512 Jan 12 10:00 ..").listed);
    EXPECT_FALSE(parse("-rw-r--r-- 1 u g 12 short").listed); // never reached the date
    EXPECT_TRUE(parse("-rw-r--r-- 1 u g big Mar 7 10:15 x.cur").failed);
    EXPECT_TRUE(parse("-rw-r--r-- 1 u g 1 Feb 30 2001 x.cur").failed);
    EXPECT_TRUE(parse("12-05-98  xx:30AM   1234 walk.ani").failed);
}

class RemoteListing : public FileListFixture {};

TEST_F(RemoteListing, RescanReadsTheSavedListingThroughTheMask) {
    const QString file = tree.file(QStringLiteral("listing.txt"),
                                   "total 12\n"
                                   "drwxr-xr-x   2 user  group    512 Jan 12  1997 .\n"
                                   "drwxr-xr-x   2 user  group    512 Jan 12  1997 ..\n"
                                   "drwxr-xr-x   2 user  group    512 Jan 12  1997 cursors\n"
                                   "-rw-r--r--   1 user  group   4096 Mar  7 10:15 arrow.cur\n"
                                   "-rw-r--r--   1 user  group     10 Mar  7 10:15 notes.txt\n"
                                   "-rw-r--r--   1 user  group   oops Mar  7 10:15 after.cur\n"
                                   "-rw-r--r--   1 user  group     10 Mar  7 10:15 never.cur\n");
    TTreeFileList list;
    list.IsFtpFile = true;
    list.BeginLoading();
    list.SetFileMask(QStringLiteral("*.cur"));
    list.Loaded();
    list.SetFTPTempFile(QStringLiteral("C:\\listing.txt"));
    int changes = 0;
    list.OnChange = [&](TTreeFileList&) { ++changes; };
    list.Rescan();
    EXPECT_EQ(rows(list), (QStringList{"E \\", "F ..", "G cursors", "H arrow.cur"}));
    EXPECT_EQ(list.LastError(), 0);
    EXPECT_EQ(changes, 0);
    const auto texts = list.DetailTexts(3);
    EXPECT_EQ(texts[1], QStringLiteral("4,096"));
    EXPECT_NE(texts[2], QStringLiteral("?"));
    tree.file(QStringLiteral("dos.txt"), "12-05-98  10:30AM   1234 walk.cur\n");
    list.SetFTPTempFile(QStringLiteral("C:\\dos.txt"));
    list.Rescan();
    ASSERT_EQ(rows(list), (QStringList{"E \\", "F ..", "H walk.cur"}));
    // A DOS line carries no date: both columns show "?".
    EXPECT_EQ(list.DetailTexts(2)[2], QStringLiteral("?"));
    EXPECT_EQ(list.DetailTexts(2)[3], QStringLiteral("?"));
    list.SetFTPTempFile(QStringLiteral("C:\\listing.txt"));
    list.Rescan();

    QFile::remove(file);
    list.Rescan();
    EXPECT_EQ(list.Count(), 4); // a missing listing leaves the list as it is

    tree.file(QStringLiteral("listing.txt"), "-rw-r--r-- 1 u g 1 Mar 7 10:15 x.cur\n");
    {
        TTreeFileList owner;
        owner.IsFtpFile = true;
        owner.SetFTPTempFile(QStringLiteral("C:\\listing.txt"));
    }
    EXPECT_FALSE(QFile::exists(file)); // the list deletes its listing when it goes
}

} // namespace
} // namespace kestrom
