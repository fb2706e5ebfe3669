#pragma once

#include <QString>

#include <cstdint>

namespace kestrom {

// Bit 0 for A:, bit 1 for B:, … for every drive of the table.
std::uint32_t GetLogicalDrives();
// The drive type of a root ("C:\"): 1 when no such drive; an empty root asks for the current
// drive.
unsigned GetDriveTypeA(const QString& rootPath);
// The volume label and serial number of a root; false with the last error 21 when the drive
// is not ready, 3 when there is no such drive.
bool GetVolumeInformationA(const QString& rootPath, QString* volumeName,
                           std::uint32_t* serialNumber);

} // namespace kestrom
