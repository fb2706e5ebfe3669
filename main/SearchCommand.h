#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "search [--mask MASK] [--windows-paths] FOLDER": the Search view's search, printing every
// hit its results list would receive.
class SearchCommand {
public:
    static int run(const QStringList& args, Console& console);
};

} // namespace kestrom
