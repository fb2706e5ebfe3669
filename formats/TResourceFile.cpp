#include "formats/TResourceFile.h"

#include "formats/EResourceError.h"
#include "platform/ByteReader.h"

namespace kestrom {

namespace {

constexpr std::uint32_t kDosHeaderSize = 64;
constexpr std::uint32_t kNeHeaderSize = 64;
constexpr std::uint32_t kPeHeadersSize = 248;
constexpr std::uint32_t kSectionHeaderSize = 40;
constexpr std::uint32_t kGroupEntrySize = 14;
constexpr std::uint32_t kIconFileHeaderSize = 22;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;

std::uint16_t get16(const QByteArray& bytes, std::size_t at) {
    ByteReader in(byteSpan(bytes));
    in.seek(at);
    return in.u16();
}

std::uint32_t get32(const QByteArray& bytes, std::size_t at) {
    ByteReader in(byteSpan(bytes));
    in.seek(at);
    return in.u32();
}

void set16(QByteArray& bytes, qsizetype at, std::uint16_t v) {
    bytes[at] = static_cast<char>(v & 0xFF);
    bytes[at + 1] = static_cast<char>(v >> 8);
}

void set32(QByteArray& bytes, qsizetype at, std::uint32_t v) {
    set16(bytes, at, static_cast<std::uint16_t>(v & 0xFFFF));
    set16(bytes, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// A result offset must be a 32-bit file position.
std::uint32_t asOffset(std::int64_t value) {
    return value > 0 && value <= 0xFFFFFFFF ? static_cast<std::uint32_t>(value) : 0;
}

} // namespace

TResourceFile::TResourceFile(const QString& FileName) {
    if (FileName.isEmpty())
        throw EResourceError(EResourceError::nilName());
    fileName_ = FileName;
    file_ = std::make_unique<ModuleFile>(FileName);
    dosHeader_ = file_->readAt(0, kDosHeaderSize);
    const std::uint32_t newHeader = get32(dosHeader_, 60);
    if (dosHeader_.size() < static_cast<qsizetype>(kDosHeaderSize) ||
        get16(dosHeader_, 0) != 0x5A4D || newHeader == 0)
        throw EResourceError(EResourceError::invalidImage());
    neHeader_ = file_->readAt(newHeader, kNeHeaderSize);
    peHeaders_ = file_->readAt(newHeader, kPeHeadersSize);
    if (neHeader_.size() < static_cast<qsizetype>(kNeHeaderSize) ||
        peHeaders_.size() < static_cast<qsizetype>(kPeHeadersSize))
        throw EResourceError(EResourceError::invalidImage());
    if (get16(neHeader_, 0) == 0x454E)
        isPe_ = false;
    else if (get32(peHeaders_, 0) == 0x4550)
        isPe_ = true;
    else
        throw EResourceError(EResourceError::notPeOrNe());
    isPe32Plus_ = isPe_ && get16(peHeaders_, 24) == kPe32PlusMagic;
}

TResourceFile::~TResourceFile() = default;

std::uint32_t TResourceFile::IconGroupOffset(std::int32_t Index) {
    if (Index < 0)
        return 0;
    if (!isPe_)
        return neLookup(kGroupIcon, static_cast<std::uint32_t>(Index));
    return peLookup(kGroupIcon, Index, -1);
}

std::uint32_t TResourceFile::IconImageOffset(std::uint16_t IconNumber) {
    if (!isPe_)
        return neLookup(kIcon, IconNumber);
    return peLookup(kIcon, -1, std::int64_t{IconNumber} + 1);
}

std::uint32_t TResourceFile::neLookup(std::uint32_t type, std::uint32_t position) const {
    const std::uint64_t newHeader = get32(dosHeader_, 60);
    std::uint64_t at = newHeader + get16(neHeader_, 36);
    const std::uint16_t shift = get16(file_->readExactAt(at, 2), 0);
    at += 2;
    // Every block is read from the file, so the end of the file ends the walk.
    for (;;) {
        const QByteArray block = file_->readExactAt(at, 8);
        const std::uint16_t typeId = get16(block, 0);
        const std::uint16_t count = get16(block, 2);
        if (typeId == 0)
            return 0;
        at += 8;
        if ((typeId & 0x8000) && (typeId & 0x7FFF) == type) {
            if (count <= position)
                return 0;
            const std::uint64_t offset = get16(file_->readExactAt(at + 12ull * position, 12), 0);
            return shift < 32 ? asOffset(static_cast<std::int64_t>(offset << shift)) : 0;
        }
        at += 12ull * count;
    }
}

bool TResourceFile::resourceSection(Section& section, std::uint64_t& root) const {
    // The 64-bit optional header is 16 bytes longer: its directories and its section table
    // lie further on.
    const std::size_t rvaCountAt = isPe32Plus_ ? 132 : 116;
    const std::size_t directoryAt = isPe32Plus_ ? 136 : 120;
    const std::uint32_t rvaCount = get32(peHeaders_, rvaCountAt);
    if (rvaCount < 3)
        return false;
    const std::uint32_t resourceRva = get32(peHeaders_, directoryAt + 2 * 8);
    const std::uint64_t newHeader = get32(dosHeader_, 60);
    const std::uint64_t table =
        isPe32Plus_ ? newHeader + 24 + get16(peHeaders_, 20) : newHeader + kPeHeadersSize;
    const std::uint16_t sections = get16(peHeaders_, 6);
    const QByteArray headers = file_->readAt(table, kSectionHeaderSize * sections);
    for (std::uint32_t i = 0; i < sections; ++i) {
        const std::size_t at = i * kSectionHeaderSize;
        if (headers.size() < static_cast<qsizetype>(at + kSectionHeaderSize))
            return false;
        const std::uint64_t va = get32(headers, at + 12);
        const std::uint64_t rawSize = get32(headers, at + 16);
        if (va <= resourceRva && resourceRva < va + rawSize) {
            section = {static_cast<std::uint32_t>(va), get32(headers, at + 20)};
            root = std::uint64_t{section.pointerToRawData} + (resourceRva - va);
            return true;
        }
    }
    return false;
}

std::uint32_t TResourceFile::peLookup(std::uint32_t type, std::int64_t index,
                                      std::int64_t id) const {
    Section section{};
    std::uint64_t root = 0;
    if (!resourceSection(section, root))
        return 0;
    // The entry of a directory found by its position or by its integer name; its offset with
    // the subdirectory bit cleared, or nothing.
    const auto entry = [&](std::uint64_t directory, std::int64_t position,
                           std::int64_t name) -> std::optional<std::uint32_t> {
        const QByteArray header = file_->readAt(directory, 16);
        if (header.size() < 16)
            return std::nullopt;
        const std::uint32_t count = std::uint32_t{get16(header, 12)} + get16(header, 14);
        if (position >= 0 && position >= count)
            return std::nullopt;
        const std::uint32_t first = position >= 0 ? static_cast<std::uint32_t>(position) : 0;
        const std::uint32_t last = position >= 0 ? first + 1 : count;
        const QByteArray entries = file_->readAt(directory + 16 + 8ull * first, 8 * (last - first));
        for (std::uint32_t i = 0; i < last - first; ++i) {
            if (entries.size() < static_cast<qsizetype>(8 * (i + 1)))
                return std::nullopt;
            if (position >= 0 || get32(entries, 8 * i) == name)
                return get32(entries, 8 * i + 4) & 0x7FFFFFFFu;
        }
        return std::nullopt;
    };
    const auto typeDir = entry(root, -1, type);
    if (!typeDir)
        return 0;
    const auto nameDir = entry(root + *typeDir, index, id);
    if (!nameDir)
        return 0;
    const auto language = entry(root + *nameDir, 0, -1);
    if (!language)
        return 0;
    const QByteArray data = file_->readAt(root + *language, 4);
    if (data.size() < 4)
        return 0;
    return asOffset(std::int64_t{get32(data, 0)} - section.virtualAddress +
                    section.pointerToRawData);
}

std::uint16_t TResourceFile::GroupImageCount(std::uint32_t GroupOffset) {
    const QByteArray count = file_->readAt(std::uint64_t{GroupOffset} + 4, 2);
    return count.size() == 2 ? get16(count, 0) : 0;
}

std::vector<IconGroupEntry> TResourceFile::GroupEntries(std::uint32_t GroupOffset) {
    const QByteArray header = file_->readAt(GroupOffset, 6);
    if (header.size() < 6)
        return {};
    const std::uint16_t count = get16(header, 4);
    const QByteArray bytes = file_->readAt(std::uint64_t{GroupOffset} + 6, kGroupEntrySize * count);
    std::vector<IconGroupEntry> entries;
    for (std::size_t at = 0; at + kGroupEntrySize <= static_cast<std::size_t>(bytes.size());
         at += kGroupEntrySize) {
        IconGroupEntry e;
        e.width = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(at)]);
        e.height = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(at + 1)]);
        e.colorCount = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(at + 2)]);
        e.planes = get16(bytes, at + 4);
        e.bitCount = get16(bytes, at + 6);
        e.bytesInRes = get32(bytes, at + 8);
        e.iconId = get16(bytes, at + 12);
        entries.push_back(e);
    }
    return entries;
}

