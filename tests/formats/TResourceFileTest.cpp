#include "formats/TResourceFile.h"
#include "formats/EResourceError.h"
#include "platform/EInOutError.h"

#include "tests/formats/ModuleWriter.h"
#include "tests/support/HermeticEnvironment.h"
#include "tests/support/IconFileWriter.h"
#include "tests/support/TempTree.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::IconFileWriter;
using test::IconGroupSpec;
using test::ModuleWriter;
using test::TempTree;
using Kind = ModuleWriter::Kind;

// Puts bytes at C:\Modules\<name>; answers the Windows path.
QString onDriveC(const QString& name, const QByteArray& bytes) {
    TempTree(HermeticEnvironment::driveC()).file(QStringLiteral("Modules/") + name, bytes);
    return QStringLiteral("C:\\Modules\\") + name;
}

QString hostPath(const QString& name) {
    return HermeticEnvironment::driveC() + QStringLiteral("/Modules/") + name;
}

QByteArray fixture(const QString& name) {
    QFile f(QStringLiteral(KESTROM_TEST_DATA "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

QByteArray bytesAt(const QString& name, std::uint32_t offset, qsizetype length) {
    QFile f(hostPath(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    f.seek(offset);
    return f.read(length);
}

QByteArray icon(std::uint32_t index, int side = 32) {
    IconFileWriter::Entry e;
    e.data = IconFileWriter::solidDib(side, side, 8, index);
    e.width = e.height = side;
    e.bitCount = 8;
    return IconFileWriter::file(1, {e});
}

// Two named groups and two numbered ones, of one, two, one and three images.
QList<IconGroupSpec> mixedGroups() {
    return {{QStringLiteral("ZED"), 0, {icon(1)}},
            {QString(), 7, {icon(2, 16), icon(3, 48)}},
            {QStringLiteral("ALPHA"), 0, {icon(4)}},
            {QString(), 3, {icon(5), icon(6, 16), icon(7, 24)}}};
}

class ModuleKinds : public testing::TestWithParam<Kind> {};

TEST_P(ModuleKinds, GroupsInTableOrderNamedFirstAndTheirImages) {
    const QString name = QStringLiteral("mixed.dll");
    const QString path = onDriveC(name, ModuleWriter::module(GetParam(), mixedGroups()));
    TResourceFile file(path);
    EXPECT_EQ(file.IsPE(), GetParam() != Kind::Ne);
    // PE: named groups come first; NE tables keep the order written.
    const QList<int> imageCounts =
        GetParam() == Kind::Ne ? QList<int>{1, 2, 1, 3} : QList<int>{1, 1, 2, 3};
    QList<int> counts;
    for (std::int32_t g = 0;; ++g) {
        const std::uint32_t offset = file.IconGroupOffset(g);
        if (offset == 0)
            break;
        ASSERT_EQ(bytesAt(name, offset, 4), QByteArray("\0\0\1\0", 4));
        counts.append(static_cast<int>(file.GroupEntries(offset).size()));
    }
    EXPECT_EQ(counts, imageCounts);
    EXPECT_EQ(file.IconGroupOffset(-1), 0u);

    // Icon n is the n + 1-th image (IDs count from 1 in group order).
    for (std::uint16_t n = 0; n < 7; ++n) {
        const std::uint32_t offset = file.IconImageOffset(n);
        ASSERT_NE(offset, 0u) << n;
        EXPECT_EQ(bytesAt(name, offset, 4), QByteArray("\x28\0\0\0", 4)) << n;
    }
    EXPECT_EQ(file.IconImageOffset(7), 0u);
}

TEST_P(ModuleKinds, ExtractGroupImageRebuildsASingleImageIconFile) {
    const QString path = onDriveC(
        QStringLiteral("one.dll"),
        ModuleWriter::module(GetParam(), {{QString(), 1, {IconFileWriter::smallIcon(9)}}}));
    TResourceFile file(path);
    const std::uint32_t group = file.IconGroupOffset(0);
    ASSERT_NE(group, 0u);
    const QByteArray ico = file.ExtractGroupImage(group, 1);
    ASSERT_EQ(ico.size(), 22 + 744);
    EXPECT_EQ(ico[2], 1);
    EXPECT_EQ(ico.mid(18, 4), QByteArray("\x16\0\0\0", 4));
    // The same as the icon file the image came from: header and image alike.
    const QByteArray original = IconFileWriter::smallIcon(9);
    EXPECT_EQ(ico.mid(22), original.mid(22));
    EXPECT_EQ(ico.mid(6, 12), original.mid(6, 12));
    EXPECT_TRUE(file.ExtractGroupImage(group, 0).isEmpty());
    EXPECT_TRUE(file.ExtractGroupImage(group, 2).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ModuleKinds, testing::Values(Kind::Pe32, Kind::Pe32Plus, Kind::Ne),
                         [](const testing::TestParamInfo<Kind>& row) {
                             return row.param == Kind::Ne     ? "Ne"
                                    : row.param == Kind::Pe32 ? "Pe32"
                                                              : "Pe32Plus";
                         });

TEST(TResourceFile, NeIconsAreFoundByPositionWhateverTheirId) {
    // Icon IDs 40, 41: icon number 0 is still the first icon of the table.
    const QString path =
        onDriveC(QStringLiteral("ne.dll"),
                 ModuleWriter::module(Kind::Ne, {{QString(), 1, {icon(1), icon(2)}}}, 40));
    TResourceFile file(path);
    EXPECT_NE(file.IconImageOffset(0), 0u);
    EXPECT_NE(file.IconImageOffset(1), 0u);
    EXPECT_EQ(file.IconImageOffset(2), 0u);
    // So an entry naming icon 40 finds no fortieth icon.
    EXPECT_TRUE(file.ExtractGroupImage(file.IconGroupOffset(0), 1).isEmpty());
}

TEST(TResourceFile, PeWithoutResourcesFindsNothing) {
    TResourceFile file(onDriveC(QStringLiteral("plain.exe"), ModuleWriter::peWithoutResources()));
    EXPECT_TRUE(file.IsPE());
    EXPECT_EQ(file.IconGroupOffset(0), 0u);
    EXPECT_EQ(file.IconImageOffset(0), 0u);
}

struct RaiseCase {
    const char* name;
    QByteArray bytes;
    QString message;
};

void PrintTo(const RaiseCase& row, std::ostream* os) {
    *os << row.name;
}

QByteArray withNewHeader(const QByteArray& header) {
    QByteArray out(64, '\0');
    out[0] = 'M';
    out[1] = 'Z';
    IconFileWriter::set32(out, 60, 64);
    return out + header + QByteArray(300, '\0');
}

class InvalidModules : public testing::TestWithParam<RaiseCase> {};

TEST_P(InvalidModules, RaiseTheFixedTexts) {
    const QString path = onDriveC(QStringLiteral("bad.bin"), GetParam().bytes);
    try {
        TResourceFile file(path);
        FAIL() << "no error";
    } catch (const EResourceError& e) {
        EXPECT_EQ(e.message(), GetParam().message);
        EXPECT_EQ(QString::fromUtf8(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Invalid, InvalidModules,
    testing::Values(RaiseCase{"thirtyTwoBytes", QByteArray("MZ") + QByteArray(30, '\0'),
                              EResourceError::invalidImage()},
                    RaiseCase{"noMz", QByteArray(512, 'x'), EResourceError::invalidImage()},
                    RaiseCase{"newHeaderZero", QByteArray("MZ") + QByteArray(510, '\0'),
                              EResourceError::invalidImage()},
                    RaiseCase{"newHeaderPastEnd", withNewHeader({}).left(64 + 200),
                              EResourceError::invalidImage()},
                    RaiseCase{"leDriver", withNewHeader("LE"), EResourceError::notPeOrNe()},
                    RaiseCase{"dosProgram", withNewHeader("\0\0"), EResourceError::notPeOrNe()}),
    [](const testing::TestParamInfo<RaiseCase>& row) { return row.param.name; });

TEST(TResourceFile, NamesAndFilesThatCannotBeOpened) {
    try {
        TResourceFile file{QString()};
        FAIL();
    } catch (const EResourceError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("File name is NIL"));
    }
    try {
        TResourceFile file(QStringLiteral("C:\\Modules\\none.dll"));
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 2);
    }
    TempTree(HermeticEnvironment::driveC()).folder(QStringLiteral("Modules/folder.dll"));
    try {
        TResourceFile file(QStringLiteral("C:\\Modules\\folder.dll"));
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 5);
    }
}

TEST(TResourceFile, NeTableCutShortRaisesEndOfFile) {
    QByteArray ne = ModuleWriter::module(Kind::Ne, {{QString(), 1, {icon(1)}}});
    // Resource table 8 bytes before the end: the shift and half a type block.
    IconFileWriter::set16(ne, 64 + 36, static_cast<std::uint32_t>(ne.size() - 64 - 4));
    TResourceFile file(onDriveC(QStringLiteral("cut.dll"), ne));
    try {
        file.IconGroupOffset(0);
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode(), 100);
    }
}

TEST(TResourceFile, PeDirectoriesPointingBackAtThemselvesEndTheWalk) {
    QByteArray pe = ModuleWriter::module(Kind::Pe32, {{QString(), 1, {icon(1)}}});
    // The root's first entry (icons) and second (groups) both lead back to the root.
    const qsizetype root = 0x400;
    IconFileWriter::set32(pe, root + 16 + 4, 0x80000000u);
    IconFileWriter::set32(pe, root + 24 + 4, 0x80000000u);
    TResourceFile file(onDriveC(QStringLiteral("loop.dll"), pe));
    EXPECT_EQ(file.IconGroupOffset(0), 0u);
    EXPECT_EQ(file.IconGroupOffset(1), 0u);
    EXPECT_EQ(file.IconImageOffset(0), 0u);
}

// What wrestool lists: offset of each resource of a type, in listing order.
QList<std::uint32_t> wrestoolOffsets(const QString& path, int type) {
    QProcess p;
    p.start(QStringLiteral("wrestool"),
            {QStringLiteral("-l"), QStringLiteral("--type=%1").arg(type), path});
    p.waitForFinished();
    QList<std::uint32_t> out;
    const QRegularExpression re(QStringLiteral("offset=0x([0-9a-f]+)"));
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        const auto m = re.match(line);
        if (m.hasMatch())
            out.append(m.captured(1).toUInt(nullptr, 16));
    }
    return out;
}

QByteArray wrestoolGroupIcon(const QString& path, bool raw = false) {
    QProcess p;
    QStringList args = {QStringLiteral("-x"), QStringLiteral("--type=14"), path};
    if (raw)
        args.prepend(QStringLiteral("--raw"));
    p.start(QStringLiteral("wrestool"), args);
    p.waitForFinished();
    return p.readAllStandardOutput();
}

class AgainstWrestool : public testing::TestWithParam<const char*> {};

TEST_P(AgainstWrestool, GroupOffsetsAndImagesMatch) {
    if (QStandardPaths::findExecutable(QStringLiteral("wrestool")).isEmpty())
        GTEST_SKIP() << "wrestool (icoutils) is not installed";
    const QString name = QString::fromLatin1(GetParam());
    const QByteArray bytes =
        name.startsWith(u'=')
            ? ModuleWriter::module(name == QStringLiteral("=ne")         ? Kind::Ne
                                   : name == QStringLiteral("=pe32plus") ? Kind::Pe32Plus
                                                                         : Kind::Pe32,
                                   {mixedGroups()[1]})
            : fixture(name);
    const QString path = onDriveC(QStringLiteral("m.dll"), bytes);
    TResourceFile file(path);
    const std::uint32_t group = file.IconGroupOffset(0);
    // wrestool lists memory offsets; the group directory it extracts must lie at ours.
    ASSERT_EQ(wrestoolOffsets(hostPath(QStringLiteral("m.dll")), 14).size(), 1);
    const QByteArray raw = wrestoolGroupIcon(hostPath(QStringLiteral("m.dll")), true);
    ASSERT_GE(raw.size(), 6);
    const qsizetype directorySize = 6 + 14 * static_cast<std::uint8_t>(raw[4]);
    EXPECT_EQ(bytesAt(QStringLiteral("m.dll"), group, directorySize), raw.left(directorySize));
    EXPECT_EQ(file.IconGroupOffset(1), 0u);

    // wrestool's icon file of the group, entry by entry against ours.
    const QByteArray theirs = wrestoolGroupIcon(hostPath(QStringLiteral("m.dll")));
    ASSERT_GE(theirs.size(), 6);
    const int count = static_cast<std::uint8_t>(theirs[4]);
    ASSERT_EQ(static_cast<int>(file.GroupEntries(group).size()), count);
    for (int j = 1; j <= count; ++j) {
        const QByteArray ours = file.ExtractGroupImage(group, static_cast<std::uint32_t>(j));
        const QByteArray entry = theirs.mid(6 + 16 * (j - 1), 16);
        const auto offset = static_cast<std::uint32_t>(static_cast<std::uint8_t>(entry[12]) |
                                                       static_cast<std::uint8_t>(entry[13]) << 8 |
                                                       static_cast<std::uint8_t>(entry[14]) << 16);
        ASSERT_GT(ours.size(), 22) << j;
        EXPECT_EQ(ours.mid(6, 12), entry.left(12)) << j;
        EXPECT_EQ(ours.mid(22), theirs.mid(offset, ours.size() - 22)) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, AgainstWrestool,
                         testing::Values("nsis-stub-zlib-x86-ansi.exe",
                                         "nsis-stub-zlib-amd64-unicode.exe", "wine-tools-16bit.ne",
                                         "=pe32", "=pe32plus", "=ne"),
                         [](const testing::TestParamInfo<const char*>& row) {
                             QString n = QString::fromLatin1(row.param);
                             n.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
                             return n.toStdString();
                         });

TEST(TResourceFile, RealModules) {
    // The 32-bit stub: one group of one 32 x 32 16-colour image of 744 bytes.
    TResourceFile pe32(onDriveC(QStringLiteral("x86.exe"),
                                fixture(QStringLiteral("nsis-stub-zlib-x86-ansi.exe"))));
    const auto entries = pe32.GroupEntries(pe32.IconGroupOffset(0));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[0].bytesInRes, 744u);
    EXPECT_EQ(pe32.ExtractGroupImage(pe32.IconGroupOffset(0), 1).size(), 766);
    EXPECT_FALSE(pe32.IsPE32Plus());

    TResourceFile pe64(onDriveC(QStringLiteral("amd64.exe"),
                                fixture(QStringLiteral("nsis-stub-zlib-amd64-unicode.exe"))));
    EXPECT_TRUE(pe64.IsPE32Plus());
    EXPECT_EQ(pe64.ExtractGroupImage(pe64.IconGroupOffset(0), 1).size(), 766);

    TResourceFile ne(
        onDriveC(QStringLiteral("t.ne"), fixture(QStringLiteral("wine-tools-16bit.ne"))));
    EXPECT_FALSE(ne.IsPE());
    const auto neEntries = ne.GroupEntries(ne.IconGroupOffset(0));
    ASSERT_EQ(neEntries.size(), 2u);
    EXPECT_EQ(ne.IconImageOffset(0), 0x262u);
    EXPECT_EQ(ne.IconImageOffset(1), 0x38au);
}

} // namespace
} // namespace kestrom
