#include "platform/AniFileDecoder.h"

#include "platform/ByteReader.h"
#include "platform/IconFileDecoder.h"

#include <algorithm>
#include <cstring>

namespace kestrom {

namespace {

constexpr std::uint32_t kAfIcon = 1;
constexpr std::uint32_t kDefaultJiffies = 10;
constexpr std::size_t kChunkHeaderSize = 8;

bool isId(std::span<const std::uint8_t> id, const char (&name)[5]) {
    return id.size() == 4 && std::memcmp(id.data(), name, 4) == 0;
}

struct Chunk {
    std::span<const std::uint8_t> id;
    std::span<const std::uint8_t> data;
};

// The chunks of a RIFF body. A chunk that claims more than is left ends the walk: what came
// before still counts.
std::vector<Chunk> chunks(std::span<const std::uint8_t> body) {
    std::vector<Chunk> out;
    ByteReader in(body);
    while (in.remaining() >= kChunkHeaderSize) {
        const auto id = in.bytes(4);
        const std::uint32_t size = in.u32();
        const auto data = in.bytes(size);
        if (!in.ok())
            break;
        out.push_back({id, data});
        if (size % 2 && in.remaining() > 0)
            in.skip(1);
    }
    return out;
}

std::vector<std::uint32_t> values(std::span<const std::uint8_t> data) {
    std::vector<std::uint32_t> out(data.size() / 4);
    ByteReader in(data);
    for (std::uint32_t& v : out)
        v = in.u32();
    return out;
}

struct Contents {
    bool hasHeader = false;
    std::uint32_t steps = 0;
    std::uint32_t jiffies = kDefaultJiffies;
    std::vector<std::uint32_t> rate;
    std::vector<std::uint32_t> seq;
    std::vector<std::span<const std::uint8_t>> frames;
};

void readHeader(std::span<const std::uint8_t> data, Contents& c) {
    ByteReader in(data);
    in.skip(8); // cbSize, nFrames (the frame list says how many there are)
    c.steps = in.u32();
    in.skip(16); // iWidth, iHeight, iBitCount, nPlanes
    const std::uint32_t rate = in.u32();
    const std::uint32_t flags = in.u32();
    if (!in.ok())
        return;
    c.hasHeader = (flags & kAfIcon) != 0;
    c.jiffies = rate ? rate : kDefaultJiffies;
}

std::optional<Contents> contents(std::span<const std::uint8_t> file) {
    ByteReader in(file);
    const auto riff = in.bytes(4);
    const std::uint32_t riffSize = in.u32();
    const auto form = in.bytes(4);
    if (!in.ok() || !isId(riff, "RIFF") || !isId(form, "ACON"))
        return std::nullopt;
    // A RIFF length past the end of the file is common: read what is there.
    const std::size_t bodySize =
        std::min<std::uint64_t>(riffSize >= 4 ? riffSize - 4 : 0, in.remaining());
    Contents c;
    bool headerSeen = false, rateSeen = false, seqSeen = false, framesSeen = false;
    for (const Chunk& chunk : chunks(file.subspan(in.position(), bodySize))) {
        if (isId(chunk.id, "anih") && !headerSeen) {
            headerSeen = true;
            readHeader(chunk.data, c);
        } else if (isId(chunk.id, "rate") && !rateSeen) {
            rateSeen = true;
            c.rate = values(chunk.data);
        } else if (isId(chunk.id, "seq ") && !seqSeen) {
            seqSeen = true;
            c.seq = values(chunk.data);
        } else if (isId(chunk.id, "LIST") && chunk.data.size() >= 4 &&
                   isId(chunk.data.first(4), "fram") && !framesSeen) {
            framesSeen = true;
            for (const Chunk& frame : chunks(chunk.data.subspan(4))) {
                if (isId(frame.id, "icon"))
                    c.frames.push_back(frame.data);
            }
        }
    }
    if (!c.hasHeader || c.frames.empty())
        return std::nullopt;
    return c;
}

std::vector<AniAnimation::Step> steps(const Contents& c) {
    // Every step stands for a rate or sequence entry or a frame, so the file bounds them.
    const std::size_t bound = std::max({c.frames.size(), c.seq.size(), c.rate.size()});
    const std::size_t count = c.steps ? std::min<std::size_t>(c.steps, bound) : c.frames.size();
    std::vector<AniAnimation::Step> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t frame = i < c.seq.size() ? c.seq[i] : i;
        out[i].frame = std::min(frame, c.frames.size() - 1);
        out[i].jiffies = i < c.rate.size() && c.rate[i] ? c.rate[i] : c.jiffies;
    }
    return out;
}

} // namespace

bool AniFileDecoder::isRiff(std::span<const std::uint8_t> file) {
    return file.size() >= 4 && std::memcmp(file.data(), "RIFF", 4) == 0;
}

std::optional<AniAnimation> AniFileDecoder::decode(std::span<const std::uint8_t> file) {
    const auto c = contents(file);
    if (!c)
        return std::nullopt;
    AniAnimation animation;
    animation.frames.reserve(c->frames.size());
    for (const auto& data : c->frames) {
        auto frame = IconFileDecoder::decode(data);
        if (!frame)
            return std::nullopt;
        animation.frames.push_back(std::move(*frame));
    }
    animation.steps = steps(*c);
    return animation;
}

std::optional<IconObject> AniFileDecoder::firstFrame(std::span<const std::uint8_t> file) {
    const auto c = contents(file);
    if (!c)
        return std::nullopt;
    return IconFileDecoder::decode(c->frames.front());
}

} // namespace kestrom
