#include "main/CommandLine.h"

#include "main/AniCommand.h"
#include "main/Console.h"
#include "main/CursorCommands.h"
#include "main/ExitCode.h"
#include "main/IconsCommand.h"
#include "main/InstallCommand.h"
#include "main/LibraryCommand.h"
#include "main/ListCommand.h"
#include "main/RegCommand.h"
#include "main/SearchCommand.h"

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
        "  search [--mask MASK] [--windows-paths] FOLDER\n"
        "                           search FOLDER and every folder below it for files\n"
        "                           matching MASK (default \"*.Ani *.Cur\"), one per line\n"
        "  list [--mask MASK] [--details] [--sort name|type|size|date] [--inverted]\n"
        "       [--show-system] [--tree] [--windows-paths] FOLDER\n"
        "                           FOLDER as the file list shows it: kind letter and\n"
        "                           name (and size, date, time, attributes; the Windows\n"
        "                           path), then the count, total size and result code\n"
        "  roles                    the fifteen cursor roles: slot, name, registry value, path\n"
        "  schemes                  the cursor schemes' names\n"
        "  scheme show NAME         each position of a scheme: its role and its file\n"
        "  scheme save NAME         keep the current cursors as scheme NAME\n"
        "  scheme delete NAME       delete scheme NAME (never the only one)\n"
        "  install [--scheme NAME] [--role SLOT=FILE]... [--restore SLOT]... [--yes]\n"
        "                           make the cursor set the desktop's cursors: the current\n"
        "                           set, scheme NAME loaded, FILE given to role SLOT, SLOT\n"
        "                           back to its default; asks first unless --yes\n"
        "\n"
        "Options:\n"
        "  --help                   show this help\n"
        "  --version                show the version\n"
        "\n"
        "KEY starts with HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE, e.g.\n"
        "  \"HKEY_CURRENT_USER\\Control Panel\\Cursors\"\n"
        "\n"
        "Exit codes: 0 done, 1 nothing found or nothing to do, 2 bad usage or bad input.\n");
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
    if (first == QStringLiteral("search"))
        return SearchCommand::run(args.mid(1), console);
    if (first == QStringLiteral("list"))
        return ListCommand::run(args.mid(1), console);
    if (first == QStringLiteral("roles"))
        return CursorCommands::roles(args.mid(1), console);
    if (first == QStringLiteral("schemes"))
        return CursorCommands::schemes(args.mid(1), console);
    if (first == QStringLiteral("scheme"))
        return CursorCommands::scheme(args.mid(1), console);
    if (first == QStringLiteral("install"))
        return InstallCommand::run(args.mid(1), console);
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
