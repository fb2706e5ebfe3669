#pragma once

namespace kestrom {

// The Windows result codes the program's file and registry code relies on.
enum WinError : int {
    kErrorSuccess = 0,
    kErrorInvalidFunction = 1,
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorTooManyOpenFiles = 4,
    kErrorAccessDenied = 5,
    kErrorInvalidHandle = 6,
    kErrorNotEnoughMemory = 8,
    kErrorInvalidDrive = 15,
    kErrorNoMoreFiles = 18,
    kErrorWriteProtect = 19,
    kErrorNotReady = 21,
    kErrorReadFault = 30,
    kErrorSharingViolation = 32,
    kErrorFileExists = 80,
    kErrorDiskFull = 112,
    kErrorFilenameTooLong = 206,
};

// Maps a POSIX errno value onto the nearest Windows result code.
int winErrorFromErrno(int error);

// The calling thread's last error, as GetLastError reports it.
int GetLastError();
void SetLastError(int error);

} // namespace kestrom
