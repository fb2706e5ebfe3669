#pragma once

#include <QStringList>

namespace kestrom {

class Console;
class CursorWorkspace;

// "install [--scheme NAME] [--role SLOT=FILE]... [--restore SLOT]... [--yes]": the current set,
// the named scheme loaded into it, each FILE given to its role with "Change Cursor", the named
// roles restored, then "Install".
class InstallCommand {
public:
    static int run(const QStringList& args, Console& console);

private:
    struct Options;
    static bool parse(const QStringList& args, Options& options, Console& console);
    static bool changeRoles(const Options& options, CursorWorkspace& workspace, Console& console);
};

} // namespace kestrom
