#include "main/InstallCommand.h"

#include "cursors/CursorRoles.h"
#include "cursors/CursorSchemes.h"
#include "cursors/CursorWorkspace.h"
#include "cursors/ExistingFile.h"
#include "cursors/SystemArtwork.h"
#include "cursors/SystemCursorValues.h"
#include "cursors/XcursorThemeInstaller.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "main/TerminalPrompt.h"
#include "platform/ERegistryError.h"
#include "platform/WinPath.h"

#include <QFileInfo>

#include <utility>
#include <vector>

namespace kestrom {

namespace {

const QString kUsage = QStringLiteral(
    "Usage: kestrom install [--scheme NAME] [--role SLOT=FILE]... [--restore SLOT]... [--yes]\n");

bool parseSlot(const QString& text, int& slot) {
    bool ok = false;
    slot = text.toInt(&ok);
    return ok && slot >= 1 && slot <= CursorRoles::kCount;
}

// A file named on the command line: a host path (relative to the current folder) or a
// Windows path.
QString windowsPathOf(const QString& file) {
    if (file.startsWith(u'/'))
        return WinPath::fromUserInput(file);
    if (QFileInfo::exists(file))
        return WinPath::fromHost(QFileInfo(file).absoluteFilePath());
    return file;
}

} // namespace

struct InstallCommand::Options {
    QString scheme;
    bool hasScheme = false;
    std::vector<std::pair<int, QString>> files;
    std::vector<int> restores;
    bool yes = false;
};

bool InstallCommand::parse(const QStringList& args, Options& options, Console& console) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        int slot = 0;
        if (arg == QStringLiteral("--yes")) {
            options.yes = true;
        } else if (arg == QStringLiteral("--scheme") && hasValue) {
            options.scheme = args[++i];
            options.hasScheme = true;
        } else if (arg == QStringLiteral("--role") && hasValue) {
            const QString value = args[++i];
            const qsizetype eq = value.indexOf(u'=');
            if (eq < 0 || !parseSlot(value.left(eq), slot)) {
                console.writeErr(QStringLiteral("kestrom: --role needs SLOT=FILE with a slot "
                                                "from 1 to 15, not \"%1\"\n%2")
                                     .arg(value, kUsage));
                return false;
            }
            options.files.emplace_back(slot, windowsPathOf(value.mid(eq + 1)));
        } else if (arg == QStringLiteral("--restore") && hasValue && parseSlot(args[i + 1], slot)) {
            options.restores.push_back(slot);
            ++i;
        } else {
            console.writeErr(kUsage);
            return false;
        }
    }
    return true;
}

bool InstallCommand::changeRoles(const Options& options, CursorWorkspace& workspace,
                                 Console& console) {
    for (const auto& [slot, file] : options.files) {
        workspace.SelectedRow = slot - 1;
        workspace.NewPath = file;
        workspace.NewIcon = workspace.Set().RoleIcon(file, slot);
        if (!workspace.Set().Slot(slot))
            return false;
        workspace.ChangeCursor();
        if (!NamesExistingFile(file))
            console.writeErr(QStringLiteral("kestrom: %1 is not there; role %2 gets its "
                                            "built-in cursor\n")
                                 .arg(file)
                                 .arg(slot));
    }
    for (const int slot : options.restores) {
        workspace.SelectedRow = slot - 1;
        workspace.RestoreDefault();
    }
    return true;
}

int InstallCommand::run(const QStringList& args, Console& console) {
    Options options;
    if (!parse(args, options, console))
        return kExitBadInput;
    SystemArtwork artwork;
    XcursorThemeInstaller target;
    CursorWorkspace workspace(artwork, target);
    SystemCursorValues::ReadSystemCursors(workspace.Set());
    CursorSchemes schemes;
    schemes.ListSchemes();
    schemes.ItemIndex = schemes.Items.isEmpty() ? -1 : 0;
    schemes.SelectByName(SystemCursorValues::ReadActiveScheme());
    if (options.hasScheme) {
        const int before = schemes.ItemIndex;
        schemes.ItemIndex = -1;
        schemes.SelectByName(options.scheme);
        if (schemes.ItemIndex < 0) {
            schemes.ItemIndex = before;
            console.writeErr(QStringLiteral("kestrom: no scheme \"%1\"\n").arg(options.scheme));
            return kExitNothing;
        }
        schemes.LoadScheme(schemes.ItemIndex, workspace.Set());
    }
    if (!changeRoles(options, workspace, console))
        return kExitBadInput;
    TerminalPrompt prompt(console, options.yes);
    try {
        if (!workspace.Install(prompt, schemes.Text())) {
            console.writeErr(QStringLiteral("kestrom: nothing installed\n"));
            return kExitNothing;
        }
    } catch (const ERegistryError& e) {
        console.writeErr(QStringLiteral("kestrom: %1\n").arg(e.message()));
        return kExitBadInput;
    }
    if (!target.LastFlushWrote())
        console.writeErr(QStringLiteral("kestrom: the cursors are in the registry, but the "
                                        "cursor theme could not be written\n"));
    return kExitDone;
}

} // namespace kestrom
