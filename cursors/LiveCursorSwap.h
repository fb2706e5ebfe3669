#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kestrom {

// On a running X display ($DISPLAY), replaces every cursor of the given names with the one the
// theme now holds (XFixes), so running programs change at once, and gives the root window the
// theme's arrow. False when there is no display or it lacks XFixes.
class LiveCursorSwap {
public:
    // One list of names per role, the role's main name first.
    static bool Swap(const QString& theme, const std::vector<QStringList>& roles);
};

} // namespace kestrom
