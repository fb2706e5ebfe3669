#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "reg export [KEY] [FILE]" and "reg import FILE": the settings store as .reg text.
class RegCommand {
public:
    static int run(const QStringList& args, Console& console);

private:
    static int exportKeys(const QStringList& args, Console& console);
    static int importFile(const QStringList& args, Console& console);
};

} // namespace kestrom
