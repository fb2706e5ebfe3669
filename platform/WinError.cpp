#include "platform/WinError.h"

#include <cerrno>

namespace kestrom {

namespace {
thread_local int lastError = 0;
}

int winErrorFromErrno(int error) {
    switch (error) {
    case 0:
        return kErrorSuccess;
    case ENOENT:
        return kErrorFileNotFound;
    case ENOTDIR:
    case ELOOP:
        return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return kErrorAccessDenied;
    case EMFILE:
    case ENFILE:
        return kErrorTooManyOpenFiles;
    case ENOMEM:
        return kErrorNotEnoughMemory;
    case EROFS:
        return kErrorWriteProtect;
    case ENOMEDIUM:
        return kErrorNotReady;
    case EIO:
        return kErrorReadFault;
    case EBUSY:
    case ETXTBSY:
        return kErrorSharingViolation;
    case EEXIST:
        return kErrorFileExists;
    case ENOSPC:
    case EDQUOT:
        return kErrorDiskFull;
    case ENAMETOOLONG:
        return kErrorFilenameTooLong;
    default:
        return kErrorInvalidFunction;
    }
}

int GetLastError() {
    return lastError;
}

void SetLastError(int error) {
    lastError = error;
}

} // namespace kestrom
