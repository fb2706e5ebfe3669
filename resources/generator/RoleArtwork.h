#pragma once

#include <QImage>

namespace kestrom {

// The built-in picture of each cursor role, drawn from vector shapes: 32 x 32, black outlines
// on white, as the standard cursors look.
class RoleArtwork {
public:
    static constexpr int kSide = 32;

    static QImage Draw(int slot);
};

} // namespace kestrom
