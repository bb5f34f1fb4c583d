#pragma once

#include <cstddef>

#include "platform/sys_error.h"

namespace platform {

// Keeps the whole pages that hold [address, address + size) resident in memory, so that no page
// fault delays time-critical code (a byte-by-byte receiver, a transfer session). Returns the
// system's error number when the system refuses (for example EPERM or ENOMEM over the limit).
SysError lockMemory(const void* address, std::size_t size);
// Lets those pages be paged out again.
SysError unlockMemory(const void* address, std::size_t size);

}  // namespace platform
