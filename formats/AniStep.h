#pragma once

#include "platform/IconObject.h"

#include <cstdint>
#include <memory>

namespace kestrom {

// One step of a loaded animated cursor; the first record is the chain's handle.
struct AniStep {
    static constexpr std::int32_t kCopySize = 766; // a 32 x 32, 16-colour icon file
    static constexpr std::int32_t kDefaultRate = 10;

    AniStep() = default;
    AniStep(const AniStep&) = delete;
    AniStep& operator=(const AniStep&) = delete;
    // Unlinks the chain record by record, so a long chain cannot exhaust the stack.
    ~AniStep();

    HICON Icon;                       // the frame image; none until a frame is assigned
    std::int32_t Size = kCopySize;    // bytes of the frame's image as stored in the file
    std::int32_t Rate = kDefaultRate; // jiffies (1/60 s)
    std::int32_t Frame = -1;          // after loading: the frame's ordinal in file order
    std::unique_ptr<AniStep> Next;
};

using AniChain = std::unique_ptr<AniStep>;

// The number of records in a chain.
std::size_t ChainLength(const AniStep* head);

} // namespace kestrom
