#pragma once

#include <QString>

namespace kestrom {

class CursorSet;

// A scheme text: fifteen entries separated by ",", in scheme position order.
class SchemeText {
public:
    // Every entry followed by ",": the role's path when it names an existing file, else empty.
    static QString Build(const CursorSet& set);
    // Gives each role of a listed position its entry as default and current path; positions
    // past 15 are ignored, roles of missing positions keep theirs. False for an empty text,
    // which changes nothing.
    static bool Apply(const QString& text, CursorSet& set);
};

} // namespace kestrom
