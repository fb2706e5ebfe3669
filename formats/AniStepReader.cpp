#include "formats/AniStepReader.h"

#include "platform/IconFileDecoder.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace kestrom {

std::uint8_t AniStepReader::u8() {
    if (position_ < data_.size())
        return data_[position_++];
    pastEnd_ = true;
    return 0;
}

std::uint16_t AniStepReader::u16() {
    const std::uint16_t low = u8();
    return static_cast<std::uint16_t>(low | (u8() << 8));
}

std::uint32_t AniStepReader::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

bool AniStepReader::id(const char (&name)[5]) {
    char bytes[4];
    for (char& b : bytes)
        b = static_cast<char>(u8());
    return std::memcmp(bytes, name, 4) == 0;
}

void AniStepReader::skip(std::uint64_t count) {
    if (count > remaining())
        pastEnd_ = true;
    position_ += static_cast<std::size_t>(std::min<std::uint64_t>(count, remaining()));
}

AniChain AniStepReader::read() {
    if (!id("RIFF"))
        return nullptr;
    skip(8); // RIFF length, form type
    if (id("LIST")) {
        skip(u32());
        skip(4); // the header chunk's id, never compared
    }
    skip(12); // header chunk length, header size, frame count
    const std::int32_t steps = i32();
    skip(24);

    AniChain head;
    const std::vector<AniStep*> records = buildRecords(head, steps);
    if (!head && steps > 0)
        return nullptr;
    if (!assignFrames(records, steps))
        return nullptr;
    // Records past the header's step count have no frame: the chain ends before them.
    if (steps <= 0)
        return nullptr;
    records[static_cast<std::size_t>(steps) - 1]->Next.reset();
    return head;
}

std::vector<AniStep*> AniStepReader::buildRecords(AniChain& head, std::int32_t steps) {
    std::vector<AniStep*> records;
    const auto build = [&](std::int64_t count, auto fill) {
        // Each record takes a 4-byte value from the file (or a frame of at least 8 bytes):
        // more than the file holds can only fail, so it fails before anything is allocated.
        if (count <= 0 || static_cast<std::uint64_t>(count) > remaining() / 4)
            return;
        records.reserve(static_cast<std::size_t>(count));
        AniStep* last = nullptr;
        for (std::int64_t i = 0; i < count; ++i) {
            auto record = std::make_unique<AniStep>();
            fill(*record);
            AniStep* raw = record.get();
            (last ? last->Next : head) = std::move(record);
            last = raw;
            records.push_back(raw);
        }
    };
    char chunk[4];
    for (char& b : chunk)
        b = static_cast<char>(u8());
    if (std::memcmp(chunk, "rate", 4) == 0) {
        build(i32() / 4, [this](AniStep& r) { r.Rate = i32(); });
    } else if (std::memcmp(chunk, "LIST", 4) == 0) {
        skip(4);
        build(steps, [](AniStep&) {});
        skip(4); // the frame list's type
        return records;
    } else {
        build(i32() / 4, [this](AniStep& r) { r.Frame = i32(); });
    }
    const bool seq = id("seq ");
    const std::int32_t length = i32();
    if (seq) {
        const std::int32_t entries = length / 4;
        if (entries > static_cast<std::int64_t>(records.size())) {
            head.reset();
            records.clear();
            return records;
        }
        for (std::int32_t i = 0; i < entries; ++i)
            records[static_cast<std::size_t>(i)]->Frame = i32();
        skip(8); // the frame list's id and length
    }
    skip(4); // the frame list's type
    return records;
}

bool AniStepReader::assignFrames(const std::vector<AniStep*>& records, std::int32_t steps) {
    if (steps > 0 && static_cast<std::size_t>(steps) > records.size())
        return false;
    std::int32_t framesRead = 0;
    // The first record with an image for each frame number: records get their images in
    // chain order, so this is what a search from the head would find.
    std::unordered_map<std::int32_t, const AniStep*> shown;
    for (std::int32_t i = 0; i < steps; ++i) {
        AniStep& r = *records[static_cast<std::size_t>(i)];
        const auto earlier = shown.find(r.Frame);
        if (r.Frame < framesRead && earlier != shown.end()) {
            r.Icon = earlier->second->Icon;
        } else {
            r.Icon = readFrame(r);
            if (!r.Icon)
                return false;
            r.Frame = framesRead++;
        }
        shown.emplace(r.Frame, &r);
    }
    return true;
}

HICON AniStepReader::readFrame(AniStep& record) {
    skip(4); // the chunk id, "icon" in the standard
    record.Size = i32();
    // A frame longer than what is left is cut short: it cannot decode.
    if (record.Size <= 0 || static_cast<std::size_t>(record.Size) > remaining())
        return nullptr;
    QByteArray image(reinterpret_cast<const char*>(data_.data() + position_), record.Size);
    skip(static_cast<std::uint64_t>(record.Size));
    // Cursor images (type 2) decode as icons.
    if (image.size() > 2)
        image[2] = 1;
    auto icon = IconFileDecoder::decode({reinterpret_cast<const std::uint8_t*>(image.constData()),
                                         static_cast<std::size_t>(image.size())});
    return icon ? std::make_shared<const IconObject>(std::move(*icon)) : nullptr;
}

} // namespace kestrom
