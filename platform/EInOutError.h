#pragma once

#include <stdexcept>

namespace kestrom {

// The file layer's I/O error: carries the Windows result code of the failed operation.
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(int errorCode);

    int ErrorCode() const { return errorCode_; }

private:
    int errorCode_;
};

} // namespace kestrom
