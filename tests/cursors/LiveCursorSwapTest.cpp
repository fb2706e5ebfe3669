#include "tests/cursors/FakeArtwork.h"
#include "tests/cursors/ThemeFixture.h"
#include "tests/cursors/XvfbServer.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>

#include <X11/cursorfont.h>
#include <X11/extensions/Xfixes.h>
#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>

namespace kestrom {
namespace {

using test::InstallEverywhere;
using test::MakeCursor;
using test::XvfbServer;

struct Shown {
    std::string name;
    unsigned xhot = 0;
    unsigned yhot = 0;
    unsigned long firstPixel = 0;
};

// What the server shows under the pointer.
Shown shownCursor(Display* display) {
    XSync(display, False);
    Shown shown;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image)
        return shown;
    shown.name = image->name ? image->name : "";
    shown.xhot = image->xhot;
    shown.yhot = image->yhot;
    shown.firstPixel = image->pixels[0] & 0xFFFFFFFFul; // 32 bits in a long, sign-extended
    XFree(image);
    return shown;
}

TEST(LiveCursorSwap, RunningProgramsAndTheRootWindowTakeTheNewCursorsAtOnce) {
    if (!XvfbServer::Installed())
        GTEST_SKIP() << "Xvfb is not installed (scripts/install-deps.sh installs it)";
    XvfbServer server;
    ASSERT_TRUE(server.Start());
    ::setenv("DISPLAY", server.Display().toLocal8Bit().constData(), 1);
    ::setenv("XCURSOR_SIZE", "32", 1);

    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    // A running program's window with the core "hand2" cursor, the pointer inside it.
    const Window root = DefaultRootWindow(display);
    const Window window = XCreateSimpleWindow(display, root, 0, 0, 320, 240, 0, 0, 0);
    const Cursor hand = XCreateFontCursor(display, XC_hand2);
    XFixesSetCursorName(display, hand, "hand2");
    XDefineCursor(display, window, hand);
    XMapRaised(display, window);
    XWarpPointer(display, None, root, 0, 0, 0, 0, 100, 100);
    const Shown before = shownCursor(display);
    ASSERT_EQ(before.name, "hand2");

    InstallEverywhere(std::make_shared<CursorObject>(MakeCursor({32}, {7, 9}, 1, 0, 0xFF123456u)));

    // The program's cursor now is the theme's link cursor, named by its main name.
    const Shown swapped = shownCursor(display);
    EXPECT_EQ(swapped.name, "pointer");
    EXPECT_EQ(swapped.xhot, 7u);
    EXPECT_EQ(swapped.yhot, 9u);
    EXPECT_EQ(swapped.firstPixel, 0xFF123456ul);

    XUnmapWindow(display, window);
    const Shown onRoot = shownCursor(display);
    EXPECT_EQ(onRoot.name, "default");
    EXPECT_EQ(onRoot.xhot, 7u);
    EXPECT_EQ(onRoot.firstPixel, 0xFF123456ul);

    // A second install frees what the first one left in the server and swaps again.
    InstallEverywhere(std::make_shared<CursorObject>(MakeCursor({32}, {3, 2}, 1, 0, 0xFF654321u)));
    const Shown again = shownCursor(display);
    EXPECT_EQ(again.name, "default");
    EXPECT_EQ(again.xhot, 3u);
    EXPECT_EQ(again.firstPixel, 0xFF654321ul);

    QProcess xrdb;
    xrdb.start(QStringLiteral("xrdb"), {QStringLiteral("-query")});
    ASSERT_TRUE(xrdb.waitForFinished(5000));
    EXPECT_TRUE(xrdb.readAllStandardOutput().contains("Xcursor.theme:\tKestrom"));
    XCloseDisplay(display);
}

} // namespace
} // namespace kestrom