QByteArray TResourceFile::ExtractGroupImage(std::uint32_t GroupOffset, std::uint32_t EntryNumber) {
    const QByteArray count = file_->readAt(std::uint64_t{GroupOffset} + 4, 2);
    if (count.size() < 2 || EntryNumber == 0 || EntryNumber > get16(count, 0))
        return {};
    QByteArray buffer = file_->readAt(
        std::uint64_t{GroupOffset} + kGroupEntrySize * (EntryNumber - 1), kIconFileHeaderSize);
    // The last two bytes become the image offset: a group at the very end of the file lacks them.
    if (buffer.size() < static_cast<qsizetype>(kIconFileHeaderSize - 2))
        return {};
    buffer.resize(kIconFileHeaderSize, '\0');
    const std::uint32_t byteCount = get32(buffer, 14);
    const auto iconNumber = static_cast<std::uint16_t>(get16(buffer, 18) - 1);
    const std::uint32_t imageOffset = IconImageOffset(iconNumber);
    // An image that is not there whole makes no icon file.
    if (imageOffset == 0 || !ByteReader::fits(file_->size(), imageOffset, byteCount))
        return {};
    const QByteArray image = file_->readAt(imageOffset, byteCount);
    if (image.size() != static_cast<qsizetype>(byteCount))
        return {};
    set16(buffer, 0, 0);
    set16(buffer, 2, 1);
    set16(buffer, 4, 1);
    set32(buffer, 18, kIconFileHeaderSize);
    return buffer + image;
}

} // namespace kestrom
