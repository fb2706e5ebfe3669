#pragma once

namespace kestrom {

// The registry's text formats: "REGEDIT4" (8-bit text; written here as UTF-8) and
// "Windows Registry Editor Version 5.00" (UTF-16 with a byte-order mark).
enum class RegFileFormat { Regedit4, Version5 };

} // namespace kestrom
