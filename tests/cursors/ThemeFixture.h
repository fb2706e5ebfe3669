#pragma once

#include "platform/IconObject.h"

#include <QString>

#include <memory>

struct _XcursorImages; // X11/Xcursor/Xcursor.h, included last where needed: it defines Bool

namespace kestrom::test {

struct XcursorImagesDeleter {
    void operator()(_XcursorImages* images) const;
};
using XcursorImagesPtr = std::unique_ptr<_XcursorImages, XcursorImagesDeleter>;

// What libXcursor finds for name in the theme "Kestrom" (searching ~/.icons) at size.
XcursorImagesPtr LoadThemeCursor(const QString& name, int size);
// The cursors folder of the installed theme and one of its entries.
QString ThemeCursorPath(const QString& name);
// Installs cursor for every system cursor identifier through the real installer.
void InstallEverywhere(const HCURSOR& cursor);

} // namespace kestrom::test
