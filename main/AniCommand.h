#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "ani FILE": the steps the launch buttons would play from an animated cursor.
class AniCommand {
public:
    static int run(const QStringList& args, Console& console);
};

} // namespace kestrom
