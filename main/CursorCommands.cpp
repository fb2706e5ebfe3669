#include "main/CursorCommands.h"

#include "cursors/CursorRoles.h"
#include "cursors/CursorSchemes.h"
#include "cursors/CursorSet.h"
#include "cursors/SchemeStore.h"
#include "cursors/SystemArtwork.h"
#include "cursors/SystemCursorValues.h"
#include "main/Console.h"
#include "main/ExitCode.h"
#include "main/TerminalPrompt.h"

namespace kestrom {

namespace {

const QString kSchemeUsage = QStringLiteral("Usage: kestrom scheme show NAME\n"
                                            "       kestrom scheme save NAME\n"
                                            "       kestrom scheme delete NAME\n");

QByteArray line(const QStringList& fields) {
    return fields.join(u'\t').toUtf8() + '\n';
}

} // namespace

int CursorCommands::roles(const QStringList& args, Console& console) {
    if (!args.isEmpty()) {
        console.writeErr(QStringLiteral("Usage: kestrom roles\n"));
        return kExitBadInput;
    }
    SystemArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        const CursorRole& role = CursorRoles::bySlot(slot);
        console.writeOut(
            line({QString::number(slot), role.name, role.valueName, set.Slot(slot)->Path}));
    }
    return kExitDone;
}

int CursorCommands::schemes(const QStringList& args, Console& console) {
    if (!args.isEmpty()) {
        console.writeErr(QStringLiteral("Usage: kestrom schemes\n"));
        return kExitBadInput;
    }
    CursorSchemes list;
    list.ListSchemes();
    for (const QString& name : list.Items)
        console.writeOut(name.toUtf8() + '\n');
    return list.Items.isEmpty() ? kExitNothing : kExitDone;
}

int CursorCommands::scheme(const QStringList& args, Console& console) {
    const QString verb = args.value(0);
    if (args.size() != 2) {
        console.writeErr(kSchemeUsage);
        return kExitBadInput;
    }
    if (verb == QStringLiteral("show"))
        return show(args[1], console);
    if (verb == QStringLiteral("save"))
        return save(args[1], console);
    if (verb == QStringLiteral("delete"))
        return remove(args[1], console);
    console.writeErr(
        QStringLiteral("kestrom: unknown scheme command \"%1\"\n%2").arg(verb, kSchemeUsage));
    return kExitBadInput;
}

int CursorCommands::show(const QString& name, Console& console) {
    const QString text = SchemeStore::ReadText(name);
    if (text.isEmpty()) {
        console.writeErr(QStringLiteral("kestrom: no scheme \"%1\"\n").arg(name));
        return kExitNothing;
    }
    const QStringList entries = text.split(u',');
    for (int position = 1; position <= CursorRoles::kCount; ++position) {
        const int slot = CursorRoles::slotOfPosition(position);
        console.writeOut(line({QString::number(position), CursorRoles::bySlot(slot).name,
                               entries.value(position - 1)}));
    }
    return kExitDone;
}

int CursorCommands::save(const QString& name, Console& console) {
    SystemArtwork artwork;
    CursorSet set(artwork);
    SystemCursorValues::ReadSystemCursors(set);
    CursorSchemes list;
    list.ListSchemes();
    TerminalPrompt prompt(console, true, name);
    if (!list.SaveScheme(prompt, set)) {
        if (!name.trimmed().isEmpty())
            console.writeErr(QStringLiteral("kestrom: no place to keep schemes can be opened\n"));
        return kExitBadInput;
    }
    return kExitDone;
}

int CursorCommands::remove(const QString& name, Console& console) {
    CursorSchemes list;
    list.ListSchemes();
    list.SelectByName(name);
    if (list.Text() != name) {
        console.writeErr(QStringLiteral("kestrom: no scheme \"%1\"\n").arg(name));
        return kExitNothing;
    }
    if (list.Items.size() <= 1) {
        console.writeErr(
            QStringLiteral("kestrom: \"%1\" is the only scheme; it is kept\n").arg(name));
        return kExitNothing;
    }
    // Naming the scheme on the command line is the confirmation.
    TerminalPrompt prompt(console, true);
    return list.DeleteScheme(prompt) ? kExitDone : kExitNothing;
}

} // namespace kestrom
