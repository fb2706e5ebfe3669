#pragma once

#include "formats/ModuleFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace kestrom {

// One entry of an icon group's directory (GRPICONDIRENTRY).
struct IconGroupEntry {
    int width = 0; // the stored bytes; 0 stands for 256
    int height = 0;
    int colorCount = 0;
    int planes = 0;
    int bitCount = 0;
    std::uint32_t bytesInRes = 0;
    std::uint16_t iconId = 0;
};

// Reads icon groups (type 14) and icons (type 3) straight from the resource tables of a PE or
// NE module without loading it. Offsets are absolute file offsets; 0 means not found.
class TResourceFile {
public:
    static constexpr std::uint32_t kGroupIcon = 14;
    static constexpr std::uint32_t kIcon = 3;

    // Raises EResourceError with its fixed texts, or EInOutError when the file cannot be opened.
    explicit TResourceFile(const QString& FileName);
    ~TResourceFile();

    const QString& FileName() const { return fileName_; }
    bool IsPE() const { return isPe_; }
    bool IsPE32Plus() const { return isPe32Plus_; }

    std::uint32_t IconGroupOffset(std::int32_t Index);
    // IconNumber is an icon ID from a group entry minus 1.
    std::uint32_t IconImageOffset(std::uint16_t IconNumber);
    // A single-image icon file from the EntryNumber-th (from 1) entry of the group whose
    // directory lies at GroupOffset; empty when there is no such entry or image.
    QByteArray ExtractGroupImage(std::uint32_t GroupOffset, std::uint32_t EntryNumber);
    // The image count of the group whose directory lies at GroupOffset; 0 when unreadable.
    std::uint16_t GroupImageCount(std::uint32_t GroupOffset);
    // The entries of the group whose directory lies at GroupOffset.
    std::vector<IconGroupEntry> GroupEntries(std::uint32_t GroupOffset);

private:
    struct Section {
        std::uint32_t virtualAddress;
        std::uint32_t pointerToRawData;
    };
    std::uint32_t neLookup(std::uint32_t type, std::uint32_t position) const;
    std::uint32_t peLookup(std::uint32_t type, std::int64_t index, std::int64_t id) const;
    bool resourceSection(Section& section, std::uint64_t& root) const;

    QString fileName_;
    std::unique_ptr<ModuleFile> file_;
    bool isPe_ = false;
    bool isPe32Plus_ = false;
    QByteArray dosHeader_; // 64 bytes
    QByteArray neHeader_;  // 64 bytes at the new-header offset
    QByteArray peHeaders_; // 248 bytes at the same offset
};

} // namespace kestrom
