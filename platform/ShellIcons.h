#pragma once

#include "platform/IconObject.h"

#include <QByteArray>
#include <QString>

namespace kestrom {

// The shell's icon of a file (a Windows path): with index 0, the icon of an .ico or .cur file
// (every size, the standard-size one first), the first frame of an .ani file, or the first
// icon group of a PE or NE module. Null for any other file or index.
HICON ExtractIconA(const QString& fileName, unsigned index);

class ShellIcons {
public:
    static HICON fromBytes(const QByteArray& bytes);
};

} // namespace kestrom
