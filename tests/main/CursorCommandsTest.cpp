#include "cursors/CursorRoles.h"
#include "cursors/XcursorFrames.h"
#include "cursors/XcursorNames.h"
#include "platform/CursorLoader.h"
#include "settings/TRegIniFile.h"

#include "tests/support/HermeticEnvironment.h"
#include "tests/support/TempTree.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <X11/Xcursor/Xcursor.h>

namespace kestrom {
namespace {

using test::HermeticEnvironment;
using test::TempTree;

struct ProgramRun {
    int code;
    QByteArray out;
    QByteArray err;
};

ProgramRun kestrom(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(KESTROM_BINARY), args);
    process.closeWriteChannel(); // no terminal: questions are answered No
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString roleValue(int slot) {
    return TRegIniFile(QStringLiteral("Control Panel"))
        .ReadString(QStringLiteral("Cursors"), CursorRoles::bySlot(slot).valueName,
                    QStringLiteral("<missing>"));
}

QString activeScheme() {
    return TRegIniFile(QStringLiteral("Control Panel"))
        .ReadString(QStringLiteral("Cursors"), QString(), QStringLiteral("<missing>"));
}

void storeScheme(const QString& name, const QString& text) {
    TRegIniFile(QStringLiteral("Control Panel\\Cursors"))
        .WriteString(QStringLiteral("Schemes"), name, text);
}

// Copies the real cursors to C:\Cursors and stores a scheme of them.
void storeBibataScheme() {
    const TempTree tree(HermeticEnvironment::driveC());
    for (const char* name :
         {"bibata-left_ptr.cur", "bibata-wait.ani", "bibata-left_ptr_watch.ani"}) {
        QFile source(QStringLiteral(KESTROM_TEST_DATA "/") + QString::fromLatin1(name));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        tree.file(QStringLiteral("Cursors/") + QString::fromLatin1(name), source.readAll());
    }
    storeScheme(
        QStringLiteral("Bibata"),
        QStringLiteral("C:\\Cursors\\bibata-left_ptr.cur,,C:\\Cursors\\bibata-left_ptr_watch.ani,"
                       "C:\\Cursors\\bibata-wait.ani,,,,,,,,,,,,"));
}

struct Images {
    explicit Images(const QString& name, int size)
        : images(XcursorLibraryLoadImages(name.toUtf8().constData(), "Kestrom", size)) {}
    ~Images() {
        if (images)
            XcursorImagesDestroy(images);
    }
    Images(const Images&) = delete;
    Images& operator=(const Images&) = delete;
    XcursorImages* images;
};

const IconImage* imageOfSide(const IconObject& frame, int side) {
    for (const IconImage& image : frame.images) {
        if (image.color.width() == side)
            return &image;
    }
    return nullptr;
}

TEST(CursorCommands, InstallingASchemeOfRealCursorsMakesTheWholeTheme) {
    storeBibataScheme();
    const ProgramRun run = kestrom({"install", "--scheme", "Bibata", "--yes"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();

    EXPECT_EQ(roleValue(3), QStringLiteral("C:\\Cursors\\bibata-left_ptr.cur"));
    EXPECT_EQ(roleValue(2), QStringLiteral("C:\\Cursors\\bibata-left_ptr_watch.ani"));
    EXPECT_EQ(roleValue(1), QStringLiteral("C:\\Cursors\\bibata-wait.ani"));
    for (const int slot : {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
        EXPECT_EQ(roleValue(slot), QString()) << slot;
    EXPECT_EQ(activeScheme(), QStringLiteral("Bibata"));

    for (const int id : XcursorNames::SystemCursors()) {
        for (const QString& name : XcursorNames::ForSystemCursor(id)) {
            const Images loaded(name, 32);
            ASSERT_NE(loaded.images, nullptr) << name.toStdString();
        }
    }

    // The arrow's own 32-pixel image, with its own hot spot.
    const HCURSOR arrow = LoadCursorFromFileA(QStringLiteral("C:\\Cursors\\bibata-left_ptr.cur"));
    ASSERT_TRUE(arrow);
    const IconImage* arrow32 = imageOfSide(arrow->steps[0].frame, 32);
    ASSERT_NE(arrow32, nullptr);
    const Images left(QStringLiteral("left_ptr"), 32);
    ASSERT_EQ(left.images->nimage, 1);
    EXPECT_EQ(left.images->images[0]->width, 32u);
    EXPECT_EQ(left.images->images[0]->xhot, static_cast<XcursorDim>(arrow32->hotSpot.x()));
    EXPECT_EQ(left.images->images[0]->yhot, static_cast<XcursorDim>(arrow32->hotSpot.y()));

    // The busy cursor keeps every step with its display time.
    const HCURSOR busy = LoadCursorFromFileA(QStringLiteral("C:\\Cursors\\bibata-wait.ani"));
    ASSERT_TRUE(busy);
    const Images watch(QStringLiteral("watch"), 48);
    ASSERT_EQ(watch.images->nimage, static_cast<int>(busy->steps.size()));
    for (int i = 0; i < watch.images->nimage; ++i) {
        EXPECT_EQ(watch.images->images[i]->size, 48u);
        EXPECT_EQ(watch.images->images[i]->delay,
                  XcursorFrames::DelayMs(busy->steps[static_cast<std::size_t>(i)].jiffies));
    }

    // Roles without a file get the built-in cursor with the role table's hot spot.
    const Images cross(QStringLiteral("crosshair"), 32);
    EXPECT_EQ(cross.images->images[0]->xhot, 15u);
    EXPECT_EQ(cross.images->images[0]->yhot, 15u);
    const Images hand(QStringLiteral("pointer"), 32);
    EXPECT_EQ(hand.images->images[0]->xhot, 13u);
    EXPECT_EQ(hand.images->images[0]->yhot, 4u);
}

TEST(CursorCommands, WithoutATerminalOrYesNothingIsInstalled) {
    storeBibataScheme();
    const ProgramRun run = kestrom({"install", "--scheme", "Bibata"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(roleValue(3), QStringLiteral("<missing>"));
    EXPECT_EQ(activeScheme(), QStringLiteral("<missing>"));
    EXPECT_FALSE(QDir(QDir::homePath() + QStringLiteral("/.icons/Kestrom")).exists());
}

TEST(CursorCommands, RolesAndRestoreOnTheCommandLine) {
    storeBibataScheme();
    TRegIniFile(QStringLiteral("Control Panel"))
        .WriteString(QStringLiteral("Cursors"), QStringLiteral("hand"),
                     QStringLiteral("\"C:\\x.cur\""));
    ASSERT_EQ(kestrom({"install", "--scheme", "Bibata", "--role",
                       "15=" + HermeticEnvironment::driveC() + "/Cursors/bibata-left_ptr.cur",
                       "--restore", "3", "--yes"})
                  .code,
              0);
    // Restoring after the scheme was loaded goes back to the scheme's file.
    EXPECT_EQ(roleValue(3), QStringLiteral("C:\\Cursors\\bibata-left_ptr.cur"));
    EXPECT_EQ(roleValue(15), QStringLiteral("C:\\Cursors\\bibata-left_ptr.cur"));

    const ProgramRun roles = kestrom({"roles"});
    EXPECT_EQ(roles.code, 0);
    const QList<QByteArray> lines = roles.out.split('\n');
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], "1\tBusy\twait\tC:\\Cursors\\bibata-wait.ani");
    EXPECT_EQ(lines[13], "14\tHandwriting\tnwopen\t");
    EXPECT_EQ(lines[14], "15\tLink Select\thand\tC:\\Cursors\\bibata-left_ptr.cur");

    ASSERT_EQ(kestrom({"install", "--restore", "15", "--yes"}).code, 0);
    EXPECT_EQ(roleValue(15), QString()); // no scheme loaded: back to the built-in cursor
    EXPECT_EQ(activeScheme(), QStringLiteral("Bibata")); // the current scheme stays active
}

TEST(CursorCommands, SchemesAreListedShownSavedAndDeleted) {
    storeBibataScheme();
    EXPECT_EQ(kestrom({"schemes"}).out, "Bibata\n");
    const ProgramRun shown = kestrom({"scheme", "show", "Bibata"});
    EXPECT_EQ(shown.code, 0);
    EXPECT_TRUE(
        shown.out.startsWith("1\tNormal Select\tC:\\Cursors\\bibata-left_ptr.cur\n"
                             "2\tHelp Select\t\n"
                             "3\tWorking in Background\tC:\\Cursors\\bibata-left_ptr_watch.ani\n"));
    EXPECT_TRUE(shown.out.endsWith("15\tLink Select\t\n"));

    EXPECT_EQ(kestrom({"scheme", "delete", "Bibata"}).code, 1); // the only scheme is kept
    ASSERT_EQ(kestrom({"install", "--scheme", "Bibata", "--yes"}).code, 0);
    ASSERT_EQ(kestrom({"scheme", "save", "Copy"}).code, 0);
    ASSERT_EQ(kestrom({"scheme", "save", "copy"}).code, 0); // the same value: listed once
    EXPECT_EQ(kestrom({"schemes"}).out, "Bibata\nCopy\n");
    EXPECT_EQ(kestrom({"scheme", "show", "Copy"}).out, kestrom({"scheme", "show", "Bibata"}).out);

    const ProgramRun empty = kestrom({"scheme", "save", ""});
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.contains("Please enter a name")) << empty.err.toStdString();

    EXPECT_EQ(kestrom({"scheme", "delete", "Bibata"}).code, 0);
    EXPECT_EQ(kestrom({"schemes"}).out, "Copy\n");
    EXPECT_EQ(kestrom({"scheme", "delete", "Nope"}).code, 1);
}

TEST(CursorCommands, BadUsageIsRefused) {
    const QStringList cases[] = {
        {"roles", "x"},
        {"scheme"},
        {"scheme", "frob", "x"},
        {"install", "--role", "16=x.cur"},
        {"install", "--role", "3"},
        {"install", "--restore", "0"},
        {"install", "--frob"},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(kestrom(args).code, 2) << args.join(u' ').toStdString();
    EXPECT_EQ(kestrom({"scheme", "show", "Missing"}).code, 1);
    EXPECT_EQ(kestrom({"install", "--scheme", "Missing", "--yes"}).code, 1);
}

} // namespace
} // namespace kestrom
