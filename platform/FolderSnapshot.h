#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace kestrom {

// What one read of a host folder found: the names in the order an NTFS folder lists them
// ("." and ".." first, except at a drive root, then without regard to case), each with its
// Windows attributes, time, size and host identity once asked for.
class FolderSnapshot {
public:
    struct Entry {
        QString name;
        bool known = false;   // the record below has been read
        bool present = false; // the entry was still there when it was read
        int attr = 0;
        int time = 0;
        int size = 0;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
    };

    // Reads hostFolder; with everyRecord, reads every entry's record at once, relative to the
    // open folder (much cheaper than one path lookup per entry). 0, or 5 when the folder
    // cannot be read, 3 when it is not there.
    static int read(const QString& hostFolder, bool isDriveRoot, bool everyRecord,
                    std::shared_ptr<FolderSnapshot>& snapshot);

    const QString& hostFolder() const { return hostFolder_; }
    size_t size() const { return entries_.size(); }
    // The entry at index, its record read on first use.
    const Entry& at(size_t index);
    QString hostPathOf(const Entry& entry) const;

private:
    QString hostFolder_; // empty for "/"
    std::vector<Entry> entries_;
};

} // namespace kestrom
