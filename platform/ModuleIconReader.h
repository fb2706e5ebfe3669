#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <span>

namespace kestrom {

// The first icon group of a PE (32- or 64-bit) or NE module, the way the shell finds it:
// headers read at the places their own sizes give, sections mapped properly.
class ModuleIconReader {
public:
    static bool isModule(std::span<const std::uint8_t> file);
    // The first icon group rebuilt as an .ico file image, or nothing.
    static std::optional<QByteArray> firstIconGroup(std::span<const std::uint8_t> file);
};

} // namespace kestrom
