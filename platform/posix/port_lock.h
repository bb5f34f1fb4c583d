#pragma once

#include <string>
#include <string_view>

#include "platform/sys_error.h"

namespace platform::posix {

// EBUSY when a UUCP lock file in `lockDirectory` names `deviceName` and the process in it lives.
// A missing, unreadable or stale lock file does not hold the port.
SysError checkUucpLock(const std::string& lockDirectory, std::string_view deviceName);

// Takes the port for this open file description: flock, then TIOCEXCL. EBUSY when another
// open file description holds the flock.
SysError lockPort(int fd);

// Lets other processes open the port again (TIOCNXCL); the flock goes with the descriptor.
void unlockPort(int fd);

}  // namespace platform::posix
