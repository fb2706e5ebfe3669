#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <span>

namespace kestrom {

// A little-endian cursor over bytes. A read or seek that would leave the data fails, leaves
// the position where it was, and makes every later read fail too (reads then give 0).
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool ok() const { return ok_; }
    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return data_.size() - position_; }

    bool seek(std::uint64_t offset);
    bool skip(std::uint64_t count);

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // count bytes from here; empty (and failed) when fewer are left.
    std::span<const std::uint8_t> bytes(std::uint64_t count);

    // offset + length lies within size, computed without overflow.
    static bool fits(std::uint64_t size, std::uint64_t offset, std::uint64_t length) {
        return offset <= size && length <= size - offset;
    }

private:
    bool take(std::uint64_t count);

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// The bytes of a QByteArray, for a ByteReader.
inline std::span<const std::uint8_t> byteSpan(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

} // namespace kestrom
