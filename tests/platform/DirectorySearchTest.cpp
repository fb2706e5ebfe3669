#include "platform/DirectorySearch.h"

#include "platform/DriveInfo.h"
#include "platform/DriveTable.h"
#include "platform/FileAttributes.h"
#include "platform/WinError.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <ctime>
#include <map>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

// Every entry a search yields, name to record.
std::map<QString, TSearchRec> listAll(const QString& pattern, int attr) {
    std::map<QString, TSearchRec> found;
    TSearchRec rec;
    int result = FindFirst(pattern, attr, rec);
    while (result == 0) {
        found[rec.Name] = rec;
        result = FindNext(rec);
    }
    EXPECT_EQ(result, kErrorNoMoreFiles);
    FindClose(rec);
    return found;
}

class DirectorySearch : public ::testing::Test {
protected:
    TempTree tree{HermeticEnvironment::driveC()};
};

TEST_F(DirectorySearch, MapsHostEntriesOntoAttributes) {
    tree.file(QStringLiteral("Cursors/arrow.cur"), "12345");
    tree.file(QStringLiteral("Cursors/.hidden.cur"));
    tree.folder(QStringLiteral("Cursors/Sub"));
    tree.folder(QStringLiteral("Cursors/.config"));
    const QString locked = tree.file(QStringLiteral("Cursors/locked.cur"));
    ::chmod(QFile::encodeName(locked).constData(), 0444);
    const QString socketPath = tree.path(QStringLiteral("Cursors/sock"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray hostSocket = QFile::encodeName(socketPath);
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", hostSocket.constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    const auto all = listAll(QStringLiteral("C:\\Cursors\\*.*"), faAnyFile);
    ::close(fd);
    EXPECT_EQ(all.at(QStringLiteral("arrow.cur")).Attr, faArchive);
    EXPECT_EQ(all.at(QStringLiteral("arrow.cur")).Size, 5);
    EXPECT_EQ(all.at(QStringLiteral(".hidden.cur")).Attr, faArchive | faHidden);
    EXPECT_EQ(all.at(QStringLiteral("Sub")).Attr, faDirectory);
    EXPECT_EQ(all.at(QStringLiteral("Sub")).Size, 0);
    EXPECT_EQ(all.at(QStringLiteral(".config")).Attr, faDirectory | faHidden);
    EXPECT_EQ(all.at(QStringLiteral("sock")).Attr, faSysFile);
    EXPECT_EQ(all.at(QStringLiteral(".")).Attr, faDirectory);
    EXPECT_EQ(all.at(QStringLiteral("..")).Attr, faDirectory);
    if (::geteuid() != 0) { // the superuser may write anything
        EXPECT_EQ(all.at(QStringLiteral("locked.cur")).Attr, faArchive | faReadOnly);
    }
}

TEST_F(DirectorySearch, LeavesOutWhatTheAttributesDoNotAskFor) {
    tree.file(QStringLiteral("x/plain.cur"));
    tree.file(QStringLiteral("x/.secret.cur"));
    tree.folder(QStringLiteral("x/folder"));
    const auto filesOnly = listAll(QStringLiteral("C:\\x\\*.*"), faReadOnly | faArchive);
    EXPECT_EQ(filesOnly.size(), 1u);
    EXPECT_TRUE(filesOnly.count(QStringLiteral("plain.cur")));
    const auto withFolders = listAll(QStringLiteral("C:\\x\\*"), faDirectory);
    EXPECT_EQ(withFolders.size(), 4u); // plain.cur, folder, ".", ".."
}

TEST_F(DirectorySearch, ListsInNameOrderWithDotEntriesFirstAndNoneAtADriveRoot) {
    tree.file(QStringLiteral("f/b.cur"));
    tree.file(QStringLiteral("f/A.cur"));
    tree.file(QStringLiteral("f/c.cur"));
    QStringList order;
    TSearchRec rec;
    for (int r = FindFirst(QStringLiteral("C:\\F\\*.*"), faAnyFile, rec); r == 0; r = FindNext(rec))
        order << rec.Name;
    FindClose(rec);
    EXPECT_EQ(order, (QStringList{".", "..", "A.cur", "b.cur", "c.cur"}));

    const auto root = listAll(QStringLiteral("C:\\*.*"), faAnyFile);
    EXPECT_FALSE(root.count(QStringLiteral(".")));
    EXPECT_TRUE(root.count(QStringLiteral("f")));
}

TEST_F(DirectorySearch, AnswersTheWindowsResultCodes) {
    tree.file(QStringLiteral("dir/one.cur"));
    const QString closed = tree.folder(QStringLiteral("closed"));
    TSearchRec rec;
    rec.Name = QStringLiteral("untouched");
    EXPECT_EQ(FindFirst(QStringLiteral("C:\\dir\\*.ani"), faAnyFile, rec), kErrorFileNotFound);
    EXPECT_EQ(FindFirst(QStringLiteral("C:\\dir\\two.cur"), faAnyFile, rec), kErrorFileNotFound);
    EXPECT_EQ(FindFirst(QStringLiteral("C:\\nodir\\*.*"), faAnyFile, rec), kErrorPathNotFound);
    EXPECT_EQ(FindFirst(QStringLiteral("C:\\dir\\one.cur\\*.*"), faAnyFile, rec),
              kErrorPathNotFound);
    EXPECT_EQ(FindFirst(QStringLiteral("Q:\\*.*"), faAnyFile, rec), kErrorPathNotFound);
    EXPECT_EQ(rec.Name, QStringLiteral("untouched")); // a failed search leaves the record alone

    ::chmod(QFile::encodeName(closed).constData(), 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(FindFirst(QStringLiteral("C:\\closed\\*.*"), faAnyFile, rec), kErrorAccessDenied);
    }
    ::chmod(QFile::encodeName(closed).constData(), 0755);

    qputenv("KESTROM_DRIVES", (QStringLiteral("C=%1:3;E=%1/gone:2").arg(tree.root())).toUtf8());
    EXPECT_EQ(FindFirst(QStringLiteral("E:\\*.*"), faAnyFile, rec), kErrorNotReady);
    EXPECT_EQ(GetDriveTypeA(QStringLiteral("E:\\")), DRIVE_REMOVABLE);
    EXPECT_EQ(GetDriveTypeA(QStringLiteral("Q:\\")), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetLogicalDrives(), (1u << 2) | (1u << 4));
    QString label;
    EXPECT_FALSE(GetVolumeInformationA(QStringLiteral("E:\\"), &label, nullptr));
    EXPECT_EQ(GetLastError(), kErrorNotReady);
}

TEST_F(DirectorySearch, FindsANameWhateverItsCase) {
    tree.file(QStringLiteral("Mixed/Wait.ANI"), "abc");
    TSearchRec rec;
    ASSERT_EQ(FindFirst(QStringLiteral("C:\\MIXED\\WAIT.ani"), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Name, QStringLiteral("Wait.ANI"));
    FindClose(rec);
    EXPECT_EQ(GetFileAttributesA(QStringLiteral("c:\\mixed\\wait.ani")), std::uint32_t{faArchive});
    EXPECT_EQ(GetFileAttributesA(QStringLiteral("C:\\mixed")), std::uint32_t{faDirectory});
    EXPECT_EQ(GetFileAttributesA(QStringLiteral("C:\\mixed\\none")), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), kErrorFileNotFound);
    EXPECT_EQ(GetFileAttributesA(QStringLiteral("C:\\none\\none")), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), kErrorPathNotFound);
}

TEST_F(DirectorySearch, PacksTheModificationTimeAsLocalDosDateTime) {
    const QString file = tree.file(QStringLiteral("t/dated.cur"));
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 6; // July
    local.tm_mday = 15;
    local.tm_hour = 13;
    local.tm_min = 45;
    local.tm_sec = 31;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
    TSearchRec rec;
    ASSERT_EQ(FindFirst(QStringLiteral("C:\\t\\dated.cur"), faAnyFile, rec), 0);
    const auto packed = static_cast<unsigned>(rec.Time);
    EXPECT_EQ(packed >> 25, 2024u - 1980u);
    EXPECT_EQ((packed >> 21) & 0xF, 7u);
    EXPECT_EQ((packed >> 16) & 0x1F, 15u);
    EXPECT_EQ((packed >> 11) & 0x1F, 13u);
    EXPECT_EQ((packed >> 5) & 0x3F, 45u);
    EXPECT_EQ(packed & 0x1F, 15u); // two-second steps
}

TEST_F(DirectorySearch, NeverListsNamesWindowsCannotHold) {
    tree.file(QStringLiteral("n/good.cur"));
    tree.file(QStringLiteral("n/back\\slash.cur"));
    const QByteArray rawName = QFile::encodeName(tree.path(QStringLiteral("n/"))) + "bad\xFF.cur";
    ::close(::open(rawName.constData(), O_CREAT | O_WRONLY, 0644));
    const auto all = listAll(QStringLiteral("C:\\n\\*.cur"), faAnyFile);
    EXPECT_EQ(all.size(), 1u);
    EXPECT_TRUE(all.count(QStringLiteral("good.cur")));
}

TEST_F(DirectorySearch, NamesTheHostEntryAndItsIdentityOfEachMatch) {
    tree.file(QStringLiteral("Id/Arrow.CUR"));
    tree.folder(QStringLiteral("Id/Real"));
    ASSERT_EQ(
        ::symlink("Real", QFile::encodeName(tree.path(QStringLiteral("Id/Link"))).constData()), 0);
    TSearchRec rec;
    FileIdentity none;
    EXPECT_FALSE(FindIdentity(rec, none));
    EXPECT_EQ(FindHostPath(rec), QString());
    ASSERT_EQ(FindFirst(QStringLiteral("C:\\id\\arrow.cur"), faAnyFile, rec), 0);
    EXPECT_EQ(FindHostPath(rec), tree.path(QStringLiteral("Id/Arrow.CUR")));
    FindClose(rec);

    std::map<QString, FileIdentity> ids;
    ASSERT_EQ(FindFirst(QStringLiteral("C:\\Id\\*.*"), faAnyFile, rec), 0);
    do {
        FileIdentity id;
        ASSERT_TRUE(FindIdentity(rec, id));
        ids[rec.Name] = id;
    } while (FindNext(rec) == 0);
    FindClose(rec);
    FileIdentity real;
    ASSERT_TRUE(GetFileIdentity(QStringLiteral("C:\\Id\\Real"), real));
    EXPECT_EQ(ids[QStringLiteral("Real")], real);
    EXPECT_EQ(ids[QStringLiteral("Link")], real); // links are followed
    EXPECT_FALSE(ids[QStringLiteral("Arrow.CUR")] == real);
    FileIdentity folder;
    ASSERT_TRUE(GetFileIdentity(QStringLiteral("C:\\Id"), folder));
    EXPECT_EQ(ids[QStringLiteral(".")], folder);
    EXPECT_FALSE(GetFileIdentity(QStringLiteral("C:\\Id\\none"), folder));
}

TEST_F(DirectorySearch, ReadScopeReadsAFolderOnceAndOnlyWhileItLasts) {
    tree.file(QStringLiteral("Once/a.cur"));
    TSearchRec rec;
    {
        const DirectoryReadScope scope;
        ASSERT_EQ(listAll(QStringLiteral("C:\\Once\\*.cur"), faAnyFile).size(), 1u);
        tree.file(QStringLiteral("Once/b.cur"));
        // The same folder, by another spelling, comes from the first read.
        EXPECT_EQ(listAll(QStringLiteral("c:\\once\\..\\Once\\*.cur"), faAnyFile).size(), 1u);
        EXPECT_EQ(FindFirst(QStringLiteral("C:\\Once\\b.cur"), faAnyFile, rec), kErrorFileNotFound);
    }
    EXPECT_EQ(listAll(QStringLiteral("C:\\Once\\*.cur"), faAnyFile).size(), 2u);
    ASSERT_EQ(FindFirst(QStringLiteral("C:\\Once\\b.cur"), faAnyFile, rec), 0);
    EXPECT_EQ(rec.Attr, faArchive);
    FindClose(rec);
}

} // namespace
} // namespace kestrom
