#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "list [options] FOLDER": a folder as the file list shows it.
class ListCommand {
public:
    static int run(const QStringList& args, Console& console);
};

} // namespace kestrom
