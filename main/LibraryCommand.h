#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "library FILE": loads a cursor library into numbered files, one per role slot.
class LibraryCommand {
public:
    static int run(const QStringList& args, Console& console);
};

} // namespace kestrom
