#pragma once

#include "controls/LogicalPalette.h"
#include "controls/TControl.h"
#include "platform/TCanvas.h"

#include <QPaintDevice>

namespace kestrom {

enum class TPaletteUse { puForeground, puBackground };

// A windowless control: it paints on its parent's surface through a canvas whose origin is
// the control's top-left corner, so that clip regions are given in the parent's pixels.
class TGraphicControl : public TControl {
public:
    TGraphicControl() = default;

    TCanvas& Canvas() { return canvas_; }
    // The palette the control draws with: the shared palette.
    LogicalPalette* GetPalette() const;

    // The paint message: a drawing context (the parent's surface) to paint on; none is
    // ignored. The canvas gives the context back whatever happens.
    void PaintMessage(QPaintDevice* context);
    // Paints at once on the parent's surface (or through OnRepaint when embedded).
    void Repaint() override;

    virtual void Paint() = 0;

protected:
    // How the paint message selects the shared palette.
    virtual TPaletteUse PaletteUse() const { return TPaletteUse::puForeground; }

private:
    TCanvas canvas_;
};

} // namespace kestrom
