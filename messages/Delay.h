#pragma once

namespace kestrom {

// Returns after at least that many milliseconds of the tick count, or once the counter
// wraps; the wait is busy and handles no messages.
void Delay(int milliseconds);

} // namespace kestrom
