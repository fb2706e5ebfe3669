#pragma once

#include <ctime>

namespace kestrom {

// A time as a packed DOS date-time in local time: date in the high word
// ((year - 1980) << 9 | month << 5 | day), time in the low word (hour << 11 | minute << 5 |
// second / 2). Times outside 1980 to 2107 are clamped to the nearest end.
int packDosDateTime(std::time_t when);

} // namespace kestrom
