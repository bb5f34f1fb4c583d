#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/memory_lock.h"

namespace platform {
namespace {

// mlock wants page-aligned ranges on some systems; widen the range to whole pages.
struct PageRange {
  void* start;
  std::size_t length;
};

PageRange wholePages(const void* address, std::size_t size) {
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = reinterpret_cast<std::uintptr_t>(address) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(address) + size + page - 1) & ~(page - 1);
  return {reinterpret_cast<void*>(begin), end - begin};
}

}  // namespace

SysError lockMemory(const void* address, std::size_t size) {
  const PageRange range = wholePages(address, size);
  return mlock(range.start, range.length) == 0 ? kSuccess : static_cast<SysError>(errno);
}

SysError unlockMemory(const void* address, std::size_t size) {
  const PageRange range = wholePages(address, size);
  return munlock(range.start, range.length) == 0 ? kSuccess : static_cast<SysError>(errno);
}

}  // namespace platform
