#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace kestrom {

// A file opened for reading raw bytes at explicit offsets, kept open until destroyed.
class ModuleFile {
public:
    // Opens the file a Windows path names; raises EInOutError with the Windows result code.
    explicit ModuleFile(const QString& windowsPath);
    ~ModuleFile();
    ModuleFile(const ModuleFile&) = delete;
    ModuleFile& operator=(const ModuleFile&) = delete;

    std::uint64_t size() const { return size_; }
    // Up to length bytes at offset: fewer at the end of the file, none past it. A device
    // error raises EInOutError.
    QByteArray readAt(std::uint64_t offset, std::uint32_t length) const;
    // Exactly length bytes at offset; fewer raises the end-of-file EInOutError (100).
    QByteArray readExactAt(std::uint64_t offset, std::uint32_t length) const;

    static constexpr int kReadPastEnd = 100;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

} // namespace kestrom
