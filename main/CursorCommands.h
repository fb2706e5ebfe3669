#pragma once

#include <QStringList>

namespace kestrom {

class Console;

// "roles", "schemes" and "scheme show|save|delete NAME": the cursor set and the schemes as
// the Cursors and Schemes views hold them.
class CursorCommands {
public:
    static int roles(const QStringList& args, Console& console);
    static int schemes(const QStringList& args, Console& console);
    static int scheme(const QStringList& args, Console& console);

private:
    static int show(const QString& name, Console& console);
    static int save(const QString& name, Console& console);
    static int remove(const QString& name, Console& console);
};

} // namespace kestrom
