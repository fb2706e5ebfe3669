#include "platform/ModuleIconReader.h"

#include "platform/ByteReader.h"

#include <memory>

#include <vector>

namespace kestrom {

namespace {

constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint16_t kMzMagic = 0x5A4D;
constexpr std::uint16_t kNeMagic = 0x454E;
constexpr std::uint32_t kPeMagic = 0x4550;
constexpr std::uint16_t kPe32 = 0x10B;
constexpr std::uint16_t kPe32Plus = 0x20B;
constexpr std::uint16_t kMaxGroupImages = 256;
constexpr std::size_t kMaxIconFile = 16u * 1024 * 1024;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawPointer;
};

// A module's resources: where to find a resource by type and (integer) ID.
class Resources {
public:
    virtual ~Resources() = default;
    // The data of the first resource of type, or of the one with id when id is given.
    virtual std::span<const std::uint8_t> find(std::uint32_t type,
                                               std::optional<std::uint16_t> id) const = 0;
};

class PeResources : public Resources {
public:
    PeResources(std::span<const std::uint8_t> file, std::vector<Section> sections,
                std::uint32_t rootRva)
        : file_(file), sections_(std::move(sections)), root_(fileOffset(rootRva)) {}

    std::span<const std::uint8_t> find(std::uint32_t type,
                                       std::optional<std::uint16_t> id) const override {
        if (!root_)
            return {};
        const auto typeDir = entry(*root_, type);
        if (!typeDir || !(*typeDir & 0x80000000u))
            return {};
        const auto nameDir = entry(*root_ + (*typeDir & 0x7FFFFFFFu), id);
        if (!nameDir || !(*nameDir & 0x80000000u))
            return {};
        const auto language = entry(*root_ + (*nameDir & 0x7FFFFFFFu), std::nullopt);
        if (!language || (*language & 0x80000000u))
            return {};
        ByteReader in(file_);
        in.seek(*root_ + *language);
        const std::uint32_t dataRva = in.u32();
        const std::uint32_t size = in.u32();
        const auto offset = fileOffset(dataRva);
        if (!in.ok() || !offset || !ByteReader::fits(file_.size(), *offset, size))
            return {};
        return file_.subspan(*offset, size);
    }

private:
    std::optional<std::uint64_t> fileOffset(std::uint32_t rva) const {
        for (const Section& s : sections_) {
            if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize)
                return std::uint64_t{s.rawPointer} + (rva - s.virtualAddress);
        }
        return std::nullopt;
    }

    // OffsetToData of the entry named wanted (the first entry when none is wanted).
    std::optional<std::uint32_t> entry(std::uint64_t directory,
                                       std::optional<std::uint32_t> wanted) const {
        ByteReader in(file_);
        in.seek(directory);
        in.skip(12);
        const std::uint32_t count = std::uint32_t{in.u16()} + in.u16();
        for (std::uint32_t i = 0; i < count && in.ok(); ++i) {
            const std::uint32_t name = in.u32();
            const std::uint32_t offset = in.u32();
            if (in.ok() && (!wanted || name == *wanted))
                return offset;
        }
        return std::nullopt;
    }

    std::span<const std::uint8_t> file_;
    std::vector<Section> sections_;
    std::optional<std::uint64_t> root_;
};

class NeResources : public Resources {
public:
    NeResources(std::span<const std::uint8_t> file, std::uint64_t table)
        : file_(file), table_(table) {}

    std::span<const std::uint8_t> find(std::uint32_t type,
                                       std::optional<std::uint16_t> id) const override {
        ByteReader in(file_);
        in.seek(table_);
        const std::uint16_t shift = in.u16();
        if (shift > 16)
            return {};
        while (in.ok()) {
            const std::uint16_t typeId = in.u16();
            const std::uint16_t count = in.u16();
            in.skip(4);
            if (!in.ok() || typeId == 0)
                return {};
            if (typeId != (0x8000 | type)) {
                in.skip(std::uint64_t{count} * 12);
                continue;
            }
            for (std::uint16_t i = 0; i < count && in.ok(); ++i) {
                const std::uint64_t offset = std::uint64_t{in.u16()} << shift;
                const std::uint64_t length = std::uint64_t{in.u16()} << shift;
                in.skip(2);
                const std::uint16_t entryId = in.u16();
                in.skip(4);
                if (in.ok() && (!id || entryId == (0x8000 | *id))) {
                    if (!ByteReader::fits(file_.size(), offset, length))
                        return {};
                    return file_.subspan(offset, length);
                }
            }
            return {};
        }
        return {};
    }

private:
    std::span<const std::uint8_t> file_;
    std::uint64_t table_;
};

