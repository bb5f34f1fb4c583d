#include "platform/memory_lock.h"
#include "last_error.h"

namespace platform {

// VirtualLock takes any range and locks the whole pages it touches.
SysError lockMemory(const void* address, std::size_t size) {
  return win32::resultOf(VirtualLock(const_cast<void*>(address), size));
}

SysError unlockMemory(const void* address, std::size_t size) {
  return win32::resultOf(VirtualUnlock(const_cast<void*>(address), size));
}

}  // namespace platform
