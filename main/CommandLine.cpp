#include "main/CommandLine.h"

#include "main/AniCommand.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "main/IconsCommand.h"
#include "main/LibraryCommand.h"
#include "main/RegCommand.h"

namespace kestrom {

QString CommandLine::helpText() {
    return QStringLiteral(
        "Kestrom " KESTROM_VERSION " - a manager for Windows mouse cursors\n"
        "\n"
        "Usage: kestrom [COMMAND]\n"
        "\n"
        "Commands:\n"
        "  ani FILE                 the steps of an animated cursor as the launch bar plays\n"
        "                           them, then the number of frames\n"
        "  icons FILE [--extract N OUT.ico]\n"
        "                           the icon groups and images of a PE or NE module; with\n"
        "                           --extract, image N (counted over all groups from 0) as\n"
        "                           an icon file\n"
        "  library FILE             load a cursor library: each image into a new numbered\n"
        "                           file, printed by role slot\n"
        "  reg export [KEY] [FILE]  write the settings store, or KEY with its sub-keys,\n"
        "                           as REGEDIT4 text to FILE (default: standard output)\n"
        "  reg import FILE          read a .reg file (REGEDIT4 or version 5.00) into the\n"
        "                           settings store; FILE - reads standard input\n"
        "\n"
        "Options:\n"
        "  --help                   show this help\n"
        "  --version                show the version\n"
        "\n"
        "KEY starts with HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE, e.g.\n"
        "  \"HKEY_CURRENT_USER\\Control Panel\\Cursors\"\n"
        "\n"
        "Exit codes: 0 done, 1 nothing found, 2 bad usage or bad input.\n");
}

int CommandLine::run(const QStringList& args, Console& console) {
    const QString first = args.value(0);
    if (args.isEmpty() || first == QStringLiteral("--help") || first == QStringLiteral("-h")) {
        console.writeOut(helpText().toUtf8());
        return kExitDone;
    }
    if (first == QStringLiteral("--version")) {
        console.writeOut(QByteArrayLiteral("kestrom " KESTROM_VERSION "\n"));
        return kExitDone;
    }
    if (first == QStringLiteral("reg"))
        return RegCommand::run(args.mid(1), console);
    if (first == QStringLiteral("ani"))
        return AniCommand::run(args.mid(1), console);
    if (first == QStringLiteral("icons"))
        return IconsCommand::run(args.mid(1), console);
    if (first == QStringLiteral("library"))
        return LibraryCommand::run(args.mid(1), console);
    console.writeErr(
        QStringLiteral("kestrom: unknown command \"%1\"; try kestrom --help\n").arg(first));
    return kExitBadInput;
}

} // namespace kestrom