std::unique_ptr<Resources> peResources(std::span<const std::uint8_t> file,
                                       std::uint32_t newHeader) {
    ByteReader in(file);
    in.seek(std::uint64_t{newHeader} + 4 + 2);
    const std::uint16_t sectionCount = in.u16();
    in.skip(12);
    const std::uint16_t optionalSize = in.u16();
    in.skip(2);
    const std::uint64_t optional = in.position();
    const std::uint16_t magic = in.u16();
    const std::uint64_t directories = optional + (magic == kPe32Plus ? 112 : 96);
    if (!in.ok() || (magic != kPe32 && magic != kPe32Plus) || !in.seek(directories - 4))
        return nullptr;
    const std::uint32_t directoryCount = in.u32();
    in.skip(2 * 8);
    const std::uint32_t resourceRva = in.u32();
    if (!in.ok() || directoryCount <= 2 || resourceRva == 0 ||
        directories + 3 * 8 > optional + optionalSize)
        return nullptr;
    in.seek(optional + optionalSize);
    std::vector<Section> sections;
    for (std::uint16_t i = 0; i < sectionCount && in.ok(); ++i) {
        in.skip(12);
        Section s{};
        s.virtualAddress = in.u32();
        s.rawSize = in.u32();
        s.rawPointer = in.u32();
        in.skip(16);
        if (in.ok())
            sections.push_back(s);
    }
    return std::make_unique<PeResources>(file, std::move(sections), resourceRva);
}

std::unique_ptr<Resources> resources(std::span<const std::uint8_t> file) {
    ByteReader in(file);
    const std::uint16_t magic = in.u16();
    in.seek(60);
    const std::uint32_t newHeader = in.u32();
    if (!in.ok() || magic != kMzMagic || newHeader == 0 || !in.seek(newHeader))
        return nullptr;
    const std::uint32_t signature = in.u32();
    if (!in.ok())
        return nullptr;
    if ((signature & 0xFFFF) == kNeMagic) {
        in.seek(std::uint64_t{newHeader} + 36);
        const std::uint16_t table = in.u16();
        return in.ok() ? std::make_unique<NeResources>(file, std::uint64_t{newHeader} + table)
                       : nullptr;
    }
    return signature == kPeMagic ? peResources(file, newHeader) : nullptr;
}

void append16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
}

void append32(QByteArray& out, std::uint32_t v) {
    append16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    append16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool ModuleIconReader::isModule(std::span<const std::uint8_t> file) {
    return file.size() >= 2 && file[0] == 'M' && file[1] == 'Z';
}

std::optional<QByteArray> ModuleIconReader::firstIconGroup(std::span<const std::uint8_t> file) {
    const auto module = resources(file);
    if (!module)
        return std::nullopt;
    ByteReader group(module->find(kRtGroupIcon, std::nullopt));
    group.skip(4);
    const std::uint16_t count = group.u16();
    if (!group.ok() || count == 0 || count > kMaxGroupImages)
        return std::nullopt;
    QByteArray header, images;
    append16(header, 0);
    append16(header, 1);
    append16(header, count);
    std::uint32_t offset = 6 + 16u * count;
    for (std::uint16_t i = 0; i < count; ++i) {
        const auto entry = group.bytes(12);
        const std::uint16_t id = group.u16();
        const auto image = module->find(kRtIcon, id);
        if (!group.ok() || image.empty() ||
            static_cast<std::size_t>(images.size()) + image.size() > kMaxIconFile)
            return std::nullopt;
        header.append(reinterpret_cast<const char*>(entry.data()), 8);
        append32(header, static_cast<std::uint32_t>(image.size()));
        append32(header, offset);
        offset += static_cast<std::uint32_t>(image.size());
        images.append(reinterpret_cast<const char*>(image.data()),
                      static_cast<qsizetype>(image.size()));
    }
    return header + images;
}

} // namespace kestrom
