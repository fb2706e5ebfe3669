#include "controls/TGraphicControl.h"

#include "controls/PaletteModule.h"
#include "controls/TWinControl.h"

namespace kestrom {

namespace {

// Unbinds the canvas again even when Paint throws.
class ContextGuard {
public:
    explicit ContextGuard(TCanvas& canvas) : canvas_(canvas) {}
    ~ContextGuard() { canvas_.SetDevice(nullptr); }
    ContextGuard(const ContextGuard&) = delete;
    ContextGuard& operator=(const ContextGuard&) = delete;

private:
    TCanvas& canvas_;
};

} // namespace

LogicalPalette* TGraphicControl::GetPalette() const {
    return SharedPalette();
}

void TGraphicControl::PaintMessage(QPaintDevice* context) {
    if (context == nullptr)
        return;
    ContextGuard guard(canvas_);
    canvas_.SetDevice(context);
    canvas_.SetOrigin(QPoint(Left(), Top()));
    RealizeSharedPalette(SharedPalette(), PaletteUse() == TPaletteUse::puBackground);
    Paint();
}

void TGraphicControl::Repaint() {
    if (OnRepaint) {
        OnRepaint();
        return;
    }
    if (Parent() != nullptr && !Parent()->Surface().isNull())
        PaintMessage(&Parent()->Surface());
}

} // namespace kestrom
