#include "platform/ByteReader.h"

namespace kestrom {

bool ByteReader::seek(std::uint64_t offset) {
    if (!ok_ || offset > data_.size())
        return ok_ = false;
    position_ = static_cast<std::size_t>(offset);
    return true;
}

bool ByteReader::skip(std::uint64_t count) {
    return take(count);
}

bool ByteReader::take(std::uint64_t count) {
    if (!ok_ || !fits(data_.size(), position_, count))
        return ok_ = false;
    position_ += static_cast<std::size_t>(count);
    return true;
}

std::uint8_t ByteReader::u8() {
    const std::size_t at = position_;
    return take(1) ? data_[at] : 0;
}

std::uint16_t ByteReader::u16() {
    const std::size_t at = position_;
    if (!take(2))
        return 0;
    return static_cast<std::uint16_t>(data_[at] | (data_[at + 1] << 8));
}

std::uint32_t ByteReader::u32() {
    const std::size_t at = position_;
    if (!take(4))
        return 0;
    return static_cast<std::uint32_t>(data_[at]) |
           (static_cast<std::uint32_t>(data_[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data_[at + 2]) << 16) |
           (static_cast<std::uint32_t>(data_[at + 3]) << 24);
}

std::span<const std::uint8_t> ByteReader::bytes(std::uint64_t count) {
    const std::size_t at = position_;
    if (!take(count))
        return {};
    return data_.subspan(at, static_cast<std::size_t>(count));
}

} // namespace kestrom
