#pragma once

#include <QImage>

namespace kestrom {

// The pattern bitmap resource "P" + Number (":/kestrom/P<n>.bmp"); a null image when the
// program has no such resource.
QImage PatternResource(int number);

} // namespace kestrom
