#include "filelist/TSortedListBox.h"

#include <algorithm>

namespace kestrom {

int TSortedListBox::AddString(const QString& text) {
    if (Count() >= ItemLimit)
        throw EListBoxError("The list cannot hold more items");
    const int index = sorted_ ? items_.lowerBound(text) : Count();
    items_.insert(index, text);
    itemInserted(index);
    return index;
}

void TSortedListBox::PutString(int index, const QString& text) {
    items_.replace(index, text);
}

void TSortedListBox::DeleteString(int index) {
    if (index < 0 || index >= Count())
        return;
    items_.remove(index);
    itemRemoved(index);
}

void TSortedListBox::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
}

void TSortedListBox::SetSorted(bool on) {
    if (on == sorted_)
        return;
    sorted_ = on;
    if (on)
        items_.sortAll();
}

void TSortedListBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < Count()) ? index : -1;
}

void TSortedListBox::SetTopIndex(int index) {
    topIndex_ = std::clamp(index, 0, std::max(0, Count() - 1));
}

void TSortedListBox::SetSelected(int index, bool on) {
    if (index < 0 || index >= Count())
        return;
    if (!MultiSelect) {
        // A single-selection box has its one selected item in ItemIndex.
        if (on)
            itemIndex_ = index;
        else if (itemIndex_ == index)
            itemIndex_ = -1;
        return;
    }
    items_.setSelected(index, on);
}

void TSortedListBox::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
}

void TSortedListBox::itemInserted(int index) {
    if (itemIndex_ >= index)
        ++itemIndex_;
}

void TSortedListBox::itemRemoved(int index) {
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, Count() - 1));
}

} // namespace kestrom
