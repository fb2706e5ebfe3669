#include "formats/CursorLibrary.h"
#include "formats/CursorSlotSink.h"
#include "formats/EResourceError.h"
#include "platform/EInOutError.h"
#include "platform/ProgramFolders.h"
#include "platform/ShellIcons.h"

#include "tests/formats/ModuleWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/IconFileWriter.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::IconFileWriter;
using test::ModuleWriter;
using test::TempTree;
using Kind = ModuleWriter::Kind;

// The user's data folder on drive C:, where the program can name it.
class Library : public testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME",
                (HermeticEnvironment::driveC() + QStringLiteral("/Data")).toUtf8());
    }
};

struct RecordingSink : CursorSlotSink {
    void assign(int slot, const QString& file) override {
        givenSlots.append(slot);
        files.append(file);
        if (after)
            after(slot);
    }
    QList<int> givenSlots;
    QStringList files;
    std::function<void(int)> after;
};

QString putLibrary(const QByteArray& bytes) {
    TempTree(HermeticEnvironment::driveC()).file(QStringLiteral("Lib/set.cul"), bytes);
    return QStringLiteral("C:\\Lib\\SET.CUL");
}

QByteArray contentOf(const QString& windowsPath) {
    QFile f(ProgramFolders::userDataHostFolder() + u'/' + windowsPath.section(u'\\', -1));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return f.readAll();
}

QStringList numberedFiles() {
    return QDir(ProgramFolders::userDataHostFolder()).entryList(QDir::Files, QDir::Name);
}

QList<int> oneToFifteen() {
    QList<int> out;
    for (int i = 1; i <= 15; ++i)
        out.append(i);
    return out;
}

struct LayoutCase {
    const char* name;
    Kind kind;
    QList<int> groups;
};

void PrintTo(const LayoutCase& row, std::ostream* os) {
    *os << row.name;
}

class LibraryLayouts : public Library, public testing::WithParamInterface<LayoutCase> {};

TEST_P(LibraryLayouts, FifteenImagesBecomeFifteenNumberedFilesInSlotOrder) {
    const QString library = putLibrary(ModuleWriter::library(GetParam().kind, GetParam().groups));
    RecordingSink sink;
    EXPECT_EQ(CursorLibrary::Load(library, sink), 15);
    EXPECT_EQ(sink.givenSlots, oneToFifteen());
    for (int n = 0; n < 15; ++n) {
        const QString& file = sink.files[n];
        EXPECT_EQ(file, ProgramFolders::userDataFolder() +
                            QStringLiteral("\\%1.CUR").arg(n + 1, 8, 10, QChar(u'0')));
        // Image n is the (n + 1)-th colour of the library, as a one-image icon file.
        EXPECT_EQ(contentOf(file), IconFileWriter::smallIcon(static_cast<std::uint32_t>(n + 1)))
            << n;
        EXPECT_TRUE(ExtractIconA(file, 0)) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LibraryLayouts,
    testing::Values(LayoutCase{"peOneGroup", Kind::Pe32, {15}},
                    LayoutCase{"peThreeGroups", Kind::Pe32, {5, 5, 5}},
                    LayoutCase{"peUnevenGroupsWithAnEmptyOne", Kind::Pe32, {1, 0, 13, 1}},
                    LayoutCase{"pe64SeveralGroups", Kind::Pe32Plus, {7, 8}},
                    LayoutCase{"neOneGroup", Kind::Ne, {15}},
                    LayoutCase{"neSeveralGroups", Kind::Ne, {2, 4, 9}}),
    [](const testing::TestParamInfo<LayoutCase>& row) { return row.param.name; });

TEST_F(Library, LoadingTwiceMakesThirtyFiles) {
    const QString library = putLibrary(ModuleWriter::library(Kind::Pe32, {15}));
    RecordingSink first, second;
    CursorLibrary::Load(library, first);
    CursorLibrary::Load(library, second);
    EXPECT_EQ(numberedFiles().size(), 30);
    EXPECT_TRUE(second.files.last().endsWith(QStringLiteral("00000030.CUR")));
}

TEST_F(Library, FewerImagesLeaveTheLastRolesWithEmptyFiles) {
    const QString library = putLibrary(ModuleWriter::library(Kind::Pe32, {3, 2}));
    RecordingSink sink;
    EXPECT_EQ(CursorLibrary::Load(library, sink), 15);
    EXPECT_EQ(contentOf(sink.files[4]), IconFileWriter::smallIcon(5));
    for (int n = 5; n < 15; ++n)
        EXPECT_TRUE(contentOf(sink.files[n]).isEmpty()) << n;
}

TEST(CursorLibrary, ADataFolderNoDriveHoldsIsAnError) {
    const QString library = putLibrary(ModuleWriter::library(Kind::Pe32, {15}));
    RecordingSink sink;
    EXPECT_THROW(CursorLibrary::Load(library, sink), EInOutError);
    EXPECT_TRUE(sink.givenSlots.isEmpty());
}

TEST_F(Library, NoFileLoadsNothing) {
    RecordingSink sink;
    EXPECT_EQ(CursorLibrary::Load(QStringLiteral("C:\\Lib\\none.cul"), sink), 0);
    EXPECT_TRUE(sink.givenSlots.isEmpty());
    EXPECT_TRUE(numberedFiles().isEmpty());
}

TEST_F(Library, AFailureKeepsTheFilesMadeBefore) {
    const QString library = putLibrary(ModuleWriter::library(Kind::Pe32, {15}));
    RecordingSink sink;
    // After slot 4 the library turns into a file that is no module.
    sink.after = [](int slot) {
        if (slot == 4)
            putLibrary("garbage");
    };
    EXPECT_THROW(CursorLibrary::Load(library, sink), EResourceError);
    EXPECT_EQ(sink.givenSlots, (QList<int>{1, 2, 3, 4}));
    EXPECT_EQ(numberedFiles().size(), 5);
    EXPECT_EQ(contentOf(sink.files[3]), IconFileWriter::smallIcon(4));
    EXPECT_TRUE(
        contentOf(ProgramFolders::userDataFolder() + QStringLiteral("\\00000005.CUR")).isEmpty());
}

TEST_F(Library, ExtractLibraryImageOutOfRangeLeavesTheTargetEmpty) {
    const QString library = putLibrary(ModuleWriter::library(Kind::Ne, {2}));
    TempTree(HermeticEnvironment::driveC()).file(QStringLiteral("out.cur"), "old");
    ExtractLibraryImage(library, 2, QStringLiteral("C:\\out.cur"));
    ExtractLibraryImage(library, -1, QStringLiteral("C:\\out.cur"));
    QFile f(HermeticEnvironment::driveC() + QStringLiteral("/out.cur"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
    ExtractLibraryImage(library, 1, QStringLiteral("C:\\out.cur"));
    f.seek(0);
    EXPECT_EQ(f.readAll(), IconFileWriter::smallIcon(2));
}

} // namespace
} // namespace kestrom
