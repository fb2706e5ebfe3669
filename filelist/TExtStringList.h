#pragma once

#include <QString>
#include <QStringList>

namespace kestrom {

// A string list that finds the first string containing a text.
class TExtStringList : public QStringList {
public:
    using QStringList::QStringList;
    // Index of the first string (from 0 upward) that contains text, -1 if none.
    int FindContaining(const QString& text) const;
};

} // namespace kestrom
