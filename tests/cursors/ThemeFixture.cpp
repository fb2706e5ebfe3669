#include "tests/cursors/ThemeFixture.h"

#include "cursors/CursorThemeFolder.h"
#include "cursors/XcursorNames.h"
#include "cursors/XcursorThemeInstaller.h"

#include <QFile>

#include <X11/Xcursor/Xcursor.h>

namespace kestrom::test {

void XcursorImagesDeleter::operator()(_XcursorImages* images) const {
    XcursorImagesDestroy(images);
}

XcursorImagesPtr LoadThemeCursor(const QString& name, int size) {
    return XcursorImagesPtr(XcursorLibraryLoadImages(name.toUtf8().constData(), "Kestrom", size));
}

QString ThemeCursorPath(const QString& name) {
    return CursorThemeFolder::ThemeFolder() + QStringLiteral("/cursors/") + name;
}

void InstallEverywhere(const HCURSOR& cursor) {
    XcursorThemeInstaller installer;
    for (const int id : XcursorNames::SystemCursors())
        installer.SetSystemCursor(cursor, id);
    installer.Flush();
}

} // namespace kestrom::test
