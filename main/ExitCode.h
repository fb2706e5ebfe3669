#pragma once

namespace kestrom {

enum ExitCode : int {
    kExitDone = 0,
    kExitNothing = 1,  // nothing found or nothing to do
    kExitBadInput = 2, // bad usage or bad input
};

} // namespace kestrom
