#include "platform/SystemClock.h"

#include <ctime>

namespace kestrom {

namespace {

std::function<std::uint32_t()>& tickSource() {
    static std::function<std::uint32_t()> source;
    return source;
}

unsigned& errorMode() {
    static unsigned mode = 0;
    return mode;
}

} // namespace

std::uint32_t GetTickCount() {
    if (tickSource())
        return tickSource()();
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms);
}

void SetTickCountSource(std::function<std::uint32_t()> source) {
    tickSource() = std::move(source);
}

unsigned SetErrorMode(unsigned mode) {
    const unsigned previous = errorMode();
    errorMode() = mode;
    return previous;
}

} // namespace kestrom
