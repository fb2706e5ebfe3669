#include "cursors/LiveCursorSwap.h"

#include <X11/extensions/Xfixes.h>
#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>

namespace kestrom {

namespace {

void swapName(Display* display, const QByteArray& name) {
    const Cursor cursor = XcursorLibraryLoadCursor(display, name.constData());
    if (cursor == 0)
        return;
    XFixesSetCursorName(display, cursor, name.constData());
    XFixesChangeCursorByName(display, cursor, name.constData());
    XFreeCursor(display, cursor);
}

} // namespace

bool LiveCursorSwap::Swap(const QString& theme, const QStringList& names) {
    if (qEnvironmentVariable("DISPLAY").isEmpty())
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    const bool fixes = XFixesQueryExtension(display, &eventBase, &errorBase) != 0;
    if (fixes) {
        const QByteArray themeName = theme.toUtf8();
        XcursorSetTheme(display, themeName.constData());
        for (const QString& name : names)
            swapName(display, name.toUtf8());
        const Cursor arrow = XcursorLibraryLoadCursor(display, "left_ptr");
        if (arrow != 0) {
            XFixesSetCursorName(display, arrow, "left_ptr");
            XDefineCursor(display, DefaultRootWindow(display), arrow);
            XFreeCursor(display, arrow);
        }
        XSync(display, False);
    }
    XCloseDisplay(display);
    return fixes;
}

} // namespace kestrom
