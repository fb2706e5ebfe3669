#pragma once

#include "controls/TAniSource.h"
#include "formats/AniStep.h"

namespace kestrom {

// A button's animation played by the launch buttons' animated-cursor reader and player.
class PlayAniSource : public TAniSource {
public:
    void Load(const QString& file) override;
    void DrawNext(const QImage& backdrop, const QString& file, std::int32_t& counter,
                  TCanvas& canvas, int x, int y) override;

private:
    AniChain steps_;
};

} // namespace kestrom
