#pragma once

#include <QString>
#include <QStringList>

namespace kestrom {

// On a running X display ($DISPLAY), replaces every cursor of the given names with the one the
// theme now holds (XFixes), so running programs change at once, and gives the root window the
// theme's arrow. False when there is no display or it lacks XFixes.
class LiveCursorSwap {
public:
    static bool Swap(const QString& theme, const QStringList& names);
};

} // namespace kestrom
