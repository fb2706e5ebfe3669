#pragma once

#include "platform/IconObject.h"

#include <QByteArray>
#include <QString>

namespace kestrom {

// A cursor from an .ani, .cur or .ico file (a Windows path); null when it cannot be read.
// A still cursor is one step with every size; an animated one has a step per display step.
HCURSOR LoadCursorFromFileA(const QString& fileName);
// One of the program's own cursors, by resource name without regard to case; null when the
// program has none of that name.
HCURSOR LoadCursorA(const QString& resourceName);

// The cursor in a file image, as LoadCursorFromFileA reads it.
class CursorLoader {
public:
    static HCURSOR fromBytes(const QByteArray& bytes);
    // The resource path (":/kestrom/NAME.ext") of a resource name, or empty.
    static QString resourcePath(const QString& resourceName);
};

} // namespace kestrom
