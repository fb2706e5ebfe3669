#include "cursors/SystemArtwork.h"

#include "platform/CursorLoader.h"
#include "platform/ShellIcons.h"

#include <QFile>

namespace kestrom {

namespace {

constexpr qint64 kResourceLimit = 1024 * 1024; // the built-in images are a few KiB

} // namespace

HICON SystemArtwork::FileIcon(const QString& fileName) {
    return ExtractIconA(fileName, 0);
}

HICON SystemArtwork::BuiltInIcon(const QString& resourceName) {
    QFile resource(CursorLoader::resourcePath(resourceName));
    if (!resource.open(QIODevice::ReadOnly))
        return nullptr;
    return ShellIcons::fromBytes(resource.read(kResourceLimit));
}

HCURSOR SystemArtwork::FileCursor(const QString& fileName) {
    return LoadCursorFromFileA(fileName);
}

HCURSOR SystemArtwork::BuiltInCursor(const QString& resourceName) {
    return LoadCursorA(resourceName);
}

} // namespace kestrom
