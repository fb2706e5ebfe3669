#include "cursors/SchemeText.h"

#include "cursors/CursorRoles.h"
#include "cursors/CursorSet.h"
#include "cursors/ExistingFile.h"

#include <QStringList>

namespace kestrom {

QString SchemeText::Build(const CursorSet& set) {
    QString text;
    for (int position = 1; position <= CursorRoles::kCount; ++position) {
        const IconRec* role = set.Slot(CursorRoles::slotOfPosition(position));
        if (role && NamesExistingFile(role->Path))
            text += role->Path;
        text += u',';
    }
    return text;
}

bool SchemeText::Apply(const QString& text, CursorSet& set) {
    if (text.isEmpty())
        return false;
    const QStringList entries = text.split(u',');
    for (qsizetype i = 0; i < entries.size() && i < CursorRoles::kCount; ++i) {
        const int slot = CursorRoles::slotOfPosition(static_cast<int>(i + 1));
        IconRec* role = slot == 0 ? nullptr : set.Slot(slot);
        if (!role)
            continue;
        role->Icon = set.RoleIcon(entries[i], slot);
        role->DefaultPath = entries[i];
        role->Path = entries[i];
    }
    return true;
}

} // namespace kestrom
