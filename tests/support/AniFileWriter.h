#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <vector>

namespace kestrom::test {

// Builds animated cursor files chunk by chunk, in whatever order a test needs.
class AniFileWriter {
public:
    // id, length, data, and a pad byte after odd-sized data when pad is set.
    static QByteArray chunk(const char* id, const QByteArray& data, bool pad = true);
    // "anih": 36 bytes; flags 1 says the frames are icon images.
    static QByteArray header(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies = 10,
                             std::uint32_t flags = 1);
    static QByteArray values(const char* id, const std::vector<std::uint32_t>& values);
    // "LIST" "fram" with an "icon" chunk per frame.
    static QByteArray frameList(const QList<QByteArray>& frames, bool pad = true);
    static QByteArray list(const char* type, const QByteArray& body);
    // "RIFF", the length of what follows, "ACON", then the chunks.
    static QByteArray riff(const QList<QByteArray>& chunks, const char* form = "ACON");
};

} // namespace kestrom::test
