#include "tests/support/AniFileWriter.h"

#include "tests/support/IconFileWriter.h"

namespace kestrom::test {

QByteArray AniFileWriter::chunk(const char* id, const QByteArray& data, bool pad) {
    QByteArray out(id, 4);
    IconFileWriter::put32(out, static_cast<std::uint32_t>(data.size()));
    out += data;
    if (pad && data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray AniFileWriter::header(std::uint32_t frames, std::uint32_t steps, std::uint32_t jiffies,
                                 std::uint32_t flags) {
    QByteArray data;
    for (std::uint32_t v : {36u, frames, steps, 0u, 0u, 0u, 0u, jiffies, flags})
        IconFileWriter::put32(data, v);
    return chunk("anih", data);
}

QByteArray AniFileWriter::values(const char* id, const std::vector<std::uint32_t>& values) {
    QByteArray data;
    for (std::uint32_t v : values)
        IconFileWriter::put32(data, v);
    return chunk(id, data);
}

QByteArray AniFileWriter::frameList(const QList<QByteArray>& frames, bool pad) {
    QByteArray body;
    for (const QByteArray& frame : frames)
        body += chunk("icon", frame, pad);
    return list("fram", body);
}

QByteArray AniFileWriter::list(const char* type, const QByteArray& body) {
    return chunk("LIST", QByteArray(type, 4) + body);
}

QByteArray AniFileWriter::riff(const QList<QByteArray>& chunks, const char* form) {
    QByteArray body(form, 4);
    for (const QByteArray& c : chunks)
        body += c;
    QByteArray out("RIFF");
    IconFileWriter::put32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
}

} // namespace kestrom::test
