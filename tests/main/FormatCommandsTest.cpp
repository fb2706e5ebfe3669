#include "platform/ByteReader.h"
#include "platform/IconFileDecoder.h"

#include "tests/formats/ModuleWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::ModuleWriter;
using test::TempTree;

struct ProgramRun {
    int code;
    QString out;
    QString err;
};

QString dataFolder() {
    return HermeticEnvironment::driveC() + QStringLiteral("/Data");
}

ProgramRun kestrom(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The user's data folder on drive C:, where numbered files can be named.
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataFolder());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KESTROM_BINARY), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString put(const QString& name, const QByteArray& bytes) {
    return TempTree(HermeticEnvironment::driveC()).file(name, bytes);
}

// A copy of a real file on drive C: (the program names files by drive).
QString fixture(const char* name) {
    QFile f(QStringLiteral(KESTROM_FORMATS_DATA "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return put(QString::fromLatin1(name), f.readAll());
}

TEST(FormatCommands, AniListsTheStepsThenTheFrameCount) {
    const ProgramRun run = kestrom({"ani", fixture("bibata-wait.ani")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 46);
    EXPECT_EQ(lines[0].left(40), QStringLiteral("step 0: frame 0, rate 10 jiffies, image "));
    EXPECT_TRUE(lines[44].startsWith(QStringLiteral("step 44: frame 44, rate 10 jiffies")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("32x32")));
    EXPECT_EQ(lines[45], QStringLiteral("frames: 45"));

    for (const QString& file : {fixture("bibata-left_ptr_watch.ani"), put("x.cur", "junk"),
                                HermeticEnvironment::driveC() + QStringLiteral("/no/such.ani")}) {
        const ProgramRun empty = kestrom({"ani", file});
        EXPECT_EQ(empty.code, 1) << file.toStdString();
        EXPECT_TRUE(empty.err.contains(QStringLiteral("no animation steps")));
    }
}

TEST(FormatCommands, IconsListsGroupsAndExtractsAnImage) {
    const ProgramRun run = kestrom({"icons", fixture("nsis-stub-zlib-amd64-unicode.exe")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("group 0: offset 0x")));
    EXPECT_TRUE(run.out.contains(QStringLiteral(", 1 images\n  image 1: 32x32, 16 colours, 4 bits, "
                                                "744 bytes, icon ID 1, offset 0x")));
    EXPECT_EQ(run.out.count(u'\n'), 2);

    const QString out = HermeticEnvironment::driveC() + QStringLiteral("/one.ico");
    const QString ne = fixture("wine-tools-16bit.ne");
    EXPECT_EQ(kestrom({"icons", ne, "--extract", "0", out}).code, 0);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ico = f.readAll();
    const auto decoded = IconFileDecoder::decode(byteSpan(ico));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->images[0].color.size(), QSize(32, 32));

    EXPECT_EQ(kestrom({"icons", ne, "--extract", "2", out}).code, 1);
    const ProgramRun bad =
        kestrom({"icons", put("bad.dll", QByteArray("MZ") + QByteArray(300, '\0'))});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.err.endsWith(QStringLiteral(": Invalid image\n"))) << bad.err.toStdString();
    const ProgramRun missing =
        kestrom({"icons", HermeticEnvironment::driveC() + QStringLiteral("/no/such.dll")});
    EXPECT_EQ(missing.code, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("not found"), Qt::CaseInsensitive))
        << missing.err.toStdString();
}

TEST(FormatCommands, LibraryPrintsEachSlotsNewFile) {
    const QString library =
        put("set.cul", ModuleWriter::library(ModuleWriter::Kind::Pe32, {10, 5}));
    const ProgramRun run = kestrom({"library", library});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("slot 1 Busy: C:\\Data\\kestrom\\00000001.CUR"));
    EXPECT_EQ(lines[14], QStringLiteral("slot 15 Link Select: C:\\Data\\kestrom\\00000015.CUR"));

    const ProgramRun bad = kestrom({"library", put("bad.cul", "not a module")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.endsWith(QStringLiteral(": Invalid image\n"))) << bad.err.toStdString();
    // The failing slot's file was made, and stays.
    EXPECT_EQ(QDir(dataFolder() + QStringLiteral("/kestrom")).entryList(QDir::Files).size(), 16);
}

} // namespace
} // namespace kestrom
