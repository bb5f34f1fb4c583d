#include "last_error.h"
#include "platform/memory_lock.h"
#include "platform/process_control.h"

namespace platform {

namespace {

class Win32ProcessControl final : public ProcessControl {
 public:
  SysError getPriorityClass(std::uint32_t& priorityClass) override {
    const DWORD value = GetPriorityClass(GetCurrentProcess());
    if (value == 0) return win32::lastError();
    priorityClass = value;
    return kSuccess;
  }

  SysError setPriorityClass(std::uint32_t priorityClass) override {
    return win32::resultOf(SetPriorityClass(GetCurrentProcess(), priorityClass));
  }

  SysError getThreadPriority(std::int32_t& priority) override {
    const int value = GetThreadPriority(GetCurrentThread());
    if (value == THREAD_PRIORITY_ERROR_RETURN) return win32::lastError();
    priority = value;
    return kSuccess;
  }

  SysError setThreadPriority(std::int32_t priority) override {
    return win32::resultOf(SetThreadPriority(GetCurrentThread(), priority));
  }

  SysError lockMemory(const void* address, std::size_t size) override { return platform::lockMemory(address, size); }

  SysError unlockMemory(const void* address, std::size_t size) override {
    return platform::unlockMemory(address, size);
  }

  std::uint32_t realtimePriorityClass() const override { return REALTIME_PRIORITY_CLASS; }
  std::int32_t timeCriticalThreadPriority() const override { return THREAD_PRIORITY_TIME_CRITICAL; }
};

}  // namespace

ProcessControl& systemProcessControl() {
  static Win32ProcessControl control;
  return control;
}

}  // namespace platform
