#pragma once

#include <QString>
#include <QStringList>

namespace kestrom {

// Where cursor schemes live: the sub-key "Schemes" of the machine-wide cursors key when that
// opens with full access, otherwise of the per-user one. A scheme is a value: its name is the
// value name, its text the data.
class SchemeStore {
public:
    static const QString kMachineKey;
    static const QString kUserKey;

    // The scheme names in listing order; schemesInUserKey tells the place they came from, and
    // is set when neither place is there, so that a first scheme can be saved.
    static QStringList List(bool& schemesInUserKey);
    // The stored text of name, looked up in whichever place opens first; empty when none.
    static QString ReadText(const QString& name);
    // Writes or deletes in the place schemesInUserKey names; false when that place did not
    // open. A failed write raises ERegistryError.
    static bool Write(bool schemesInUserKey, const QString& name, const QString& text);
    static bool Delete(bool schemesInUserKey, const QString& name);
};

} // namespace kestrom
