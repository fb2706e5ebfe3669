#include "controls/PlayAniSource.h"

#include "formats/PlayAni.h"
#include "platform/TBitmap.h"

namespace kestrom {

void PlayAniSource::Load(const QString& file) {
    steps_ = LoadAniSteps(file);
}

void PlayAniSource::DrawNext(const QImage& backdrop, const QString& file, std::int32_t& counter,
                             TCanvas& canvas, int x, int y) {
    if (!steps_)
        return;
    TBitmap behind(backdrop);
    DrawNextAniStep(behind, file, counter, steps_.get(), canvas, x, y, false);
}

} // namespace kestrom
