#include "cursors/SystemCursorValues.h"

#include "cursors/CursorRoles.h"
#include "cursors/CursorSet.h"
#include "platform/ERegistryError.h"
#include "settings/TRegIniFile.h"

namespace kestrom {

namespace {

QString readOrEmpty(const TRegIniFile& ini, const QString& section, const QString& ident) {
    try {
        return ini.ReadString(section, ident, QString());
    } catch (const ERegistryError&) {
        return {}; // a value of another type is no cursor path; start-up reads never fail
    }
}

} // namespace

void SystemCursorValues::ReadSystemCursors(CursorSet& set) {
    const TRegIniFile ini(QStringLiteral("control panel"));
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        const QString text =
            readOrEmpty(ini, QStringLiteral("Cursors"), CursorRoles::bySlot(slot).valueName);
        set.AddRole(text + QStringLiteral(",0"), slot);
    }
}

QString SystemCursorValues::ReadRoleValue(int slot) {
    const TRegIniFile ini(QStringLiteral("control panel"));
    return readOrEmpty(ini, QStringLiteral("Cursors"), CursorRoles::bySlot(slot).valueName);
}

QString SystemCursorValues::ReadActiveScheme() {
    const TRegIniFile ini(QStringLiteral("control panel\\"));
    return readOrEmpty(ini, QStringLiteral("cursors"), QString());
}

} // namespace kestrom
