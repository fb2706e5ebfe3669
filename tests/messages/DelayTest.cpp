#include "messages/Delay.h"

#include "platform/SystemClock.h"

#include <gtest/gtest.h>

namespace kestrom {
namespace {

// A clock that moves on by step at every reading.
struct SteppingClock {
    std::uint32_t now;
    std::uint32_t step;
    int readings = 0;
    std::uint32_t operator()() {
        ++readings;
        const std::uint32_t t = now;
        now += step;
        return t;
    }
};

TEST(Delay, WaitsForTheTickCountToReachTheTarget) {
    auto clock = std::make_shared<SteppingClock>(SteppingClock{1000, 10});
    SetTickCountSource([clock] { return (*clock)(); });
    Delay(300);
    SetTickCountSource(nullptr);
    EXPECT_GE(clock->now, 1300u);
    EXPECT_EQ(clock->readings, 31); // the start, then 30 more up to 1300
}

TEST(Delay, EndsWhenTheCounterWraps) {
    auto clock = std::make_shared<SteppingClock>(SteppingClock{0xFFFFFF00u, 0x40});
    SetTickCountSource([clock] { return (*clock)(); });
    Delay(100000); // the target lies beyond the wrap: the wrap ends the wait
    SetTickCountSource(nullptr);
    EXPECT_EQ(clock->readings, 5);
}

} // namespace
} // namespace kestrom
