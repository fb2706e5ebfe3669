#pragma once

#include <QString>

#include <cstdint>

namespace kestrom {

class CursorSlotSink;
class TResourceFile;

// Writes image n (from 0, counted over the icon groups in table order and within each group in
// entry order) of the library as a single-image icon file into target, an existing file. Without
// such an image the target stays empty. Raises the resource reader's errors and the file layer's.
void ExtractLibraryImage(const QString& library, int n, const QString& target);

// Cursor libraries: modules whose icon resources hold the fifteen role cursors.
class CursorLibrary {
public:
    static constexpr int kRoles = 15;
    static constexpr const char* kExtension = "CUR";

    // When library exists: for each slot 1 to 15, a new numbered file in the user's data folder
    // with the slot's image, given to the slot. Returns the number of slots given. A failure
    // raises after the slots before it got their files; the failing slot's file stays empty.
    static int Load(const QString& library, CursorSlotSink& sink);
    // The group holding image n and n's entry number (from 1) in it; false when there is none.
    static bool Locate(TResourceFile& file, int n, std::uint32_t& group, std::uint32_t& entry);
};

} // namespace kestrom
