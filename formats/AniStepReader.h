#pragma once

#include "formats/AniStep.h"

#include <cstdint>
#include <span>

namespace kestrom {

// The strict walk of an animated cursor for the launch buttons: header, then rate and/or
// sequence, then frames, in that order only, each frame read the first time a step needs it.
// Reading past the end gives zero bytes.
class AniStepReader {
public:
    explicit AniStepReader(std::span<const std::uint8_t> data) : data_(data) {}

    // The chain, or none when the walk or a frame fails.
    AniChain read();
    // Some byte was read from past the end of the data.
    bool readPastEnd() const { return pastEnd_; }

private:
    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    bool id(const char (&name)[5]);
    void skip(std::uint64_t count);
    std::size_t remaining() const { return data_.size() - position_; }

    std::vector<AniStep*> buildRecords(AniChain& head, std::int32_t steps);
    bool assignFrames(const std::vector<AniStep*>& records, std::int32_t steps);
    HICON readFrame(AniStep& record);

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    bool pastEnd_ = false;
};

} // namespace kestrom
