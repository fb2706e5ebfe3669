#pragma once

#include "cursors/IconRec.h"

#include <QString>

#include <memory>

namespace kestrom {

class CursorArtwork;

// The fifteen cursor roles in slot order, as a singly linked list of IconRec that owns its
// records.
class CursorSet {
public:
    explicit CursorSet(CursorArtwork& artwork);
    ~CursorSet();
    CursorSet(const CursorSet&) = delete;
    CursorSet& operator=(const CursorSet&) = delete;

    // Appends a record for slot and fills it from text ("path,number" as stored).
    void AddRole(const QString& text, int slot);
    void Clear();

    IconRec* First() const { return first_.get(); }
    // The record at a 0-based list row, following Next row times; null past the last one.
    IconRec* Row(int row) const;
    IconRec* Slot(int slot) const { return Row(slot - 1); }
    int Size() const;

    // The icon a role shows for path: the file's first icon when path names an existing file,
    // otherwise the slot's built-in icon.
    HICON RoleIcon(const QString& path, int slot) const;
    CursorArtwork& Artwork() const { return artwork_; }

private:
    IconRec& Append();
    void Fill(IconRec& record, const QString& text, int slot) const;

    CursorArtwork& artwork_;
    std::unique_ptr<IconRec> first_;
};

} // namespace kestrom
