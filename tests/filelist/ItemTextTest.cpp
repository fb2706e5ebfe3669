#include "filelist/ItemText.h"
#include "filelist/ExtensionGroups.h"
#include "filelist/TextCase.h"
#include "filelist/TreeName.h"
#include "filelist/TTreeFileList.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

TEST(ItemText, PadNumberPadsAndMarksNegatives) {
    EXPECT_EQ(ItemText::PadNumber(42, 6), QStringLiteral("000042"));
    EXPECT_EQ(ItemText::PadNumber(-42, 6), QStringLiteral("-00042"));
    EXPECT_EQ(ItemText::PadNumber(-123, 3), QStringLiteral("-23"));
    EXPECT_EQ(ItemText::PadNumber(12345, 4), QStringLiteral("12345"));
    EXPECT_EQ(ItemText::PadNumber(7, 1), QStringLiteral("7"));
}

TEST(ItemText, ExtensionCodesChooseTheGroupIcon) {
    const TExtStringList groups = ExtensionGroups::Create();
    ASSERT_EQ(groups.size(), 29);
    struct Case {
        const char* name;
        const char* code;
        int icon;
    } cases[] = {
        {"readme", "....", 9},     {"x.c", ".C..", 26},      {"page.html", ".HTM", 34},
        {"photo.jpeg", ".JPE", 9}, {"scan.tif", ".TIF", 18}, {"data.db", ".DB.", 16},
        {"SET.ANI", ".ANI", 31},   {"arrow.cur", ".CUR", 9}, {"C:\\a.b\\file", "....", 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtensionGroups::ExtensionCode(QString::fromLatin1(c.name)),
                  QString::fromLatin1(c.code))
            << c.name;
        EXPECT_EQ(ExtensionGroups::IconFor(groups, QString::fromLatin1(c.name)), c.icon) << c.name;
    }
}

