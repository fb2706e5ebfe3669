#include "platform/EInOutError.h"

#include <string>

namespace kestrom {

EInOutError::EInOutError(int errorCode)
    : std::runtime_error("I/O error " + std::to_string(errorCode)), errorCode_(errorCode) {}

} // namespace kestrom
