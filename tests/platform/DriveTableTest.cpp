#include "platform/DriveTable.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(DriveTable, ReadsTheVariableFormat) {
    const DriveTable table =
        DriveTable::fromSetting(QStringLiteral("C=/srv/c:3;d=/mnt/stick:2;E=/mnt/a:b:4:Backup;"
                                               "bad;F=relative:3;G=/srv/g"));
    ASSERT_EQ(table.drives().size(), 4u);
    EXPECT_EQ(table.find(u'c')->hostRoot, QStringLiteral("/srv/c"));
    EXPECT_EQ(table.find(u'D')->type, DRIVE_REMOVABLE);
    const Drive* e = table.find(u'E');
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->hostRoot, QStringLiteral("/mnt/a:b")); // colons inside the folder survive
    EXPECT_EQ(e->type, DRIVE_REMOTE);
    EXPECT_EQ(e->label, QStringLiteral("Backup"));
    EXPECT_EQ(table.find(u'G')->type, DRIVE_FIXED); // no type given: fixed
    EXPECT_EQ(table.find(u'F'), nullptr);           // relative folders are refused
}

TEST(DriveTable, GivesMediaAndNetworkMountsTheNextLetters) {
    const QString mounts = QStringLiteral("/dev/sda1 / ext4 rw 0 0\n"
                                          "proc /proc proc rw 0 0\n"
                                          "server:/export /mnt/share nfs4 rw 0 0\n"
                                          "/dev/sr0 /media/cdrom iso9660 ro 0 0\n"
                                          "/dev/sdz1 /media/user/MY\\040STICK vfat rw 0 0\n"
                                          "//host/music /mnt/music cifs rw 0 0\n"
                                          "tmpfs /tmp tmpfs rw 0 0\n");
    const DriveTable table = DriveTable::fromMounts(mounts);
    ASSERT_EQ(table.drives().size(), 5u);
    EXPECT_EQ(table.find(u'C')->hostRoot, QStringLiteral("/"));
    EXPECT_EQ(table.find(u'D')->type, DRIVE_REMOTE);
    EXPECT_EQ(table.find(u'E')->type, DRIVE_CDROM);
    EXPECT_EQ(table.find(u'F')->hostRoot, QStringLiteral("/media/user/MY STICK"));
    EXPECT_EQ(table.find(u'F')->type, DRIVE_REMOVABLE);
    EXPECT_EQ(table.find(u'G')->type, DRIVE_REMOTE);
}

TEST(DriveTable, FindsTheDriveOfAHostPathByTheLongestRoot) {
    const DriveTable table = DriveTable::fromSetting(QStringLiteral("C=/:3;D=/mnt/d:2"));
    QString rest;
    EXPECT_EQ(table.driveForHostPath(QStringLiteral("/mnt/d/x/y"), &rest)->letter, u'D');
    EXPECT_EQ(rest, QStringLiteral("x/y"));
    EXPECT_EQ(table.driveForHostPath(QStringLiteral("/mnt/dx"), &rest)->letter, u'C');
    EXPECT_EQ(rest, QStringLiteral("mnt/dx"));
}

} // namespace
} // namespace kestrom
