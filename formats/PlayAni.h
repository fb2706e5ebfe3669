#pragma once

#include "formats/AniStep.h"

#include <QString>

class QIODevice;

namespace kestrom {

// The animated cursor FileName as a chain of steps; none when no file of that name exists,
// when it is no animated cursor the walk can follow, or when a frame does not decode. With a
// Source, its bytes from position 0 are read instead (FileName must still exist).
AniChain LoadAniSteps(const QString& FileName, QIODevice* Source = nullptr);

} // namespace kestrom
