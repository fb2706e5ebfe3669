#pragma once

#include "controls/TGraphicControl.h"

namespace kestrom {

// The base of the shape and image controls: a control with its own canvas on the parent's
// surface and a Paint that draws nothing.
class TZudGraphicControl : public TGraphicControl {
public:
    TZudGraphicControl() = default;
    void Paint() override {}
};

} // namespace kestrom
