#pragma once

#include "platform/TCanvas.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace kestrom {

// The animated-cursor player a button plays on its face: the step chain loaded from a file
// and the drawing of the next step over a backdrop.
class TAniSource {
public:
    virtual ~TAniSource() = default;
    // Loads the chain of File, replacing the current one; an unreadable file gives none.
    virtual void Load(const QString& file) = 0;
    // Draws the step after Counter at (x, y) over Backdrop and advances Counter; draws nothing
    // without a chain.
    virtual void DrawNext(const QImage& backdrop, const QString& file, std::int32_t& counter,
                          TCanvas& canvas, int x, int y) = 0;
};

} // namespace kestrom
