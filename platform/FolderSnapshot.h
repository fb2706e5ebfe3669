#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

struct stat;

namespace kestrom {

// What one read of a host folder found: the names in the order an NTFS folder lists them
// ("." and ".." first, except at a drive root, then without regard to case), each with its
// Windows attributes, time, size and host identity once asked for.
class FolderSnapshot {
public:
    // Kept small: a folder of 100,000 files is read whole before it is listed.
    struct Entry {
        std::uint32_t nameOffset = 0; // in the snapshot's name text
        std::uint32_t nameLength = 0;
        bool known = false;   // the record below has been read
        bool present = false; // the entry was still there when it was read
        std::uint8_t attr = 0;
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
    QStringView nameOf(const Entry& entry) const {
        return QStringView(names_).mid(entry.nameOffset, entry.nameLength);
    }
    QString hostPathOf(const Entry& entry) const;

private:
    void add(QStringView name);
    void readRecord(Entry& entry, const struct stat& st, bool writable);

    QString hostFolder_; // empty for "/"
    QString names_;      // every name, one after the other
    std::vector<Entry> entries_;
};

} // namespace kestrom
