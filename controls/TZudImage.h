#pragma once

#include "controls/TPicture.h"
#include "controls/TZudGraphicControl.h"

namespace kestrom {

// A picture, optionally stretched, centred or tiled; Transparent replaces the picture's key
// colour (its pixel at (0, 0)) by the parent's colour.
class TZudImage : public TZudGraphicControl {
public:
    TZudImage();

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Tile() const { return tile_; }
    void SetTile(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    const TPicture& Picture() const { return picture_; }
    void SetPicture(const TPicture& picture) { picture_.Assign(picture); }

    // Whether the parent need not paint behind the control.
    bool Opaque() const { return opaque_; }

    void Paint() override;

protected:
    TPaletteUse PaletteUse() const override { return TPaletteUse::puBackground; }

private:
    void pictureChanged();
    QImage workBitmap(TColor background) const;

    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool tile_ = false;
    bool transparent_ = false;
    bool opaque_ = false;
    TPicture picture_;
};

} // namespace kestrom
