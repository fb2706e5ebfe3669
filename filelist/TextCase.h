#pragma once

#include "filelist/FileListTypes.h"

#include <QString>

namespace kestrom {

// How the file list writes the names it lists.
class TextCase {
public:
    // tcAuto lower-cases the name, then upper-cases its first character and every character
    // that follows a single space or a backslash.
    static QString Apply(const QString& name, TTreeTextCase textCase);

    // The case of volume labels, shared by every list: the last TextCase assigned to any of
    // them (tcAuto until then).
    static TTreeTextCase LabelCase();
    static void SetLabelCase(TTreeTextCase textCase);
};

} // namespace kestrom
