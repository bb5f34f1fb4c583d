#pragma once

#include <cstdint>

#include "platform/sys_error.h"

namespace platform {

// Priority of the process and of the calling thread, and the memory lock, for code that must
// not be delayed. Priority values are the platform's own (Windows priority classes and thread
// priorities; on POSIX, encodings of the nice value and of the scheduling policy): a value read
// gives back exactly the state it was read in. Calls return kSuccess or the system's error.
class ProcessControl {
 public:
  virtual ~ProcessControl() = default;

  virtual SysError getPriorityClass(std::uint32_t& priorityClass) = 0;
  virtual SysError setPriorityClass(std::uint32_t priorityClass) = 0;
  virtual SysError getThreadPriority(std::int32_t& priority) = 0;
  virtual SysError setThreadPriority(std::int32_t priority) = 0;
  virtual SysError lockMemory(const void* address, std::size_t size) = 0;
  virtual SysError unlockMemory(const void* address, std::size_t size) = 0;

  // The highest process class (REALTIME_PRIORITY_CLASS) and thread priority
  // (THREAD_PRIORITY_TIME_CRITICAL) of the platform.
  virtual std::uint32_t realtimePriorityClass() const = 0;
  virtual std::int32_t timeCriticalThreadPriority() const = 0;
};

ProcessControl& systemProcessControl();

}  // namespace platform
