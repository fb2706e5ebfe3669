#include "cursors/CursorSet.h"

#include "cursors/CursorArtwork.h"
#include "cursors/CursorRoles.h"
#include "cursors/ExistingFile.h"
#include "settings/TRegIniFile.h"

#include <exception>

namespace kestrom {

CursorSet::CursorSet(CursorArtwork& artwork) : artwork_(artwork) {}

CursorSet::~CursorSet() {
    Clear();
}

void CursorSet::Clear() {
    // Unlinked one by one, so a long chain never recurses.
    while (first_)
        first_ = std::move(first_->Next);
}

IconRec& CursorSet::Append() {
    auto record = std::make_unique<IconRec>();
    record->Name = QStringLiteral("Icon");
    IconRec* raw = record.get();
    if (!first_) {
        first_ = std::move(record);
        return *raw;
    }
    IconRec* last = first_.get();
    while (last->Next)
        last = last->Next.get();
    last->Next = std::move(record);
    ++first_->Count;
    return *raw;
}

void CursorSet::AddRole(const QString& text, int slot) {
    IconRec& record = Append();
    try {
        Fill(record, text, slot);
    } catch (const std::exception&) {
        // A role that cannot be read keeps what it has; the set always holds every slot.
    }
}

void CursorSet::Fill(IconRec& record, const QString& text, int slot) const {
    QString path = text;
    record.IconNumber = slot;
    const qsizetype comma = text.indexOf(u',');
    if (comma >= 0) {
        path = text.left(comma);
        if (!path.isEmpty()) {
            int number = 0;
            record.IconNumber =
                TRegIniFile::ParseInteger(text.mid(comma + 1), &number) ? number : 0;
        }
    }
    record.DefaultPath.clear();
    record.Path = path;
    QString unquoted = path;
    unquoted.remove(u'"');
    record.Icon = RoleIcon(unquoted, slot);
    record.Name = CursorRoles::bySlot(slot).name;
}

HICON CursorSet::RoleIcon(const QString& path, int slot) const {
    if (NamesExistingFile(path))
        return artwork_.FileIcon(path);
    return artwork_.BuiltInIcon(QStringLiteral("icon_%1").arg(slot));
}

IconRec* CursorSet::Row(int row) const {
    if (row < 0)
        return nullptr;
    IconRec* record = first_.get();
    for (int i = 0; record && i < row; ++i)
        record = record->Next.get();
    return record;
}

int CursorSet::Size() const {
    int n = 0;
    for (IconRec* r = first_.get(); r; r = r->Next.get())
        ++n;
    return n;
}

} // namespace kestrom
