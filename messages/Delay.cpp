#include "messages/Delay.h"

#include "platform/SystemClock.h"

#include <cstdint>

namespace kestrom {

void Delay(int milliseconds) {
    const std::uint32_t start = GetTickCount();
    const std::uint64_t until = static_cast<std::uint64_t>(start) +
                                static_cast<std::uint64_t>(milliseconds < 0 ? 0 : milliseconds);
    for (;;) {
        const std::uint32_t now = GetTickCount();
        if (now >= until || now < start)
            return;
    }
}

} // namespace kestrom
