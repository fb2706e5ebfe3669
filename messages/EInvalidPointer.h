#pragma once

#include <stdexcept>

namespace kestrom {

// Memory handed back that the memory manager never gave out.
class EInvalidPointer : public std::runtime_error {
public:
    EInvalidPointer() : std::runtime_error("Invalid pointer operation") {}
};

} // namespace kestrom