TEST(ItemText, TextCasesTable) {
    struct Case {
        const char* name;
        TTreeTextCase textCase;
        const char* expected;
    } cases[] = {
        {"MY  CURSORS", tcAuto, "My  cursors"},
        {"my cursors\\set one", tcAuto, "My Cursors\\Set One"},
        {"Arrow.CUR", tcLowerCase, "arrow.cur"},
        {"Arrow.cur", tcUpperCase, "ARROW.CUR"},
        {"Arrow.CUR", tcNone, "Arrow.CUR"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextCase::Apply(QString::fromUtf8(c.name), c.textCase),
                  QString::fromUtf8(c.expected));
}

TEST(ItemText, TreeNamesEncodeAndDecode) {
    const QString key(15, u'0');
    const QString folder = TreeName::Encode(u'G', QStringLiteral("C:\\A\\B\\"), key);
    EXPECT_EQ(folder, QStringLiteral("C:\\GA\\GB\\"));
    const TreeName::Decoded decodedFolder = TreeName::Decode(folder);
    EXPECT_EQ(decodedFolder.path, QStringLiteral("C:\\A\\B"));
    EXPECT_EQ(decodedFolder.kind, u'G');

    const QString file = TreeName::Encode(u'H', QStringLiteral("C:\\A\\B\\f.ani"), key);
    EXPECT_EQ(file, QStringLiteral("C:\\GA\\GB\\H") + key + QStringLiteral("f.ani"));
    const TreeName::Decoded decodedFile = TreeName::Decode(file);
    EXPECT_EQ(decodedFile.path, QStringLiteral("C:\\A\\B\\f.ani"));
    EXPECT_EQ(decodedFile.kind, u'H');

    const TreeName::Decoded shell =
        TreeName::Decode(TreeName::Encode(u'I', QStringLiteral("Trash"), key));
    EXPECT_EQ(shell.path, QStringLiteral("Trash"));
    EXPECT_EQ(shell.kind, u'I');
    EXPECT_EQ(TreeName::Decode(QStringLiteral("c: [disk]")).kind, u'D');
}

TEST(ItemText, NamesHoldingABarKeepTheirFields) {
    const QString text = QStringLiteral("H000000000000000C:\\a|b.cur|") + QChar(9) +
                         ItemText::PadNumber(32, 6) + ItemText::PadNumber(2162688, 11) +
                         ItemText::PadNumber(12345, 11) + QStringLiteral("00");
    EXPECT_EQ(ItemText::StoredName(text), QStringLiteral("C:\\a|b.cur"));
    EXPECT_EQ(ItemText::Icon(text), 9);
    EXPECT_EQ(ItemText::Attr(text), 32);
    EXPECT_EQ(ItemText::Time(text), 2162688);
    EXPECT_EQ(ItemText::Size(text), 12345);
}

TEST(FileListColumns, DetailArithmetic) {
    EXPECT_EQ(TTreeFileList::GroupThousands(1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(TTreeFileList::GroupThousands(999), QStringLiteral("999"));
    EXPECT_EQ(TTreeFileList::GroupThousands(-123456), QStringLiteral("-123,456"));
    EXPECT_EQ(TTreeFileList::GroupThousands(0), QStringLiteral("0"));
    EXPECT_EQ(TTreeFileList::AttrLetters(0x01 | 0x02 | 0x04 | 0x20), QStringLiteral("RHSA"));
    EXPECT_EQ(TTreeFileList::AttrLetters(0x10), QString());

    TTreeFileList list;
    list.SetColumnWidth(0, 10);
    list.SetColumnWidth(2, -5);
    EXPECT_EQ(list.ColumnWidth(0), 30);
    EXPECT_EQ(list.ColumnWidth(2), 0);
    list.SetFileDetails(TFileDetails{fdName, fdSize, fdAttr});
    EXPECT_EQ(list.HorizontalExtent(), 30 + 75 + 45);
    EXPECT_EQ(list.ZipColumnWidth(6), 35);

    list.SetFont(13, 10);
    EXPECT_EQ(list.ItemHeight, 18);
    list.SetFont(16, 12);
    EXPECT_EQ(list.ItemHeight, 20);
    list.SetFont(-17, 11);
    EXPECT_EQ(list.ItemHeight, 22); // 23, made even
}

TEST(FileListColumns, ArchiveItemsKeepSizesAndPercentage) {
    TTreeFileList list;
    list.SetSorted(false);
    list.AddString(list.BuildZipItem(u'H', QStringLiteral("b.cur"), 9, 32, 40, 100, 2162688));
    list.AddString(list.BuildZipItem(u'H', QStringLiteral("a.ani"), 31, 0, 10, 0, 0));
    list.AddString(list.BuildZipItem(u'H', QStringLiteral("c.ico"), 33, 0, 150, 100, 0));
    EXPECT_EQ(list.ZipPercent(0), 60);
    EXPECT_EQ(list.ZipPercent(1), 0);
    EXPECT_EQ(list.ZipPercent(2), 206); // 256 - 50: the byte wraps
    EXPECT_EQ(list.ZipCompressed(0), 40);
    EXPECT_EQ(list.ZipUncompressed(0), 100);
    EXPECT_EQ(list.ZipAttr(0), 32);
    EXPECT_EQ(list.ZipDateTime(0), 2162688);

    list.SetZipSortBy(sbCompSize);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ItemPath(0), QStringLiteral("a.ani"));
    EXPECT_EQ(list.ItemPath(1), QStringLiteral("b.cur"));
    EXPECT_EQ(list.ItemPath(2), QStringLiteral("c.ico"));
    EXPECT_EQ(list.ZipPercent(1), 60);
    list.SetZipSortBy(sbZipName);
    EXPECT_EQ(list.ItemPath(0), QStringLiteral("a.ani"));
    EXPECT_EQ(list.ItemPath(2), QStringLiteral("c.ico"));
}

} // namespace
} // namespace kestrom
