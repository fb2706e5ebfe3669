#include "cursors/LiveCursorSwap.h"

#include <X11/extensions/Xfixes.h>
#include <X11/Xatom.h>
#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>

namespace kestrom {

namespace {

// The root window property naming one cursor of the last swap, so that the next swap can free
// the cursors the last one left in the server.
constexpr const char* kOwnerProperty = "_KESTROM_LIVE_CURSORS";

XID previousSwap(Display* display, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XID id = 0;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1, False, XA_CURSOR,
                           &type, &format, &count, &after, &data) == Success &&
        type == XA_CURSOR && format == 32 && count == 1)
        id = static_cast<XID>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return id;
}

// Frees what the last swap kept, when its marker still names one of its cursors.
void freePreviousSwap(Display* display, Atom property) {
    const XID id = previousSwap(display, property);
    if (id == 0)
        return;
    Atom name = None;
    const char* text = XFixesGetCursorName(display, id, &name);
    const bool ours = text && QByteArray(text) == "kestrom-live";
    if (text)
        XFree(const_cast<char*>(text)); // handed over by the library: ours to free
    if (ours)
        XKillClient(display, id);
}

Cursor swapRole(Display* display, const QStringList& names) {
    const QByteArray main = names.first().toUtf8();
    const Cursor cursor = XcursorLibraryLoadCursor(display, main.constData());
    if (cursor == 0)
        return 0;
    for (const QString& name : names)
        XFixesChangeCursorByName(display, cursor, name.toUtf8().constData());
    return cursor;
}

} // namespace

bool LiveCursorSwap::Swap(const QString& theme, const std::vector<QStringList>& roles) {
    if (qEnvironmentVariable("DISPLAY").isEmpty())
        return false;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    int eventBase = 0;
    int errorBase = 0;
    const bool fixes = XFixesQueryExtension(display, &eventBase, &errorBase) != 0;
    if (fixes) {
        const Atom property = XInternAtom(display, kOwnerProperty, False);
        freePreviousSwap(display, property);
        XcursorSetTheme(display, theme.toUtf8().constData());
        bool swapped = false;
        for (const QStringList& names : roles) {
            if (names.isEmpty())
                continue;
            const Cursor cursor = swapRole(display, names);
            swapped = swapped || cursor != 0;
            if (cursor != 0 && names.contains(QStringLiteral("left_ptr")))
                XDefineCursor(display, DefaultRootWindow(display), cursor);
        }
        const Cursor marker = swapped ? XcursorLibraryLoadCursor(display, "left_ptr") : 0;
        if (marker != 0) {
            // The changed cursors keep pointing at these, so they must outlive this connection.
            XFixesSetCursorName(display, marker, "kestrom-live");
            const unsigned long id = marker;
            XChangeProperty(display, DefaultRootWindow(display), property, XA_CURSOR, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&id), 1);
            XSetCloseDownMode(display, RetainPermanent);
        }
        XSync(display, False);
    }
    XCloseDisplay(display);
    return fixes;
}

} // namespace kestrom
