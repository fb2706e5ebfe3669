#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// The program's command line: a thin front that hands each command to its module.
class CommandLine {
public:
    // args without the program name; returns the exit code.
    static int run(const QStringList& args, Console& console);
    static QString helpText();
};

} // namespace kestrom
