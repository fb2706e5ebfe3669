#include "cursors/CursorWorkspace.h"

#include "cursors/CursorArtwork.h"
#include "cursors/CursorRoles.h"
#include "cursors/ExistingFile.h"
#include "cursors/SystemCursorTarget.h"
#include "cursors/UserPrompt.h"
#include "settings/TRegIniFile.h"

#include <exception>

namespace kestrom {

const QString CursorWorkspace::kInstallQuestion =
    QStringLiteral("Are you sure you want to Install the cursors as the Windows default?");

CursorWorkspace::CursorWorkspace(CursorArtwork& artwork, SystemCursorTarget& target)
    : artwork_(artwork), target_(target), set_(artwork) {}

void CursorWorkspace::Changed() {
    if (OnSetChanged)
        OnSetChanged();
}

void CursorWorkspace::ChangeCursor() {
    IconRec* role = set_.Row(SelectedRow);
    if (!role)
        return;
    role->Icon = NewIcon;
    SelectedIcon = NewIcon;
    SelectedPath = NewPath;
    role->Path = NewPath;
    Changed();
}

void CursorWorkspace::RestoreDefault() {
    IconRec* role = set_.Row(SelectedRow);
    if (!role)
        return;
    role->Icon = set_.RoleIcon(role->DefaultPath, SelectedRow + 1);
    SelectedIcon = role->Icon;
    role->Path = role->DefaultPath;
    SelectedPath = role->DefaultPath;
    Changed();
}

bool CursorWorkspace::Install(UserPrompt& prompt, const QString& schemeName) {
    if (!prompt.AskYesNo(kInstallQuestion))
        return false;
    try {
        InstallRoles();
    } catch (...) {
        target_.Flush(); // the roles written before the failure are applied all the same
        throw;
    }
    target_.Flush();
    TRegIniFile(QStringLiteral("control panel\\"))
        .WriteString(QStringLiteral("cursors"), QString(), schemeName);
    return true;
}

void CursorWorkspace::InstallRoles() {
    TRegIniFile ini(QStringLiteral("control panel"));
    for (int slot = 1; slot <= CursorRoles::kCount; ++slot) {
        const IconRec* record = set_.Slot(slot);
        if (!record)
            break;
        const CursorRole& role = CursorRoles::bySlot(slot);
        ini.WriteString(QStringLiteral("Cursors"), role.valueName, record->Path);
        if (role.systemCursor == 0)
            continue;
        if (const HCURSOR cursor = CursorFor(*record, slot))
            target_.SetSystemCursor(cursor, role.systemCursor);
    }
}

HCURSOR CursorWorkspace::CursorFor(const IconRec& record, int slot) const {
    try {
        if (NamesExistingFile(record.Path))
            return artwork_.FileCursor(record.Path);
        return artwork_.BuiltInCursor(CursorRoles::builtInCursorName(slot));
    } catch (const std::exception&) {
        return nullptr; // a cursor that does not load leaves the system cursor as it was
    }
}

} // namespace kestrom
