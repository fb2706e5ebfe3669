#pragma once

#include "filelist/ItemTree.h"

#include <QString>

#include <stdexcept>

namespace kestrom {

// Raised when the list box refuses another item.
class EListBoxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The behaviour of a sorted list box the file list is built on: items ordered by a
// case-insensitive comparison of their texts, the current and top item, a multiple selection,
// update brackets and the row height the scrolling arithmetic uses.
class TSortedListBox {
public:
    virtual ~TSortedListBox() = default;

    int Count() const { return items_.count(); }
    QString Item(int index) const { return items_.at(index); }
    // Inserts at the sorted place (appends when not Sorted); returns the index. Raises
    // EListBoxError when the list is full.
    int AddString(const QString& text);
    // Puts text at index without sorting, as a list box's string assignment does.
    void PutString(int index, const QString& text);
    void DeleteString(int index);
    void ClearItems();

    bool Sorted() const { return sorted_; }
    // Switching it on sorts every item anew.
    void SetSorted(bool on);

    bool MultiSelect = false;
    // Largest number of items the box accepts; the host's list box has no practical limit.
    int ItemLimit = 0x7FFFFFFF;
    int ItemHeight = 16;
    int Height = 97;
    int Width = 121;
    bool Enabled = true;

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    bool Selected(int index) const {
        return MultiSelect ? items_.selected(index) : index >= 0 && index == itemIndex_;
    }
    void SetSelected(int index, bool on);
    // The number of rows the control shows.
    int VisibleRows() const { return ItemHeight > 0 ? Height / ItemHeight : 0; }

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

private:
    void itemInserted(int index);
    void itemRemoved(int index);

    ItemTree items_;
    bool sorted_ = true;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int updateCount_ = 0;
};

} // namespace kestrom
