#pragma once

#include "formats/AniStep.h"

#include <QString>

class QIODevice;

namespace kestrom {

class TBitmap;
class TCanvas;

// The animated cursor FileName as a chain of steps; none when no file of that name exists,
// when it is no animated cursor the walk can follow, or when a frame does not decode. With a
// Source, its bytes from position 0 are read instead (FileName must still exist).
AniChain LoadAniSteps(const QString& FileName, QIODevice* Source = nullptr);

// Draws the step Counter names (the first one, once Counter is past the chain's end) over the
// top-left 32 x 32 pixels of Backdrop into the 32 x 32 square at (X, Y) of Canvas, and moves
// Counter on. Does nothing when no file is named FileName.
void DrawNextAniStep(TBitmap& Backdrop, const QString& FileName, std::int32_t& Counter,
                     const AniStep* Steps, TCanvas& Canvas, int X, int Y, bool DrawFrame);

} // namespace kestrom
